// The tag-insertion menus on a context without the main window: what each pop-up holds,
// tags over the selection, links and pictures from the file dialog, the pickers' answers,
// the page skeleton, wrap templates and the letter grid.

#include "support/fakecontext.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"
#include "tags/frmtags.h"
#include "tags/tagcommands.h"

#include "modalwindow.h"
#include "support/markedtext.h"

#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class TagMenus : public testing::Test
{
protected:
    void load(const char* document) { loadMarked(*context.T1, document); }
    QString editorState() const { return markedState(*context.T1); }
    QString after(const char* document, const char* command)
    {
        load(document);
        context.menus.action(command)->trigger();
        return editorState();
    }
    // The names of a menu's items in their order, "-" for a separator.
    QStringList items(const char* menu) const
    {
        QStringList names;
        for (const QAction* item : context.menus.menu(menu).actions())
            names << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
        return names;
    }

    TestFolders folders;
    FakeContext context;
    TagCommands tags{context};
};

} // namespace

TEST_F(TagMenus, EachPopUpHoldsItsItemsInOrder)
{
    EXPECT_EQ(items("mnuHtags").join(u' '), QStringLiteral("mnuH0 mnuH1 mnuH2 mnuH3 mnuH4 mnuH5"));
    EXPECT_EQ(items("mnusurs").join(u' '), QStringLiteral("mnuImageFile mnuImageTag"));
    EXPECT_EQ(items("mnulinks").join(u' '), QStringLiteral("mnulink mnuHTMfile mnuanxorfile"));
    EXPECT_EQ(items("mnusiebi").join(u' '), QStringLiteral("mnulist0 mnulist1 mnulist2"));
    EXPECT_EQ(items("mnuobSi").join(u' '),
              QStringLiteral("mnumisk mnuhtheader - mnuscript mnuaplet mnuform mnuImap"));
    EXPECT_EQ(items("mnuFonti").join(u' '),
              QStringLiteral("mnuFtag mnuFtag2 mnuFname mnuFS mnuFC mnuFF"));
    EXPECT_EQ(items("mnuFK").size(), 10);
    EXPECT_EQ(items("mnuformat").join(u' '), QStringLiteral("mnutlinks mnucenter mnurecht"));

    // 8-bit captions show as Georgian letters.
    EXPECT_EQ(context.menus.action("mnuanxorfile")->text(),
              QStringLiteral("\u10E4\u10D0\u10D8\u10DA\u10D8"));
    EXPECT_EQ(context.menus.action("mnuH5")->text(), QStringLiteral("H6"));
    EXPECT_EQ(context.menus.action("mnuFrKo9")->text(), QStringLiteral(" Image"));
    EXPECT_EQ(context.menus.action("mnurusaso")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
}

TEST_F(TagMenus, TagsGoOverTheSelection)
{
    EXPECT_EQ(after("a[b]c", "mnuH2"), marked("a<H3>[b]</H3>c"));
    EXPECT_EQ(after("a|c", "mnurecht"),
              marked("a<P style=\"text-align:right; margin-right:1.0cm\">|</P>c"));
    EXPECT_EQ(after("[x]", "mnuFrKo0"), marked("<INPUT TYPE=\"text\" NAME=\"|\">"));
    EXPECT_EQ(after("[a\r\nb\r\n]", "mnulist2"),
              marked("<DL>\r\n   <DD>a\r\n   <DD>b\r\n   <DD>\r\n</DL>|"));
}

TEST_F(TagMenus, LinksTakeTheChosenFileFromTheProjectFolder)
{
    context.state.recordProject(QStringLiteral("/site/"), QStringLiteral("site.WEB"));
    ScriptedPrompts prompts({QStringLiteral("/site/a \"b\".html"), QString()});
    EXPECT_EQ(after("x[y]z", "mnuHTMfile"), marked("x<A HREF=\"/site/a %22b%22.html\">[y]</A>z"));
    EXPECT_EQ(prompts.asked()[0].folder, QStringLiteral("/site/"));
    EXPECT_EQ(prompts.asked()[0].filter, QStringLiteral("(*.HTM,*.HTML)|*.htm;*.html"));
    EXPECT_EQ(after("x[y]z", "mnuanxorfile"), marked("x[y]z")) << "cancelled";
    EXPECT_EQ(prompts.asked()[1].filter, QStringLiteral("All Files(*.*)|*.*"));
}

TEST_F(TagMenus, APictureGetsItsSizeInPixelsAndAnythingElseNothing)
{
    const QString picture = folders.path(QStringLiteral("p.png"));
    ASSERT_TRUE(QImage(30, 20, QImage::Format_RGB32).save(picture));
    const QString notAPicture = folders.path(QStringLiteral("n.jpg"));
    writeFile(notAPicture, "text");
    ScriptedPrompts prompts({picture, notAPicture, QString()});
    load("a[b]c");
    tags.mnuImageFile_Click();
    EXPECT_EQ(editorState(), QStringLiteral("a<IMG BORDER=\"0\" SRC=\"") + picture +
                                 QStringLiteral("\" WIDTH=\"30\" HEIGHT=\"20\" ALIGN=\"\" "
                                                "ALT=\"\">|c"));
    EXPECT_EQ(after("a[b]c", "mnuImageFile"), marked("a[b]c"));
    EXPECT_EQ(after("a[b]c", "mnuImageFile"), marked("a[b]c"));
}

TEST_F(TagMenus, TheTagPickersAnswerGoesIntoTheText)
{
    const auto choose = [](const char* name) {
        return [name](frmTags& picker) {
            auto* list = picker.findChild<QListWidget*>(QStringLiteral("List1"));
            list->setCurrentItem(list->findItems(QLatin1String(name), Qt::MatchExactly).value(0));
            picker.findChild<QPushButton*>(QStringLiteral("MBOK"))->click();
        };
    };
    load("x[y]z");
    whileOpen<frmTags>([&] { tags.mnumisk_Click(); }, std::function(choose("TABLE")));
    EXPECT_EQ(editorState(), marked("x<TABLE>\r\n<TR>\r\n\t<TD>[y]\r\n\t<TD>\r\n</TABLE>z"));
    whileOpen<frmTags>([&] { tags.mnumisk_Click(); }, [](frmTags& picker) { picker.close(); });
    EXPECT_EQ(editorState(), marked("x<TABLE>\r\n<TR>\r\n\t<TD>[y]\r\n\t<TD>\r\n</TABLE>z"));

    // A font name enters as typed characters do.
    QString font;
    whileOpen<frmTags>([&] { tags.mnuFname_Click(); },
                       [&](frmTags& picker) {
                           font = picker.result();
                           picker.accept();
                       });
    ASSERT_FALSE(font.isEmpty());
    EXPECT_EQ(context.T1->Text(), QStringLiteral("x<TABLE>\r\n<TR>\r\n\t<TD>") +
                                      context.T1->displayMap().fromShown(font) +
                                      QStringLiteral("\r\n\t<TD>\r\n</TABLE>z"));
}

TEST_F(TagMenus, ThePageSkeletonTakesTheWholeTextAndTheLetterGridIsOneWindow)
{
    load("<P>o[l]d");
    context.menus.action("mnuhtheader")->trigger();
    const QString text = context.T1->Text();
    EXPECT_TRUE(text.contains(QStringLiteral("<BODY>\r\n<P>old\r\n</BODY>"))) << hexOf(text);
    EXPECT_EQ(context.T1->SelStart(), text.size() - 18) << "at the end of the body's last line";

    context.menus.action("mnurusaso")->trigger();
    context.menus.action("mnurusaso")->trigger();
    const QList<QWidget*> grids = context.frame.findChildren<QWidget*>(QStringLiteral("frmkod"));
    ASSERT_EQ(grids.size(), 1);
    EXPECT_TRUE(grids.first()->isVisible());
}
