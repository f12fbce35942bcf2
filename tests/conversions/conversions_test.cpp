#include "conversions/conversions.h"

#include "bytes.h"

#include <gtest/gtest.h>

namespace {

QString convert(CodeTable source, CodeTable target, const QString& text)
{
    return tableConversion(source, target).apply(text);
}

// Between the Latin-key and the 8-bit Georgian layouts.
QString toEightBit(const QString& keys)
{
    return convert(CodeTable::GRIGOLIA, CodeTable::QARTULI_KELMORADE, keys);
}
QString toKeys(const QString& eightBit)
{
    return convert(CodeTable::QARTULI_KELMORADE, CodeTable::GRIGOLIA, eightBit);
}

QString eightBitLetter(int i)
{
    return QARTULI_KELMORADE[i];
}

// A text as authors write it: markup, Latin, 8-bit Georgian ("ena"), Windows-1251 Russian
// ("my"), a Georgian reference and CR LF. The same byte may be a Georgian and a Russian
// letter (C0), so each conversion turns whatever its table names.
QString mixedText()
{
    return QStringLiteral("<p class=\"x\">Tbilisi ") + byteText({0xC4, 0xCD, 0xC0}) +
           QStringLiteral(" - ") + byteText({0xEC, 0xFB}) + QStringLiteral(" &#4304;</p>\r\n");
}

} // namespace

TEST(LatinKeys, TurnIntoTheEightBitLayoutAndBackCaseSensitively)
{
    EXPECT_EQ(hexOf(toEightBit(QStringLiteral("ena"))), "C4 CD C0");
    EXPECT_EQ(toKeys(byteText({0xC4, 0xCD, 0xC0})), QStringLiteral("ena"));
    EXPECT_EQ(toKeys(byteText({0xC8, 0xE4})), QStringLiteral("Th"));
    EXPECT_EQ(hexOf(toEightBit(QStringLiteral("tTjJ"))), "D4 C8 E3 D1");
}

TEST(ConvertByTablesTest, EncodesAndDecodesUtf8)
{
    const QString utf8A = byteText({0xE1, 0x83, 0x90});
    EXPECT_EQ(ConvertByTables(QStringLiteral("a"), 1, 0), utf8A);
    EXPECT_EQ(ConvertByTables(QStringLiteral("a"), 0, 0), utf8A); // any mode but 2 encodes
    EXPECT_EQ(ConvertByTables(utf8A, 2, 0), QStringLiteral("a"));
    // Flag -1 decodes into the 8-bit layout whatever the mode.
    EXPECT_EQ(ConvertByTables(utf8A, 2, -1), byteText({0xC0}));
    EXPECT_EQ(ConvertByTables(utf8A, 1, -1), byteText({0xC0}));
}

TEST(ConvertByTablesTest, LeavesItsTextAsItWas)
{
    const QString text = QStringLiteral("gamarjoba");
    const QString converted = ConvertByTables(text, 1, 0);
    EXPECT_EQ(text, QStringLiteral("gamarjoba"));
    EXPECT_EQ(converted.size(), 27);
}

TEST(Conversions, ReferencesOfGeorgianLetters)
{
    EXPECT_EQ(convert(CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_UTF8, byteText({0xC0})),
              QStringLiteral("&#4304;"));
    EXPECT_EQ(hexOf(convert(CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_KELMORADE,
                            QStringLiteral("&#4304;"))),
              "C0");
    // Only the exact decimal reference with its semicolon is a letter.
    for (const QString& other :
         {QStringLiteral("&#x10D0;"), QStringLiteral("&#X10d0;"), QStringLiteral("&#4304"),
          QStringLiteral("&#04304;"), QStringLiteral("& #4304;"), QStringLiteral("&#4303;")})
        EXPECT_EQ(convert(CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_KELMORADE, other), other)
            << other.toStdString();
}

TEST(Conversions, ReferencesOfRussianLetters)
{
    EXPECT_EQ(convert(CodeTable::RUSULI_KELMORADE, CodeTable::RUSULI_HEX, byteText({0xA8})),
              QStringLiteral("&#1025;"));
    EXPECT_EQ(hexOf(convert(CodeTable::RUSULI_HEX, CodeTable::RUSULI_KELMORADE,
                            QStringLiteral("&#1105;"))),
              "B8");
    // Windows-1251 bytes that are not Russian letters stay.
    const QString others = byteText({0xA9, 0xB9, 0x80, 0xAA});
    EXPECT_EQ(convert(CodeTable::RUSULI_KELMORADE, CodeTable::RUSULI_HEX, others), others);
}

TEST(Conversions, KhutsuriReferencesFromModernLetters)
{
    EXPECT_EQ(
        convert(CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_XUCURI, byteText({0xC0})),
        QStringLiteral("&#4256;"));
    EXPECT_EQ(
        convert(CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_XUCURI, byteText({0xE4})),
        QStringLiteral("&#4288;"));
}

TEST(Conversions, EightBitConversionsLeaveMarkupLatinAndLineBreaks)
{
    EXPECT_EQ(convert(CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_UTF8, mixedText()),
              QStringLiteral("<p class=\"x\">Tbilisi &#4308;&#4316;&#4304; - ") +
                  byteText({0xEC, 0xFB}) + QStringLiteral(" &#4304;</p>\r\n"));
    EXPECT_EQ(convert(CodeTable::RUSULI_KELMORADE, CodeTable::RUSULI_HEX, mixedText()),
              QStringLiteral("<p class=\"x\">Tbilisi &#1044;&#1053;&#1040; - &#1084;&#1099; "
                             "&#4304;</p>\r\n"));
    EXPECT_EQ(convert(CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_TEXT_UTF8, mixedText()),
              QStringLiteral("<p class=\"x\">Tbilisi ") + byteText({0xC4, 0xCD, 0xC0}) +
                  QStringLiteral(" - ") + byteText({0xEC, 0xFB, ' ', 0xE1, 0x83, 0x90}) +
                  QStringLiteral("</p>\r\n"));
}

TEST(Conversions, LatinKeyConversionsAlsoTurnTheLettersOfTags)
{
    // The bold tag's b is the key of letter 1 (U+10D1, E1 83 91).
    EXPECT_EQ(hexOf(ConvertByTables(QStringLiteral("<b>a</b>\r\n"), 1, 0)),
              "3C E1 83 91 3E E1 83 90 3C 2F E1 83 91 3E 0D 0A");
    EXPECT_EQ(toEightBit(QStringLiteral("<B>1</B>")), QStringLiteral("<B>1</B>")); // B is no key
}

TEST(Conversions, AnEmptyTextStaysEmpty)
{
    for (int s = 0; s < kCodeTableCount; ++s) {
        for (int t = 0; t < kCodeTableCount; ++t) {
            if ((s < 5) == (t < 5) && s != t) { // Georgian with Georgian, Russian with Russian
                EXPECT_EQ(convert(CodeTable(s), CodeTable(t), QString()), QString());
            }
        }
    }
}

TEST(Conversions, EveryGeorgianLetterMakesTheRoundTrips)
{
    for (int i = 0; i < 33; ++i) {
        SCOPED_TRACE(i);
        const QString eightBit = toEightBit(GRIGOLIA[i]);
        EXPECT_EQ(eightBit, eightBitLetter(i));
        EXPECT_EQ(toKeys(eightBit), GRIGOLIA[i]);

        const QString utf8 = ConvertByTables(GRIGOLIA[i], 1, 0);
        EXPECT_EQ(textToBytes(utf8), QString(QChar(char16_t(0x10D0 + i))).toUtf8());
        EXPECT_EQ(ConvertByTables(utf8, 2, 0), GRIGOLIA[i]);
        EXPECT_EQ(ConvertByTables(utf8, 2, -1), eightBit);

        const QString reference =
            convert(CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_UTF8, eightBit);
        EXPECT_EQ(reference, QStringLiteral("&#%1;").arg(0x10D0 + i));
        EXPECT_EQ(convert(CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_KELMORADE, reference),
                  eightBit);
        EXPECT_EQ(convert(CodeTable::QARTULI_TEXT_UTF8, CodeTable::QARTULI_HEX_UTF8, utf8),
                  reference);
        EXPECT_EQ(convert(CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_TEXT_UTF8, reference),
                  utf8);
        EXPECT_EQ(convert(CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_XUCURI, eightBit),
                  QStringLiteral("&#%1;").arg(0x10A0 + i));
    }
}

TEST(Conversions, EveryRussianLetterMakesTheRoundTrip)
{
    for (int j = 0; j < 66; ++j) {
        const QString reference =
            convert(CodeTable::RUSULI_KELMORADE, CodeTable::RUSULI_HEX, RUSULI_KELMORADE[j]);
        EXPECT_EQ(reference, RUSULI_HEX[j]);
        EXPECT_EQ(convert(CodeTable::RUSULI_HEX, CodeTable::RUSULI_KELMORADE, reference),
                  RUSULI_KELMORADE[j]);
    }
}

TEST(Conversions, WholeTextsMakeTheRoundTripsThatKeepTheirLetters)
{
    // 8-bit Georgian prose with markup and Latin: through references and back, and through
    // UTF-8 and back; nothing else in it may change.
    QString prose = QStringLiteral("<h1>Kelmora</h1>\r\n");
    for (int i = 0; i < 33; ++i)
        prose += eightBitLetter(32 - i) + (i % 5 == 4 ? QStringLiteral(" ") : QString());
    const QString references =
        convert(CodeTable::QARTULI_KELMORADE, CodeTable::QARTULI_HEX_UTF8, prose);
    EXPECT_EQ(convert(CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_KELMORADE, references),
              prose);
    const QString utf8 =
        convert(CodeTable::QARTULI_HEX_UTF8, CodeTable::QARTULI_TEXT_UTF8, references);
    EXPECT_EQ(QString::fromUtf8(textToBytes(utf8)).first(18),
              QStringLiteral("<h1>Kelmora</h1>\r\n"));
    EXPECT_EQ(ConvertByTables(utf8, 2, -1), prose);
}
