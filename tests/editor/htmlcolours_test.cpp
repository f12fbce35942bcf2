// The colour pass against exact strings and against the program's definition of the
// colouring: six replace-all steps that put colour marks into the text, in order.

#include "editor/htmlcolours.h"

#include "conversions/bytes.h"

#include <QSet>

#include <gtest/gtest.h>

#include <random>

namespace {

// One letter per character: P plain, B blue, R red, G green. Checks on the way that the
// runs cover the text in order and that neighbours differ in colour.
std::string colourLetters(const QString& text)
{
    const QList<HtmlColourRun> runs = htmlColourRuns(text);
    std::string letters;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        EXPECT_TRUE(runs[i].start == qint32(letters.size()) && runs[i].length > 0 &&
                    (i == 0 || runs[i].colour != runs[i - 1].colour));
        letters.append(size_t(runs[i].length), "PBRG"[int(runs[i].colour)]);
    }
    EXPECT_EQ(letters.size(), size_t(text.size()));
    return letters;
}

// The definition: marks (characters no byte text holds) inserted by the six steps; each
// character then has the colour of the last mark before it.
std::string replacementColours(QString text)
{
    const QString plain(QChar(0xE000)), blue(QChar(0xE001)), red(QChar(0xE002)),
        green(QChar(0xE003));
    for (const QString& attribute : colouredAttributes())
        text.replace(attribute, red + attribute + plain);
    text.replace(QStringLiteral("<"), blue + QStringLiteral("<"));
    text.replace(QStringLiteral(">"), blue + QStringLiteral(">") + plain);
    text.replace(QStringLiteral("<--"), green + QStringLiteral("<--"));
    text.replace(QStringLiteral("<!--"), green + QStringLiteral("<!--"));
    std::string letters;
    char colour = 'P';
    for (const QChar c : text) {
        if (c.unicode() >= 0xE000)
            colour = "PBRG"[c.unicode() - 0xE000];
        else
            letters += colour;
    }
    return letters;
}

struct ColourCase
{
    const char* text;
    const char* colours;
};

} // namespace

TEST(HtmlColours, ExactStrings)
{
    const ColourCase cases[] = {
        {"", ""},
        {"text<B>x</B>", "PPPPBBBPBBBB"},
        {"<A HREF=\"x\">", "BBRRRRRRPPPB"},
        {"<a Href=x Width=5>", "BBBBBBBBBBBBBBBBBB"}, // mixed case is not listed
        {"<!-- x -->y", "GGGGGGGGGBP"},
        {"<!-- a NAME=b -->", "GGGGGGRRRRRRPPPPB"},
        {"<-- x", "GGGGG"},
        {"<!DOCTYPE>", "BBBBBBBBBB"},
        {"<<--", "BGGG"},
        {"<TD\r\n WIDTH=1>z", "BBBBBRRRRRRRPBP"}, // colours run on across the line break
        {"<A NAME= HREF==x>", "BBRRRRRRRRRRRRPPB"},
        {"<A NAME=HREF=x>", "BBRRRRRRPPPPPPB"}, // no blank, no attribute
        {"<A\tHREF=x WIDTH =1 WIDTH>", "BBBBBBBBBBBBBBBBBBBBBBBBB"},
        {"<X TEXTAREA=1 TEXT=2>", "BBRRRRRRRRRRPRRRRRRPB"},
        {" BGPROPERTIES= onclick= ONCLICK=", "RRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR"},
    };
    for (const ColourCase& c : cases)
        EXPECT_EQ(colourLetters(QString::fromLatin1(c.text)), c.colours) << c.text;

    // A no-break space (byte A0) is not the blank before an attribute.
    EXPECT_EQ(colourLetters(byteText({'<', 'a', 0xA0, 'h', 'r', 'e', 'f', '=', 'x'})), "BBBBBBBBB");
}

TEST(HtmlColours, OnePassGivesWhatTheReplacementStepsGive)
{
    const QStringList& attributes = colouredAttributes();
    ASSERT_EQ(QSet<QString>(attributes.begin(), attributes.end()).size(), 72);
    QStringList pieces = {QString(QChar(0xA0))};
    for (const char* piece :
         {"<",    ">",  "<!--", "<--",   "-->",   "-",     "!",    " ",    " ",  "=",
          "\r\n", "\t", "a",    "WIDTH", "width", "Width", "TEXT", "AREA", "\"", "<!"})
        pieces << QString::fromLatin1(piece);
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int count = int(random() % 40);
        for (int i = 0; i < count; ++i)
            text += random() % 4 == 0 ? attributes[random() % attributes.size()]
                                      : pieces[random() % pieces.size()];
        ASSERT_EQ(colourLetters(text), replacementColours(text)) << hexOf(text);
    }
}
