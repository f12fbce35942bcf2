#pragma once

// A text command's result as data: which range of the editor's text it replaces, with what,
// and the selection afterwards. Commands are logic from the text (or the selected text) and
// the selection to an edit; the edit applier writes it into the editor as one undo step.
// Positions count a line break (CR LF) as two characters, as the editor's do.

#include <QString>

struct TextEdit
{
    qint32 start = 0; // the replaced range
    qint32 length = 0;
    QString replacement; // byte text
    qint32 selStart = 0; // the selection once the replacement is in
    qint32 selLength = 0;

    bool operator==(const TextEdit&) const = default;

    // Replaces the selection [selStart, selStart + selLength) and selects afterwards as given.
    static TextEdit replacingSelection(qint32 selStart, qint32 selLength, const QString& text,
                                       qint32 newSelStart, qint32 newSelLength)
    {
        return {selStart, selLength, text, newSelStart, newSelLength};
    }
    // Inserts at the caret (or over the selection) and leaves the caret after the text.
    static TextEdit typing(qint32 selStart, qint32 selLength, const QString& text)
    {
        return {selStart, selLength, text, selStart + qint32(text.size()), 0};
    }
    // Replaces the whole text of length oldLength.
    static TextEdit wholeText(qint32 oldLength, const QString& text, qint32 newSelStart,
                              qint32 newSelLength)
    {
        return {0, oldLength, text, newSelStart, newSelLength};
    }
};
