// The CSS list over the real editor: filled once and shown at the caret with the focus
// left in the editor, writing the chosen entry, closed by the editor's keys and clicks.

#include "support/viewcontext.h"

#include <QFontMetricsF>
#include <QKeyEvent>

namespace {

class CssList : public EditorViewTest
{
protected:
    void ctrlSpace() { QTest::keyClick(&editor(), Qt::Key_Space, Qt::ControlModifier); }
    void choose(int row)
    {
        ctrlSpace();
        list.setCurrentRow(row);
        QTest::keyClick(&list, Qt::Key_Return);
    }
};

} // namespace

TEST_F(CssList, CtrlSpaceFillsTheListOnceAndShowsItBelowTheCaretLine)
{
    for (const int pointSize : {8, 20}) {
        FontRecord font = editor().fontRecord();
        font.pointSize = pointSize;
        editor().setFontRecord(font);
        load(QStringLiteral("p {}"), 0);
        ctrlSpace();
        EXPECT_TRUE(list.isVisible());
        EXPECT_TRUE(editor().hasFocus());
        ASSERT_EQ(list.count(), 422) << "a second Ctrl+Space adds nothing";
        // Measured with "M" in the editor's font as it is now.
        EXPECT_NEAR(list.y(), QFontMetricsF(editor().font()).height(), 1) << pointSize;
        EXPECT_EQ(list.x(), editor().x());
    }
    for (int row = 0; row < list.count(); ++row)
        EXPECT_FALSE(list.item(row)->text().contains(QChar(0))) << row;
    // The 8-bit Georgian heading "**font format" shows in Georgian letters.
    EXPECT_EQ(list.item(0)->text(),
              QStringLiteral(u"**\u10E4\u10DD\u10DC\u10E2 \u10E4\u10DD\u10E0\u10DB\u10D0\u10E2"));
}

TEST_F(CssList, ChoosingWritesPropertiesAndValuesOnly)
{
    load(QStringLiteral("p {}"), 3);
    choose(1); // "font-family:"
    EXPECT_EQ(editor().Text(), QStringLiteral("p {font-family:}"));
    EXPECT_FALSE(list.isVisible());
    EXPECT_TRUE(editor().hasFocus());
    choose(2);  // a tab and "serif"
    choose(0);  // a heading
    choose(-1); // no row
    EXPECT_EQ(editor().Text(), QStringLiteral("p {font-family:serif}"));

    editor().setSelection(3, 12); // "font-family:", replaced by a double click on "sans-serif"
    ctrlSpace();
    const QPoint item = list.visualItemRect(list.item(3)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, item);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, item);
    EXPECT_EQ(editor().Text(), QStringLiteral("p {sans-serifserif}"));
}

TEST_F(CssList, TheEditorsKeysAndClicksOrLosingTheFocusCloseIt)
{
    load(QStringLiteral("ab\r\ncd"), 1);
    const auto shownAfter = [&](const std::function<void()>& action) {
        ctrlSpace();
        action();
        return list.isVisible();
    };
    EXPECT_FALSE(shownAfter([&] { QTest::keyClick(&editor(), Qt::Key_Escape); }));
    EXPECT_FALSE(shownAfter([&] { QTest::keyClicks(&editor(), QStringLiteral("x")); }));
    EXPECT_FALSE(shownAfter([&] { QTest::mouseClick(editor().viewport(), Qt::LeftButton); }));
    EXPECT_FALSE(shownAfter([&] {
        list.setFocus();
        context.TV->setFocus();
    }));
    EXPECT_TRUE(editor().hasFocus());

    // Enter with Shift and Shift+Tab with nothing selected leave it (Shift already held).
    for (const Qt::Key key : {Qt::Key_Backtab, Qt::Key_Return}) {
        EXPECT_TRUE(shownAfter([&] {
            QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier);
            QApplication::sendEvent(&editor(), &press);
        })) << key;
    }
}
