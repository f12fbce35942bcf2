#include "support/commandsfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

namespace {

class Tree : public Commands
{
protected:
    // Opens text documents holding their own names.
    void openTexts(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            const QString title = QString::fromLatin1(name);
            commands.opening().ofnen(FilePath(file(title, title.toLatin1())));
        }
    }
    QStringList childTitles(int group)
    {
        QStringList titles;
        QTreeWidgetItem* parent = window.TV->topLevelItem(group);
        for (int i = 0; i < parent->childCount(); ++i)
            titles << parent->child(i)->text(0);
        return titles;
    }
    // Edits a node's label in the tree's own editor and ends the edit with Enter.
    void editLabel(qint16 index, const QString& text)
    {
        window.frame.show();
        window.TV->setCurrentItem(node(index));
        commands.tree().StartLabelEdit();
        QLineEdit* field = nullptr;
        for (QLineEdit* each : window.TV->viewport()->findChildren<QLineEdit*>()) {
            if (each->isVisible())
                field = each;
        }
        ASSERT_NE(field, nullptr);
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
        // The editor hands its text over on the next turn of the event loop, and the rename
        // runs on the turn after that.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(Tree, ListsEveryDocumentUnderItsGroup)
{
    openTexts({"page.shtml", "notes.txt", "b.css", "a.html"});
    commands.opening().ofnen(FilePath(file(QStringLiteral("clip.fla"), "FLA")));
    commands.opening().ofnen(FilePath(file(QStringLiteral("pic.gif"), "GIF89a")));
    ASSERT_EQ(window.TV->topLevelItemCount(), 4);
    EXPECT_EQ(window.TV->topLevelItem(0)->text(0), QStringLiteral("WEB Files"));
    EXPECT_EQ(window.TV->topLevelItem(3)->text(0), QStringLiteral("Other"));
    EXPECT_EQ(childTitles(0), QStringList({QStringLiteral("page.shtml"), QStringLiteral("a.html"),
                                           QStringLiteral("b.css")}));
    EXPECT_EQ(childTitles(1), QStringList(QStringLiteral("pic.gif")));
    EXPECT_EQ(childTitles(2), QStringList(QStringLiteral("clip.fla")));
    EXPECT_EQ(childTitles(3), QStringList(QStringLiteral("notes.txt")));
    EXPECT_EQ(OpenFilesTreeView::imageOf(node(0)), 27);
    EXPECT_EQ(OpenFilesTreeView::imageOf(node(1)), 26);
    EXPECT_EQ(OpenFilesTreeView::imageOf(node(4)), kSoundImage);
    EXPECT_GT(window.sidePanelShown, 0);
}

TEST_F(Tree, AClickSwitchesDocumentsKeepingCaretSelectionAndTypedText)
{
    openTexts({"a.html", "b.html"});
    window.T1->setSelStart(2);
    window.T1->setSelLength(3);
    commands.tree().TV_NodeClick(node(0));
    EXPECT_EQ(state().DocIndex(), 0);
    EXPECT_EQ(editorText(), QStringLiteral("a.html"));
    type(QStringLiteral("!"));
    commands.tree().TV_NodeClick(node(1));
    EXPECT_EQ(window.T1->SelStart(), 2);
    EXPECT_EQ(window.T1->SelLength(), 3);
    EXPECT_EQ(item(0).Value, QStringLiteral("a.html!"));
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(item(1).Changed, 0) << "showing a document is no change";
    EXPECT_TRUE(rulesHold());
}

TEST_F(Tree, TwoDocumentsOfOneNameAreToldApartByTheirTags)
{
    QDir().mkpath(path(QStringLiteral("one")));
    QDir().mkpath(path(QStringLiteral("two")));
    open({file(QStringLiteral("one/index.html"), "first"),
          file(QStringLiteral("two/index.html"), "second")});
    commands.tree().TV_NodeClick(node(0));
    EXPECT_EQ(editorText(), QStringLiteral("first"));
    commands.tree().TV_NodeClick(node(1));
    EXPECT_EQ(editorText(), QStringLiteral("second"));
}

TEST_F(Tree, ClicksOnGroupsPicturesAndTheCurrentDocumentChangeNothing)
{
    openTexts({"a.html"});
    commands.opening().ofnen(FilePath(file(QStringLiteral("p.jpg"), "JPG")));
    commands.opening().ofnen(FilePath(file(QStringLiteral("s.mid"), "MID")));
    openTexts({"b.html"});
    type(QStringLiteral(" typed"));
    for (QTreeWidgetItem* clicked :
         {window.TV->topLevelItem(0), node(1), node(2), node(state().DocIndex())})
        commands.tree().TV_NodeClick(clicked);
    EXPECT_EQ(state().DocIndex(), 3);
    EXPECT_EQ(editorText(), QStringLiteral("b.html typed"));
    EXPECT_EQ(item(3).Value, QStringLiteral("b.html")) << "nothing was stored yet";
    EXPECT_TRUE(rulesHold());
}

TEST_F(Tree, ATextDocumentNamedLikeAPictureIsShownLikeAnyOther)
{
    openTexts({"a.html"});
    commands.saving().mnunewF_Click(2);
    type(QStringLiteral("precious"));
    commands.tree().TV_AfterLabelEdit(1, QStringLiteral("logo.png"));
    commands.tree().TV_NodeClick(node(0));
    EXPECT_EQ(state().DocIndex(), 0);
    commands.tree().TV_NodeClick(node(1));
    EXPECT_EQ(state().DocIndex(), 1);
    EXPECT_TRUE(editorText().endsWith(QStringLiteral("precious")));
}

TEST_F(Tree, AClickOnAnUnknownFileWithoutTextStoresAndKeepsTheEditor)
{
    openTexts({"a.html"});
    commands.opening().ofnen(FilePath(file(QStringLiteral("data.zip"), "PK")));
    type(QStringLiteral(" typed"));
    commands.tree().TV_NodeClick(node(1));
    EXPECT_EQ(state().DocIndex(), 0);
    EXPECT_EQ(item(0).Value, QStringLiteral("a.html typed"));
    EXPECT_EQ(editorText(), QStringLiteral("a.html typed"));
    type(QStringLiteral("!"));
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_TRUE(rulesHold());
}

TEST_F(Tree, NDKlikiClicksANodeByItsPlaceInTheNodeList)
{
    openTexts({"a.txt", "b.html", "c.html"});
    commands.tree().NDKliki(5);
    EXPECT_EQ(state().DocIndex(), 1) << "node 5 is the first file node: the first web page";
    commands.tree().NDKliki(7);
    EXPECT_EQ(state().DocIndex(), 0);
    commands.tree().NDKliki(99);
    EXPECT_EQ(state().DocIndex(), 0);
}

TEST_F(Tree, TheEditorsFocusBringsTheSelectionBackToItsDocument)
{
    openTexts({"a.html", "b.html"});
    window.TV->setCurrentItem(window.TV->topLevelItem(0));
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(window.T1, &focus);
    EXPECT_EQ(window.TV->currentItem(), node(1));
}

// --- Renaming --------------------------------------------------------------------------

TEST_F(Tree, RenamingASavedDocumentRenamesItsFileAndKeepsItsExtension)
{
    openTexts({"page.htm", "other.html"});
    editLabel(0, QStringLiteral("index"));
    EXPECT_EQ(item(0).filepath, path(QStringLiteral("index.htm")));
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("index.htm"));
    EXPECT_EQ(readFile(path(QStringLiteral("index.htm"))), QByteArray("page.htm"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("page.htm"))));
    EXPECT_EQ(node(0)->text(0), QStringLiteral("index.htm"));
    EXPECT_EQ(state().DocIndex(), 1) << "the edited node's document was renamed, not the current";
    EXPECT_EQ(item(1).FileTitle, QStringLiteral("other.html"));

    editLabel(0, QStringLiteral("start.htm"));
    EXPECT_EQ(item(0).filepath, path(QStringLiteral("start.htm")));
}

TEST_F(Tree, RenamingNeverReplacesAnotherFile)
{
    openTexts({"a.html", "b.html"});
    ScriptedPrompts prompts({QStringLiteral("6")});
    editLabel(0, QStringLiteral("b"));
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("am saxeliT faili ukve arsebobs."));
    EXPECT_EQ(item(0).filepath, path(QStringLiteral("a.html")));
    EXPECT_EQ(readFile(path(QStringLiteral("b.html"))), QByteArray("b.html"));
    EXPECT_EQ(node(0)->text(0), QStringLiteral("a.html"));
}

TEST_F(Tree, ForbiddenAndEmptyNamesAreRefused)
{
    openTexts({"a.html"});
    commands.saving().mnunewF_Click(2);
    ScriptedPrompts prompts;
    editLabel(0, QStringLiteral("  "));
    EXPECT_TRUE(prompts.asked().isEmpty());
    editLabel(0, QStringLiteral("a?b"));
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].kind, QStringLiteral("platform"));
    EXPECT_EQ(prompts.asked()[0].prompt,
              QStringLiteral("am niSnebis micema ar SeiZleba failis saxelSi\r\n"
                             "              / \\ ? : * < > | \"\r\n"));
    EXPECT_EQ(node(0)->text(0), QStringLiteral("a.html"));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("a.html"))));
}

TEST_F(Tree, RenamingAnUnsavedDocumentChangesItsTitleOnly)
{
    commands.saving().mnunewF_Click(2);
    commands.saving().mnunewF_Click(0);
    ASSERT_EQ(item(1).FileTitle, QStringLiteral("nosaved1.HTML"));
    editLabel(1, QStringLiteral("start"));
    EXPECT_EQ(item(1).FileTitle, QStringLiteral("start.HTML"));
    editLabel(1, QStringLiteral("notes.txt"));
    EXPECT_EQ(item(1).FileTitle, QStringLiteral("notes.txt"));
    EXPECT_EQ(item(1).filepath, QString());
    EXPECT_EQ(node(1)->text(0), QStringLiteral("notes.txt"));
}

// --- The tree's menu -------------------------------------------------------------------

TEST_F(Tree, SavingFromTheMenuWritesTheEditorsTextAndThenClearsChanged)
{
    openTexts({"a.html", "b.html"});
    type(QStringLiteral(" typed"));
    commands.tree().mnuLVop_Click(3);
    EXPECT_EQ(readFile(path(QStringLiteral("b.html"))), QByteArray("b.html typed"));
    EXPECT_EQ(item(1).Changed, 0);

    type(QStringLiteral(" again"));
    QFile::remove(path(QStringLiteral("b.html")));
    writeFile(path(QStringLiteral("blocker")), "file");
    state().takeFile(1, FilePath(path(QStringLiteral("blocker/b.html"))));
    type(QStringLiteral("!"));
    ScriptedPrompts prompts({QStringLiteral("6")});
    commands.tree().mnuLVop_Click(3);
    EXPECT_EQ(prompts.asked()[0].prompt,
              QStringLiteral("racxa ver moxda Cawera.\r\nSeamowme sad iwer da ras iwer!"));
    EXPECT_EQ(item(1).Changed, -1) << "a failed write leaves the document changed";
    EXPECT_TRUE(rulesHold());
}

TEST_F(Tree, TheMenuOpensTheCurrentFileInASecondWindow)
{
    openTexts({"a.html"});
    commands.tree().mnuLVop_Click(2);
    EXPECT_TRUE(shell.requests.isEmpty()) << "no document in the collection yet";
    openTexts({"b.html"});
    commands.tree().mnuLVop_Click(2);
    EXPECT_EQ(shell.requests,
              QStringList(QStringLiteral("start ") + path(QStringLiteral("b.html"))));
}

TEST_F(Tree, ClosingTheProjectAsksAboutUnsavedWorkAndResetsFully)
{
    openTexts({"a.html", "b.html"});
    commands.tree().mnuLVop_Click(4);
    EXPECT_EQ(state().DocsMode(), 0) << "nothing unsaved: no question";
    EXPECT_EQ(window.TV->topLevelItemCount(), 0);

    openTexts({"a.html", "b.html"});
    type(QStringLiteral(" typed"));
    ScriptedPrompts prompts({QStringLiteral("2"), QStringLiteral("7")});
    commands.tree().mnuLVop_Click(4);
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("gindaT cvlilebebis damaxsovreba?"));
    EXPECT_EQ(prompts.asked()[0].icon, 8);
    EXPECT_EQ(state().Docs().Count(), 2) << "cancel keeps everything";
    commands.tree().mnuLVop_Click(4);
    EXPECT_EQ(state().DocsMode(), 0);
    EXPECT_EQ(state().EditorPath(), QString());
    EXPECT_EQ(editorText(), QString());
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(window.caption, QStringLiteral("Kelmora"));
    EXPECT_EQ(readFile(path(QStringLiteral("b.html"))), QByteArray("b.html"));
    EXPECT_TRUE(rulesHold());

    // A later save asks for a name instead of writing over an old file.
    type(QStringLiteral("new"));
    prompts.answer(QString());
    commands.saving().mnuSave_Click();
    EXPECT_EQ(prompts.asked().last().kind, QStringLiteral("save"));
    EXPECT_EQ(readFile(path(QStringLiteral("b.html"))), QByteArray("b.html"));
}
