#include "conversions/codetables.h"

#include "bytes.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

constexpr CodeTable kAllTables[] = {CodeTable::GRIGOLIA,           CodeTable::QARTULI_KELMORADE,
                                    CodeTable::QARTULI_TEXT_UTF8,  CodeTable::QARTULI_HEX_UTF8,
                                    CodeTable::QARTULI_HEX_XUCURI, CodeTable::RUSULI_KELMORADE,
                                    CodeTable::RUSULI_HEX};

QByteArray resourceBytes(CodeTable table)
{
    QFile resource(codeTableResourcePath(table));
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

QString reference(int codePoint)
{
    return QStringLiteral("&#%1;").arg(codePoint);
}

// The Russian letters in the tables' order: capitals U+0410..U+042F, capital Io U+0401,
// small letters U+0430..U+044F, small io U+0451.
QList<char16_t> russianLetters()
{
    QList<char16_t> letters;
    for (char16_t c = 0x0410; c <= 0x042F; ++c)
        letters << c;
    letters << 0x0401;
    for (char16_t c = 0x0430; c <= 0x044F; ++c)
        letters << c;
    letters << 0x0451;
    return letters;
}

// iconv's Windows-1251 bytes for the Russian letters, in their order.
QByteArray windows1251ByIconv(const QList<char16_t>& letters)
{
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                          QStringLiteral("-t"), QStringLiteral("CP1251")});
    iconv.write(
        QString(reinterpret_cast<const QChar*>(letters.constData()), letters.size()).toUtf8());
    iconv.closeWriteChannel();
    iconv.waitForFinished();
    return iconv.readAllStandardOutput();
}

QStringList withEntry(QStringList entries, qsizetype index, const QString& entry)
{
    entries[index] = entry;
    return entries;
}

} // namespace

TEST(CodeTables, ResourcesAreTheEntriesJoinedBySlashesAndPaddedToFourBytes)
{
    const qsizetype sizes[] = {68, 68, 132, 264, 264, 132, 528};
    for (const CodeTable table : kAllTables) {
        const QByteArray bytes = resourceBytes(table);
        const QStringList& entries = codeTable(table);
        EXPECT_EQ(bytes.size(), sizes[int(table)]) << codeTableName(table).toStdString();
        const QByteArray joined = textToBytes(entries.join(QLatin1Char('/')));
        const qsizetype padding = bytes.size() - joined.size();
        EXPECT_GE(padding, 1) << codeTableName(table).toStdString();
        EXPECT_LE(padding, 3) << codeTableName(table).toStdString();
        EXPECT_EQ(bytes, joined + QByteArray(padding, '\0')) << codeTableName(table).toStdString();
    }
}

TEST(CodeTables, GeorgianTablesHoldEachLetterInEveryEncoding)
{
    const char keys[] = "abgdevzTiklmnopJrstufqRySCcZwWxjh";
    // The 8-bit layout runs from C0 and leaves out the four bytes of archaic letters.
    QList<int> eightBit;
    for (int b = 0xC0; eightBit.size() < 33; ++b)
        if (b != 0xC7 && b != 0xCE && b != 0xD5 && b != 0xE2)
            eightBit << b;

    ASSERT_EQ(GRIGOLIA.size(), 33);
    ASSERT_EQ(QARTULI_KELMORADE.size(), 33);
    ASSERT_EQ(QARTULI_TEXT_UTF8.size(), 33);
    ASSERT_EQ(QARTULI_HEX_UTF8.size(), 33);
    ASSERT_EQ(QARTULI_HEX_XUCURI.size(), 33);
    for (int i = 0; i < 33; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(GRIGOLIA[i], QString(QLatin1Char(keys[i])));
        EXPECT_EQ(QARTULI_KELMORADE[i], byteText({eightBit[i]}));
        const QString letter(QChar(char16_t(0x10D0 + i)));
        EXPECT_EQ(textToBytes(QARTULI_TEXT_UTF8[i]), letter.toUtf8());
        EXPECT_EQ(QARTULI_TEXT_UTF8[i], byteText({0xE1, 0x83, 0x90 + i}));
        EXPECT_EQ(QARTULI_HEX_UTF8[i], reference(4304 + i));
        EXPECT_EQ(QARTULI_HEX_XUCURI[i], reference(0x10A0 + i));
    }
}

TEST(CodeTables, RussianTablesHoldTheWindows1251LettersAndTheirReferences)
{
    const QList<char16_t> letters = russianLetters();
    const QByteArray bytes = windows1251ByIconv(letters);
    ASSERT_EQ(bytes.size(), 66) << "iconv must know CP1251";
    ASSERT_EQ(RUSULI_KELMORADE.size(), 66);
    ASSERT_EQ(RUSULI_HEX.size(), 66);
    for (int j = 0; j < 66; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(RUSULI_KELMORADE[j], bytesToText(bytes.sliced(j, 1)));
        EXPECT_EQ(RUSULI_HEX[j], reference(letters[j]));
    }
}

TEST(CodeTables, LastEntriesCarryNoPadding)
{
    EXPECT_EQ(GRIGOLIA.last(), QStringLiteral("h"));
    EXPECT_EQ(QARTULI_KELMORADE.last(), byteText({0xE4}));
    EXPECT_EQ(QARTULI_TEXT_UTF8.last(), byteText({0xE1, 0x83, 0xB0}));
    EXPECT_EQ(QARTULI_HEX_UTF8.last(), QStringLiteral("&#4336;"));
    EXPECT_EQ(QARTULI_HEX_XUCURI.last(), QStringLiteral("&#4288;"));
    EXPECT_EQ(RUSULI_KELMORADE.last(), byteText({0xB8}));
    EXPECT_EQ(RUSULI_HEX.last(), QStringLiteral("&#1105;"));
    for (const CodeTable table : kAllTables)
        for (const QString& entry : codeTable(table))
            EXPECT_FALSE(entry.contains(QChar(u'\0'))) << codeTableName(table).toStdString();
}

TEST(CodeTables, TheEightBitLayoutSkipsC7)
{
    EXPECT_EQ(GRIGOLIA[7], QStringLiteral("T"));
    EXPECT_EQ(QARTULI_KELMORADE[7], byteText({0xC8}));
}

TEST(CodeTables, GlobalArraysAreTheTablesByName)
{
    EXPECT_EQ(&codeTable(CodeTable::GRIGOLIA), &GRIGOLIA);
    EXPECT_EQ(&codeTable(CodeTable::RUSULI_HEX), &RUSULI_HEX);
    EXPECT_EQ(codeTableName(CodeTable::QARTULI_HEX_XUCURI), QStringLiteral("QARTULI_HEX_XUCURI"));
    EXPECT_EQ(codeTableResourcePath(CodeTable::GRIGOLIA), QStringLiteral(":/codetables/GRIGOLIA"));
}

TEST(CodeTables, OnlyTheNulPaddingAtTheEndIsDropped)
{
    EXPECT_EQ(codeTableEntries(QByteArray("a/bc/d\0\0\0", 9)),
              QStringList({QStringLiteral("a"), QStringLiteral("bc"), QStringLiteral("d")}));
    EXPECT_EQ(codeTableEntries(QByteArray("a\0/b\0", 5)),
              QStringList({byteText({'a', 0}), QStringLiteral("b")}));
    EXPECT_EQ(codeTableEntries(QByteArray("x/", 2)), QStringList({QStringLiteral("x"), QString()}));
}

TEST(CodeTables, LoadedTablesPassTheirCheck)
{
    for (const CodeTable table : kAllTables) {
        EXPECT_EQ(validateCodeTable(table, codeTable(table)), QString());
        EXPECT_EQ(validateCodeTable(table, codeTableEntries(resourceBytes(table))), QString());
    }
}

TEST(CodeTables, DamagedTablesAreRefusedWithWhatIsWrong)
{
    QStringList shortTable = GRIGOLIA;
    shortTable.removeLast();
    EXPECT_EQ(validateCodeTable(CodeTable::GRIGOLIA, shortTable),
              QStringLiteral("the code table GRIGOLIA has 32 entries instead of 33"));

    QStringList longTable = RUSULI_HEX;
    longTable << QStringLiteral("&#1106;");
    EXPECT_EQ(validateCodeTable(CodeTable::RUSULI_HEX, longTable),
              QStringLiteral("the code table RUSULI_HEX has 67 entries instead of 66"));

    QStringList swapped = QARTULI_KELMORADE;
    swapped.swapItemsAt(6, 7);
    EXPECT_EQ(validateCodeTable(CodeTable::QARTULI_KELMORADE, swapped),
              QStringLiteral("entry 6 of the code table QARTULI_KELMORADE holds the bytes [C8] "
                             "instead of [C6]"));

    EXPECT_EQ(validateCodeTable(
                  CodeTable::QARTULI_HEX_UTF8,
                  withEntry(QARTULI_HEX_UTF8, 32, QStringLiteral("&#4336;") + QChar(u'\0'))),
              QStringLiteral("entry 32 of the code table QARTULI_HEX_UTF8 holds the bytes "
                             "[26 23 34 33 33 36 3B 00] instead of [26 23 34 33 33 36 3B]"));

    // A table in another table's place.
    EXPECT_FALSE(validateCodeTable(CodeTable::QARTULI_HEX_XUCURI, QARTULI_HEX_UTF8).isEmpty());
    EXPECT_FALSE(validateCodeTable(CodeTable::RUSULI_KELMORADE, {}).isEmpty());
}

TEST(CodeTablesDeathTest, ADamagedTableStopsTheProgramNamingIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QByteArray damaged = resourceBytes(CodeTable::QARTULI_TEXT_UTF8);
    damaged[6] = char(0x90); // letter 1 (E1 83 91) becomes the bytes of letter 0
    EXPECT_DEATH(loadCodeTable(CodeTable::QARTULI_TEXT_UTF8, damaged),
                 "Kelmora cannot start: entry 1 of the code table QARTULI_TEXT_UTF8");
    EXPECT_DEATH(loadCodeTable(CodeTable::RUSULI_HEX, QByteArray("&#1040;")),
                 "RUSULI_HEX has 1 entries instead of 66");
}
