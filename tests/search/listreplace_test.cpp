// List replace: what the numbered strings do to the selected lines, and the list of lines.

#include "search/listreplace.h"

#include <gtest/gtest.h>

namespace {

QString Q(const char* latin)
{
    return QString::fromLatin1(latin);
}

QStringList L(std::initializer_list<const char*> strings)
{
    QStringList list;
    for (const char* s : strings)
        list << Q(s);
    return list;
}

} // namespace

TEST(ListReplace, EachStringReplacesTheFirstOccurrenceLeftInEveryLine)
{
    struct Case
    {
        const char* text;
        const char* search;
        QStringList strings;
        const char* expected;
    };
    const Case cases[] = {
        {"X-X-X-X", "X", L({"1", "2", "3"}), "1-2-3-X"},
        {"X X\r\nX", "X", L({"1", "2"}), "1 2\r\n1"}, // counting starts again on every line
        {"X", "X", L({"aX", "b"}), "ab"},             // a string holding the search text
        {"abb", "ab", L({"a", "Z"}), "Z"},            // an occurrence the first string made
        {"aaaaccb", "ac", L({"a", "cc", "", "ccbc"}), "accbcb"}, // ... reaching back
        {"X X", "X", L({"a\r\nX", "b"}), "a\r\nb X"}, // a line break in a string adds no line
        {"X-X\r\n\r\nX", "X", L({"1"}), "1-X\r\n\r\n1"},
        {"X-X", "", L({"1"}), "X-X"},  // no search text: unchanged
        {"x-X", "X", L({"1"}), "x-1"}, // exact comparison
    };
    for (const Case& c : cases)
        EXPECT_EQ(listReplace(Q(c.text), Q(c.search), c.strings), Q(c.expected)) << c.text;
    EXPECT_FALSE(listReplaceEdit(QString(), 4, Q("X"), L({"1"})));
    EXPECT_FALSE(listReplaceEdit(Q("X X"), 4, Q("Y"), L({"1"}))) << "nothing changes";
    EXPECT_EQ(listReplaceEdit(Q("X X"), 4, Q("X"), L({"one"})), (TextEdit{4, 3, Q("one X"), 4, 5}));
}

TEST(ListReplace, OnlyTheListedLinesTakePartAndDeleteRenumbers)
{
    ReplaceLines lines;
    EXPECT_EQ(lines.strings(), QStringList{QString()});
    while (lines.addLine())
        ;
    EXPECT_EQ(lines.count(), 51) << "no 52nd line";

    lines.clear();
    EXPECT_EQ(listReplace(Q("X-X"), Q("X"), lines.strings()), Q("X-X")) << "after Clear";
    for (const char* s : {"a", "b", "c", "d"}) {
        lines.addLine();
        lines.setString(lines.count() - 1, Q(s));
    }
    lines.select(1);
    lines.deleteSelected();
    EXPECT_EQ(lines.strings(), L({"a", "c", "d"})) << "numbers 1 to 3";
    EXPECT_EQ(lines.selected(), 1);
    lines.select(2);
    lines.deleteSelected();
    EXPECT_EQ(lines.selected(), 1) << "the last line went: the one before is selected";
    lines.appendLineBreak();
    EXPECT_EQ(lines.strings(), L({"a", "c\r\n"}));
    lines.clear();
    lines.addLine();
    lines.deleteSelected(); // no line selected: Delete clears
    EXPECT_EQ(lines.count(), 0);
}
