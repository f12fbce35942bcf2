// The text-functions menu: case over every byte in both language modes, one word per line,
// joining lines, the tag stripper, the list combination and the line-break counter.

#include "editor/textfunctions.h"

#include "platform/casefold.h"

#include "support/markedtext.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

const auto kJoin = [](const MarkedText& d) {
    return textFunctionEdit(TextFunction::JoinLines, d.selection);
};
const auto kWordPerLine = [](const MarkedText& d) {
    return textFunctionEdit(TextFunction::WordPerLine, d.selection);
};

// The stripper step by step, as the program first defined it: blank the first tag again
// and again, then remove the pairs of blanks. Slow, but plainly right.
QString stripTagsStepByStep(const QString& text)
{
    QString result = text;
    for (qsizetype open = result.indexOf(u'<'); open >= 0; open = result.indexOf(u'<')) {
        const qsizetype close = result.indexOf(u'>', open);
        if (close < 0)
            return text;
        result.replace(open, close - open + 1, QString(close - open + 1, u' '));
    }
    return result.replace(QStringLiteral("  "), QString());
}

} // namespace

TEST(TextFunctions, CaseFoldsEveryByteInPlace)
{
    QString all;
    for (int b = 0; b < 256; ++b)
        all.append(QChar(char16_t(b)));
    for (const bool russian : {false, true}) {
        CaseFold::setRussianPairs(russian);
        const TextEdit up = *textFunctionEdit(TextFunction::UpperCase, {0, all});
        const TextEdit down = *textFunctionEdit(TextFunction::LowerCase, {0, all});
        ASSERT_EQ(up.replacement.size(), 256);
        EXPECT_EQ(up.selLength, 256);
        for (int b = 0; b < 256; ++b) {
            const bool cyrillic = russian && (b >= 0xC0 || b == 0xA8 || b == 0xB8);
            const bool small = (b >= 'a' && b <= 'z') || (cyrillic && (b >= 0xE0 || b == 0xB8));
            const bool capital = (b >= 'A' && b <= 'Z') || (cyrillic && !small);
            const int pairDistance = (b == 0xA8 || b == 0xB8) ? 16 : 32;
            EXPECT_EQ(up.replacement[b].unicode(), small ? b - pairDistance : b) << b << russian;
            EXPECT_EQ(down.replacement[b].unicode(), capital ? b + pairDistance : b)
                << b << russian;
        }
    }
    CaseFold::setRussianPairs(false);
}

TEST(TextFunctions, WordsAndLines)
{
    EXPECT_EQ(after("x[one two\r\nthree  four]", kWordPerLine),
              marked("x[one\r\ntwo\r\nthree\r\n\r\nfour]"));
    EXPECT_EQ(after("x[one two\r\nthree  four]", kJoin), marked("x[one two three  four]"));
    EXPECT_EQ(after("ab|c", kJoin), marked("(no edit)"));
}

TEST(TextFunctions, StripperBlanksTagsAndRemovesPairsOfBlanks)
{
    const char* const cases[][2] = {
        {"A<b>B</b>C", "A BC"}, {"a<i> b", "ab"},     {"<a<b>c", " c"},   {"a   b", "a b"},
        {"a<b", "a<b"},         {"<p>a<b", "<p>a<b"}, {"a>b<c>", "a>b "}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stripTags(marked(c[0])), marked(c[1])) << c[0];

    // Random texts of tags, blanks and letters: the one pass gives what the steps give.
    QRandomGenerator random(12);
    const QString alphabet = QStringLiteral("<<>>  ab");
    for (int round = 0; round < 2000; ++round) {
        QString text;
        for (int i = random.bounded(30); i > 0; --i)
            text.append(alphabet[random.bounded(alphabet.size())]);
        ASSERT_EQ(stripTags(text), stripTagsStepByStep(text)) << text.toStdString();
    }
}

TEST(TextFunctions, ListCombinationAndLineBreakCount)
{
    const auto combine = [](std::optional<QString> clipboard) {
        return [clipboard](const MarkedText& d) { return combineLists(d.selection, clipboard); };
    };
    EXPECT_EQ(after("[a1\r\na2\r\na3]", combine(QStringLiteral("b1\r\nb2"))),
              marked("[a1 b1\r\na2 b2\r\na3]"));
    EXPECT_EQ(after("x[a1\r\na2]", combine(QStringLiteral("b1\r\nb2\r\nb3"))),
              marked("x[a1 b1\r\na2 b2]"));
    EXPECT_EQ(after("[a1]", combine(QStringLiteral("b1\r\nb2"))), marked("(no edit)"));
    EXPECT_EQ(after("[a1\r\na2]", combine(QStringLiteral("b1"))), marked("(no edit)"));
    EXPECT_EQ(after("[a1\r\na2]", combine(std::nullopt)), marked("(no edit)"));
}
