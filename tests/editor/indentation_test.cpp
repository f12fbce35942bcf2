// Enter carries a line's indentation over; Tab and Shift+Tab indent and unindent lines. The
// rules are checked as edits of marked texts ("[" "]" around the selection, "|" the caret);
// the keys themselves go through the editor of a shown main window.

#include "editor/indentation.h"

#include "support/editorwindow.h"
#include "support/markedtext.h"

#include <QTextBlock>
#include <QTextLayout>

namespace {

// The selection of a marked text and the line its start lies in, as the key handler reads it.
LineSelection lineSelection(const MarkedText& at)
{
    LineSelection line;
    line.selStart = at.selection.start;
    line.selLength = qint32(at.selection.text.size());
    line.selected = at.selection.text;
    const qsizetype previousBreak =
        line.selStart == 0 ? -1 : at.text.lastIndexOf(kCrLf, line.selStart - 1);
    line.lineStart = previousBreak < 0 ? 0 : qint32(previousBreak + 2);
    const qsizetype nextBreak = at.text.indexOf(kCrLf, line.lineStart);
    line.line = at.text.mid(line.lineStart, nextBreak < 0 ? -1 : nextBreak - line.lineStart);
    return line;
}

struct Case
{
    const char* before;
    const char* after;
};

} // namespace

TEST(Indentation, EnterCarriesTheLinesIndentationOver)
{
    const Case cases[] = {
        {"    <p>|", "    <p>\r\n    |"},
        {"  |  <p>", "  \r\n  |  <p>"}, // no more blanks than the caret's column
        {"<ul>\r\n  <li>x|", "<ul>\r\n  <li>x\r\n  |"},
        {"\t<td>\tx|", "\t<td>\tx\r\n\t\t|"}, // a tab first: every tab of the line
        {"\t|<td>\tx", "\t\r\n\t\t|<td>\tx"},
        {"  \t<td>|", "  \t<td>\r\n  |"}, // blanks first: only the blanks
        {"<p>x|", "<p>x\r\n|"},
        {"    <p>[abc]</p>", "    <p>\r\n    |</p>"},
        {"      <ul>[\r\n<l]i>x", "      <ul>\r\n      |i>x"}, // from the line of its start
        {"  [  <p>a]bc", "  \r\n  |bc"},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(after(each.before,
                        [](const MarkedText& at) { return indentedLineBreak(lineSelection(at)); }),
                  marked(each.after))
            << each.before;
    }
}

TEST(Indentation, TabIndentsTheCaretOneLineOrEveryLineOfTheSelection)
{
    const Case cases[] = {
        {"a|b", "a    |b"},
        {"xx\r\nsay [hello] yy", "xx\r\nsay [    hello] yy"},
        {"l1\r\nli[ne2\r\nline3\r\nlin]e4\r\nl5",
         "l1\r\n[    line2\r\n    line3\r\n    lin]e4\r\nl5"},
        {"l[1\r\nl]ine2", "[    l1\r\n    l]ine2"},
        {"l1\r\n[line2\r\n]line3", "l1\r\n[    line2\r\n    ]line3"}, // the next line too
    };
    for (const Case& each : cases) {
        EXPECT_EQ(
            after(each.before,
                  [](const MarkedText& at) { return indentedSelection(lineSelection(at), 4); }),
            marked(each.after))
            << each.before;
    }
    EXPECT_EQ(after("l1\r\nli[ne2\r\nl]ine3",
                    [](const MarkedText& at) { return indentedSelection(lineSelection(at), 0); }),
              marked("(no edit)"))
        << "a tab width of 0 changes nothing";
}

TEST(Indentation, ShiftTabTakesOneBlankFromEachLineOrDeletesLikeBackspace)
{
    const Case cases[] = {
        {"<ul>\r\n    <l[i>a\r\n    <li>b\r\n\t<]li>c",
         "<ul>\r\n[   <li>a\r\n   <li>b\r\n\t<]li>c"},
        {"[<ul>\r\n\t<li>a]", "[<ul>\r\n\t<li>a]"}, // no blank, no tab taken
        {"x[ ab]c", "x[ab]c"},
        {"x[ a]bc", "(no edit)"}, // a one-line selection needs three characters
        {"x[abc]d", "(no edit)"},
        {"ab\r\n|  cd", "(no edit)"}, // at a line's start
    };
    for (const Case& each : cases) {
        EXPECT_EQ(
            after(each.before,
                  [](const MarkedText& at) { return unindentedSelection(lineSelection(at)).edit; }),
            marked(each.after))
            << each.before;
    }
    const auto backspace = [](const char* before) {
        return unindentedSelection(lineSelection(unmark(before))).backspace;
    };
    EXPECT_TRUE(backspace("ab\r\n  c|d"));
    EXPECT_TRUE(backspace("a|b"));
    EXPECT_FALSE(backspace("|ab"));
    EXPECT_FALSE(backspace("ab\r\n|cd"));
}

// ---- The keys in the editor -----------------------------------------------------------

using IndentationKeys = EditorWindowTest;

TEST_F(IndentationKeys, EnterUsesTheLogicalLineOfAWrappedLine)
{
    window->resize(450, 500);
    QApplication::processEvents();
    QString longLine = QStringLiteral("   <p>");
    for (int word = 0; word < 40; ++word)
        longLine += QStringLiteral("word") + QString::number(word) + QLatin1Char(' ');
    load(QStringLiteral("<div>\r\n") + longLine);
    const QTextBlock block = editor->document()->findBlockByNumber(1);
    editor->document()->documentLayout()->blockBoundingRect(block);
    ASSERT_GT(block.layout()->lineCount(), 2) << "the line must wrap for this test";

    // The start of the second screen line is in the middle of the logical line.
    const int secondScreenLine = block.layout()->lineAt(1).textStart();
    editor->setSelStart(7 + secondScreenLine);
    key(Qt::Key_Return);
    EXPECT_EQ(editor->Text(), QStringLiteral("<div>\r\n") + longLine.left(secondScreenLine) +
                                  QStringLiteral("\r\n   ") + longLine.mid(secondScreenLine));
}

TEST_F(IndentationKeys, ModifiersTypeAPlainBreakAndShiftTabDeletesInsideALine)
{
    Props.tablen = 4;
    load(QStringLiteral("    <p>"));
    editor->setSelStart(7);
    key(Qt::Key_Return, Qt::ShiftModifier);
    key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("    <p>\r\n\r\n"));
    EXPECT_EQ(editor->LineCount(), 3) << "line breaks of their own, not line separators";

    load(QStringLiteral("ab\r\n  cd"));
    editor->setSelStart(4);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    editor->setSelStart(7);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("ab\r\n  d"));
    EXPECT_EQ(editor->SelStart(), 6);

    // A Tab and four Shift+Tabs give the text back; a width of 0 marks nothing changed.
    const QString lines = QStringLiteral("l1\r\nline2\r\nline3");
    load(lines);
    editor->setSelection(5, 8);
    key(Qt::Key_Tab);
    for (int press = 0; press < 4; ++press)
        key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text(), lines);
    Props.tablen = 0;
    window->documents().resetToSingleFile(FilePath(), lines);
    key(Qt::Key_Tab);
    EXPECT_EQ(editor->Text(), lines);
    EXPECT_EQ(window->documents().EditorChanged(), 0);
}
