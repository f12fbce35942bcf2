// Tag insertion: every wrapping and inserting command, links and pictures from files,
// lists, tag and wrap templates and the page skeleton, on exact bytes with the selection.

#include "editor/taginsertion.h"

#include "support/markedtext.h"

#include <gtest/gtest.h>

TEST(TagCommands, EveryWrappingAndInsertingCommand)
{
    const struct
    {
        const char* menu;
        int index;
        const char* expected; // after the command on "a[xy]b"
    } cases[] = {
        // Wrapping: the old text stays selected inside the tags.
        {"mnuH", 0, "a<H1>[xy]</H1>b"},
        {"mnuH", 5, "a<H6>[xy]</H6>b"},
        {"mnulink", -1, "a<A HREF=\"\">[xy]</A>b"},
        {"mnuFtag", -1, "a<FONT FACE=\"\" SIZE=\"\" COLOR=\"\">[xy]</FONT>b"},
        {"mnuFtag2", -1, "a<FONT>[xy]</FONT>b"},
        {"mnuFS", -1, "a<FONT SIZE=\"\">[xy]</FONT>b"},
        {"mnuFC", -1, "a<FONT COLOR=\"\">[xy]</FONT>b"},
        {"mnuFF", -1, "a<FONT FACE=\"\">[xy]</FONT>b"},
        {"mnutlinks", -1, "a<P style=\"text-align:left; margin-left:0.9cm\">[xy]</P>b"},
        {"mnucenter", -1,
         "a<P style=\"text-align:justify; margin-left:1.0cm; margin-right:1.0cm\">[xy]</P>b"},
        {"mnurecht", -1, "a<P style=\"text-align:right; margin-right:1.0cm\">[xy]</P>b"},
        // Inserting: the snippet replaces the selection; the caret goes where one types next.
        {"mnuImageTag", -1,
         "a<IMG BORDER=\"0\" SRC=\"\" WIDTH=\"\" HEIGHT=\"\" ALIGN=\"\" ALT=\"\">|b"},
        {"mnuaplet", -1, "a<APPLET CODE=\"|\" WIDTH=\"\" HEIGHT=\"\">\r\n</APPLET>b"},
        {"mnuform", -1, "a<FORM METHOD=POST ACTION=\"\">\r\n|\r\n</FORM>b"},
        {"mnuImap", -1,
         "a<MAP NAME=\"|\">\r\n\t<AREA SHAPE=\"\" HREF=\"\" COORDS=\"\" ALT=\"\">\r\n</MAP>b"},
        {"mnuscript", -1, "a<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n|\r\n//-->\r\n</SCRIPT>b"},
        {"mnuFrKo", 0, "a<INPUT TYPE=\"text\" NAME=\"|\">b"},
        {"mnuFrKo", 1, "a<SELECT NAME=\"\">|</SELECT>b"},
        {"mnuFrKo", 2, "a<INPUT TYPE=\"radio\" NAME=\"|\">b"},
        {"mnuFrKo", 3, "a<INPUT TYPE=\"checkbox\" NAME=\"|\">b"},
        {"mnuFrKo", 4, "a<TEXTAREA NAME=\"\" ROWS=\"\" COLS=\"\">|</TEXTAREA>b"},
        {"mnuFrKo", 5, "a<INPUT TYPE=\"reset\">|b"},
        {"mnuFrKo", 6, "a<INPUT TYPE=\"submit\">|b"},
        {"mnuFrKo", 7, "a<INPUT TYPE=\"password\">|b"},
        {"mnuFrKo", 8, "a<INPUT TYPE=\"hidden\">|b"},
        {"mnuFrKo", 9, "a<INPUT TYPE=\"image\" SRC=\"|\">b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(after("a[xy]b",
                        [&](const MarkedText& d) {
                            return tagCommandEdit(QLatin1String(c.menu), c.index, d.selection);
                        }),
                  marked(c.expected))
            << c.menu << c.index;
    // With nothing selected the caret stands between the tags.
    EXPECT_EQ(after("a|b",
                    [](const MarkedText& d) {
                        return tagCommandEdit(QLatin1String("mnuH"), 1, d.selection);
                    }),
              marked("a<H2>|</H2>b"));
}

TEST(TagCommands, FilePathsGoInAsTheirBytesWithQuotesEscaped)
{
    EXPECT_EQ(after("x[old]y",
                    [](const MarkedText& d) {
                        return linkToFile(d.selection, QStringLiteral("/w/a\"b.html"));
                    }),
              marked("x<A HREF=\"/w/a%22b.html\">[old]</A>y"));
    EXPECT_EQ(after("x[old]y",
                    [](const MarkedText& d) {
                        return pictureFromFile(d.selection, QString::fromUtf8("/\xE1\x83\x90.gif"),
                                               640, 480);
                    }),
              marked("x<IMG BORDER=\"0\" SRC=\"/\xE1\x83\x90.gif\" WIDTH=\"640\" HEIGHT=\"480\" "
                     "ALIGN=\"\" ALT=\"\">|y"));
}

TEST(TagCommands, ListsTemplatesAndWrapTemplates)
{
    const auto list = [](ListKind kind) {
        return [kind](const MarkedText& d) { return listFromSelection(d.selection, kind); };
    };
    EXPECT_EQ(after("[one\r\ntwo]", list(ListKind::Ordered)),
              marked("<OL>\r\n   <LI>one\r\n   <LI>two\r\n</OL>|"));
    // A selection that ends with a line break gives a last, empty item.
    EXPECT_EQ(after("[a\r\n]", list(ListKind::Definitions)),
              marked("<DL>\r\n   <DD>a\r\n   <DD>\r\n</DL>|"));
    EXPECT_EQ(after("|", list(ListKind::Unordered)),
              marked("<UL>\r\n   <LI>\r\n   <LI>\r\n</UL>|"));
    EXPECT_EQ(after("|", list(ListKind::Definitions)),
              marked("<DL>\r\n   <DD>\r\n   <DT>\r\n</DL>|"));

    const auto tagTemplate = [](const char* text) {
        return [text](const MarkedText& d) { return tagTemplateEdit(d.selection, marked(text)); };
    };
    // Two marks, a line break before the first (two characters): selected at the first mark.
    EXPECT_EQ(after("x[ab]y", tagTemplate("<P>\r\n^!\r\n^!</P>")),
              marked("x<P>\r\n[ab]\r\nab</P>y"));
    EXPECT_EQ(after("x[ab]y", tagTemplate("<BR>")), marked("x<BR>|y"));
    EXPECT_EQ(after("x[ab]y", tagTemplate("")), marked("(no edit)"));

    const auto wrapTemplate = [](const char* body) {
        return [body](const MarkedText& d) { return wrapTemplateEdit(d.selection, marked(body)); };
    };
    EXPECT_EQ(after("[s]", wrapTemplate("<B><\xA7$\xA7>x<\xA7$\xA7></B>")),
              marked("<B><\xA7$\xA7>x[s]</B>"));
    EXPECT_EQ(after("[s]", wrapTemplate("<HR>")), marked("<HR>[s]")); // no separator
}
