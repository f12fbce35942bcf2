// The one-pass conversion against the program's definition of a conversion: one replace-all
// per table entry, in ascending order. The definition is written out plainly here and the
// two are compared on toy tables and on every pair of code tables the commands use.

#include "conversions/conversioncommands.h"
#include "conversions/conversions.h"

#include "bytes.h"

#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

QString replaceEntryByEntry(QString text, const QStringList& sources, const QStringList& targets)
{
    for (qsizetype i = 0; i < sources.size(); ++i)
        text.replace(sources[i], targets[i]);
    return text;
}

QStringList list(std::initializer_list<const char*> entries)
{
    QStringList result;
    for (const char* entry : entries)
        result << QString::fromLatin1(entry);
    return result;
}

std::string pairName(const TablePair& pair)
{
    return (codeTableName(pair.source) + QStringLiteral(" -> ") + codeTableName(pair.target))
        .toStdString();
}

// Every entry of some tables, and every proper beginning and end of one ("&#4304" without
// its semicolon, stray UTF-8 bytes such as 83 AF).
QStringList entryPieces(std::initializer_list<CodeTable> tables)
{
    QSet<QString> pieces;
    for (const CodeTable table : tables)
        for (const QString& entry : codeTable(table))
            for (qsizetype length = 1; length <= entry.size(); ++length)
                pieces << entry.first(length) << entry.last(length);
    QStringList sorted(pieces.begin(), pieces.end());
    sorted.sort(); // the same order, and so the same random texts, on every run
    return sorted;
}

QStringList allEntryPieces()
{
    return entryPieces({CodeTable::GRIGOLIA, CodeTable::QARTULI_KELMORADE,
                        CodeTable::QARTULI_TEXT_UTF8, CodeTable::QARTULI_HEX_UTF8,
                        CodeTable::QARTULI_HEX_XUCURI, CodeTable::RUSULI_KELMORADE,
                        CodeTable::RUSULI_HEX});
}

// The bytes that occur in any entry or reference, for random texts dense in near-matches.
QList<char> interestingBytes()
{
    QSet<char> bytes{'&', '#', ';', 'x'};
    for (const QString& piece : allEntryPieces())
        for (const char b : textToBytes(piece))
            bytes << b;
    QList<char> sorted(bytes.begin(), bytes.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

// Random texts for one pair of tables: pieces of its own entries, of every table's entries,
// markup, Latin words, other references, line breaks and single bytes of any value.
class TextMaker
{
public:
    explicit TextMaker(const TablePair& pair)
        : m_pairPieces(entryPieces({pair.source, pair.target}))
    {}

    QString fromPieces()
    {
        QString text;
        for (int count = pick(40); count > 0; --count) {
            switch (pick(4)) {
            case 0:
                text += byteText({pick(256)});
                break;
            case 1:
                text += m_otherPieces[pick(int(m_otherPieces.size()))];
                break;
            default:
                text += m_pairPieces[pick(int(m_pairPieces.size()))];
            }
        }
        return text;
    }

    QString randomBytes()
    {
        QByteArray bytes;
        for (int length = pick(64); length > 0; --length)
            bytes += pick(2) ? char(pick(256)) : m_interesting[pick(int(m_interesting.size()))];
        return bytesToText(bytes);
    }

private:
    int pick(int choices) { return int(m_random() % unsigned(choices)); }

    std::mt19937 m_random{20240611}; // the same texts on every run
    const QStringList m_pairPieces;
    const QStringList m_otherPieces =
        allEntryPieces() + list({"<b>", "</b>", "<p class=\"note\">", "</p>", "\r\n", " ",
                                 "&#x10D0;", "&#04304;", "&amp;", "Kelmora", "4304", "1025"});
    const QList<char> m_interesting = interestingBytes();
};

void expectSameAsEntryByEntry(const TablePair& pair, const QString& text)
{
    const QStringList& sources = codeTable(pair.source);
    const QStringList& targets = codeTable(pair.target);
    ASSERT_EQ(hexOf(tableConversion(pair.source, pair.target).apply(text)),
              hexOf(replaceEntryByEntry(text, sources, targets)))
        << pairName(pair) << " on " << hexOf(text);
}

} // namespace

TEST(TableConversion, TakesTheLongestSourceWhereSourcesShareABeginning)
{
    const TableConversion conversion(list({"ab", "abc"}), list({"1", "2"}));
    EXPECT_EQ(conversion.apply(QStringLiteral("abcab-a-abab")), QStringLiteral("21-a-11"));
}

TEST(TableConversion, ATargetThatBeginsALaterSourceJoinsTheTextAfterIt)
{
    // Entry by entry: "xz" -> "yz" (entry 0) -> "Q" (entry 1).
    const TableConversion forward(list({"x", "yz"}), list({"y", "Q"}));
    EXPECT_EQ(forward.apply(QStringLiteral("xz xy yz")), QStringLiteral("Q yy Q"));
    // An earlier source is not looked for again: "xz" -> "yz" stays.
    const TableConversion backward(list({"yz", "x"}), list({"Q", "y"}));
    EXPECT_EQ(backward.apply(QStringLiteral("xz yz")), QStringLiteral("yz Q"));
    // A target equal to a later source goes on to that source's target.
    const TableConversion twice(list({"x", "y"}), list({"y", "z"}));
    EXPECT_EQ(twice.apply(QStringLiteral("xy")), QStringLiteral("zz"));
}

TEST(TableConversion, ARepeatedSourceKeepsItsFirstTarget)
{
    const TableConversion conversion(list({"a", "a"}), list({"1", "2"}));
    EXPECT_EQ(conversion.apply(QStringLiteral("aa")), QStringLiteral("11"));
}

TEST(TableConversion, GrowsFarBeyondTheLengthOfItsText)
{
    const TableConversion conversion(list({"a"}), list({"&#4304;"}));
    const QString text(100000, QLatin1Char('a'));
    EXPECT_EQ(conversion.apply(text), QStringLiteral("&#4304;").repeated(100000));
}

TEST(TableConversion, TextWithoutSourcesComesBackUncopied)
{
    const TableConversion conversion(list({"ab"}), list({"c"}));
    const QString text = QStringLiteral("<p>a XYZ b</p>\r\n");
    const QString converted = conversion.apply(text);
    EXPECT_EQ(converted, text);
    EXPECT_EQ(converted.constData(), text.constData());
    EXPECT_EQ(conversion.apply(QString()), QString());
}

TEST(TableConversion, CharactersBeyondTheByteRangePassThrough)
{
    const QChar letter(u'\x10D0');
    const QString text = QStringLiteral("a") + letter + QStringLiteral("ab") + letter;
    // Single bytes, mapped byte by byte, and sources of several bytes, found in a trie.
    const TableConversion byteMap(list({"a"}), list({"xyz"}));
    EXPECT_EQ(byteMap.apply(text),
              QStringLiteral("xyz") + letter + QStringLiteral("xyzb") + letter);
    const TableConversion trie(list({"ab"}), list({"q"}));
    EXPECT_EQ(trie.apply(text), QStringLiteral("a") + letter + QStringLiteral("q") + letter);
}

TEST(TableConversion, SourcesUsingAll256ByteValuesAreEachTheirOwn)
{
    // Every byte its own letter beyond the byte range, so that the entry-by-entry reference
    // never meets its own output; alone (a map from byte to text) and after a source of two
    // bytes (the trie).
    QStringList bytes;
    QStringList letters;
    for (int b = 0; b < 256; ++b) {
        bytes << byteText({b});
        letters << QString(QChar(char16_t(0x1000 + b)));
    }
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = bytesToText(all + all) + byteText({0xFF, 0x00, 0xFF, 0x00});
    const struct
    {
        QStringList sources;
        QStringList targets;
    } tables[] = {
        {bytes, letters},
        {QStringList{byteText({0x00, 0xFF})} + bytes, QStringList{QStringLiteral("X")} + letters}};
    for (const auto& [sources, targets] : tables)
        EXPECT_EQ(TableConversion(sources, targets).apply(text),
                  replaceEntryByEntry(text, sources, targets))
            << sources.size() << " sources";
}

TEST(TableConversionAgainstEntryByEntry, TheCommandsUseTwelvePairs)
{
    EXPECT_EQ(tablePairsInUse().size(), 12);
}

TEST(TableConversionAgainstEntryByEntry, AgreesOnRandomAndAdversarialTexts)
{
    for (const TablePair& pair : tablePairsInUse()) {
        TextMaker maker(pair);
        for (int round = 0; round < 3000; ++round) {
            ASSERT_NO_FATAL_FAILURE(expectSameAsEntryByEntry(pair, maker.fromPieces()));
            ASSERT_NO_FATAL_FAILURE(expectSameAsEntryByEntry(pair, maker.randomBytes()));
        }
    }
}

TEST(TableConversionAgainstEntryByEntry, AgreesOnEveryEntryBesideEveryPieceOfItsTables)
{
    for (const TablePair& pair : tablePairsInUse()) {
        const QStringList pieces = entryPieces({pair.source, pair.target});
        for (const QString& entry : codeTable(pair.source) + codeTable(pair.target))
            for (const QString& piece : pieces) {
                ASSERT_NO_FATAL_FAILURE(expectSameAsEntryByEntry(pair, entry + piece));
                ASSERT_NO_FATAL_FAILURE(expectSameAsEntryByEntry(pair, piece + entry));
            }
    }
}

TEST(TableConversionAgainstEntryByEntry, AgreesWithEveryByteAroundEverySource)
{
    for (const TablePair& pair : tablePairsInUse())
        for (const QString& source : codeTable(pair.source))
            for (int b = 0; b < 256; ++b) {
                const QString byte = byteText({b});
                ASSERT_NO_FATAL_FAILURE(expectSameAsEntryByEntry(pair, byte + source + byte));
                ASSERT_NO_FATAL_FAILURE(expectSameAsEntryByEntry(pair, source + byte + source));
            }
}

TEST(TableConversionAgainstEntryByEntry, AgreesOnEveryByteInARow)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    for (const TablePair& pair : tablePairsInUse())
        ASSERT_NO_FATAL_FAILURE(expectSameAsEntryByEntry(pair, bytesToText(all + all)));
}

TEST(TableConversionAgainstEntryByEntry, EncodingTheEightBitLayoutAsUtf8IsNoPairInUse)
{
    // Entry by entry, letter 30's byte E1 (a later source) is replaced again inside every
    // earlier letter's UTF-8 target: the one pass is not that, and no command asks for it.
    const TablePair eightBitToUtf8{CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_TEXT_UTF8};
    const QString letter0 = byteText({0xC0});
    EXPECT_EQ(hexOf(tableConversion(eightBitToUtf8.source, eightBitToUtf8.target).apply(letter0)),
              "E1 83 90");
    EXPECT_NE(hexOf(replaceEntryByEntry(letter0, QARTULI_KELMORADE, QARTULI_TEXT_UTF8)),
              "E1 83 90");
    EXPECT_FALSE(tablePairsInUse().contains(eightBitToUtf8));
}

TEST(TableConversionAgainstEntryByEntry, DecodingIntoTheEightBitLayoutJoinsLetter30WithStrayBytes)
{
    // Letter 30 (E1 83 AE) becomes the 8-bit byte E1, which begins every UTF-8 letter;
    // replaced entry by entry, it joins the stray bytes 83 AF after it into letter 31 (E3).
    const QString text =
        byteText({0xE1, 0x83, 0xAE, 0x83, 0xAF, ' ', 0xE1, 0x83, 0xAE, 0x83, 0xB0});
    const QString expected = byteText({0xE3, ' ', 0xE4});
    EXPECT_EQ(hexOf(replaceEntryByEntry(text, QARTULI_TEXT_UTF8, QARTULI_KELMORADE)),
              hexOf(expected));
    EXPECT_EQ(hexOf(ConvertByTables(text, 2, -1)), hexOf(expected));
}
