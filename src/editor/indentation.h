#pragma once

// Indentation in the editor: Enter carries the line's indentation over to the new line,
// Tab and Shift+Tab indent and unindent the selected lines.

class EditorControl;

// Replaces the selection by a line break followed by the indentation of the line of the
// selection start: as many tabs as that line holds when it begins with a tab, else its
// leading blanks, but no more blanks than the column the selection starts in.
void breakLineIndented(EditorControl& editor);

// Tab: blanks (tabWidth of them) at the caret, before a one-line selection, or at the
// start of every line of a selection over several lines, which is then extended to the
// start of its first line. The indented text stays selected. A width of 0 changes nothing.
void indentSelection(EditorControl& editor, int tabWidth);

// Shift+Tab takes one blank from the start of each selected line, or from a one-line
// selection longer than two characters that starts with one. Without a selection it does
// nothing at the start of a line or of the text; elsewhere the key is to delete the
// character before the caret, as Backspace would.
enum class Unindent { Done, Backspace };
Unindent unindentSelection(EditorControl& editor);
