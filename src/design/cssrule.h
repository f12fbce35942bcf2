#pragma once

// One CSS rule from the choices of the CSS style editor. In the ordinary mode the result is
// a style block holding one class rule; in the rollover mode a block holding one rule for
// links under the mouse pointer. The text is exact: the order of the declarations, their
// separators and blanks are the format, and finding the style block again relies on them.

#include <QString>

#include <array>

// The swatch values that mean "no colour chosen": the platform's system colours for window
// text and window background, and black for the border (so a chosen black border is none).
constexpr quint32 kNoTextColour = 0x80000008;
constexpr quint32 kNoBackColour = 0x80000005;
constexpr quint32 kNoBorderColour = 0;

// The font list's first entry, which writes no font-family.
inline QString defaultFontEntry()
{
    return QStringLiteral("(Default Font)");
}

// The style list, in list order.
enum class FontStyle { Regular, Italic, Bold, BoldItalic };
// The spacing and alignment lists: the number as typed ("normaluri"), its magnitude ("ganieri",
// "zemoT") or its negated magnitude ("mokle", "qvemoT").
enum class NumberSign { AsTyped, Positive, Negative };
// The position options.
enum class Positioning { None, Absolute, Relative };

// The editor's controls as values. Every member has an initializer, so that a set of choices
// can name only what differs from the defaults ({.size = ...}).
struct CssChoices
{
    enum Effect {
        Underline,
        LineThrough,
        Overline,
        Blink,
        SmallCaps,
        Uppercase,
        Capitalize,
        Hidden,
        EffectCount
    };

    bool rollover = false;
    QString name{};                    // the class name (ordinary mode)
    QString font = defaultFontEntry(); // the font box
    FontStyle style = FontStyle::Regular;
    QString size{}; // the size box as typed: "" and "Default" write none
    std::array<bool, EffectCount> effects{};
    quint32 textColour = kNoTextColour;
    quint32 backColour = kNoBackColour;
    QString letterSpacing{}; // the spacing box
    NumberSign letterSpacingSign = NumberSign::AsTyped;
    QString alignment{}; // the vertical alignment box
    NumberSign alignmentSign = NumberSign::AsTyped;
    Positioning positioning = Positioning::None;
    std::array<QString, 4> place{}; // left, top, width, height
    bool border = false;
    QString borderWidth{};
    int borderStyle = -1; // 0..7 in the style list, -1 none selected
    quint32 borderColour = kNoBorderColour;
    std::array<QString, 4> padding{}; // top, bottom, left, right
};

struct StyleRule
{
    bool rollover = false;
    QString StyleText; // the whole style block
    QString ruleLine;  // the class rule alone, from its "." to its " }" (ordinary mode)
};

StyleRule kreatestil(const CssChoices& choices);
// The position declarations (for a positioning other than none).
QString pozicia(const CssChoices& choices);
// The border and padding declarations (while the border box is ticked).
QString CarCo(const CssChoices& choices);
