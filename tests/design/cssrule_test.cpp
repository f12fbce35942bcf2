#include "design/cssdialogrules.h"
#include "design/cssinsertion.h"
#include "design/cssrule.h"

#include "design/designtext.h"

#include <gtest/gtest.h>

namespace {

QString applied(const QString& text, const TextEdit& edit)
{
    return text.left(edit.start) + edit.replacement + text.mid(edit.start + edit.length);
}

} // namespace

TEST(CssRule, OrdinaryRulesTakeTheChoicesInTheirOrderAndLoseTheLastSeparator)
{
    const std::pair<CssChoices, const char*> rows[] = {
        {{}, ".x  {  }"},
        {{.font = s("Sylfaen"), .style = FontStyle::BoldItalic, .size = s("13pt")},
         ".x  { font-family: Sylfaen; font-style: italic; font-weight: bold; font-size: 13pt }"},
        {{.font = {}, .style = FontStyle::Italic, .size = s("Default")},
         ".x  { font-style: italic }"},
        {{.effects = {true, true, true, true, true, true, true, true}},
         ".x  { text-decoration: underline; text-decoration: line-through; text-decoration: "
         "overline; text-decoration: blink; font-variant: small-caps; text-transform: uppercase; "
         "text-transform: capitalize; visibility: hidden }"},
        {{.textColour = 0x00FF00, .backColour = 0x123456},
         ".x  { color: #00FF00; background-color: #563412 }"},
        {{.letterSpacing = s("3"),
          .letterSpacingSign = NumberSign::Negative,
          .alignment = s("4"),
          .alignmentSign = NumberSign::Negative},
         ".x  { letter-spacing: -3pt; vertical-align: -4 }"},
        {{.letterSpacing = s("-3"),
          .letterSpacingSign = NumberSign::Positive,
          .alignment = s("-2x")},
         ".x  { letter-spacing: 3pt; vertical-align: -2x }"},
        {{.positioning = Positioning::Absolute, .place = {s("10"), {}, s("200"), {}}},
         ".x  { position: absolute; left: 10; width: 200 }"},
        {{.place = {s("10"), s("1"), {}, {}}, .borderWidth = s("3")}, ".x  {  }"},
        {{.border = true,
          .borderWidth = s("2"),
          .borderColour = 0x0000FF,
          .padding = {s("4"), s("4"), s("4"), s("4")}},
         ".x  { border: 2  #FF0000; padding: 4 }"},
        {{.border = true,
          .borderWidth = s("2"),
          .borderStyle = 7,
          .padding = {s("4"), s("4"), s("4"), {}}},
         ".x  { border: 2 outset; padding-top: 4; padding-bottom: 4; padding-left: 4 }"},
        {{.positioning = Positioning::Relative,
          .border = true,
          .borderWidth = s("1"),
          .padding = {QString(), QString(), QString(), s("5")}},
         ".x  { position: relative; border: 1 ; padding-right: 5 }"},
    };
    for (auto [choices, line] : rows) {
        choices.name = s("x");
        const StyleRule rule = kreatestil(choices);
        EXPECT_EQ(rule.ruleLine, s(line));
        EXPECT_EQ(rule.StyleText, s("<STYLE>\r\n<!--\r\n") + s(line) + s("\r\n-->\r\n</STYLE>"));
    }

    const char* const styles[] = {"solid",  "dotted", "dashed", "double",
                                  "groove", "ridge",  "inset",  "outset"};
    CssChoices border{.border = true};
    const BorderTick tick = tickBorder(border.borderWidth, border.borderStyle);
    for (int i = 0; i < 8; ++i) {
        border.borderWidth = tick.width;
        border.borderStyle = tick.style + i;
        EXPECT_EQ(CarCo(border), s("border: 1 ") + s(styles[i]) + s("; "));
    }
}

TEST(CssRule, RolloverRulesStyleHoveredLinks)
{
    CssChoices choices{.rollover = true, .name = s("ignored")};
    EXPECT_EQ(kreatestil(choices).StyleText, s("<STYLE fprolloverstyle> A:hover {  }\r\n</STYLE>"));
    choices.textColour = 0xFF0000;
    EXPECT_EQ(kreatestil(choices).StyleText,
              s("<STYLE fprolloverstyle> A:hover { color: #0000FF }\r\n</STYLE>"));
    choices.effects[CssChoices::Underline] = true;
    choices.size = s("2mm");
    EXPECT_EQ(kreatestil(choices).StyleText,
              s("<STYLE fprolloverstyle> A:hover { font-size: 2mm; text-decoration: underline; "
                "color: #0000FF }\r\n</STYLE>"));
}

TEST(CssInsertion, GoesIntoTheBlockBeforeTheHeadOrAtTheSelection)
{
    const StyleRule rule = kreatestil({.name = s("b")});
    const char* block = "<STYLE>\r\n<!--\r\n.b  {  }\r\n-->\r\n</STYLE>\r\n";
    const std::pair<const char*, QString> rows[] = {
        // The block's last rule line is followed by the new one; the CR LF stays whole.
        {"<head>\r\n<style>\r\n<!--\r\n.a  { x }\r\n-->\r\n</style>\r\n</head>",
         s("<head>\r\n<style>\r\n<!--\r\n.a  { x }\r\n.b  {  }\r\n-->\r\n</style>\r\n</head>")},
        {"<STYLE><!-- .a { } -->\r\n</STYLE>",
         s("<STYLE><!-- .a { } \r\n.b  {  }\r\n-->\r\n</STYLE>")},
        {"-->\r\n</STYLE><STYLE>", s("\r\n.b  {  }\r\n-->\r\n</STYLE><STYLE>")},
        {"<HEAD><STYLE>\r\np { }\r\n</STYLE></HEAD>",
         s("<HEAD><STYLE>\r\np { }\r\n.b  {  }\r\n</STYLE></HEAD>")},
        {"</STYLE>x<Style>y</hEaD>", s("</STYLE>x<Style>y") + s(block) + s("</hEaD>")},
        {"<html><head></head>", s("<html><head>") + s(block) + s("</head>")},
        {"<HTML><HEAD></HEAD>", s("<HTML><HEAD>") + s(block) + s("</HEAD>")},
    };
    for (const auto& [text, expected] : rows) {
        const TextEdit edit = insertStyleRule(rule, s(text), 0, 0);
        EXPECT_EQ(applied(s(text), edit), expected) << text;
        EXPECT_EQ(edit.selStart, edit.start + edit.replacement.size());
    }
    EXPECT_EQ(insertStyleRule(rule, s("abc def"), 4, 3), TextEdit::typing(4, 3, rule.StyleText));
    const StyleRule hover = kreatestil({.rollover = true});
    EXPECT_EQ(insertStyleRule(hover, s(rows[0].first), 7, 0),
              TextEdit::typing(7, 0, hover.StyleText));
}

TEST(CssDialogRules, KeysLimitsListsAndFonts)
{
    for (int key = 0; key < 256; ++key) {
        const bool passes = key == 8 || key == '-' || (key >= '0' && key <= '9');
        EXPECT_EQ(onliNumer(key), passes ? key : 0) << key;
    }
    const std::pair<const char*, std::optional<QString>> alignments[] = {
        {"25", s("10")}, {"-11", s("-10")}, {"10", {}}, {"-10", {}}, {"abc", {}}};
    for (const auto& [typed, limited] : alignments)
        EXPECT_EQ(limitedAlignment(s(typed)), limited) << typed;

    EXPECT_EQ(numberForSign(NumberSign::AsTyped), QString());
    EXPECT_EQ(numberForSign(NumberSign::Negative), s("1"));
    EXPECT_EQ(tickBorder(s("2"), -1).style, -1);
    EXPECT_EQ(tickBorder(QString(), 3).style, 3);

    const QStringList fonts = {defaultFontEntry(), s("Arial"), s("arial Black"), s("Sylfaen")};
    EXPECT_EQ(fontMatching(fonts, s("AR")), 1);
    EXPECT_EQ(fontMatching(fonts, s("ARIAL b")), 2);
    EXPECT_EQ(fontMatching(fonts, s("Sylfaen2")), -1);
}

TEST(CssDialogRules, EffectsExcludeEachOtherAndShapeTheSample)
{
    CssEffects effects{};
    auto click = [&](int index) {
        effects[size_t(index)] = !effects[size_t(index)];
        effects = clickEffect(effects, index);
    };
    for (int index : {CssChoices::Blink, CssChoices::SmallCaps, CssChoices::Underline,
                      CssChoices::Uppercase, CssChoices::Capitalize, CssChoices::Hidden})
        click(index);
    EXPECT_EQ(effects, (CssEffects{true, false, false, false, true, false, true, true}));
    click(CssChoices::Underline);
    EXPECT_EQ(effects, (CssEffects{false, false, false, false, true, false, true, true}));
    EXPECT_EQ(sampleLook(effects), (SampleLook{false, false, false, s("AABBCCDDEEFFGGHH")}));
    click(CssChoices::SmallCaps);
    click(CssChoices::Overline);
    EXPECT_EQ(sampleLook(effects), (SampleLook{false, false, true, s("AaBbCcDdEeFfGgHh")}));
    click(CssChoices::LineThrough);
    EXPECT_EQ(sampleLook(effects), (SampleLook{false, true, false, s("AaBbCcDdEeFfGgHh")}));

    EXPECT_EQ(sampleSizeAfterTyping(s("12pt"), 10), 12);
    EXPECT_EQ(sampleSizeAfterTyping(s(".5in"), 10), 0.5);
    for (const char* none : {"", "abc", "-5", "0", "Default"})
        EXPECT_EQ(sampleSizeAfterTyping(s(none), 14), 14) << none;
}
