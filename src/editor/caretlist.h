#pragma once

// Where a list that pops up at the caret (the CSS list) goes inside the editor container.
// All lengths are in twips; the caller converts from and to pixels.

#include <QPoint>

struct CaretListGeometry
{
    qint32 caretColumn = 0; // the caret's position minus the start of its line
    qint32 caretLine = 0;   // the caret's line and the first visible line, from 0
    qint32 firstVisibleLine = 0;
    double letterWidth = 0; // the letter "M" in the editor's current font
    double letterHeight = 0;
    qint32 editorLeft = 0; // the editor inside the container
    qint32 editorWidth = 0;
    qint32 areaWidth = 0; // the container's inner size
    qint32 areaHeight = 0;
    qint32 listWidth = 0;
    qint32 listHeight = 0;
};

// The list's top-left corner in the container. It goes one line below the caret's line,
// measured in "M"s, or above that line when it would reach past the bottom of the area;
// at the caret's column from the editor's left, or right-aligned in the area when it would
// stick out past the editor's right edge; 60 twips in when the caret's column falls on or
// left of the area's left edge. It is then kept inside the area as far as it fits (a short
// area, or a caret line scrolled out of view); one larger than the area starts at its
// top-left corner.
QPoint listPositionAtCaret(const CaretListGeometry& geometry);
