#pragma once

// The CSS style editor's rules that are not about its look: which keys the number boxes
// take, how the effect boxes exclude one another, the alignment limit, what the list choices
// write into their boxes, how the font box finds a font, and what the sample shows.

#include "design/cssrule.h"

#include <QString>
#include <QStringList>

#include <array>

using CssEffects = std::array<bool, CssChoices::EffectCount>;

// The number boxes take Backspace (8), "-" and the digits; any other character key gives 0,
// which drops it. Editing and arrow keys are not character keys and never come here.
qint32 onliNumer(qint32 key);

// A click on effect box index, which now holds its new state: underline, line-through,
// overline and blink exclude one another, and so do upper case and capitalise. The boxes
// after the click.
CssEffects clickEffect(CssEffects effects, int index);

// A value above 10 in the alignment box becomes "10", one below -10 becomes "-10"; nothing
// when the text stays.
std::optional<QString> limitedAlignment(const QString& text);

// What choosing in the spacing or alignment list writes into its box: "" for the number as
// typed, "1" for the others.
QString numberForSign(NumberSign sign);

// The border box was ticked: with an empty width the width becomes "1" and, when no style is
// selected, the first style is. Width and style after the tick.
struct BorderTick
{
    QString width;
    int style;
};
BorderTick tickBorder(const QString& width, int style);

// The first font (in list order) whose name begins with typed, ignoring letter case; -1 for
// none.
int fontMatching(const QStringList& fonts, const QString& typed);

// --- Lists --------------------------------------------------------------------------------
// The size list: each item with the point size the sample takes for it.
struct SizeItem
{
    const char* text;
    double points;
};
const std::array<SizeItem, 12>& sizeItems();

// The captions of the effect boxes, in box order.
const std::array<const char*, CssChoices::EffectCount>& effectCaptions();

// --- The sample ----------------------------------------------------------------------------
struct SampleLook
{
    bool underline = false;
    bool strikeOut = false;
    bool overline = false; // drawn as a line along the sample's top edge
    QString text;          // the letters, in capitals while small capitals or upper case are on

    bool operator==(const SampleLook&) const = default;
};
SampleLook sampleLook(const CssEffects& effects);

// The sample's point size after the size box was typed into: the number the text starts
// with when it is a positive number, else the size it had.
double sampleSizeAfterTyping(const QString& typed, double current);
