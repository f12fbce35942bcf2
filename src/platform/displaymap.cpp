#include "platform/displaymap.h"

#include <algorithm>
#include <cstring>

const char kGeorgianKeys[34] = "abgdevzTiklmnopJrstufqRySCcZwWxjh";
const unsigned char kGeorgianIsoBytes[33] = {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC8, 0xC9,
                                             0xCA, 0xCB, 0xCC, 0xCD, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3,
                                             0xD4, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD,
                                             0xDE, 0xDF, 0xE0, 0xE1, 0xE3, 0xE4};

namespace {

// Bytes 0x80..0x9F of Windows-1252; the five it leaves unassigned keep their own code.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Bytes 0x80..0xBF of Windows-1251 (0xC0..0xFF are U+0410..U+044F); 0x98 is unassigned.
constexpr char16_t kWindows1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

void fillLatin(std::array<char16_t, 256>& shown)
{
    for (int b = 0; b < 256; ++b)
        shown[b] = char16_t(b);
    for (int b = 0x80; b < 0xA0; ++b)
        shown[b] = kWindows1252High[b - 0x80];
}

} // namespace

DisplayMap::DisplayMap(DisplayMapKind kind)
    : m_kind(kind), m_back(std::make_unique<std::array<quint16, 65536>>())
{
    fillLatin(m_shown);
    std::array<char16_t, 256> latin = m_shown;
    switch (kind) {
    case DisplayMapKind::Latin:
        break;
    case DisplayMapKind::Cyrillic:
        for (int b = 0x80; b < 0xC0; ++b)
            m_shown[b] = kWindows1251High[b - 0x80];
        for (int b = 0xC0; b < 0x100; ++b)
            m_shown[b] = char16_t(0x0410 + (b - 0xC0));
        break;
    case DisplayMapKind::GeorgianIso:
        for (int i = 0; i < 33; ++i)
            m_shown[kGeorgianIsoBytes[i]] = char16_t(kFirstGeorgianLetter + i);
        break;
    case DisplayMapKind::GeorgianKeys:
        for (int i = 0; i < 33; ++i)
            m_shown[uchar(kGeorgianKeys[i])] = char16_t(kFirstGeorgianLetter + i);
        break;
    }

    auto& back = *m_back;
    back.fill(0);
    const bool georgian =
        kind == DisplayMapKind::GeorgianIso || kind == DisplayMapKind::GeorgianKeys;
    if (georgian) {
        // Latin first, so that the map's own characters win where they differ.
        for (int b = 0; b < 256; ++b)
            back[latin[b]] = quint16(b + 1);
    }
    for (int b = 0; b < 256; ++b)
        back[m_shown[b]] = quint16(b + 1);
}

const DisplayMap& DisplayMap::get(DisplayMapKind kind)
{
    static const DisplayMap maps[] = {
        DisplayMap(DisplayMapKind::Latin), DisplayMap(DisplayMapKind::Cyrillic),
        DisplayMap(DisplayMapKind::GeorgianIso), DisplayMap(DisplayMapKind::GeorgianKeys)};
    return maps[int(kind)];
}

QString DisplayMap::toShown(const QString& byteText) const
{
    QString shownText(byteText.size(), Qt::Uninitialized);
    QChar* out = shownText.data();
    for (const QChar c : byteText)
        *out++ = c.unicode() <= 0xFF ? QChar(m_shown[c.unicode()]) : c;
    return shownText;
}

int DisplayMap::byteFor(char32_t shownCharacter) const
{
    if (shownCharacter > 0xFFFF)
        return -1;
    return int((*m_back)[shownCharacter]) - 1;
}

QString DisplayMap::fromShown(const QString& shownText) const
{
    QString bytes;
    bytes.reserve(shownText.size());
    for (qsizetype i = 0; i < shownText.size(); ++i) {
        char32_t c = shownText[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < shownText.size() &&
            shownText[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(shownText[i].unicode(), shownText[i + 1].unicode());
            ++i;
        }
        const int byte = byteFor(c);
        if (byte >= 0)
            bytes += QChar(char16_t(byte));
        else
            bytes += QStringLiteral("&#") + QString::number(c) + QLatin1Char(';');
    }
    return bytes;
}

bool DisplayMap::holds(const QString& shownText) const
{
    // Surrogates have no byte, so characters beyond U+FFFF are not held either.
    return std::all_of(shownText.begin(), shownText.end(),
                       [this](QChar c) { return byteFor(c.unicode()) >= 0; });
}

namespace {

// The Latin words that the program's 8-bit texts hold among their Georgian ones: the names
// of its encodings and of the web things its captions speak of ("UTF" as in "UTF-8").
bool isLatinWord(QStringView word)
{
    static constexpr QStringView kLatinWords[] = {u"ASCII", u"BODY", u"BYN", u"HEX",  u"HTML",
                                                  u"ISO",   u"META", u"UTF", u"UTF8", u"WEB"};
    return std::find(std::begin(kLatinWords), std::end(kLatinWords), word) != std::end(kLatinWords);
}

bool isWordCharacter(QChar c)
{
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

} // namespace

QString eightBitGeorgian(const char* latinKeys)
{
    QString text = QString::fromLatin1(latinKeys);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && isWordCharacter(text[end]))
            ++end;
        if (end == start) {
            ++start;
            continue;
        }
        if (!isLatinWord(QStringView(text).sliced(start, end - start))) {
            for (qsizetype i = start; i < end; ++i) {
                if (const char* key = std::strchr(kGeorgianKeys, char(text[i].unicode())))
                    text[i] = QChar(char16_t(kGeorgianIsoBytes[key - kGeorgianKeys]));
            }
        }
        start = end;
    }
    return text;
}
