#pragma once

// The text boxes of the search, list-replace and template windows: byte text shown through
// a display map, a line break held as CR LF, typed keys reported as the editor reports them
// (KeyPress may rewrite a key into a Georgian or Russian letter). Tab leaves the box, as in
// any box of a dialog, and the box has the usual menu of cut, copy and paste.

class EditorControl;
class QWidget;

// A box of the given height in lines of its font; a one-line box does not wrap and shows
// no scroll bars.
EditorControl* makeTextBox(QWidget* parent, const char* name, int lines);

// The height of a box of that many lines in its current font.
void fitTextBoxHeight(EditorControl& box, int lines);
