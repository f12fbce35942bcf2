#pragma once

// The editor's selection as a text command reads it: where it starts and the selected text,
// which is empty for a bare caret. Its length is the text's length, because positions count a
// line break as two characters, as the text holds it.

#include "core/textedit.h"

#include <QString>

struct EditorSelection
{
    qint32 start = 0;
    QString text; // byte text

    qint32 length() const { return qint32(text.size()); }
    bool isEmpty() const { return text.isEmpty(); }
};

// The selection replaced by a new text, which is then selected.
inline TextEdit rewrittenSelection(const EditorSelection& selection, const QString& text)
{
    return TextEdit::replacingSelection(selection.start, selection.length(), text, selection.start,
                                        qint32(text.size()));
}
