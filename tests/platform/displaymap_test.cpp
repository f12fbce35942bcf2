#include "platform/displaymap.h"

#include "platform/bytetext.h"

#include <QProcess>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

const DisplayMapKind kAllMaps[] = {DisplayMapKind::Latin, DisplayMapKind::Cyrillic,
                                   DisplayMapKind::GeorgianIso, DisplayMapKind::GeorgianKeys};

QString everyByte()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytesToText(bytes);
}

// What iconv makes of the bytes 0x80..0xFF in a code page, one character per byte; the
// bytes iconv leaves undefined come back empty.
QList<char32_t> decodedByIconv(const char* codePage)
{
    QList<char32_t> characters;
    for (int b = 0x80; b < 0x100; ++b) {
        QProcess iconv;
        iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QString::fromLatin1(codePage),
                                              QStringLiteral("-t"), QStringLiteral("UTF-32LE")});
        iconv.write(QByteArray(1, char(b)));
        iconv.closeWriteChannel();
        iconv.waitForFinished();
        const QByteArray out = iconv.readAllStandardOutput();
        characters << (out.size() == 4 ? qFromLittleEndian<quint32>(out.constData()) : 0);
    }
    return characters;
}

} // namespace

TEST(DisplayMap, EveryMapIsOneToOneOverAllBytes)
{
    for (const DisplayMapKind kind : kAllMaps) {
        const DisplayMap& map = DisplayMap::get(kind);
        const QString shown = map.toShown(everyByte());
        ASSERT_EQ(shown.size(), 256);
        EXPECT_EQ(QSet<QChar>(shown.begin(), shown.end()).size(), 256) << int(kind);
        EXPECT_EQ(map.fromShown(shown), everyByte()) << int(kind);
    }
}

TEST(DisplayMap, WesternAndCyrillicAgreeWithIconv)
{
    const struct
    {
        DisplayMapKind kind;
        const char* codePage;
    } cases[] = {{DisplayMapKind::Latin, "CP1252"}, {DisplayMapKind::Cyrillic, "CP1251"}};
    for (const auto& [kind, codePage] : cases) {
        const QList<char32_t> expected = decodedByIconv(codePage);
        if (expected.isEmpty())
            GTEST_SKIP() << "no iconv";
        for (int b = 0x80; b < 0x100; ++b) {
            const char32_t reference = expected[b - 0x80];
            // Bytes the code page leaves undefined show as their own control code.
            const char32_t wanted = reference ? reference : char32_t(b);
            EXPECT_EQ(DisplayMap::get(kind).shown(uchar(b)).unicode(), wanted)
                << codePage << " byte " << b;
        }
    }
}

TEST(DisplayMap, GeorgianMapsShowTheThirtyThreeLettersInOrder)
{
    const DisplayMap& iso = DisplayMap::get(DisplayMapKind::GeorgianIso);
    const DisplayMap& keys = DisplayMap::get(DisplayMapKind::GeorgianKeys);
    for (int i = 0; i < 33; ++i) {
        EXPECT_EQ(iso.shown(kGeorgianIsoBytes[i]).unicode(), 0x10D0 + i);
        EXPECT_EQ(keys.shown(uchar(kGeorgianKeys[i])).unicode(), 0x10D0 + i);
    }
    // Everything else looks as it does in Latin.
    EXPECT_EQ(iso.shown('a'), QLatin1Char('a'));
    EXPECT_EQ(iso.shown(0xC7).unicode(), 0xC7);
    EXPECT_EQ(keys.shown(0xC0).unicode(), 0xC0);
    EXPECT_EQ(keys.shown('A'), QLatin1Char('A'));
    EXPECT_EQ(keys.shown(0x80).unicode(), 0x20AC);
}

TEST(DisplayMap, TypedCharactersComeBackAsBytesOrReferences)
{
    const DisplayMap& iso = DisplayMap::get(DisplayMapKind::GeorgianIso);
    const DisplayMap& keys = DisplayMap::get(DisplayMapKind::GeorgianKeys);
    const DisplayMap& latin = DisplayMap::get(DisplayMapKind::Latin);
    const DisplayMap& cyrillic = DisplayMap::get(DisplayMapKind::Cyrillic);

    EXPECT_EQ(iso.fromShown(QStringLiteral("\u10D0\u10F0")), QStringLiteral("\u00C0\u00E4"));
    EXPECT_EQ(keys.fromShown(QStringLiteral("\u10D0\u10F0")), QStringLiteral("ah"));
    // A Latin character a Georgian letter displaced keeps its Latin byte.
    EXPECT_EQ(keys.fromShown(QStringLiteral("a")), QStringLiteral("a"));
    EXPECT_EQ(iso.fromShown(QStringLiteral("\u00C0")), QStringLiteral("\u00C0"));
    EXPECT_EQ(cyrillic.fromShown(QStringLiteral("\u0416\u2116")), QStringLiteral("\u00C6\u00B9"));
    EXPECT_EQ(latin.fromShown(QStringLiteral("\u20AC")), QStringLiteral("\u0080"));

    // What the map cannot hold is kept as a decimal reference.
    EXPECT_EQ(latin.fromShown(QStringLiteral("x\u10D0y")), QStringLiteral("x&#4304;y"));
    EXPECT_EQ(cyrillic.fromShown(QStringLiteral("\u00E9")), QStringLiteral("&#233;"));
    EXPECT_EQ(latin.fromShown(QString::fromUcs4(U"\U0001F600")), QStringLiteral("&#128512;"));
    EXPECT_EQ(latin.byteFor(0x1F600), -1);
}
