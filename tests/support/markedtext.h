#pragma once

// Editor text with its selection written into it: "[" and "]" around a selection, "|" for
// a bare caret. A text command's test runs the command on a document in this form and
// compares the document after its edit in the same form, so each case shows text and
// selection at once; "(no edit)" when the command does nothing.

#include "conversions/bytes.h"
#include "core/textedit.h"
#include "editor/editorselection.h"
#include "platform/editorcontrol.h"

#include <optional>

struct MarkedText
{
    QString text;
    EditorSelection selection;
};

inline MarkedText unmark(const char* marked)
{
    QString text = QString::fromLatin1(marked);
    if (const qsizetype caret = text.indexOf(u'|'); caret >= 0)
        return {text.remove(caret, 1), {qint32(caret), {}}};
    const qsizetype open = text.indexOf(u'['), close = text.indexOf(u']');
    text.remove(close, 1).remove(open, 1);
    return {text, {qint32(open), text.mid(open, close - open - 1)}};
}

inline QString afterEdit(const MarkedText& document, const std::optional<TextEdit>& edit)
{
    if (!edit)
        return QStringLiteral("(no edit)");
    QString text = QString(document.text).replace(edit->start, edit->length, edit->replacement);
    if (edit->selLength == 0)
        return text.insert(edit->selStart, u'|');
    return text.insert(edit->selStart + edit->selLength, u']').insert(edit->selStart, u'[');
}

// The document after the command, which gets the unmarked document.
template <typename Command> QString after(const char* document, Command command)
{
    const MarkedText unmarked = unmark(document);
    return afterEdit(unmarked, command(unmarked));
}

// The editor holding a marked document, and the editor's text and selection marked.
inline void loadMarked(EditorControl& editor, const char* document)
{
    const MarkedText unmarked = unmark(document);
    editor.setText(unmarked.text);
    editor.setSelection(unmarked.selection.start, unmarked.selection.length());
}

inline QString markedState(const EditorControl& editor)
{
    QString text = editor.Text();
    const qint32 start = editor.SelStart();
    const qint32 length = editor.SelLength();
    if (length == 0)
        return text.insert(start, u'|');
    return text.insert(start + length, u']').insert(start, u'[');
}

inline QString marked(const char* text)
{
    return QString::fromLatin1(text);
}
