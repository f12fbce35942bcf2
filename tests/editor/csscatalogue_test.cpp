// The CSS catalogue the program carries, choosing its entries, and where the list goes.

#include "editor/caretlist.h"
#include "editor/csscatalogue.h"

#include "conversions/bytes.h"
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <map>

TEST(CssCatalogue, TheCarriedCatalogueIsByteExact)
{
    const std::optional<QByteArray> bytes = programResource(cssCatalogueResourcePath());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 5220);
    const std::optional<QStringList> entries = loadCssCatalogue();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 422);
    // Nothing but the lines: joined again by CR LF with the closing NUL they are the file.
    EXPECT_EQ(textToBytes(entries->join(QStringLiteral("\r\n"))) + '\0', *bytes);

    std::map<CssEntryKind, int> kinds;
    for (const QString& entry : *entries) {
        EXPECT_FALSE(entry.contains(QChar(0)) || entry.contains(QLatin1Char('\n')));
        ++kinds[cssEntryKind(entry)];
    }
    EXPECT_EQ(kinds[CssEntryKind::Heading], 14);
    EXPECT_EQ(kinds[CssEntryKind::SubHeading], 3);
    EXPECT_EQ(kinds[CssEntryKind::Property], 139);
    EXPECT_EQ(kinds[CssEntryKind::Value], 266);

    // Georgian headings in the 8-bit layout: "font format" and "siebi".
    EXPECT_EQ((*entries)[0], byteText({'*', '*', 0xD7, 0xCF, 0xCD, 0xD4, ' ', 0xD7, 0xCF, 0xD2,
                                       0xCC, 0xC0, 0xD4}));
    EXPECT_EQ((*entries)[144], byteText({'*', '*', 0xD3, 0xC9, 0xC4, 0xC1, 0xC9}));
    EXPECT_EQ((*entries)[1], QStringLiteral("font-family:"));
    EXPECT_EQ((*entries)[2], QStringLiteral("\tserif"));
    EXPECT_EQ((*entries)[157], QStringLiteral("*N.6"));
    EXPECT_EQ(entries->last(), QStringLiteral("filter:XRay()"));
    // The catalogue's own spellings and repetitions stay.
    for (const char* kept : {"conter-increment()", "evelation:", "\tscrollr", "\tcontinous"})
        EXPECT_TRUE(entries->contains(QString::fromLatin1(kept))) << kept;
    EXPECT_EQ(entries->count(QStringLiteral("margin:")), 2);
    EXPECT_EQ(entries->count(QStringLiteral("\tfar-left behind")), 2);
}

TEST(CssCatalogue, EachEntryEndsAtItsFirstNul)
{
    EXPECT_EQ(cssCatalogueEntries(QByteArray("a\0b\r\n\r\nc\0\0", 10)),
              QStringList({QStringLiteral("a"), QString(), QStringLiteral("c")}));
}

TEST(CssCatalogue, ChoosingWritesPropertiesAndValuesOnly)
{
    const QStringList entries = {QStringLiteral("**x"), QStringLiteral("*width"),
                                 QStringLiteral("font-family:"), QStringLiteral("\tserif"),
                                 QStringLiteral("\t")};
    EXPECT_EQ(chooseCssEntry(entries, 2, 5, 3),
              TextEdit({5, 3, QStringLiteral("font-family:"), 17, 0}));
    EXPECT_EQ(chooseCssEntry(entries, 3, 0, 0), TextEdit({0, 0, QStringLiteral("serif"), 5, 0}));
    // Headings, an empty value and no current row leave the selection as it is.
    for (const qsizetype row : {0, 1, 4, -1, 5})
        EXPECT_FALSE(chooseCssEntry(entries, row, 5, 3)) << row;
}

TEST(CaretList, Placement)
{
    // "M" of 120 by 225 twips, an editor 9000 twips wide, a list of 2400 by 1800.
    struct Case
    {
        qint32 column, line, firstVisible, editorLeft, areaWidth, areaHeight;
        QPoint expected;
        const char* what;
    };
    // clang-format off
    const Case cases[] = {
        {4, 0, 0, 0, 9000, 6000, {480, 225}, "one line below the caret"},
        {4, 5, 3, 0, 9000, 6000, {480, 675}, "lines counted from the first visible"},
        {4, 24, 0, 0, 9000, 6000, {480, 5625 - 1800 - 190}, "above when it would pass the bottom"},
        {60, 0, 0, 0, 9000, 6000, {9000 - 2400, 225}, "right-aligned past the editor's edge"},
        {0, 0, 0, 0, 9000, 6000, {60, 225}, "60 twips in at column 0"},
        {0, 0, 0, 300, 9000, 6000, {300, 225}, "the editor's own left at column 0"},
        {4, 1, 0, 0, 9000, 2000, {480, 0}, "kept inside a short area"},
        {4, 2, 10, 0, 9000, 6000, {480, 0}, "a caret line scrolled out above"},
        {4, 100, 0, 0, 9000, 6000, {480, 6000 - 1800}, "a caret line scrolled out below"},
        {0, 0, 0, 0, 2420, 6000, {20, 225}, "60 twips in as far as the area allows"},
        {4, 0, 0, 0, 2000, 1000, {0, 0}, "a list larger than the area"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CaretListGeometry geometry{c.column,     c.line, c.firstVisible, 120,          225,
                                         c.editorLeft, 9000,   c.areaWidth,    c.areaHeight, 2400,
                                         1800};
        EXPECT_EQ(listPositionAtCaret(geometry), c.expected) << c.what;
    }
    // To the nearest twip, halves to even.
    EXPECT_EQ(listPositionAtCaret({1, 0, 0, 112.5, 225, 0, 9000, 9000, 6000, 2400, 1800}).x(), 112);
}
