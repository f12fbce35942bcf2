// Text distribution: the answers' ranges, a few distributions worked through by hand, and
// the properties that must hold for any text: no character but blanks and dividing hyphens
// changes, paragraphs keep their starts, no empty lines, lines no longer than the width
// allows.

#include "editor/textblock.h"

#include "conversions/bytes.h"

#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Empty when the distributed text keeps the original's characters, blanks and line breaks
// aside, in their order, with "-" added only at the end of a line; else what went wrong.
// An added hyphen next to one of the text's own makes the match ambiguous, so every way of
// matching is followed: the set holds how much of the original each way has matched.
std::string characterOrderError(const QString& original, const QString& distributed)
{
    const auto isSpace = [](QChar c) { return c == u' ' || c == u'\r' || c == u'\n'; };
    QString kept;
    for (const QChar c : original)
        if (!isSpace(c))
            kept.append(c);
    QSet<qsizetype> matched{0};
    for (qsizetype i = 0; i < distributed.size(); ++i) {
        const QChar c = distributed[i];
        if (isSpace(c))
            continue;
        const bool addedHyphen =
            c == u'-' && (i + 1 == distributed.size() || distributed[i + 1] == u'\r');
        QSet<qsizetype> next;
        for (const qsizetype k : matched) {
            if (k < kept.size() && kept[k] == c)
                next.insert(k + 1);
            if (addedHyphen)
                next.insert(k);
        }
        if (next.isEmpty())
            return "unexpected '" + QString(c).toStdString() + "' at " + std::to_string(i);
        matched = next;
    }
    return matched.contains(kept.size()) ? std::string() : "characters lost";
}

void expectDistributionProperties(const QString& text, qint32 width, qint32 indent)
{
    const QString result = TXTBlok(text, width, indent);
    SCOPED_TRACE("width " + std::to_string(width) + ", indent " + std::to_string(indent));
    EXPECT_EQ(characterOrderError(text, result), "");
    const QString indentText(indent, u' ');
    const QStringList textLines = text.split(QLatin1String("\r\n"));
    const QStringList resultLines = result.split(QLatin1String("\r\n"));
    const auto startsParagraph = [&](const QString& line) {
        return line.startsWith(indentText) && !line.trimmed().isEmpty();
    };
    EXPECT_EQ(std::count_if(resultLines.begin(), resultLines.end(), startsParagraph),
              std::count_if(textLines.begin(), textLines.end(), startsParagraph));
    for (const QString& line : resultLines) {
        EXPECT_FALSE(line.trimmed().isEmpty()) << "an empty line";
        // Longer only when it is one word that does not fit, alone or after the indent.
        EXPECT_TRUE(line.size() <= width + 2 || !line.trimmed().contains(u' '))
            << line.toStdString();
    }
}

// Paragraphs of random words, indented, each one long line or broken at random widths.
QString randomText(QRandomGenerator& random, qint32 indent)
{
    const QString letters = QStringLiteral("abcdefghij,.:;?!\"'()-\xE0\xC1");
    QStringList paragraphs;
    for (int p = random.bounded(1, 6); p > 0; --p) {
        QString paragraph(indent, u' ');
        for (int w = random.bounded(1, 60); w > 0; --w) {
            const int length =
                random.bounded(100) < 3 ? random.bounded(20, 40) : random.bounded(1, 12);
            for (int i = 0; i < length; ++i)
                paragraph.append(letters[random.bounded(letters.size())]);
            paragraph.append(random.bounded(10) == 0 ? QLatin1String("  ") : QLatin1String(" "));
        }
        if (random.bounded(2) == 0) { // hard-wrapped at some width
            const int wrap = random.bounded(15, 90);
            for (qsizetype at = paragraph.indexOf(u' ', wrap); at > 0 && at + 1 < paragraph.size();
                 at = paragraph.indexOf(u' ', at + wrap))
                paragraph.replace(at, 1, QLatin1String("\r\n"));
        }
        paragraphs << paragraph.trimmed().prepend(QString(indent, u' '));
    }
    return paragraphs.join(QLatin1String("\r\n"));
}

} // namespace

TEST(TextBlock, AnswersOutsideTheirRangesLeaveTheTextAlone)
{
    EXPECT_EQ(lineWidthAnswer(QStringLiteral("68")), 68);
    EXPECT_EQ(lineWidthAnswer(QStringLiteral("300")), 300);
    for (const char* answer : {"9", "301", "5", "400", "-1", "70000", "abc"})
        EXPECT_FALSE(lineWidthAnswer(QString::fromLatin1(answer))) << answer;
    EXPECT_EQ(indentAnswer(QStringLiteral("20")), 20);
    for (const char* answer : {"2", "21", "-1", "259", "70000"})
        EXPECT_FALSE(indentAnswer(QString::fromLatin1(answer))) << answer;

    const QString text = QStringLiteral("a rather long line of words that does not fit anywhere");
    for (const auto& [width, indent] : {std::pair{5, 3}, {400, 3}, {68, 2}, {68, 21}})
        EXPECT_EQ(TXTBlok(text, width, indent), text);
}

TEST(TextBlock, DistributesWorkedExamples)
{
    // Filled to the width: a single letter left over moves up rather than be divided.
    EXPECT_EQ(TXTBlok(QStringLiteral("aaa bbb ccc ddd eee"), 10, 3),
              QStringLiteral("aaa bbb ccc\r\nddd eee"));
    // A divided word gets a hyphen, even where that makes the line one longer.
    EXPECT_EQ(TXTBlok(QStringLiteral("ab cd efghij\r\nklm"), 10, 3),
              QStringLiteral("ab cd efgh-\r\nij klm"));
    // A line that cannot take the next word is justified by doubling its first blanks.
    EXPECT_EQ(TXTBlok(QStringLiteral("aaaa bb c\r\ndddd"), 10, 3),
              QStringLiteral("aaaa  bb c\r\ndddd"));
    // Each paragraph starts a line, even when it would fit after the line before.
    EXPECT_EQ(TXTBlok(QStringLiteral("   one two three four five six\r\n   seven"), 20, 3),
              QStringLiteral("   one two three four\r\nfive six\r\n   seven"));
}

TEST(TextBlock, KeepsEveryCharacterInOrder)
{
    QRandomGenerator random(68);
    for (int round = 0; round < 300; ++round) {
        const qint32 indent = random.bounded(3, 6);
        const QString text = randomText(random, indent);
        for (const qint32 width : {10, 23, 68})
            expectDistributionProperties(text, width, indent);
        if (HasFailure())
            FAIL() << hexOf(text);
    }
}

TEST(TextBlock, LongLinesAndWordsLongerThanTheWidth)
{
    QString longLine;
    for (int i = 0; longLine.size() < 10000; ++i)
        longLine.append(QString(1 + i % 9, QChar(u'a' + i % 26))).append(u' ');
    expectDistributionProperties(longLine, 10, 3);
    expectDistributionProperties(longLine, 68, 3);

    const QString word(30, u'w');
    const QString text = QStringLiteral("short words then ") + word + QStringLiteral(" and more");
    expectDistributionProperties(text, 10, 3);
    EXPECT_TRUE(TXTBlok(text, 10, 3).split(QLatin1String("\r\n")).contains(word));
}
