// The pickers' data: the 216-colour palette and the colour picker's answers, the table
// picker's answer, the entity grid and the Russian letter grid.

#include "tags/pickerdata.h"

#include "core/sharedroutines.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(PickerData, PaletteHoldsEveryWebColourOnce)
{
    const auto colourAt = [](int row, int column) {
        return ColorToHtml(paletteColour(row, column));
    };
    QSet<QString> colours;
    for (int row = 0; row < kPaletteRows; ++row)
        for (int column = 0; column < kPaletteColumns; ++column)
            colours.insert(colourAt(row, column));
    EXPECT_EQ(colours.size(), 216);
    EXPECT_EQ(colourAt(0, 0) + colourAt(0, 6) + colourAt(11, 11) + colourAt(17, 5) +
                  colourAt(17, 11),
              QStringLiteral("#FFFF00#CCFFFF#99FF00#3300FF#000000"));
}

TEST(PickerData, AnswersOfThePickers)
{
    const QString c = QStringLiteral("#12AB00");
    EXPECT_EQ(colourResult(ColourForm::BgColorAttribute, c), QStringLiteral("BGCOLOR=\"#12AB00\""));
    EXPECT_EQ(colourResult(ColourForm::FontTag, c),
              QStringLiteral("<FONT COLOR=\"#12AB00\">$</FONT>"));
    EXPECT_EQ(colourResult(ColourForm::ColourOnly, c), c);
    EXPECT_EQ(tableResult(0, 0, TableStyle::NoBorder), QStringLiteral("0|0|2"));

    ASSERT_EQ(htmlEntities().size(), 70u);
    EXPECT_EQ(htmlEntities()[0], QLatin1String("&copy;"));
    EXPECT_EQ(htmlEntities()[9 * 7 + 6], QLatin1String(":-)"));

    // Label1(0..23) row by row: the capitals are 0..10 and 23, the small letters 11..22.
    const QByteArray rows[2] = {"\xC9\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF\xA8\xC6",
                                "\xE9\xF7\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF\xB8\xE6"};
    for (int index = 0; index < kRussianLetterCount; ++index) {
        const RussianLetter letter = russianLetter(index);
        const int column = index == 23 ? 11 : index % 11 + (index == 22 ? 11 : 0);
        EXPECT_EQ(letter.row, index <= 10 || index == 23 ? 0 : 1) << index;
        EXPECT_EQ(letter.column, column) << index;
        EXPECT_EQ(letter.byte, uchar(rows[letter.row][letter.column])) << index;
    }
}
