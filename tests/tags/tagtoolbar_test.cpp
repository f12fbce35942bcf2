// The tag toolbar's logic: the button under the mouse, hints, what each button does, the
// text it writes over the selection, and the TABLE of the table picker's answer.

#include "tags/tablemarkup.h"
#include "tags/tagtoolbar.h"

#include "conversions/bytes.h"
#include "core/progprops.h"
#include "menus/menucaption.h"

#include <gtest/gtest.h>

namespace {

const QString kNoBreak = QStringLiteral("\xC2\xA0");

QString crlfLines(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text;
}

} // namespace

TEST(TagToolbar, AClickActsOnlyOnAButtonOfTheBar)
{
    EXPECT_EQ(toolbarButtonAt(-1), -1);
    EXPECT_EQ(toolbarButtonAt(23), 0);
    EXPECT_EQ(toolbarButtonAt(24), 1);
    EXPECT_EQ(toolbarButtonAt(648), 27);
    const QSize bar(700, 26);
    const std::pair<QPoint, int> releases[] = {
        {{0, 0}, 0},    {{647, 25}, 26}, {{648, 5}, -1}, {{10, -1}, -1}, // above the bar
        {{10, 26}, -1}, {{-1, 5}, -1},   {{700, 5}, -1},
    };
    for (const auto& [point, button] : releases)
        EXPECT_EQ(clickedToolbarButton(point, bar), button) << point.x() << "," << point.y();
    EXPECT_EQ(clickedToolbarButton({310, 5}, QSize(300, 26)), -1);
}

TEST(TagToolbar, Hints)
{
    const std::pair<int, const char*> latin[] = {
        {-1, "   "},     {0, "   Bold (Alt+B)"}, {5, "   Non Breaking Space (Strg+Y)"},
        {17, "   LIst"}, {20, "   Green"},       {23, "   Special Character"},
        {27, "   "},
    };
    for (const auto& [button, hint] : latin)
        EXPECT_EQ(toolbarHintText(button), QString::fromLatin1(hint)) << button;
    // "brauzerSi naxva" in the 8-bit layout.
    EXPECT_EQ(toolbarHintText(26), byteText({' ', ' ', ' ', 0xC1, 0xD2, 0xC0, 0xD6, 0xC6, 0xC4,
                                             0xD2, 0xDB, 0xC9, ' ', 0xCD, 0xC0, 0xE1, 0xC5, 0xC0}));
    // 21 decodes the selection from UTF-8, 22 encodes it: each hint says so.
    const QString marked = QStringLiteral("   ") + eightBitGeorgian("markirebuli teqstis ");
    EXPECT_EQ(toolbarHintText(21), marked + eightBitGeorgian("normaluri kodireba"));
    EXPECT_EQ(toolbarHintText(22),
              marked + QStringLiteral("UTF-8") + eightBitGeorgian(" kodireba"));
}

TEST(TagToolbar, WhatEachButtonDoes)
{
    // One letter per code: I writes text, M menu, C colour, T table and S character picker,
    // D decodes, E encodes, V decoded view, B browser.
    const char* letters = "IIIMCIIIMMMIITIIIMMIIDESVMB";
    QString actions, menus;
    for (int code = 0; code < kToolbarButtons; ++code) {
        const ToolbarButton button = toolbarButton(code);
        actions += QLatin1Char("IMCTSDEVB"[int(button.action)]);
        if (button.menu)
            menus += QStringLiteral("%1:%2-%3 ")
                         .arg(code)
                         .arg(QLatin1String(button.menu))
                         .arg(button.menuShift);
        // Exactly the text-writing buttons give an edit.
        EXPECT_EQ(toolbarTextEdit(code, QString(), 0, ProgProps{}).has_value(),
                  letters[code] == 'I');
    }
    EXPECT_EQ(actions, QString::fromLatin1(letters));
    EXPECT_EQ(menus, QStringLiteral("3:mnuFonti-0 8:mnuHtags-20 9:mnusurs-0 10:mnulinks-0 "
                                    "17:mnusiebi-0 18:mnuFK-0 25:mnuobSi-0 "));
    EXPECT_EQ(toolbarButton(-1).action, ToolbarAction::Nothing);
    EXPECT_EQ(toolbarButton(27).action, ToolbarAction::Nothing);
    EXPECT_FALSE(toolbarTextEdit(27, QString(), 0, ProgProps{}));
    EXPECT_EQ(toolbarButtonBottomLeft(3, 26), QPoint(72, 26));
}

TEST(TagToolbar, TextOverTheSelection)
{
    ProgProps props;
    props.firstcolor = 0xFF0000; // packed with red in the low byte: blue
    props.lastcolor = 0x008000;
    const auto edit = [&](int code, const char* selected, qint32 start) {
        return *toolbarTextEdit(code, QString::fromLatin1(selected), start, props);
    };
    const auto expected = [](qint32 start, qint32 length, const char* text, qint32 selStart,
                             qint32 selLength) {
        return TextEdit{start, length, QString::fromLatin1(text), selStart, selLength};
    };
    EXPECT_EQ(edit(0, "word", 5), expected(5, 4, "<B>word</B>", 8, 4));
    EXPECT_EQ(edit(0, "", 5), expected(5, 0, "<B></B>", 8, 0));
    EXPECT_EQ(edit(15, "a\r\nb", 3), expected(3, 4, "<BLOCKQUOTE>a\r\nb</BLOCKQUOTE>", 15, 4));
    EXPECT_EQ(edit(12, "x", 0), expected(0, 1, "<!-- x -->", 5, 1));
    EXPECT_EQ(edit(6, "word", 2), expected(2, 4, "word<BR>", 10, 0));
    EXPECT_EQ(edit(11, "sel", 1), expected(1, 3, "<HR>", 5, 0));
    EXPECT_EQ(edit(19, "x", 0), expected(0, 1, "<FONT COLOR=\"#0000FF\">x</FONT>", 22, 1));
    EXPECT_EQ(edit(20, "", 0), expected(0, 0, "<FONT COLOR=\"#008000\"></FONT>", 22, 0));
    EXPECT_EQ(edit(5, "ab", 1), TextEdit({1, 2, byteText({0xC2, 0xA0}), 3, 0}));
    props.norNB = kOn;
    EXPECT_EQ(edit(5, "ab", 1), expected(1, 2, "&nbsp;", 7, 0));
}

TEST(TagToolbar, PickerAnswers)
{
    const QString word = QStringLiteral("word");
    const auto answer = [&](int code, const char* text) {
        return pickerAnswerEdit(code, QString::fromLatin1(text), word, 10, ProgProps{});
    };
    const auto typed = [](const QString& text) { return TextEdit::typing(10, 4, text); };
    EXPECT_FALSE(answer(4, ""));
    for (const char* form : {"BGCOLOR=\"#FF0000\"", "COLOR=\"#FF0000\"", "#FF0000"})
        EXPECT_EQ(answer(4, form), typed(QString::fromLatin1(form)));
    EXPECT_EQ(answer(4, "<FONT COLOR=\"#FF0000\">$</FONT>"),
              TextEdit({10, 4, QStringLiteral("<FONT COLOR=\"#FF0000\">word</FONT>"), 32, 4}));
    EXPECT_EQ(answer(13, "1|0|2"), typed(tabelisteqsti(QStringLiteral("1|0|2"), kNoBreak)));
    EXPECT_FALSE(answer(13, "1|0")) << "a malformed answer deletes nothing";
    EXPECT_EQ(answer(23, "&amp;"), typed(QStringLiteral("&amp;")));
    EXPECT_FALSE(answer(23, ""));
    EXPECT_FALSE(answer(0, "x"));
}

TEST(TableMarkup, ThreeStylesAndTheCellWidths)
{
    const QString cell50 = QStringLiteral("<TD WIDTH=\"50%\">\xC2\xA0</TD>\r\n");
    EXPECT_EQ(tabelisteqsti(QStringLiteral("1|0|2"), kNoBreak),
              crlfLines({"<TABLE WIDTH=\"100%\">", "<TR>"}) + cell50 + cell50 +
                  crlfLines({"</TR>", "</TABLE>"}));
    const QString cell33 = QStringLiteral("<TD WIDTH=\"33%\">\xC2\xA0</TD>\r\n");
    const QString row33 =
        QStringLiteral("<TR>\r\n") + cell33 + cell33 + cell33 + QStringLiteral("</TR>\r\n");
    EXPECT_EQ(tabelisteqsti(QStringLiteral("2|1|0"), kNoBreak),
              crlfLines({"<TABLE BORDER=\"1\" WIDTH=\"100%\">"}) + row33 + row33 +
                  crlfLines({"</TABLE>"}));
    const QString style1 = tabelisteqsti(QStringLiteral("6|0|1"), kNoBreak);
    EXPECT_TRUE(style1.startsWith(crlfLines(
        {"<TABLE BORDER=\"1\" CELLSPACING=\"0\" BORDERCOLOR=\"#000000\" WIDTH=\"100%\">"})));
    EXPECT_EQ(style1.count(QStringLiteral("<TD WIDTH=\"14%\">\xC2\xA0</TD>")), 7);

    // Halves to even, blanks around numbers and parts after the third do not matter.
    for (const char* same : {"1.5|1|0", "2.5|1|0", " 2|1 |0", "2|1|0|x"})
        EXPECT_EQ(tabelisteqsti(QString::fromLatin1(same), kNoBreak),
                  tabelisteqsti(QStringLiteral("2|1|0"), kNoBreak))
            << same;
    for (const char* malformed : {"", "1|2", "1|2|", "a|1|2", "1|b|2", "1|1|c", "-1|0|2", "0|-1|2",
                                  "0|0|256", "0|0|-1", "40000|0|0"})
        EXPECT_EQ(tabelisteqsti(QString::fromLatin1(malformed), kNoBreak), QString()) << malformed;
}
