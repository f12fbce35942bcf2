#include "core/progprops.h"

#include "core/sharedroutines.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// A record with every kind of field set, strings holding 8-bit bytes.
ProgProps fullRecord()
{
    ProgProps p;
    p.maxwind = kOn;
    p.winpoz = kOff;
    p.lastfile = kOn;
    p.stfont = QStringLiteral("Arial");
    p.stfsiz = 10;
    p.bold = kOn;
    p.georgfont = QStringLiteral("Geo_WWW_Times");
    p.rusfont = QStringLiteral("Times \u00C0\u00FF");
    p.backcolor = 0x00FFFFFF;
    p.forekolor = 0x00102030;
    p.firstcolor = 0x000000FF;
    p.lastcolor = 0x00FF0000;
    p.Meta = QStringLiteral("<META a>\r\n<META b>");
    p.reserv8 = {1, 2, 3, 4, 5, 6, 7, 0xFF};
    p.reservStr = QStringLiteral("r");
    p.tagsIN = kOn;
    p.norNB = kOn;
    p.tablen = 4;
    p.gergASC = QStringLiteral("Grigolia");
    p.recentonstart = 1;
    return p;
}

QByteArray encoded(const ProgProps& props)
{
    QByteArray record;
    EXPECT_EQ(encodeProps(props, record), PropsEncoding::Done);
    return record;
}

class PropsFile : public testing::Test
{
protected:
    void SetUp() override { Props = ProgProps{}; }
    void TearDown() override { Props = ProgProps{}; }

    QString propsPath() const { return folders.path(QStringLiteral("props.ini")); }

    TestFolders folders;
};

} // namespace

TEST(PropsFormat, TheEmptyRecordIsSixtyFourZeroBytes)
{
    EXPECT_EQ(encoded(ProgProps{}), QByteArray(64, '\0'));
}

TEST(PropsFormat, GoldenBytesOfARecordWithStrings)
{
    ProgProps p;
    p.maxwind = kOn;
    p.stfont = QStringLiteral("Ab");
    p.stfsiz = 12;
    p.backcolor = 0x00C0FFEE;
    p.reserv8 = {9, 8, 7, 6, 5, 4, 3, 2};
    p.tablen = 3;
    p.gergASC = QStringLiteral("\u00C0");
    p.recentonstart = 2;

    QByteArray expected;
    expected += QByteArray::fromHex("FFFF 0000 0000");      // maxwind, winpoz, lastfile
    expected += QByteArray::fromHex("0200") + "Ab";         // stfont
    expected += QByteArray::fromHex("0C00 0000 0000 0000"); // stfsiz, bold, italik, normal
    expected += QByteArray::fromHex("0000 0000 0000");      // georgfont, rusfont, latinfont
    expected += QByteArray::fromHex("EEFFC000");            // backcolor
    expected += QByteArray(12, '\0');                       // forekolor, firstcolor, lastcolor
    expected += QByteArray::fromHex("0000 0000");           // Meta, HTMLparams
    expected += QByteArray::fromHex("0908070605040302");    // reserv8
    expected += QByteArray::fromHex("0000");                // reservStr
    expected += QByteArray(8, '\0');                        // tagsIN, paramsin, norNB, unNB
    expected += QByteArray::fromHex("03");                  // tablen
    expected += QByteArray::fromHex("0100C0");              // gergASC
    expected += QByteArray::fromHex("02");                  // recentonstart
    ASSERT_EQ(expected.size(), 64 + 3);
    EXPECT_EQ(encoded(p).toHex(' '), expected.toHex(' '));
}

TEST(PropsFormat, RoundTripsEveryField)
{
    const ProgProps original = fullRecord();
    const QByteArray record = encoded(original);
    ProgProps read;
    EXPECT_TRUE(decodeProps(record + QByteArray("tail left by a longer file"), read));
    EXPECT_EQ(read, original);
}

TEST(PropsFormat, ATruncatedRecordKeepsTheFieldsThatFitAndZeroesTheRest)
{
    const QByteArray record = encoded(fullRecord());
    for (qsizetype cut = 0; cut < record.size(); ++cut) {
        ProgProps read = fullRecord();
        EXPECT_FALSE(decodeProps(record.left(cut), read)) << "cut at " << cut;
    }

    ProgProps read;
    // Cut inside stfont's bytes: the three flags before it stay, stfont and all after are zero.
    ASSERT_FALSE(decodeProps(record.left(6 + 2 + 3), read));
    EXPECT_EQ(read.maxwind, kOn);
    EXPECT_EQ(read.lastfile, kOn);
    EXPECT_EQ(read.stfont, QString());
    EXPECT_EQ(read.stfsiz, 0);
    EXPECT_EQ(read.gergASC, QString());
    EXPECT_EQ(read.recentonstart, 0);

    // Cut just before recentonstart: everything but the last byte is read.
    ASSERT_FALSE(decodeProps(record.left(record.size() - 1), read));
    ProgProps expected = fullRecord();
    expected.recentonstart = 0;
    EXPECT_EQ(read, expected);
}

TEST(PropsFormat, ALengthBeyondTheFileReadsNothingFromThere)
{
    QByteArray record(64, '\0');
    record[6] = char(0xFF); // stfont claims 65535 bytes that are not there
    record[7] = char(0xFF);
    record[8] = 0x7F;
    ProgProps read;
    read.bold = kOn;
    EXPECT_FALSE(decodeProps(record, read));
    EXPECT_EQ(read.stfont, QString());
    EXPECT_EQ(read.bold, kOff);
}

TEST(PropsFormat, AStringBeyondSixteenBitsIsRefusedNotWrapped)
{
    ProgProps p;
    p.Meta = QString(0xFFFF, QLatin1Char('m'));
    const QByteArray longest = encoded(p);
    EXPECT_EQ(longest.size(), 64 + 0xFFFF);
    ProgProps read;
    EXPECT_TRUE(decodeProps(longest, read));
    EXPECT_EQ(read.Meta, p.Meta);

    p.Meta += QLatin1Char('m');
    QByteArray record("stale");
    EXPECT_EQ(encodeProps(p, record), PropsEncoding::StringTooLong);
    EXPECT_TRUE(record.isEmpty());

    ProgProps wide;
    wide.latinfont = QString(QChar(0x10D0));
    EXPECT_EQ(encodeProps(wide, record), PropsEncoding::NotByteText);
}

TEST_F(PropsFile, WithoutAFileEveryOptionIsOffAndNoFileAppears)
{
    Props = fullRecord();
    LoadProps(); // a missing file changes nothing and asks nothing
    EXPECT_EQ(Props, fullRecord());
    Props = ProgProps{};
    LoadProps();
    EXPECT_EQ(Props, ProgProps{});
    EXPECT_FALSE(QFileInfo::exists(propsPath()));
}

TEST_F(PropsFile, SaveAndLoadGoThroughTheProgramFolder)
{
    ASSERT_TRUE(SaveProps());
    EXPECT_EQ(readFile(propsPath()), QByteArray(64, '\0'));

    Props = fullRecord();
    ASSERT_TRUE(SaveProps());
    Props = ProgProps{};
    LoadProps();
    EXPECT_EQ(Props, fullRecord());
}

TEST_F(PropsFile, AFileFromAnotherWriterSurvivesLoadAndSaveByteForByte)
{
    // Reserved bytes and a reserved string that this program never uses stay as found.
    QByteArray original = encoded(fullRecord());
    writeFile(propsPath(), original);
    LoadProps();
    ASSERT_TRUE(SaveProps());
    EXPECT_EQ(readFile(propsPath()), original);
}

TEST_F(PropsFile, SavingAShorterRecordKeepsTheOldTail)
{
    Props = fullRecord();
    Props.stfont = QString(100, QLatin1Char('F'));
    ASSERT_TRUE(SaveProps());
    const QByteArray longer = readFile(propsPath());

    Props.stfont = QStringLiteral("Mono");
    ASSERT_TRUE(SaveProps());
    const QByteArray shorter = readFile(propsPath());
    const QByteArray record = encoded(Props);
    ASSERT_EQ(shorter.size(), longer.size());
    EXPECT_EQ(shorter.left(record.size()), record);
    EXPECT_EQ(shorter.mid(record.size()), longer.mid(record.size()));

    Props = ProgProps{};
    LoadProps();
    EXPECT_EQ(Props.stfont, QStringLiteral("Mono"));
    EXPECT_EQ(Props.gergASC, QStringLiteral("Grigolia"));
}

TEST_F(PropsFile, ADamagedFileIsReportedAndKeepsWhatFitted)
{
    writeFile(propsPath(), encoded(fullRecord()).left(20));
    ScriptedPrompts prompts({QStringLiteral("6")});
    LoadProps();
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].icon, kIconError);
    EXPECT_EQ(Props.maxwind, kOn);
    EXPECT_EQ(Props.stfont, QStringLiteral("Arial"));
    EXPECT_EQ(Props.recentonstart, 0);
}

TEST_F(PropsFile, AnUnwritableFolderIsReportedAndReturnsFailure)
{
    const QString blocker = folders.root() + QStringLiteral("/blocker");
    writeFile(blocker, "x");
    qputenv("KELMORA_HOME", QFile::encodeName(blocker + QStringLiteral("/home")));
    ScriptedPrompts prompts({QStringLiteral("6")});
    EXPECT_FALSE(SaveProps());
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].icon, kIconError);
}

TEST_F(PropsFile, ARefusedRecordLeavesTheOldFileAlone)
{
    Props = fullRecord();
    ASSERT_TRUE(SaveProps());
    const QByteArray before = readFile(propsPath());

    Props.HTMLparams = QString(0x10000, QLatin1Char('p'));
    ScriptedPrompts prompts({QStringLiteral("6")});
    EXPECT_FALSE(SaveProps());
    EXPECT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(readFile(propsPath()), before);
}
