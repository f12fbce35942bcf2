#include "platform/casefold.h"

#include <array>

namespace {

using Table = std::array<unsigned char, 256>;

constexpr Table makeTable(bool toUpperCase, bool russian)
{
    Table table{};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<unsigned char>(b);
    auto pair = [&](int upperByte, int lowerByte) {
        if (toUpperCase)
            table[lowerByte] = static_cast<unsigned char>(upperByte);
        else
            table[upperByte] = static_cast<unsigned char>(lowerByte);
    };
    for (int b = 'A'; b <= 'Z'; ++b)
        pair(b, b + 32);
    if (russian) {
        for (int b = 0xC0; b <= 0xDF; ++b)
            pair(b, b + 32);
        pair(0xA8, 0xB8);
    }
    return table;
}

constexpr Table kUpperLatin = makeTable(true, false);
constexpr Table kLowerLatin = makeTable(false, false);
constexpr Table kUpperRussian = makeTable(true, true);
constexpr Table kLowerRussian = makeTable(false, true);

bool gRussianPairs = false;

const Table& upperTable()
{
    return gRussianPairs ? kUpperRussian : kUpperLatin;
}
const Table& lowerTable()
{
    return gRussianPairs ? kLowerRussian : kLowerLatin;
}

QString mapBytes(const QString& text, const Table& table)
{
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() <= 0xFF)
            c = QChar(char16_t(table[c.unicode()]));
    }
    return result;
}

} // namespace

namespace CaseFold {

void setRussianPairs(bool on)
{
    gRussianPairs = on;
}
bool russianPairs()
{
    return gRussianPairs;
}

unsigned char upper(unsigned char byte)
{
    return upperTable()[byte];
}
unsigned char lower(unsigned char byte)
{
    return lowerTable()[byte];
}

QString toUpper(const QString& text)
{
    return mapBytes(text, upperTable());
}
QString toLower(const QString& text)
{
    return mapBytes(text, lowerTable());
}

bool equalIgnoringCase(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    const Table& table = upperTable();
    auto fold = [&](QChar c) { return c.unicode() <= 0xFF ? table[c.unicode()] : c.unicode(); };
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

} // namespace CaseFold
