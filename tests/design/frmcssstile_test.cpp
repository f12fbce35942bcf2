#include "design/frmcssstile.h"

#include "design/designcommands.h"
#include "designwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

namespace {

class CssEditor : public DesignWindow
{
protected:
    QLineEdit* box(const frmCSSstile& dialog, const QString& name)
    {
        return control<QLineEdit>(dialog, name);
    }
    QCheckBox* effect(const frmCSSstile& dialog, int index)
    {
        return control<QCheckBox>(dialog, QStringLiteral("Check1(%1)").arg(index));
    }
    QToolButton* ok(const frmCSSstile& dialog) { return control<QToolButton>(dialog, s("COK")); }
    void type(QWidget* into, const char* keys) { QTest::keyClicks(into, QLatin1String(keys)); }
};

} // namespace

TEST_F(CssEditor, TheModesShapeTheDialog)
{
    frmCSSstile ordinary(window, false);
    ordinary.show();
    EXPECT_EQ(ordinary.windowTitle(), s("CSS"));
    EXPECT_EQ(control<QTabBar>(ordinary, s("TS"))->count(), 3);
    EXPECT_FALSE(ok(ordinary)->isEnabled()) << "a class needs a name";
    type(box(ordinary, s("Tname")), "big");
    EXPECT_TRUE(ok(ordinary)->isEnabled());
    box(ordinary, s("Tname"))->clear();
    EXPECT_FALSE(ok(ordinary)->isEnabled());
    EXPECT_EQ(box(ordinary, s("Tfont"))->text(), s("(Default Font)"));
    EXPECT_EQ(box(ordinary, s("Tstil"))->text(), s("Default"));
    EXPECT_EQ(box(ordinary, s("Tsize"))->text(), s("Default"));
    EXPECT_FALSE(box(ordinary, s("Tpoze(0)"))->isEnabled());
    EXPECT_FALSE(box(ordinary, s("Tramvith"))->isEnabled());

    frmCSSstile rollover(window, true);
    rollover.show();
    EXPECT_EQ(control<QTabBar>(rollover, s("TS"))->count(), 2);
    EXPECT_TRUE(ok(rollover)->isEnabled());
    EXPECT_FALSE(box(rollover, s("Tname"))->isVisible());
    EXPECT_FALSE(control<QWidget>(rollover, s("Picture1"))->isVisible());
    EXPECT_FALSE(rollover.choices().border);
    EXPECT_EQ(rollover.choices().positioning, Positioning::None);
}

TEST_F(CssEditor, NumberBoxesTakeDigitsAndMinusAndTheAlignmentStaysWithinTen)
{
    frmCSSstile dialog(window, false);
    dialog.show();
    control<QTabBar>(dialog, s("TS"))->setCurrentIndex(1);
    QLineEdit* spacing = box(dialog, s("TdaS"));
    type(spacing, "a1-b2.5");
    EXPECT_EQ(spacing->text(), s("1-25"));
    QTest::keyClick(spacing, Qt::Key_Home);
    QTest::keyClick(spacing, Qt::Key_Delete);
    QTest::keyClick(spacing, Qt::Key_End);
    QTest::keyClick(spacing, Qt::Key_Backspace);
    EXPECT_EQ(spacing->text(), s("-2")) << "editing keys still work";

    QLineEdit* alignment = box(dialog, s("Tpoz"));
    type(alignment, "25");
    EXPECT_EQ(alignment->text(), s("10"));
    alignment->clear();
    type(alignment, "-7");
    EXPECT_EQ(alignment->text(), s("-7"));
    type(alignment, "0");
    EXPECT_EQ(alignment->text(), s("-10"));

    auto* sign = control<QComboBox>(dialog, s("CBdaS"));
    sign->setCurrentIndex(2);
    EXPECT_EQ(spacing->text(), s("1"));
    sign->setCurrentIndex(0);
    EXPECT_TRUE(spacing->text().isEmpty());
}

TEST_F(CssEditor, EffectsExcludeEachOtherAndTheSampleFollowsTheSizes)
{
    frmCSSstile dialog(window, false);
    dialog.show();
    effect(dialog, 3)->click();
    effect(dialog, 0)->click();
    effect(dialog, 5)->click();
    effect(dialog, 6)->click();
    effect(dialog, 4)->click();
    const CssChoices chosen = dialog.choices();
    EXPECT_EQ(chosen.effects,
              (std::array<bool, 8>{true, false, false, false, true, false, true, false}));
    auto* sample = control<QLabel>(dialog, s("LBvid"));
    EXPECT_EQ(sample->text(), s("AABBCCDDEEFFGGHH"));
    EXPECT_TRUE(sample->font().underline());

    auto* sizes = control<QListWidget>(dialog, s("listzice"));
    sizes->setCurrentRow(3);
    EXPECT_EQ(box(dialog, s("Tsize"))->text(), s("2mm"));
    EXPECT_EQ(sample->font().pointSizeF(), 5.0);
    box(dialog, s("Tsize"))->setText(s("px"));
    EXPECT_EQ(sample->font().pointSizeF(), 5.0) << "no number keeps the size";
    box(dialog, s("Tsize"))->setText(s("14px"));
    EXPECT_EQ(sample->font().pointSizeF(), 14.0);
    EXPECT_EQ(dialog.choices().size, s("14px")) << "the size as typed";
}

TEST_F(CssEditor, TheSampleIsCentredAndTheFontListShowsWholeNames)
{
    frmCSSstile dialog(window, false);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* fonts = control<QListWidget>(dialog, s("listFont"));
    int longest = 0;
    for (int row = 0; row < fonts->count(); ++row)
        longest =
            std::max(longest, fonts->fontMetrics().horizontalAdvance(fonts->item(row)->text()));
    EXPECT_GE(fonts->viewport()->width(), longest);

    const QWidget* background = control<QWidget>(dialog, s("LBfon"));
    const QWidget* sample = control<QLabel>(dialog, s("LBvid"));
    const auto expectCentred = [&](const char* when) {
        EXPECT_LE(std::abs(2 * sample->x() + sample->width() - background->width()), 1) << when;
        EXPECT_LE(std::abs(2 * sample->y() + sample->height() - background->height()), 1) << when;
    };
    expectCentred("shown");
    control<QListWidget>(dialog, s("listzice"))->setCurrentRow(11);
    expectCentred("at 36 points");
    dialog.resize(dialog.width() + 120, dialog.height() + 40);
    expectCentred("in a larger window");
}

TEST_F(CssEditor, TypingAFontSelectsTheFirstMatchWithoutChangingTheText)
{
    frmCSSstile dialog(window, false);
    auto* fonts = control<QListWidget>(dialog, s("listFont"));
    ASSERT_GE(fonts->count(), 2);
    const QString family = fonts->item(1)->text();
    const QString typed = family.left(2).toLower();
    box(dialog, s("Tfont"))->clear();
    QTest::keyClicks(box(dialog, s("Tfont")), typed);
    EXPECT_EQ(box(dialog, s("Tfont"))->text(), typed);
    ASSERT_GE(fonts->currentRow(), 1);
    EXPECT_TRUE(fonts->currentItem()->text().startsWith(family.left(2), Qt::CaseInsensitive));
    EXPECT_LE(fonts->currentRow(), 1);
    type(box(dialog, s("Tfont")), "zzzz");
    EXPECT_EQ(fonts->currentRow(), -1);
}

TEST_F(CssEditor, TheBorderTickAndTheColoursReachTheRule)
{
    frmCSSstile dialog(window, false);
    dialog.show();
    control<QTabBar>(dialog, s("TS"))->setCurrentIndex(2);
    control<QCheckBox>(dialog, s("CKrame"))->click();
    EXPECT_EQ(box(dialog, s("Tramvith"))->text(), s("1"));
    EXPECT_TRUE(box(dialog, s("Tbord(0)"))->isEnabled());
    answers.answer(s("#102030"));
    answers.answer(QString());
    answers.answer(s("#000000"));
    QTest::mouseClick(control<QWidget>(dialog, s("Command1")), Qt::LeftButton);
    QTest::mouseClick(control<QWidget>(dialog, s("Command2")), Qt::LeftButton);
    QTest::mouseClick(control<QWidget>(dialog, s("Cramcolor")), Qt::LeftButton);
    control<QRadioButton>(dialog, s("Oppoze(1)"))->click();
    EXPECT_TRUE(box(dialog, s("Tpoze(2)"))->isEnabled());
    box(dialog, s("Tpoze(2)"))->setText(s("40"));
    box(dialog, s("Tname"))->setText(s("box"));
    EXPECT_EQ(kreatestil(dialog.choices()).ruleLine,
              s(".box  { color: #102030; position: absolute; width: 40; border: 1 solid }"));
}

TEST_F(CssEditor, OkPutsTheRuleIntoTheDocumentAsAnEdit)
{
    load(s("<HTML>\r\n<HEAD>\r\n</head>\r\n<BODY>\r\n</BODY>"));
    window.T1->setSelection(30, 4);
    frmCSSstile ordinary(window, false);
    box(ordinary, s("Tname"))->setText(s("big"));
    QTest::mouseClick(ok(ordinary), Qt::LeftButton);
    EXPECT_EQ(editorText(), s("<HTML>\r\n<HEAD>\r\n<STYLE>\r\n<!--\r\n.big  {  }\r\n-->\r\n"
                              "</STYLE>\r\n</head>\r\n<BODY>\r\n</BODY>"));
    EXPECT_EQ(state().EditorChanged(), -1);
    EXPECT_EQ(ordinary.result(), int(QDialog::Accepted));

    frmCSSstile more(window, false);
    box(more, s("Tname"))->setText(s("small"));
    effect(more, 7)->click();
    QTest::mouseClick(ok(more), Qt::LeftButton);
    EXPECT_EQ(editorText(), s("<HTML>\r\n<HEAD>\r\n<STYLE>\r\n<!--\r\n.big  {  }\r\n"
                              ".small  { visibility: hidden }\r\n-->\r\n</STYLE>\r\n</head>\r\n"
                              "<BODY>\r\n</BODY>"));

    window.T1->setSelection(0, 6);
    frmCSSstile rollover(window, true);
    QTest::mouseClick(ok(rollover), Qt::LeftButton);
    EXPECT_TRUE(editorText().startsWith(s("<STYLE fprolloverstyle> A:hover {  }\r\n</STYLE>\r\n")));
    window.T1->undo();
    EXPECT_TRUE(editorText().startsWith(s("<HTML>\r\n"))) << "one step undoes it";
}

TEST_F(CssEditor, TheMenusChooseTheMode)
{
    DesignCommands design(window);
    const auto modeShown = [&](const char* command) {
        bool rolloverShown = false;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<frmCSSstile*>(QApplication::activeModalWidget());
            if (!shown) {
                ADD_FAILURE() << command;
                return;
            }
            rolloverShown = shown->choices().rollover;
            shown->reject();
        });
        window.menus.action(command)->trigger();
        return rolloverShown;
    };
    EXPECT_TRUE(modeShown("mnurollover"));
    EXPECT_FALSE(modeShown("mnuCSS"));
    EXPECT_TRUE(modeShown("mnurollover"));
    for (const char* command : {"mnuframe", "mnuCSS"})
        EXPECT_TRUE(window.menus.menu("mnuobSi").actions().contains(window.menus.action(command)));
    EXPECT_TRUE(
        window.menus.menu("mnulinks").actions().contains(window.menus.action("mnurollover")));
    EXPECT_TRUE(window.menus.menu("mnunew").actions().contains(window.menus.action("mnuHTmatrix")));
    EXPECT_EQ(window.menus.caption(window.menus.action("mnuHTmatrix"))->help, s("29"));
}
