#pragma once

// Indentation in the editor: Enter carries the line's indentation over to the new line,
// Tab and Shift+Tab indent and unindent the selected lines. Each is an edit of the text
// around the selection; the editor's key handler applies it.

#include "core/textedit.h"

#include <optional>

// The selection and the line its start lies in.
struct LineSelection
{
    qint32 selStart = 0;
    qint32 selLength = 0;
    QString selected;
    qint32 lineStart = 0; // where the line of selStart begins
    QString line;         // that line, without its line break
};

// Replaces the selection by a line break followed by the indentation of the line of the
// selection start: as many tabs as that line holds when it begins with a tab, else its
// leading blanks, but no more blanks than the column the selection starts in.
TextEdit indentedLineBreak(const LineSelection& at);

// Tab: blanks (tabWidth of them) at the caret, before a one-line selection, or at the
// start of every line of a selection over several lines, which is then extended to the
// start of its first line. The indented text stays selected. A width of 0 changes nothing.
std::optional<TextEdit> indentedSelection(const LineSelection& at, int tabWidth);

// Shift+Tab takes one blank from the start of each selected line, or from a one-line
// selection longer than two characters that starts with one. Without a selection it does
// nothing at the start of a line or of the text; elsewhere the key is to delete the
// character before the caret, as Backspace would.
struct Unindent
{
    std::optional<TextEdit> edit;
    bool backspace = false;
};
Unindent unindentedSelection(const LineSelection& at);
