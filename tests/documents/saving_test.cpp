#include "support/commandsfixture.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kWriteFailed =
    QStringLiteral("racxa ver moxda Cawera.\r\nSeamowme sad iwer da ras iwer!");
const QString kProjectQuestion = QStringLiteral("gindaT gaxsnili failebisgan proeqtis Seqmna?");

class Saving : public Commands
{
protected:
    SaveOutcome saveEverything() { return commands.saving().SaveDocuments(FilePath(), -1); }
};

} // namespace

// --- The single file -------------------------------------------------------------------

TEST_F(Saving, UnnamedTextIsSavedUnderTheChosenNameAsHeldBytes)
{
    type(QStringLiteral("\u00C0\u00E4 line\r\n\u00FF"));
    const QString chosen = path(QStringLiteral("new.html"));
    ScriptedPrompts prompts({chosen});
    EXPECT_EQ(saveEverything(), SaveOutcome::Done);
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].kind, QStringLiteral("save"));
    EXPECT_EQ(prompts.asked()[0].proposedName, QString());
    EXPECT_EQ(prompts.asked()[0].filter,
              QStringLiteral("HTML(*.htm,*.html)|*.HTML;*.htm|Text(*.txt)|*.txt|CSS|*.css|"
                             "ASP|*.asp|PHP|*.php|Java Script(*.JS)|*.js|All Files|*.*"));
    EXPECT_EQ(readFile(chosen), QByteArray("\xC0\xE4 line\r\n\xFF"));
    EXPECT_EQ(state().EditorPath(), chosen) << "the next save goes to the new file";
    EXPECT_EQ(state().EditorChanged(), 0);
    EXPECT_EQ(window.caption, QStringLiteral("Kelmora [") + chosen + QLatin1Char(']'));

    type(QStringLiteral("!"));
    EXPECT_EQ(saveEverything(), SaveOutcome::Done) << "a named changed text needs no dialog";
    EXPECT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(readFile(chosen), QByteArray("\xC0\xE4 line\r\n\xFF!"));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Saving, ANamedUnchangedTextAsksAndACancelIsQuiet)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    commands.opening().ofnen(FilePath(a));
    ScriptedPrompts prompts({QString()});
    EXPECT_EQ(saveEverything(), SaveOutcome::Cancelled);
    EXPECT_EQ(prompts.asked().size(), 1) << "the cancel shows no message";
    EXPECT_EQ(state().EditorPath(), a);
}

TEST_F(Saving, AFailedWriteOfTheSingleFileIsToldAndKeepsItChanged)
{
    type(QStringLiteral("text"));
    ScriptedPrompts prompts({unwritable(QStringLiteral("a.html")), QStringLiteral("6")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Failed);
    EXPECT_EQ(prompts.asked()[1].prompt, kWriteFailed);
    EXPECT_EQ(prompts.asked()[1].title, QStringLiteral("ERROR"));
    EXPECT_EQ(prompts.asked()[1].icon, 5);
    EXPECT_EQ(state().EditorPath(), QString());
    EXPECT_TRUE(state().unsavedWork());
}

TEST_F(Saving, SaveAsAlwaysAsksAndTakesTheNewName)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    commands.opening().ofnen(FilePath(a));
    type(QStringLiteral(" changed"));
    const QString b = path(QStringLiteral("b.html"));
    ScriptedPrompts prompts({b});
    commands.saving().mnuSaveas_Click();
    EXPECT_EQ(readFile(b), QByteArray("a changed"));
    EXPECT_EQ(readFile(a), QByteArray("a")) << "the old file is left alone";
    EXPECT_EQ(state().EditorPath(), b);
}

TEST_F(Saving, AFileOpenedThroughALinkIsSavedThroughIt)
{
    const QString target = file(QStringLiteral("target.html"), "before");
    const QString link = path(QStringLiteral("link.html"));
    ASSERT_TRUE(QFile::link(target, link));
    commands.opening().ofnen(FilePath(link));
    type(QStringLiteral(" after"));
    EXPECT_EQ(saveEverything(), SaveOutcome::Done);
    EXPECT_EQ(readFile(target), QByteArray("before after"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

// --- Documents -------------------------------------------------------------------------

TEST_F(Saving, SavingEverythingAsksFirstAndACancelWritesNothing)
{
    open({file(QStringLiteral("a.html"), "a"), file(QStringLiteral("b.html"), "b")});
    type(QStringLiteral(" typed"));
    ScriptedPrompts prompts({QStringLiteral("2")});
    commands.saving().mnuSave_Click();
    EXPECT_EQ(prompts.asked()[0].prompt, kProjectQuestion);
    EXPECT_EQ(prompts.asked()[0].wrap, 50);
    EXPECT_EQ(readFile(path(QStringLiteral("b.html"))), QByteArray("b"));
    EXPECT_EQ(item(1).Changed, -1);
}

TEST_F(Saving, AnswerSevenWritesOnlyChangedOrUnsavedTextDocuments)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    const QString picture = file(QStringLiteral("p.gif"), QByteArray("GIF\0\x01", 5));
    open({a, picture, b});
    commands.saving().mnunewF_Click(2);
    type(QStringLiteral("new"));
    commands.tree().TV_NodeClick(node(2));
    type(QStringLiteral(" typed"));
    // Another window of the program saves a.html meanwhile.
    writeFile(a, "saved elsewhere");

    const QString chosen = path(QStringLiteral("new.txt"));
    ScriptedPrompts prompts({QStringLiteral("7"), chosen});
    EXPECT_EQ(saveEverything(), SaveOutcome::Done);
    EXPECT_EQ(readFile(a), QByteArray("saved elsewhere")) << "an unchanged file is not rewritten";
    EXPECT_EQ(readFile(b), QByteArray("b typed"));
    EXPECT_EQ(readFile(picture), QByteArray("GIF\0\x01", 5));
    EXPECT_EQ(prompts.asked()[1].proposedName, QStringLiteral("nosaved3.TXT"));
    EXPECT_EQ(readFile(chosen), QByteArray("new"));
    EXPECT_EQ(item(3).filepath, chosen);
    EXPECT_EQ(item(3).FileTitle, QStringLiteral("new.txt"));
    EXPECT_EQ(node(3)->text(0), QStringLiteral("new.txt")) << "the tree shows the new name";
    EXPECT_FALSE(anyDocumentChanged(state().Docs()));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Saving, AnswerSevenReportsFailuresAndKeepsThoseDocumentsChanged)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    open({a, b});
    state().takeFile(1, FilePath(unwritable(QStringLiteral("b.html"))));
    type(QStringLiteral(" typed"));
    commands.tree().TV_NodeClick(node(0));
    type(QStringLiteral(" also"));

    ScriptedPrompts prompts({QStringLiteral("7"), QStringLiteral("6")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Failed);
    EXPECT_EQ(prompts.asked()[1].prompt,
              kWriteFailed + QStringLiteral("\r\n\r\nver Caiwera 1 faili."));
    EXPECT_EQ(readFile(a), QByteArray("a also"));
    EXPECT_EQ(item(0).Changed, 0);
    EXPECT_EQ(item(1).Changed, -1);
}

TEST_F(Saving, ACancelledDialogInAnswerSevenSavesTheRestAndSaysSo)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    commands.opening().ofnen(FilePath(a));
    commands.saving().mnunewF_Click(2);
    commands.tree().TV_NodeClick(node(0));
    type(QStringLiteral("!"));
    ScriptedPrompts prompts({QStringLiteral("7"), QString()});
    EXPECT_EQ(saveEverything(), SaveOutcome::Cancelled);
    EXPECT_EQ(readFile(a), QByteArray("a!"));
    EXPECT_EQ(item(1).saved, 0);
}

TEST_F(Saving, SaveAsOfADocumentKeepsItCurrentUnderItsNewFile)
{
    open({file(QStringLiteral("a.html"), "a"), file(QStringLiteral("b.html"), "b")});
    type(QStringLiteral(" typed"));
    const QString c = path(QStringLiteral("c.css"));
    ScriptedPrompts prompts({c});
    commands.saving().mnuSaveas_Click();
    EXPECT_EQ(prompts.asked()[0].proposedName, QString());
    EXPECT_EQ(readFile(c), QByteArray("b typed"));
    EXPECT_EQ(readFile(path(QStringLiteral("b.html"))), QByteArray("b"));
    EXPECT_EQ(state().DocIndex(), 1);
    EXPECT_EQ(item(1).filepath, c);
    EXPECT_EQ(item(1).Changed, 0);
    EXPECT_EQ(OpenFilesTreeView::imageOf(node(1)), 29) << "the tree shows it as a style sheet";
    EXPECT_TRUE(rulesHold());
}

TEST_F(Saving, OneDocumentToAGivenFileIsNeverAPictures)
{
    const QString picture = file(QStringLiteral("p.gif"), QByteArray("GIF\0", 4));
    open({file(QStringLiteral("a.html"), "a"), picture});
    EXPECT_EQ(commands.saving().SaveDocuments(FilePath(picture), 1), SaveOutcome::Done);
    EXPECT_EQ(readFile(picture), QByteArray("GIF\0", 4));
    EXPECT_EQ(commands.saving().SaveDocuments(FilePath(), 1), SaveOutcome::Done)
        << "no dialog is shown";
}

TEST_F(Saving, TheCollectionStateWithNothingOpenHasNothingToSave)
{
    commands.opening().ofnen(FilePath(file(QStringLiteral("p.gif"), "GIF")));
    ScriptedPrompts prompts({QStringLiteral("7")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Done);
    commands.saving().mnuSaveas_Click();
    EXPECT_EQ(prompts.asked().size(), 1) << "only the project question, for the listed picture";
}

// --- One file, one document ------------------------------------------------------------

TEST_F(Saving, AFileIsOpenedOnceHoweverItsPathIsWritten)
{
    const QString page = file(QStringLiteral("a.html"), "orig");
    const QString other = file(QStringLiteral("b.html"), "b");
    open({page, other});
    open({folders.root() + QStringLiteral("/./a.html")});
    EXPECT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(state().DocIndex(), 0);
}

TEST_F(Saving, TwoDocumentsOfOneFileAreNeverBothWrittenAsSaved)
{
    const QString page = file(QStringLiteral("a.html"), "orig");
    const QString second = file(QStringLiteral("b.html"), "b");
    open({page});
    type(QStringLiteral("-ONE"));
    open({second});
    type(QStringLiteral("-TWO"));
    // Another program makes the second file a link to the first: one file, two documents.
    ASSERT_TRUE(QFile::remove(second));
    ASSERT_TRUE(QFile::link(page, second));

    ScriptedPrompts prompts({QStringLiteral("7"), QStringLiteral("6")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Failed);
    EXPECT_EQ(readFile(page), QByteArray("orig")) << "neither overwrites the other";
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(item(1).Changed, -1);
    EXPECT_TRUE(state().unsavedWork()) << "the close still asks";

    // Nor can Save As give one document another's file.
    const QString other = file(QStringLiteral("c.html"), "c");
    open({other});
    prompts.answer(page);
    prompts.answer(QStringLiteral("6"));
    EXPECT_EQ(commands.saving().SaveDocuments(FilePath(), state().DocIndex()), SaveOutcome::Failed);
    EXPECT_EQ(prompts.asked().last().prompt,
              QStringLiteral("es faili sxva dokumentSic aris gaxsnili da ar Caiwera."));
    EXPECT_EQ(readFile(page), QByteArray("orig"));
}
