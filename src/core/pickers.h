#pragma once

// The small modal windows the tag toolbar asks for what to write: the colour and table
// picker, the character picker, and the browser preview of the editor's text. Each picker
// opens with its top-left corner at a point of the screen and returns its answer as text,
// "" when it was closed without a choice.

#include <QString>

class QPoint;

class Pickers
{
public:
    virtual ~Pickers() = default;

    // A colour: a bare colour text "#RRGGBB", an attribute, or a FONT tag in which "$"
    // stands where the selected text goes.
    virtual QString colorload(const QPoint& screenTopLeft) = 0;
    // A table's size and style: "c|r|s", the last column and row counted from 0 and the
    // border style.
    virtual QString tabload(const QPoint& screenTopLeft) = 0;
    // A named entity or a character.
    virtual QString asos(const QPoint& screenTopLeft) = 0;
    // Shows the editor's text as a web page.
    virtual void in_brovzer() = 0;
};
