#include "design/cssdialogrules.h"

#include "design/leadingnumber.h"
#include "platform/casefold.h"

#include <cmath>

qint32 onliNumer(qint32 key)
{
    const bool passes = key == 8 || key == '-' || (key >= '0' && key <= '9');
    return passes ? key : 0;
}

CssEffects clickEffect(CssEffects effects, int index)
{
    if (index < 0 || index >= CssChoices::EffectCount || !effects[size_t(index)])
        return effects;
    auto untickOthers = [&](int first, int last) {
        if (index < first || index > last)
            return;
        for (int i = first; i <= last; ++i)
            effects[size_t(i)] = i == index;
    };
    untickOthers(CssChoices::Underline, CssChoices::Blink);
    untickOthers(CssChoices::Uppercase, CssChoices::Capitalize);
    return effects;
}

std::optional<QString> limitedAlignment(const QString& text)
{
    const double value = leadingValue(text);
    if (value > 10)
        return QStringLiteral("10");
    if (value < -10)
        return QStringLiteral("-10");
    return std::nullopt;
}

QString numberForSign(NumberSign sign)
{
    return sign == NumberSign::AsTyped ? QString() : QStringLiteral("1");
}

BorderTick tickBorder(const QString& width, int style)
{
    if (!width.isEmpty())
        return {width, style};
    return {QStringLiteral("1"), style < 0 ? 0 : style};
}

int fontMatching(const QStringList& fonts, const QString& typed)
{
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        const QString& font = fonts[i];
        if (font.size() >= typed.size() &&
            CaseFold::equalIgnoringCase(font.left(typed.size()), typed))
            return int(i);
    }
    return -1;
}

const std::array<SizeItem, 12>& sizeItems()
{
    static const std::array<SizeItem, 12> items = {{
        {"Default", 10},
        {"10px", 6},
        {".5in", 12},
        {"2mm", 5},
        {"1em", 12},
        {"8pt", 8},
        {"10pt", 10},
        {"12pt", 12},
        {"14pt", 14},
        {"18pt", 18},
        {"24pt", 24},
        {"36pt", 36},
    }};
    return items;
}

const std::array<const char*, CssChoices::EffectCount>& effectCaptions()
{
    static const std::array<const char*, CssChoices::EffectCount> captions = {
        "Underline",  "Line-through", "Overline",   "Blink",
        "Small-Caps", "Uppercase",    "Capitalize", "Hidden"};
    return captions;
}

SampleLook sampleLook(const CssEffects& effects)
{
    SampleLook look;
    look.underline = effects[CssChoices::Underline];
    look.strikeOut = effects[CssChoices::LineThrough];
    look.overline = effects[CssChoices::Overline];
    const bool capitals = effects[CssChoices::SmallCaps] || effects[CssChoices::Uppercase];
    look.text = capitals ? QStringLiteral("AABBCCDDEEFFGGHH") : QStringLiteral("AaBbCcDdEeFfGgHh");
    return look;
}

double sampleSizeAfterTyping(const QString& typed, double current)
{
    const double size = leadingValue(typed);
    return size > 0 && std::isfinite(size) ? size : current;
}
