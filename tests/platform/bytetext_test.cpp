#include "platform/bytetext.h"
#include "platform/casefold.h"

#include <gtest/gtest.h>

namespace {

QByteArray everyByte()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

} // namespace

TEST(ByteText, EveryByteIsOneCharacterOfTheSameCode)
{
    const QString text = bytesToText(everyByte());
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(text[b].unicode(), b);
    EXPECT_EQ(textToBytes(text), everyByte());
    EXPECT_TRUE(isByteText(text));
}

TEST(ByteText, CharactersAboveTheByteRangeAreNotByteText)
{
    EXPECT_TRUE(isByteText(QString()));
    EXPECT_FALSE(isByteText(QStringLiteral("ab") + QChar(0x10D0)));
    EXPECT_FALSE(isByteText(QString(QChar(0x0100))));
}

class CaseFoldTest : public testing::Test
{
protected:
    void TearDown() override { CaseFold::setRussianPairs(false); }

    static int changedByUpper()
    {
        int changed = 0;
        for (int b = 0; b < 256; ++b)
            changed += CaseFold::upper(uchar(b)) != b;
        return changed;
    }
};

TEST_F(CaseFoldTest, LatinModePairsOnlyAsciiLetters)
{
    EXPECT_EQ(CaseFold::upper('q'), 'Q');
    EXPECT_EQ(CaseFold::lower('Q'), 'q');
    // 8-bit Georgian letters stand at C0..E4: they have no case and must never pair.
    EXPECT_EQ(CaseFold::upper(0xE0), 0xE0);
    EXPECT_EQ(CaseFold::lower(0xC0), 0xC0);
    EXPECT_EQ(changedByUpper(), 26);
}

TEST_F(CaseFoldTest, RussianModeAddsTheWindows1251Pairs)
{
    CaseFold::setRussianPairs(true);
    EXPECT_EQ(CaseFold::upper(0xE0), 0xC0);
    EXPECT_EQ(CaseFold::upper(0xFF), 0xDF);
    EXPECT_EQ(CaseFold::upper(0xB8), 0xA8);
    EXPECT_EQ(CaseFold::lower(0xDF), 0xFF);
    EXPECT_EQ(CaseFold::lower(0xA8), 0xB8);
    EXPECT_EQ(CaseFold::upper('z'), 'Z');
    EXPECT_EQ(changedByUpper(), 26 + 32 + 1);
}

TEST_F(CaseFoldTest, TextKeepsItsLengthAndItsNonByteCharacters)
{
    const QString text = QStringLiteral("a\u00E0") + QChar(0x10D0) + QStringLiteral("Z");
    EXPECT_EQ(CaseFold::toUpper(text),
              QStringLiteral("A\u00E0") + QChar(0x10D0) + QStringLiteral("Z"));
    CaseFold::setRussianPairs(true);
    EXPECT_EQ(CaseFold::toUpper(text),
              QStringLiteral("A\u00C0") + QChar(0x10D0) + QStringLiteral("Z"));
    EXPECT_EQ(CaseFold::toLower(text),
              QStringLiteral("a\u00E0") + QChar(0x10D0) + QStringLiteral("z"));
}

TEST_F(CaseFoldTest, ComparisonFollowsTheMode)
{
    EXPECT_TRUE(CaseFold::equalIgnoringCase(QStringLiteral("<BODY>"), QStringLiteral("<body>")));
    EXPECT_FALSE(CaseFold::equalIgnoringCase(QStringLiteral("\u00C0"), QStringLiteral("\u00E0")));
    EXPECT_FALSE(CaseFold::equalIgnoringCase(QStringLiteral("ab"), QStringLiteral("abc")));
    CaseFold::setRussianPairs(true);
    EXPECT_TRUE(CaseFold::equalIgnoringCase(QStringLiteral("\u00C0"), QStringLiteral("\u00E0")));
}
