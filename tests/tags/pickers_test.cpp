// The picker windows driven by the mouse: the colour and table picker, the tag and font
// picker, the entity picker and the letter grid.

#include "core/sharedroutines.h"
#include "support/fakecontext.h"
#include "support/scriptedprompts.h"
#include "tags/frmasos.h"
#include "tags/frmkod.h"
#include "tags/frmtabcolor.h"
#include "tags/frmtags.h"
#include "tags/pickerdata.h"

#include "modalwindow.h"
#include "support/markedtext.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QToolButton>

namespace {

template <typename Control> Control* control(QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The centre of a palette cell (16 pixels a side) or of a table cell (13).
QPoint paletteCell(int column, int row)
{
    return {column * 16 + 7, row * 16 + 7};
}
QPoint tableCell(int column, int row)
{
    return {column * 13 + 6, row * 13 + 6};
}

class ColourPicker : public testing::Test
{
protected:
    ColourPicker() { window.show(); }

    QString clickCell(int column, int row)
    {
        QTest::mouseClick(pp, Qt::LeftButton, {}, paletteCell(column, row));
        return window.result();
    }

    frmTabColor window{frmTabColor::Mode::Colour, nullptr};
    QLabel* pp = control<QLabel>(window, "PP");
};

class TablePicker : public testing::Test
{
protected:
    TablePicker() { window.show(); }

    QString label() { return control<QLabel>(window, "LBtabcount")->text(); }

    frmTabColor window{frmTabColor::Mode::Table, nullptr};
    QLabel* pp = control<QLabel>(window, "PP");
};

} // namespace

TEST_F(ColourPicker, ThePaletteShowsTheWebColoursAndTheLabelFollowsTheMouse)
{
    const QImage palette = pp->pixmap().toImage();
    QSet<QString> colours;
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column) {
            const QString shown = palette.pixelColor(paletteCell(column, row)).name().toUpper();
            EXPECT_EQ(shown, ColorToHtml(paletteColour(row, column))) << row << "," << column;
            colours.insert(shown);
        }
    }
    EXPECT_EQ(colours.size(), 216);

    auto* label = control<QLabel>(window, "Label1");
    EXPECT_EQ(label->text(), QStringLiteral("#000000"));
    QTest::mouseMove(pp, paletteCell(6, 0));
    EXPECT_EQ(label->text(), QStringLiteral("#CCFFFF"));
}

TEST_F(ColourPicker, AClickAnswersInTheChosenFormAndCloses)
{
    // FONT COLOR is chosen at each opening.
    EXPECT_EQ(clickCell(0, 0), QStringLiteral("<FONT COLOR=\"#FFFF00\">$</FONT>"));
    EXPECT_FALSE(window.isVisible());

    const struct
    {
        const char* option;
        QPoint cell;
        const char* answer;
    } cases[] = {{"Opnotag", {0, 0}, "#FFFF00"},
                 {"Opnotag", {11, 17}, "#000000"},
                 {"OPbgcolor", {5, 0}, "BGCOLOR=\"#FFFFFF\""},
                 {"OPcolor", {0, 17}, "COLOR=\"#330000\""}};
    for (const auto& c : cases) {
        frmTabColor picker(frmTabColor::Mode::Colour, nullptr);
        picker.show();
        control<QRadioButton>(picker, c.option)->click();
        QTest::mouseClick(control<QLabel>(picker, "PP"), Qt::RightButton, {},
                          paletteCell(c.cell.x(), c.cell.y()));
        EXPECT_EQ(picker.result(), QLatin1String(c.answer)) << c.option;
    }
}

TEST_F(ColourPicker, AFreeColourComesFromTheColourDialogAndACancelKeepsThePickerOpen)
{
    ScriptedPrompts prompts({QString(), QStringLiteral("#1234AB")});
    control<QRadioButton>(window, "OPbgcolor")->click();
    auto* free = control<QPushButton>(window, "Ckolor");
    free->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), QString());
    free->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QStringLiteral("BGCOLOR=\"#1234AB\""));
}

TEST(PickerWindows, CloseButtonsAndCloseBoxesAnswerNothing)
{
    for (const auto mode : {frmTabColor::Mode::Colour, frmTabColor::Mode::Table}) {
        frmTabColor picker(mode, nullptr);
        picker.show();
        control<QPushButton>(picker, "MBklose")->click();
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.result(), QString());
    }
    EXPECT_EQ(whileOpen<frmTabColor>(
                  [] {
                      return frmTabColor::colorload(nullptr, {40, 40});
                  },
                  [](frmTabColor& picker) { picker.close(); }),
              QString());

    // The entity picker: a press dragged off the grid is no click; the close box then
    // answers nothing, not the pressed entity.
    frmasos entities(nullptr);
    entities.show();
    auto* grid = control<QLabel>(entities, "Picture1");
    QTest::mousePress(grid, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(grid, Qt::LeftButton, {}, {300, 5});
    EXPECT_TRUE(entities.isVisible());
    entities.close();
    EXPECT_EQ(entities.result(), QString());
    EXPECT_EQ(whileOpen<frmasos>(
                  [] {
                      return frmasos::asos(nullptr, {40, 40});
                  },
                  [](frmasos& picker) { control<QToolButton>(picker, "CEXIT")->click(); }),
              QString());
}

TEST_F(TablePicker, TheFirstCellAndAChosenStyle)
{
    QTest::mouseMove(pp, tableCell(0, 0));
    EXPECT_EQ(label(), QStringLiteral("1/1"));
    QTest::mouseClick(pp, Qt::LeftButton, {}, tableCell(0, 0));
    EXPECT_EQ(window.result(), QStringLiteral("0|0|2"));
    EXPECT_FALSE(window.isVisible());

    EXPECT_EQ(whileOpen<frmTabColor>(
                  [] {
                      return frmTabColor::tabload(nullptr, {40, 40});
                  },
                  [](frmTabColor& picker) {
                      control<QRadioButton>(picker, "Op1(0)")->click();
                      QTest::mouseClick(control<QLabel>(picker, "PP"), Qt::LeftButton, {},
                                        tableCell(3, 4));
                  }),
              QStringLiteral("3|4|0"));
}

TEST_F(TablePicker, TheRightButtonKeepsItOpenAndARelasePastTheEdgeTakesTheShownBlock)
{
    QTest::mouseClick(pp, Qt::RightButton, {}, tableCell(2, 2));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), QString());

    QTest::mousePress(pp, Qt::LeftButton, {}, tableCell(1, 1));
    QTest::mouseMove(pp, tableCell(5, 6));
    EXPECT_EQ(label(), QStringLiteral("6/7"));
    QTest::mouseMove(pp, {200, 40}); // past the right edge: the block stays
    EXPECT_EQ(label(), QStringLiteral("6/7"));
    QTest::mouseRelease(pp, Qt::LeftButton, {}, {200, 40});
    EXPECT_EQ(window.result(), QStringLiteral("5|6|2"));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TablePicker, ABlockDraggedAboveTheGridIsDroppedAndItsReleaseChoosesNothing)
{
    QTest::mousePress(pp, Qt::LeftButton, {}, tableCell(3, 3));
    QTest::mouseMove(pp, {20, -5});
    EXPECT_EQ(label(), QStringLiteral("0/0"));
    EXPECT_FALSE(control<QFrame>(window, "SP")->isVisible());
    QTest::mouseRelease(pp, Qt::LeftButton, {}, {20, -5});
    EXPECT_TRUE(window.isVisible());
    QTest::mouseRelease(pp, Qt::LeftButton, {}, {200, 200}); // past the edge, no block shown
    EXPECT_TRUE(window.isVisible());
}

TEST(TagPicker, ListsTheTemplatesSortedWithTheirOwnTextsAndConfirmsTheFirst)
{
    frmTags window(nullptr);
    window.showTemplates(loadTagTemplates().value());
    auto* list = control<QListWidget>(window, "List1");
    ASSERT_EQ(list->count(), 93);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("!DOCTYPE"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("HTML Tags"));
    const auto templateOf = [&](const char* name) {
        list->setCurrentItem(list->findItems(QLatin1String(name), Qt::MatchExactly).value(0));
        return window.result();
    };
    EXPECT_EQ(templateOf("BODY"), QStringLiteral("<BODY>\r\n^!\r\n</BODY>"));
    EXPECT_EQ(templateOf("VAR"), QStringLiteral("<VAR>^!</VAR>"));
    EXPECT_EQ(templateOf("BR"), QStringLiteral("<BR>"));
    EXPECT_EQ(templateOf("H1"), QStringLiteral("<H1>^!</H1>"));

    EXPECT_EQ(whileOpen<frmTags>(
                  [] {
                      return frmTags::Tagsload(nullptr, {40, 40});
                  },
                  [](frmTags& picker) { control<QPushButton>(picker, "MBOK")->click(); }),
              QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"));
    for (const char* leaving : {"MBexit", "close box"}) {
        EXPECT_EQ(whileOpen<frmTags>(
                      [] {
                          return frmTags::Tagsload(nullptr, {40, 40});
                      },
                      [&](frmTags& picker) {
                          if (leaving == std::string("MBexit"))
                              control<QPushButton>(picker, leaving)->click();
                          else
                              picker.close();
                      }),
                  QString())
            << leaving;
    }
}

TEST(TagPicker, ListsFontsWithoutRegardToCase)
{
    frmTags window(nullptr);
    window.showFonts({QStringLiteral("b"), QStringLiteral("C"), QStringLiteral("A")});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Screen Fonts"));
    auto* list = control<QListWidget>(window, "List1");
    EXPECT_EQ(list->item(0)->text() + list->item(1)->text() + list->item(2)->text(),
              QStringLiteral("AbC"));
    EXPECT_EQ(window.result(), QStringLiteral("A"));
}

TEST(EntityPicker, APressChoosesItsCellAndTheClickCloses)
{
    const struct
    {
        QPoint point;
        const char* entity;
    } cases[] = {{{5, 5}, "&copy;"}, {{6 * 128 / 7 + 5, 9 * 202 / 10 + 5}, ":-)"}};
    for (const auto& c : cases) {
        EXPECT_EQ(whileOpen<frmasos>(
                      [] {
                          return frmasos::asos(nullptr, {40, 40});
                      },
                      [&](frmasos& picker) {
                          QTest::mouseClick(control<QLabel>(picker, "Picture1"), Qt::LeftButton, {},
                                            c.point);
                      }),
                  QLatin1String(c.entity));
    }
}

TEST(LetterGrid, AClickWritesTheLetterAndLeavesItSelected)
{
    FakeContext context;
    context.T1->setText(QStringLiteral("abcd"));
    context.T1->setSelection(2, 1);
    frmkod grid(context);
    grid.show();
    auto* first = control<QLabel>(grid, "Label1(0)");
    EXPECT_EQ(first->text(), QStringLiteral("\u0419")); // shown through the Cyrillic map
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(context.T1->Text(), QStringLiteral("ab\xC9"
                                                 "d"));
    EXPECT_EQ(context.T1->SelStart(), 2);
    EXPECT_EQ(context.T1->SelLength(), 1);
    QTest::mouseClick(control<QLabel>(grid, "Label1(23)"), Qt::LeftButton);
    EXPECT_EQ(context.T1->Text(), QStringLiteral("ab\xC6"
                                                 "d"))
        << "the second replaces the first";
    EXPECT_EQ(context.T1->SelText(), QStringLiteral("\xC6"));
}
