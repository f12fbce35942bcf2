// Enter carries a line's indentation over; Tab and Shift+Tab indent and unindent lines.
// Every key is pressed in the editor of a shown main window.

#include "editorwindow.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace {

using AutoIndent = EditorWindowTest;

class BlockIndent : public EditorWindowTest
{
protected:
    void SetUp() override
    {
        EditorWindowTest::SetUp();
        Props.tablen = 4;
    }
};

const QString kFiveLines = QStringLiteral("l1\r\nline2\r\nline3\r\nline4\r\nl5");
constexpr qint32 kLine2 = 4;
constexpr qint32 kLine3 = 11;
constexpr qint32 kLine4 = 18;

// Selects between two positions, the caret ending at the second (also before the first).
void selectFromTo(EditorControl& editor, qint32 anchor, qint32 caret)
{
    editor.setSelStart(anchor);
    const int documentAnchor = editor.textCursor().position();
    editor.setSelStart(caret);
    const int documentCaret = editor.textCursor().position();
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(documentAnchor);
    cursor.setPosition(documentCaret, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

} // namespace

// ---- Enter --------------------------------------------------------------------------------

TEST_F(AutoIndent, EnterTakesTheLeadingBlanksButNoMoreThanTheCaretsColumn)
{
    load(QStringLiteral("    <p>"));
    editor->setSelStart(7);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("    <p>\r\n    "));
    EXPECT_EQ(editor->SelStart(), 13);
    EXPECT_EQ(editor->SelLength(), 0);

    load(QStringLiteral("    <p>"));
    editor->setSelStart(2);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("  \r\n    <p>"));
    EXPECT_EQ(editor->SelStart(), 6);

    // The second line's own indentation counts, not the first line's.
    load(QStringLiteral("<ul>\r\n  <li>x"));
    editor->setSelStart(13);
    key(Qt::Key_Enter); // the keypad's Enter alike
    EXPECT_EQ(editor->Text(), QStringLiteral("<ul>\r\n  <li>x\r\n  "));
}

TEST_F(AutoIndent, ALineStartingWithATabGetsAsManyTabsAsItHolds)
{
    load(QStringLiteral("\t<td>\tx"));
    editor->setSelStart(7);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("\t<td>\tx\r\n\t\t"));
    EXPECT_EQ(editor->SelStart(), 11);

    // Whatever the caret's column.
    load(QStringLiteral("\t<td>\tx"));
    editor->setSelStart(1);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("\t\r\n\t\t<td>\tx"));

    // Blanks before the first tab: the blanks count, the tabs do not.
    load(QStringLiteral("  \t<td>"));
    editor->setSelStart(7);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("  \t<td>\r\n  "));
}

TEST_F(AutoIndent, WithoutIndentationOrWithAModifierOnlyTheLineBreakIsTyped)
{
    load(QStringLiteral("<p>x"));
    editor->setSelStart(4);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("<p>x\r\n"));

    load(QStringLiteral("    <p>"));
    editor->setSelStart(7);
    key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("    <p>\r\n"));
    EXPECT_EQ(editor->SelStart(), 9);
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("    <p>\r\n\r\n"));
    EXPECT_EQ(editor->LineCount(), 3) << "a line break of its own, not a line separator";
}

TEST_F(AutoIndent, EnterReplacesTheSelectionAndIndentsFromTheLineOfItsStart)
{
    load(QStringLiteral("    <p>abc</p>"));
    editor->setSelection(7, 3);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("    <p>\r\n    </p>"));

    // A selection over two lines, made forwards: the caret stands on the unindented
    // line, the selection starts on the indented one.
    const QString twoLines = QStringLiteral("      <ul>\r\n<li>x");
    load(twoLines);
    selectFromTo(*editor, 10, 14);
    ASSERT_EQ(editor->SelStart(), 10);
    ASSERT_EQ(editor->SelLength(), 4);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("      <ul>\r\n      i>x"));

    // The same selection made backwards.
    load(twoLines);
    selectFromTo(*editor, 14, 10);
    ASSERT_EQ(editor->SelStart(), 10);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("      <ul>\r\n      i>x"));

    // Backwards inside the indentation: the column of the start limits the blanks.
    load(QStringLiteral("    <p>abc"));
    selectFromTo(*editor, 9, 2);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("  \r\n  c"));
}

TEST_F(AutoIndent, WrappedLinesKeepTheIndentationOfTheirLogicalLine)
{
    window->resize(450, 500);
    QApplication::processEvents();
    QString longLine = QStringLiteral("   <p>");
    for (int word = 0; word < 40; ++word)
        longLine += QStringLiteral("word") + QString::number(word) + QLatin1Char(' ');
    longLine += QStringLiteral("end");
    load(QStringLiteral("<div>\r\n") + longLine);
    const QTextBlock block = editor->document()->findBlockByNumber(1);
    editor->document()->documentLayout()->blockBoundingRect(block);
    ASSERT_GT(block.layout()->lineCount(), 2) << "the line must wrap for this test";

    // The caret on the last screen line of the wrapped line, far from its start.
    const qint32 end = qint32(7 + longLine.size());
    editor->setSelStart(end);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("<div>\r\n") + longLine + QStringLiteral("\r\n   "));

    // A screen line that starts inside the wrapped line is not a line of its own: the
    // caret at the start of the second screen line is in column 30 or so of the line.
    load(QStringLiteral("<div>\r\n") + longLine);
    const QTextBlock again = editor->document()->findBlockByNumber(1);
    editor->document()->documentLayout()->blockBoundingRect(again);
    const int secondScreenLine = again.layout()->lineAt(1).textStart();
    editor->setSelStart(7 + secondScreenLine);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("<div>\r\n") + longLine.left(secondScreenLine) +
                                  QStringLiteral("\r\n   ") + longLine.mid(secondScreenLine));
}

// ---- Tab ----------------------------------------------------------------------------------

TEST_F(BlockIndent, TabInsertsTablenBlanksAtTheCaretOrBeforeAOneLineSelection)
{
    load(QStringLiteral("ab"));
    editor->setSelStart(1);
    key(Qt::Key_Tab);
    EXPECT_EQ(editor->Text(), QStringLiteral("a    b"));
    EXPECT_EQ(editor->SelStart(), 5);
    EXPECT_EQ(editor->SelLength(), 0);

    Props.tablen = 2;
    load(QStringLiteral("xx\r\nsay hello yy"));
    editor->setSelection(8, 5); // "hello"
    key(Qt::Key_Tab);
    EXPECT_EQ(editor->Text(), QStringLiteral("xx\r\nsay   hello yy"));
    EXPECT_EQ(editor->SelStart(), 8);
    EXPECT_EQ(editor->SelLength(), 7);
    EXPECT_EQ(editor->SelText(), QStringLiteral("  hello"));

    key(Qt::Key_Tab); // again: the selected blanks and text move on together
    EXPECT_EQ(editor->Text(), QStringLiteral("xx\r\nsay     hello yy"));
    EXPECT_EQ(editor->SelLength(), 9);
}

TEST_F(BlockIndent, TabIndentsEveryLineOfASelectionFromTheStartOfItsFirstLine)
{
    load(kFiveLines);
    editor->setSelection(kLine2 + 2, kLine4 + 3 - (kLine2 + 2));
    key(Qt::Key_Tab);
    EXPECT_EQ(editor->Text(), QStringLiteral("l1\r\n    line2\r\n    line3\r\n    line4\r\nl5"));
    EXPECT_EQ(editor->SelStart(), kLine2);
    EXPECT_EQ(editor->SelText(), QStringLiteral("    line2\r\n    line3\r\n    lin"));
    EXPECT_EQ(editor->SelLength(), 29);

    // From inside the first line: back to the start of the text.
    load(kFiveLines);
    editor->setSelection(1, kLine2 + 1 - 1);
    key(Qt::Key_Tab);
    EXPECT_EQ(editor->Text(), QStringLiteral("    l1\r\n    line2\r\nline3\r\nline4\r\nl5"));
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(editor->SelText(), QStringLiteral("    l1\r\n    l"));
}

TEST_F(BlockIndent, ASelectionEndingAfterALineBreakAlsoIndentsTheNextLine)
{
    load(kFiveLines);
    editor->setSelection(kLine2, kLine3 - kLine2); // "line2" and its line break
    key(Qt::Key_Tab);
    EXPECT_EQ(editor->Text(), QStringLiteral("l1\r\n    line2\r\n    line3\r\nline4\r\nl5"));
    EXPECT_EQ(editor->SelStart(), kLine2);
    EXPECT_EQ(editor->SelText(), QStringLiteral("    line2\r\n    "));
}

TEST_F(BlockIndent, TablenZeroChangesNothingAndTypesNoTab)
{
    Props.tablen = 0;
    load(kFiveLines);
    editor->setSelStart(kLine2 + 1);
    key(Qt::Key_Tab);
    EXPECT_EQ(editor->Text(), kFiveLines);
    EXPECT_EQ(editor->SelStart(), kLine2 + 1);

    editor->setSelection(kLine2 + 1, kLine4 - kLine2);
    key(Qt::Key_Tab);
    EXPECT_EQ(editor->Text(), kFiveLines);
    EXPECT_EQ(editor->SelStart(), kLine2 + 1);
    EXPECT_EQ(editor->SelLength(), kLine4 - kLine2);
    EXPECT_EQ(window->documents().EditorChanged(), 0);
}

// ---- Shift+Tab ----------------------------------------------------------------------------

TEST_F(BlockIndent, ShiftTabTakesOneBlankFromEachSelectedLineAndNoTab)
{
    Props.tablen = 8; // one blank whatever the tab width
    load(QStringLiteral("<ul>\r\n    <li>a\r\n    <li>b\r\n\t<li>c\r\n    <li>d"));
    editor->setSelection(9, 30 - 9); // from the middle of line 2 into line 4
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(),
              QStringLiteral("<ul>\r\n   <li>a\r\n   <li>b\r\n\t<li>c\r\n    <li>d"));
    EXPECT_EQ(editor->SelStart(), 6);
    EXPECT_EQ(editor->SelText(), QStringLiteral("   <li>a\r\n   <li>b\r\n\t<"));

    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("<ul>\r\n  <li>a\r\n  <li>b\r\n\t<li>c\r\n    <li>d"));

    // Lines without a blank at their start stay as they are.
    load(QStringLiteral("<ul>\r\n\t<li>a"));
    editor->selectAll();
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("<ul>\r\n\t<li>a"));
}

TEST_F(BlockIndent, ShiftTabWithoutSelectionDeletesOnlyInsideALine)
{
    load(QStringLiteral("ab\r\n  cd"));
    editor->setSelStart(0);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("ab\r\n  cd"));

    editor->setSelStart(4); // the start of the second line
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("ab\r\n  cd"));
    EXPECT_EQ(editor->SelStart(), 4);

    editor->setSelStart(7); // column 3 of the second line
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("ab\r\n  d"));
    EXPECT_EQ(editor->SelStart(), 6);

    editor->setSelStart(1); // after the first character of the text
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("b\r\n  d"));
    EXPECT_EQ(editor->SelStart(), 0);

    // The end of a line is inside it.
    editor->setSelStart(1);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("\r\n  d"));
}

TEST_F(BlockIndent, ShiftTabOnAOneLineSelectionNeedsABlankAndThreeCharacters)
{
    load(QStringLiteral("x abc"));
    editor->setSelection(1, 3); // " ab"
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("xabc"));
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelText(), QStringLiteral("ab"));

    load(QStringLiteral("x abc"));
    editor->setSelection(1, 2); // " a"
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("x abc"));
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelLength(), 2);

    load(QStringLiteral("xabcd"));
    editor->setSelection(1, 3); // no blank
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("xabcd"));
    EXPECT_EQ(editor->SelLength(), 3);
}

TEST_F(BlockIndent, TabThenShiftTabFourTimesGivesTheTextBack)
{
    load(kFiveLines);
    editor->setSelection(kLine2 + 1, kLine4 - kLine2);
    key(Qt::Key_Tab);
    for (int press = 0; press < 4; ++press)
        key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), kFiveLines);
    EXPECT_EQ(editor->SelStart(), kLine2);
    EXPECT_EQ(editor->SelText(), QStringLiteral("line2\r\nline3\r\nl"));
}
