#include "tags/pickerdata.h"

#include <array>

namespace {

constexpr QLatin1String kEntities[] = {
    QLatin1String("&copy;"),   QLatin1String("&reg;"),    QLatin1String("&trade;"),
    QLatin1String("&quot;"),   QLatin1String("&amp;"),    QLatin1String("&lt;"),
    QLatin1String("&gt;"),     QLatin1String("&Aacute;"), QLatin1String("&aacute;"),
    QLatin1String("&Agrave;"), QLatin1String("&agrave;"), QLatin1String("&Acirc;"),
    QLatin1String("&acirc;"),  QLatin1String("&Auml;"),   QLatin1String("&auml;"),
    QLatin1String("&Atilde;"), QLatin1String("&atilde;"), QLatin1String("&Aring;"),
    QLatin1String("&aring;"),  QLatin1String("&AElig;"),  QLatin1String("&aelig;"),
    QLatin1String("&Ccedil;"), QLatin1String("&ccedil;"), QLatin1String("&ETH;"),
    QLatin1String("&eth;"),    QLatin1String("&Eacute;"), QLatin1String("&eacute;"),
    QLatin1String("&Egrave;"), QLatin1String("&egrave;"), QLatin1String("&Ecirc;"),
    QLatin1String("&ecirc;"),  QLatin1String("&Euml;"),   QLatin1String("&euml;"),
    QLatin1String("&Iacute;"), QLatin1String("&iacute;"), QLatin1String("&Igrave;"),
    QLatin1String("&igrave;"), QLatin1String("&Icirc;"),  QLatin1String("&icirc;"),
    QLatin1String("&Iuml;"),   QLatin1String("&iuml;"),   QLatin1String("&Ntilde;"),
    QLatin1String("&ntilde;"), QLatin1String("&Oacute;"), QLatin1String("&oacute;"),
    QLatin1String("&Ograve;"), QLatin1String("&ograve;"), QLatin1String("&Ocirc;"),
    QLatin1String("&ocirc;"),  QLatin1String("&Ouml;"),   QLatin1String("&ouml;"),
    QLatin1String("&Otilde;"), QLatin1String("&otilde;"), QLatin1String("&Oslash;"),
    QLatin1String("&oslash;"), QLatin1String("&szlig;"),  QLatin1String("&THORN;"),
    QLatin1String("&thorn;"),  QLatin1String("&Uacute;"), QLatin1String("&uacute;"),
    QLatin1String("&Ugrave;"), QLatin1String("&ugrave;"), QLatin1String("&Ucirc;"),
    QLatin1String("&ucirc;"),  QLatin1String("&Uuml;"),   QLatin1String("&uuml;"),
    QLatin1String("&Yacute;"), QLatin1String("&yacute;"), QLatin1String("&yuml;"),
    QLatin1String(":-)"),
};
static_assert(std::size(kEntities) == kEntityColumns * kEntityRows);

// Label1(0..23): the capitals Й Ч Ш Щ Ъ Ы Ь Э Ю Я Ё, the small letters й ч ш щ ъ ы ь э ю я ё
// ж, then Ж, which closes the capitals' row.
constexpr std::array<char16_t, kRussianLetterCount> kRussianLetters = {
    0xC9, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xA8, 0xE9,
    0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF, 0xB8, 0xE6, 0xC6,
};
constexpr int kLettersInRow = 12;

} // namespace

quint32 paletteColour(int row, int column)
{
    const int block = row / 6, i = row % 6;
    const bool rightHalf = column >= 6;
    const int j = column % 6;
    // Red by block and half: FF CC / 66 99 / 33 00.
    static constexpr int kRed[3][2] = {{5, 4}, {2, 3}, {1, 0}};
    const quint32 red = 0x33u * quint32(kRed[block][rightHalf ? 1 : 0]);
    const quint32 green = 0x33u * quint32(block == 1 ? i : 5 - i);
    const quint32 blue = 0x33u * quint32(rightHalf ? 5 - j : j);
    return red | (green << 8) | (blue << 16);
}

QString colourResult(ColourForm form, const QString& colourText)
{
    switch (form) {
    case ColourForm::BgColorAttribute:
        return QLatin1String("BGCOLOR=\"") + colourText + u'"';
    case ColourForm::ColorAttribute:
        return QLatin1String("COLOR=\"") + colourText + u'"';
    case ColourForm::FontTag:
        return QLatin1String("<FONT COLOR=\"") + colourText + QLatin1String("\">$</FONT>");
    case ColourForm::ColourOnly:
        break;
    }
    return colourText;
}

QString tableResult(int lastColumn, int lastRow, TableStyle style)
{
    return QStringLiteral("%1|%2|%3").arg(lastColumn).arg(lastRow).arg(int(style));
}

std::span<const QLatin1String> htmlEntities()
{
    return kEntities;
}

RussianLetter russianLetter(int index)
{
    // The capitals' row holds indexes 0..10 and then 23; the small letters' row 11..22.
    const char16_t letter = kRussianLetters[size_t(index)];
    if (index == kRussianLetterCount - 1)
        return {0, kLettersInRow - 1, letter};
    if (index < kLettersInRow - 1)
        return {0, index, letter};
    return {1, index - (kLettersInRow - 1), letter};
}
