// The edit menu and the text-functions menu on a context without the main window: the
// clipboard commands on the real clipboard, printing to a PDF file through the print
// dialog, and the text functions with their questions.

#include "editor/editmenucommands.h"
#include "editor/editorevents.h"
#include "editor/textfunctioncommands.h"
#include "platform/casefold.h"
#include "support/fakecontext.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include "support/markedtext.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class EditMenus : public testing::Test
{
protected:
    EditMenus() { QGuiApplication::clipboard()->clear(); }
    ~EditMenus() override { CaseFold::setRussianPairs(false); }

    void load(const char* document) { loadMarked(*context.T1, document); }
    QString editorState() const { return markedState(*context.T1); }
    // The command chosen from its menu: the clipboard as the editor's timer last saw it.
    QString after(const char* document, const char* command)
    {
        load(document);
        events.TM1_Timer();
        context.menus.action(command)->trigger();
        return editorState();
    }
    static void setClipboardText(const QString& shown)
    {
        QGuiApplication::clipboard()->setText(shown);
    }
    void showThrough(DisplayMapKind map)
    {
        FontRecord font = context.T1->fontRecord();
        font.map = map;
        context.T1->setFontRecord(font);
    }

    FakeContext context;
    EditMenuCommands edit{context};
    TextFunctionCommands functions{context};
    EditorEvents events{context};
};

// The pages of a PDF file as Qt writes them.
qsizetype pdfPages(const QString& path)
{
    return QString::fromLatin1(readFile(path))
        .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
}

} // namespace

TEST_F(EditMenus, CopyAndPasteKeepTheBytesWhateverTheMaps)
{
    showThrough(DisplayMapKind::GeorgianIso);
    load("x[\xC0\xE4\r\n\xA0]y");
    context.menus.action("mnuCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("\u10D0\u10F0\n\u00A0"));
    showThrough(DisplayMapKind::Latin);
    EXPECT_EQ(after("a|b", "mnuPaste"), marked("a\xC0\xE4\r\n\xA0|b"));

    // Text from another program: lone line feeds become CR LF, letters go through the map.
    showThrough(DisplayMapKind::GeorgianIso);
    setClipboardText(QStringLiteral("\u10D0\n\u10D1"));
    EXPECT_EQ(after("[old]", "mnuPaste"), marked("\xC0\r\n\xC1|"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("\u10D0\n\u10D1"))
        << "Paste leaves the clipboard as it was";
}

TEST_F(EditMenus, PasteGoesInAtTheCaretOrOverTheSelection)
{
    setClipboardText(QStringLiteral("X"));
    EXPECT_EQ(after("|abc", "mnuPaste"), marked("X|abc"));
    EXPECT_EQ(after("a|bc", "mnuPaste"), marked("aX|bc"));
    EXPECT_EQ(after("abc|", "mnuPaste"), marked("abcX|"));
    EXPECT_EQ(after("a[bc]", "mnuPaste"), marked("aX|"));

    // Only a picture on the clipboard: nothing is pasted and nothing deleted.
    QGuiApplication::clipboard()->setImage(QImage(2, 2, QImage::Format_RGB32));
    load("a[bc]");
    edit.mnuPaste_Click();
    EXPECT_EQ(editorState(), marked("a[bc]"));
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());
}

TEST_F(EditMenus, CutNeedsASelectionAndSelectAllNeedsText)
{
    setClipboardText(QStringLiteral("kept"));
    EXPECT_EQ(after("ab|c", "mnuCut"), marked("ab|c"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    EXPECT_EQ(after("a[b\r\n]c", "mnuCut"), marked("a|c"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("b\n"));
    EXPECT_EQ(after("a|bc", "mnualmark"), marked("[abc]"));

    // The items follow their rules, Paste the clipboard through the editor's timer.
    load("");
    EXPECT_FALSE(context.enabled("mnualmark"));
    EXPECT_FALSE(context.enabled("mnuprint"));
    load("a[b]c");
    EXPECT_TRUE(context.enabled("mnuCut"));
    EXPECT_TRUE(context.menus.menu("mnuFont").menuAction()->isEnabled());
    load("a|bc");
    EXPECT_FALSE(context.enabled("mnuCopy"));
    EXPECT_FALSE(context.menus.menu("mnuFont").menuAction()->isEnabled());
    QGuiApplication::clipboard()->setImage(QImage(2, 2, QImage::Format_RGB32));
    events.TM1_Timer();
    EXPECT_FALSE(context.enabled("mnuPaste"));
    setClipboardText(QStringLiteral("X"));
    events.TM1_Timer();
    EXPECT_TRUE(context.enabled("mnuPaste"));
}

TEST_F(EditMenus, PrintWritesWhatTheDialogChose)
{
    TestFolders folders;
    QString text;
    for (int line = 0; line < 300; ++line)
        text += QStringLiteral("line %1\r\n").arg(line);
    context.T1->setText(text);
    context.T1->setSelection(0, 6);
    const QString all = folders.path(QStringLiteral("all.pdf"));
    const QString selection = folders.path(QStringLiteral("selection.pdf"));
    ScriptedPrompts prompts(
        {QString(), QStringLiteral("all|") + all, QStringLiteral("selection|") + selection});
    for (int run = 0; run < 3; ++run)
        context.menus.action("mnuprint")->trigger();

    EXPECT_TRUE(prompts.asked()[0].selectionOffered);
    EXPECT_GT(pdfPages(all), 3) << "all the text, though a selection was offered";
    EXPECT_EQ(pdfPages(selection), 1);
    EXPECT_EQ(prompts.asked().size(), 3) << "no failure reported";
    EXPECT_EQ(context.T1->Text(), text);

    context.T1->setSelStart(0);
    prompts.answer(QString());
    context.menus.action("mnuprint")->trigger();
    EXPECT_FALSE(prompts.asked().last().selectionOffered);
}

TEST_F(EditMenus, TextFunctionsRewriteAndReselectTheSelection)
{
    EXPECT_EQ(after("a[bc\xE0\xFF]d", "mnuTF0"), marked("a[BC\xE0\xFF]d"));
    CaseFold::setRussianPairs(true);
    EXPECT_EQ(after("a[BC\xC0\xDF]d", "mnuTF1"), marked("a[bc\xE0\xFF]d"));
    EXPECT_EQ(after("x[one two]", "mnuTF3"), marked("x[one\r\ntwo]"));
    EXPECT_EQ(after("[A<b>B</b>C]", "mnuTF5"), marked("[A BC]"));
    EXPECT_EQ(after("B[a]nana", "mnumarkfinddel"), marked("B|nn"));
    EXPECT_EQ(after("ab|c", "mnuTF0"), marked("ab|c"));

    setClipboardText(QStringLiteral("1\n2"));
    EXPECT_EQ(after("[a\r\nb\r\nc]", "mnuTF7"), marked("[a 1\r\nb 2\r\nc]"));
}

TEST_F(EditMenus, TextDistributionAsksWidthThenIndentAndStopsAtAnAnswerOutOfRange)
{
    const char* prose = "[one two three four five six seven eight nine ten eleven]";
    ScriptedPrompts prompts({QStringLiteral("5"), QStringLiteral("70000"), QStringLiteral("20"),
                             QStringLiteral("-1"), QStringLiteral("20"), QStringLiteral("3")});
    EXPECT_EQ(after(prose, "mnuTF6"), marked(prose));
    EXPECT_EQ(after(prose, "mnuTF6"), marked(prose));
    EXPECT_EQ(after(prose, "mnuTF6"), marked(prose)); // an indent of -1
    ASSERT_EQ(prompts.asked().size(), 4) << "no indent asked after a width out of range";
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("mieci xazis sigrZe 10 dan 300 amde"));
    EXPECT_EQ(prompts.asked()[3].prompt,
              QStringLiteral("mieci abzacis sawyisis sigrZe 3 dan 20 amde."));

    const QString distributed = after(prose, "mnuTF6");
    EXPECT_TRUE(distributed.startsWith(u'[') && distributed.endsWith(u']')) << hexOf(distributed);
    for (const QString& line : distributed.mid(1, distributed.size() - 2).split(kCrLf))
        EXPECT_LE(line.size(), 20) << hexOf(line);
}

TEST_F(EditMenus, SplitLinesIntoGroups)
{
    ScriptedPrompts prompts({QStringLiteral("3"), QStringLiteral("-"), QStringLiteral("3"),
                             QStringLiteral("-"), QStringLiteral("6"), QStringLiteral("70000"),
                             QStringLiteral("2"), QString()});
    EXPECT_EQ(after("x[1\r\n2\r\n3\r\n4\r\n5\r\n6]", "mnulinesnaid"),
              marked("x[1\r\n2\r\n3\r\n-\r\n4\r\n5\r\n6\r\n-]"));
    EXPECT_EQ(after("[1\r\n2\r\n3]", "mnulinesnaid"), marked("[1\r\n2\r\n3]"));
    EXPECT_EQ(prompts.asked().last().prompt,
              QStringLiteral("xazebis raodenoba naklebia dayofis raodenobaze."));
    EXPECT_EQ(after("[1\r\n2\r\n3]", "mnulinesnaid"), marked("[1\r\n2\r\n3]")); // 70000
    EXPECT_EQ(after("[1\r\n2\r\n3]", "mnulinesnaid"), marked("[1\r\n2\r\n3]")); // no separator
    EXPECT_EQ(prompts.asked().size(), 8);
}
