#include "design/cssrule.h"

#include "core/sharedroutines.h"
#include "design/leadingnumber.h"

namespace {

const QLatin1String kEnd("; ");

QString declaration(const char* property, const QString& value)
{
    return QLatin1String(property) + QLatin1String(": ") + value + kEnd;
}

// A typed number written as the list beside it says.
QString signedNumber(const QString& typed, NumberSign sign)
{
    switch (sign) {
    case NumberSign::Positive:
        return magnitudeText(typed);
    case NumberSign::Negative:
        return QLatin1Char('-') + magnitudeText(typed);
    case NumberSign::AsTyped:
        break;
    }
    return typed;
}

QString fontStyleDeclarations(FontStyle style)
{
    switch (style) {
    case FontStyle::Italic:
        return QStringLiteral("font-style: italic; ");
    case FontStyle::Bold:
        return QStringLiteral("font-weight: bold; ");
    case FontStyle::BoldItalic:
        return QStringLiteral("font-style: italic; font-weight: bold; ");
    case FontStyle::Regular:
        break;
    }
    return QString();
}

QString effectDeclarations(const std::array<bool, CssChoices::EffectCount>& effects)
{
    static const char* const kDeclarations[CssChoices::EffectCount] = {
        "text-decoration: underline; ", "text-decoration: line-through; ",
        "text-decoration: overline; ",  "text-decoration: blink; ",
        "font-variant: small-caps; ",   "text-transform: uppercase; ",
        "text-transform: capitalize; ", "visibility: hidden; ",
    };
    QString text;
    for (int i = 0; i < CssChoices::EffectCount; ++i) {
        if (effects[size_t(i)])
            text += QLatin1String(kDeclarations[i]);
    }
    return text;
}

QString declarations(const CssChoices& choices)
{
    QString text;
    if (!choices.font.isEmpty() && choices.font != defaultFontEntry())
        text += declaration("font-family", choices.font);
    text += fontStyleDeclarations(choices.style);
    if (!choices.size.isEmpty() && choices.size != QLatin1String("Default"))
        text += declaration("font-size", choices.size);
    text += effectDeclarations(choices.effects);
    if (choices.textColour != kNoTextColour)
        text += declaration("color", ColorToHtml(choices.textColour));
    if (choices.backColour != kNoBackColour)
        text += declaration("background-color", ColorToHtml(choices.backColour));
    if (!choices.letterSpacing.isEmpty()) {
        text += declaration("letter-spacing",
                            signedNumber(choices.letterSpacing, choices.letterSpacingSign) +
                                QLatin1String("pt"));
    }
    if (!choices.alignment.isEmpty())
        text +=
            declaration("vertical-align", signedNumber(choices.alignment, choices.alignmentSign));
    if (choices.positioning != Positioning::None)
        text += pozicia(choices);
    if (choices.border)
        text += CarCo(choices);
    if (text.endsWith(kEnd))
        text.chop(kEnd.size());
    return text;
}

QString paddingDeclarations(const std::array<QString, 4>& padding)
{
    const bool allEqual = !padding[0].isEmpty() && padding[1] == padding[0] &&
                          padding[2] == padding[0] && padding[3] == padding[0];
    if (allEqual)
        return declaration("padding", padding[0]);
    static const char* const kSides[] = {"padding-top", "padding-bottom", "padding-left",
                                         "padding-right"};
    QString text;
    for (size_t i = 0; i < padding.size(); ++i) {
        if (!padding[i].isEmpty())
            text += declaration(kSides[i], padding[i]);
    }
    return text;
}

} // namespace

QString pozicia(const CssChoices& choices)
{
    QString text;
    if (choices.positioning == Positioning::Absolute)
        text += QLatin1String("position: absolute; ");
    else if (choices.positioning == Positioning::Relative)
        text += QLatin1String("position: relative; ");
    static const char* const kPlaces[] = {"left", "top", "width", "height"};
    for (size_t i = 0; i < choices.place.size(); ++i) {
        if (!choices.place[i].isEmpty())
            text += declaration(kPlaces[i], choices.place[i]);
    }
    return text;
}

QString CarCo(const CssChoices& choices)
{
    static const char* const kStyles[] = {"solid",  "dotted", "dashed", "double",
                                          "groove", "ridge",  "inset",  "outset"};
    QString text = QLatin1String("border: ") + choices.borderWidth + QLatin1Char(' ');
    if (choices.borderStyle >= 0 && choices.borderStyle < int(std::size(kStyles)))
        text += QLatin1String(kStyles[choices.borderStyle]);
    if (choices.borderColour != kNoBorderColour)
        text += QLatin1Char(' ') + ColorToHtml(choices.borderColour);
    return text + kEnd + paddingDeclarations(choices.padding);
}

StyleRule kreatestil(const CssChoices& choices)
{
    StyleRule rule;
    rule.rollover = choices.rollover;
    const QString body = declarations(choices);
    if (choices.rollover) {
        rule.StyleText = QLatin1String("<STYLE fprolloverstyle> A:hover { ") + body +
                         QLatin1String(" }\r\n</STYLE>");
        return rule;
    }
    rule.ruleLine =
        QLatin1Char('.') + choices.name + QLatin1String("  { ") + body + QLatin1String(" }");
    rule.StyleText =
        QLatin1String("<STYLE>\r\n<!--\r\n") + rule.ruleLine + QLatin1String("\r\n-->\r\n</STYLE>");
    return rule;
}
