// The edit menu's text commands: Paste, delete all occurrences, split lines into groups, and
// the reading of numbers typed into the input box.

#include "editor/answers.h"
#include "editor/editcommands.h"

#include "support/markedtext.h"

#include <gtest/gtest.h>

TEST(EditCommands, PasteInsertsTheClipboardTextOrNothing)
{
    const auto paste = [](std::optional<QString> clipboard) {
        return [clipboard](const MarkedText& d) { return pasteEdit(d.selection, clipboard); };
    };
    const std::optional<QString> xy = QStringLiteral("XY");
    EXPECT_EQ(after("|abc", paste(xy)), marked("XY|abc"));
    EXPECT_EQ(after("a|bc", paste(xy)), marked("aXY|bc"));
    EXPECT_EQ(after("abc|", paste(xy)), marked("abcXY|"));
    EXPECT_EQ(after("a[b]c", paste(xy)), marked("aXY|c"));
    // Only a picture or files on the clipboard: the selection must not be deleted.
    EXPECT_EQ(after("a[b]c", paste(std::nullopt)), marked("(no edit)"));
    EXPECT_EQ(after("a[b]c", paste(QString())), marked("(no edit)"));
}

TEST(EditCommands, DeleteAllOccurrencesExactlyAndWithoutOverlaps)
{
    const auto deleteAll = [](const MarkedText& d) {
        return deleteAllOccurrences(d.text, d.selection);
    };
    EXPECT_EQ(after("B[a]nana", deleteAll), marked("B|nn"));
    EXPECT_EQ(after("[a]AaA", deleteAll), marked("|AA"));
    EXPECT_EQ(after("[aa]aaa", deleteAll), marked("|a"));
    EXPECT_EQ(after("abxx[ab]", deleteAll), marked("xx|")); // the caret within the shorter text
    EXPECT_EQ(after("a|bc", deleteAll), marked("(no edit)"));
}

TEST(EditCommands, SplitLinesIntoGroups)
{
    const auto split = [](qint16 size, const char* separator) {
        return [=](const MarkedText& d) {
            const LineGroups groups = splitLinesIntoGroups(d.selection, size, marked(separator));
            return groups.tooFewLines ? std::nullopt : std::optional(groups.edit);
        };
    };
    EXPECT_EQ(after("x[1\r\n2\r\n3\r\n4\r\n5\r\n6]", split(3, "-")),
              marked("x[1\r\n2\r\n3\r\n-\r\n4\r\n5\r\n6\r\n-]"));
    EXPECT_EQ(after("[1\r\n2\r\n3\r\n]", split(3, "--")), marked("[1\r\n2\r\n3\r\n--\r\n]"));
    EXPECT_EQ(after("[1\r\n2\r\n3]", split(3, "-")), marked("(no edit)")); // too few lines
    EXPECT_EQ(after("[1\r\n2]", split(-2, "-")), marked("[1\r\n2]"));      // nothing put in
}

TEST(EditCommands, NumbersTypedIntoTheInputBox)
{
    const struct
    {
        const char* answer;
        std::optional<qint16> groupSize;
        std::optional<quint8> byte;
    } cases[] = {
        {"3", 3, 3},       {"  12 lines", 12, 12}, {"2.5", 2, 2},
        {"3.5", 4, 4},     {"-1", -1, {}},         {"256", 256, {}},
        {"70000", {}, {}}, {"-32769", {}, {}},     {"99999999999999999999", {}, {}},
        {"0", {}, 0},      {"abc", {}, 0}, // a group size of 0 ends the command
    };
    for (const auto& c : cases) {
        EXPECT_EQ(groupSizeAnswer(marked(c.answer)), c.groupSize) << c.answer;
        EXPECT_EQ(byteAnswer(marked(c.answer)), c.byte) << c.answer;
    }
}
