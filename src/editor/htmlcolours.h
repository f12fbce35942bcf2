#pragma once

// Colouring of HTML source: angle brackets and tag names blue, a fixed list of attribute
// names red, comment openings and the text after them green, the rest in the editor's own
// text colour. The colours are a view of the text, computed in one pass; they never
// change it.

#include <QList>
#include <QString>

enum class HtmlColour : quint8 {
    Plain, // the editor's own text colour
    Blue,  // "<", the tag text after it, ">"
    Red,   // a listed attribute: its leading blank, its name and "="
    Green, // "<!--" or "<--" and the text after it
};

struct HtmlColourRun
{
    qint32 start = 0;
    qint32 length = 0;
    HtmlColour colour = HtmlColour::Plain;

    bool operator==(const HtmlColourRun&) const = default;
};

// The colours of a byte text as runs that cover it from the first character to the last,
// in order, each of one colour and of a different colour than the run before it. Positions
// are the text's own (a line break is CR LF and colours run on across it).
//
// Reading from the left, the colour in force starts as Plain and changes only at:
// - "<": Green where "<!--" or "<--" begins there, else Blue, from the "<" on;
// - ">": the ">" is Blue, Plain follows;
// - a blank, one of the listed attribute names and "=" (exactly, case included): those
//   characters are Red, Plain follows.
QList<HtmlColourRun> htmlColourRuns(const QString& text);

// The 72 attributes coloured red, each a blank, a name and "=", in upper case or in lower
// case as listed (a name in mixed case is not coloured).
const QStringList& colouredAttributes();
