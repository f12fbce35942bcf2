// The tag templates resource HTMLKODS, its parser and the picker's order.

#include "tags/tagtemplates.h"

#include "platform/resources.h"

#include "conversions/bytes.h"

#include <gtest/gtest.h>

namespace {

const QStringList kNames = QStringLiteral("<!-- !DOCTYPE A ABBR ACRONYM ADDRESS APPLET AREA B BASE "
                                          "BASEFONT BDO BIG BLOCKQUOTE BODY BR "
                                          "BUTTON CAPTION CENTER CITE CODE COL COLGROUP DD DEL DFN "
                                          "DIR DIV DL DT EM FIELDSET FONT FORM "
                                          "FRAME FRAMESET H1 H2 H3 H4 H5 H6 HEAD HR HTML I IFRAME "
                                          "IMG INPUT INS ISINDEX KBD LABEL LEGEND "
                                          "LI LINK MAP MENU META NOFRAMES NOSCRIPT OBJECT OL "
                                          "OPTGROUP OPTION P PARAM PRE Q S SAMP SCRIPT "
                                          "SELECT SMALL SPAN STRIKE STRONG STYLE SUB SUP TABLE "
                                          "TBODY TD TEXTAREA TFOOT TH THEAD TITLE TR "
                                          "TT U UL VAR")
                               .split(u' ');

} // namespace

TEST(TagTemplates, ResourceEntriesAndTemplates)
{
    const QByteArray bytes =
        programResource(QStringLiteral(":/editor/HTMLKODS")).value_or(QByteArray());
    ASSERT_EQ(bytes.size(), 3032);
    EXPECT_TRUE(bytes.endsWith(QByteArray("</VAR>\r\n\0\0", 10)));
    EXPECT_EQ(bytes.count('\0'), 2);
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')); // CR LF line ends only

    const QList<TagTemplate> templates = parseTagTemplates(bytes);
    ASSERT_EQ(templates.size(), 93);
    const auto templateOf = [&](const char* name) {
        return templates[kNames.indexOf(QLatin1String(name))].text;
    };
    for (qsizetype i = 0; i < templates.size(); ++i) {
        EXPECT_EQ(templates[i].name, kNames[i]);
        EXPECT_EQ(templates[i].entry, i + 1);
    }
    EXPECT_EQ(templateOf("BODY"), QStringLiteral("<BODY>\r\n^!\r\n</BODY>"));
    EXPECT_EQ(
        templateOf("FRAMESET"),
        QStringLiteral("<FRAMESET ROWS=\"^!,\" COLS=\",\">\r\n\t<FRAME SRC=\"\" NAME=\"\">\r\n"
                       "\t<FRAME SRC=\"\" NAME=\"\">\r\n</FRAMESET>"));
    EXPECT_EQ(templateOf("BR"), QStringLiteral("<BR>"));
    EXPECT_EQ(templateOf("VAR"), QStringLiteral("<VAR>^!</VAR>")); // without the padding

    // Lines before the first entry belong to none; a template's empty lines stay.
    const QList<TagTemplate> odd = parseTagTemplates(QByteArray("x\r\n#T=X\r\n\r\na\r\n#T=Y\r\nb"));
    ASSERT_EQ(odd.size(), 2);
    EXPECT_EQ(odd[0].text, QStringLiteral("\r\na"));
    EXPECT_EQ(odd[1].text, QStringLiteral("b"));
}

TEST(TagTemplates, PickerOrderByCharacterCodeIgnoringCase)
{
    const QList<TagTemplate> sorted = *loadTagTemplates();
    ASSERT_EQ(sorted.size(), 93);
    EXPECT_EQ(sorted[0].name, QStringLiteral("!DOCTYPE"));
    EXPECT_EQ(sorted[0].text,
              QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"));
    EXPECT_EQ(sorted[1].name, QStringLiteral("<!--"));
    QStringList order;
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        EXPECT_EQ(kNames[sorted[i].entry - 1], sorted[i].name) << "an item keeps its entry";
        if (i > 0) {
            EXPECT_LT(textToBytes(sorted[i - 1].name), textToBytes(sorted[i].name));
        }
        order << sorted[i].name;
    }
    EXPECT_LT(order.indexOf(QStringLiteral("H6")), order.indexOf(QStringLiteral("HEAD")));
    const QList<TagTemplate> mixed = pickerOrder(parseTagTemplates("#T=b\r\n#T=A\r\n#T=C\r\n"));
    EXPECT_EQ(mixed[0].name + mixed[1].name + mixed[2].name, QStringLiteral("AbC"));
}
