#include "support/commandsfixture.h"

#include "conversions/codetables.h"
#include "platform/bytetext.h"

#include <QDir>

namespace {

const QString kNoAnswer; // a cancelled dialog

class Opening : public Commands
{
protected:
    static void SetUpTestSuite() { openkodlist(); }
};

} // namespace

// --- ofnen -----------------------------------------------------------------------------

TEST_F(Opening, TheFirstTextFileGoesIntoTheSingleFileState)
{
    const QString a = file(QStringLiteral("a.html"), "one\r\ntwo");
    commands.opening().ofnen(FilePath(a));
    EXPECT_EQ(state().DocsMode(), 0);
    EXPECT_EQ(state().EditorPath(), a);
    EXPECT_EQ(editorText(), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(state().EditorChanged(), 0);
    EXPECT_EQ(window.caption, QString()) << "ofnen leaves the caption";
    EXPECT_EQ(window.treePageShown, 0);
    EXPECT_TRUE(rulesHold());

    commands.opening().ofnen(FilePath(a));
    EXPECT_EQ(window.treePageShown, 1) << "the same file again only shows the tree";
    EXPECT_EQ(state().DocsMode(), 0);
}

TEST_F(Opening, ASecondFileMakesTheFirstADocument)
{
    const QString a = file(QStringLiteral("a.html"), "first");
    const QString b = file(QStringLiteral("b.css"), "second\nline");
    open({a, b});
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(item(0).filepath, a);
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("a.html"));
    EXPECT_EQ(item(0).Changed, 0);
    EXPECT_EQ(item(1).FileTitle, QStringLiteral("b.css"));
    EXPECT_EQ(item(1).Changed, 0) << "ofnen marks nothing changed";
    EXPECT_EQ(item(1).Value, QStringLiteral("second\r\nline"));
    EXPECT_EQ(state().DocIndex(), 1);
    EXPECT_EQ(editorText(), QStringLiteral("second\r\nline"));
    EXPECT_EQ(window.TV->currentItem(), node(1));
    EXPECT_EQ(window.treePageShown, 1);
    EXPECT_EQ(state().Docs().WEBChanged(), -1);
    EXPECT_TRUE(rulesHold());

    commands.opening().ofnen(FilePath(a));
    EXPECT_EQ(state().Docs().Count(), 2) << "an open file is shown, not opened again";
    EXPECT_EQ(state().DocIndex(), 0);
    EXPECT_EQ(editorText(), QStringLiteral("first"));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, UnnamedTextIsKeptWhenAFileOpens)
{
    type(QStringLiteral("typed"));
    window.ctrl = true;
    commands.opening().ofnen(FilePath(file(QStringLiteral("a.txt"), "file")));
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("Notsaved0.HTML"));
    EXPECT_EQ(item(0).Value, QStringLiteral("typed"));
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(window.treePageShown, 0) << "with Ctrl held the side panel keeps its page";
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, OpeningTheSameFileUnderAnotherLetterCaseOpensItAgain)
{
    const QString lower = file(QStringLiteral("page.html"), "lower");
    const QString upper = file(QStringLiteral("PAGE.html"), "upper");
    open({lower, upper, lower});
    EXPECT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(state().DocIndex(), 0);
}

TEST_F(Opening, MediaFilesAreListedWithoutTextAndNeverHoldTypedText)
{
    type(QStringLiteral("typed"));
    const QString picture = file(QStringLiteral("p.jpg"), QByteArray("\xFF\xD8\0\0", 4));
    commands.opening().ofnen(FilePath(picture));
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(item(0).Value, QStringLiteral("typed")) << "the typed text is a document of its own";
    EXPECT_EQ(state().DocIndex(), 0);
    EXPECT_EQ(item(1).NoText, -1);
    EXPECT_EQ(item(1).Value, QStringLiteral("<XXX>"));
    EXPECT_EQ(item(1).saved, -1);
    EXPECT_EQ(window.pictures, QStringList(picture));
    type(QStringLiteral(" more"));
    EXPECT_EQ(item(1).Changed, 0);
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_TRUE(rulesHold());

    const QString sound = file(QStringLiteral("s.wav"), "RIFF");
    commands.opening().ofnen(FilePath(sound));
    EXPECT_EQ(shell.requests, QStringList(QStringLiteral("open ") + sound));
    commands.opening().ofnen(FilePath(file(QStringLiteral("a.zip"), "PK")));
    EXPECT_EQ(state().Docs().Count(), 4);
    EXPECT_EQ(shell.requests.size(), 1) << "other files are only listed";
    EXPECT_EQ(editorText(), QStringLiteral("typed more"));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, AMediaFileIntoAnEmptyEditorLeavesNoCurrentDocument)
{
    QDir().mkpath(path(QStringLiteral("x.d")));
    commands.opening().ofnen(FilePath(file(QStringLiteral("x.d/file"), "data")));
    EXPECT_EQ(state().DocsMode(), -1);
    EXPECT_EQ(state().DocIndex(), -1);
    ASSERT_EQ(state().Docs().Count(), 1);
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("file")) << "a dot in a folder gives no kind";
    EXPECT_EQ(item(0).NoText, -1);
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, MissingAndBinaryFilesAreRefusedAndChangeNothing)
{
    type(QStringLiteral("kept"));
    ScriptedPrompts prompts({QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("6")});
    commands.opening().ofnen(FilePath(path(QStringLiteral("missing.html"))));
    commands.opening().ofnen(FilePath(path(QStringLiteral("missing.gif"))));
    commands.opening().ofnen(
        FilePath(file(QStringLiteral("binary.html"), QByteArray("<html>\0", 7))));
    ASSERT_EQ(prompts.asked().size(), 3);
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("faili ver moiZebna."));
    EXPECT_EQ(prompts.asked()[0].icon, 2);
    EXPECT_EQ(prompts.asked()[1].prompt, QStringLiteral("faili ver moiZebna."));
    EXPECT_EQ(prompts.asked()[2].prompt,
              QStringLiteral("es faili teqsti ar aris da redaqtorSi ver gaixsneba."));
    EXPECT_EQ(state().DocsMode(), 0);
    EXPECT_EQ(editorText(), QStringLiteral("kept"));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, MissingAndBinaryFilesLeaveOpenDocumentsAsTheyAre)
{
    open({file(QStringLiteral("a.html"), "a"), file(QStringLiteral("b.html"), "b")});
    type(QStringLiteral(" typed"));
    ScriptedPrompts prompts({QStringLiteral("6"), QStringLiteral("6")});
    commands.opening().ofnen(FilePath(path(QStringLiteral("missing.txt"))));
    commands.opening().ofnen(FilePath(file(QStringLiteral("c.txt"), QByteArray("a\0b", 3))));
    EXPECT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(state().DocIndex(), 1);
    EXPECT_EQ(editorText(), QStringLiteral("b typed"));
    EXPECT_TRUE(rulesHold());
}

// --- The Open command ------------------------------------------------------------------

TEST_F(Opening, TheOpenCommandsCancelChangesNothing)
{
    ScriptedPrompts prompts({kNoAnswer});
    commands.opening().Cadd_Click();
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].kind, QStringLiteral("open"));
    EXPECT_EQ(prompts.asked()[0].filter,
              QStringLiteral("All Files(*.*)|*.*|HTML-HTM(*.html,*.htm)|*.html;*.htm|"
                             "Text(*.txt)|*.txt|WEB Proect|*.WEB"));
    EXPECT_EQ(state().DocsMode(), 0);
    EXPECT_FALSE(saveAsEnabled());
}

TEST_F(Opening, TheOpenCommandLoadsAndThenAddsAnUnchangedDocument)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    ScriptedPrompts prompts({a, b});
    commands.opening().mnuOpen_Click();
    EXPECT_EQ(window.caption, QStringLiteral("Kelmora [") + a + QLatin1Char(']'));
    EXPECT_EQ(state().EditorPath(), a);
    EXPECT_TRUE(saveAsEnabled());
    type(QStringLiteral("!"));
    commands.opening().mnuOpen_Click();
    EXPECT_EQ(window.caption, QStringLiteral("Kelmora"));
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(item(0).Value, QStringLiteral("a!"));
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(item(1).Changed, 0) << "read from disk, not edited";
    EXPECT_EQ(state().DocIndex(), 1);
    EXPECT_TRUE(saveEnabled());
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, ReopeningTheSingleFileAsksAndReloadsFromDisk)
{
    const QString a = file(QStringLiteral("a.html"), "on disk");
    commands.opening().ofnen(FilePath(a));
    type(QStringLiteral(" typed"));
    writeFile(a, "changed on disk");
    ScriptedPrompts prompts({a, QStringLiteral("7"), a, QStringLiteral("6")});
    commands.opening().mnuOpen_Click();
    EXPECT_EQ(editorText(), QStringLiteral("on disk typed")) << "no: nothing happens";
    commands.opening().mnuOpen_Click();
    EXPECT_EQ(prompts.asked()[1].prompt,
              QStringLiteral("es faili ukve gaxsnilia.\r\ngindaT misi axlidan gaxsna?"));
    EXPECT_EQ(prompts.asked()[1].title, QStringLiteral("Open"));
    EXPECT_EQ(editorText(), QStringLiteral("changed on disk"));
    EXPECT_EQ(state().EditorChanged(), 0);
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, AnOpenDocumentCanOpenInASecondWindow)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    open({a, file(QStringLiteral("b.html"), "b")});
    ScriptedPrompts prompts({a, QStringLiteral("6")});
    commands.opening().mnuOpen_Click();
    EXPECT_EQ(prompts.asked()[1].title, QStringLiteral("File Open"));
    EXPECT_EQ(prompts.asked()[1].buttons, 2);
    EXPECT_EQ(shell.requests, QStringList(QStringLiteral("start ") + a));
    EXPECT_EQ(state().Docs().Count(), 2);
}

TEST_F(Opening, TheOpenCommandListsPicturesWithoutPreviewAndRefusesBinaryText)
{
    type(QStringLiteral("typed"));
    const QString picture = file(QStringLiteral("p.png"), QByteArray("\x89PNG\0", 5));
    const QString jpeg = file(QStringLiteral("photo.jpeg"), QByteArray("\xFF\xD8\0", 3));
    ScriptedPrompts prompts({picture, jpeg, QStringLiteral("6")});
    commands.opening().mnuOpen_Click();
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("nosaved0.HTML"));
    EXPECT_EQ(item(1).NoText, -1);
    EXPECT_TRUE(window.pictures.isEmpty());
    commands.opening().mnuOpen_Click();
    EXPECT_EQ(prompts.asked()[2].prompt,
              QStringLiteral("es faili teqsti ar aris da redaqtorSi ver gaixsneba."));
    EXPECT_EQ(state().Docs().Count(), 2);
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, AProjectChosenInTheOpenDialogOpensInPlaceOfWhatIsOpen)
{
    writeFile(path(QStringLiteral("a.html")), "a");
    const QString project = file(QStringLiteral("site.WEB"), "a.html\r\nSTOPF=a.html");
    open({file(QStringLiteral("x.html"), "x"), file(QStringLiteral("y.html"), "y")});
    type(QStringLiteral(" typed"));
    ScriptedPrompts prompts({project, QStringLiteral("2")});
    commands.opening().mnuOpen_Click();
    EXPECT_EQ(prompts.asked()[1].title, QStringLiteral("NEW WEB"));
    EXPECT_EQ(editorText(), QStringLiteral("y typed")) << "cancelled: nothing dropped";

    prompts.answer(project);
    prompts.answer(QStringLiteral("7"));
    commands.opening().mnuOpen_Click();
    ASSERT_EQ(state().Docs().Count(), 1);
    EXPECT_EQ(item(0).FileTitle, QStringLiteral("a.html"));
    EXPECT_EQ(state().Docs().WEBopened(), -1);
    EXPECT_TRUE(rulesHold());
}

// --- Start-up --------------------------------------------------------------------------

TEST_F(Opening, TheStartUpEntryOpensOnePathOrAList)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    commands.opening().comandopen(a, QString());
    EXPECT_EQ(state().EditorPath(), a);
    EXPECT_EQ(window.caption, QStringLiteral("Kelmora [") + a + QLatin1Char(']'));
    EXPECT_TRUE(saveAsEnabled());

    commands.saving().closeAll();
    const QString one = file(QStringLiteral("1.html"), "1");
    const QString two = file(QStringLiteral("2 two.txt"), "2");
    const QString three = file(QStringLiteral("3.css"), "3");
    commands.opening().comandopen(QStringLiteral("SIA"), one + QStringLiteral("\" \"") + two +
                                                             QStringLiteral("\" \"") + three);
    ASSERT_EQ(state().Docs().Count(), 3);
    EXPECT_EQ(item(0).filepath, one);
    EXPECT_EQ(item(1).filepath, two);
    EXPECT_EQ(item(2).filepath, three);
    EXPECT_EQ(state().DocIndex(), 2);
    EXPECT_EQ(editorText(), QStringLiteral("3"));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, AMissingStartUpFileIsSaidAndChangesNothing)
{
    ScriptedPrompts prompts({QStringLiteral("6")});
    commands.opening().comandopen(path(QStringLiteral("gone.html")), QString());
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("faili ver moiZebna."));
    EXPECT_EQ(window.caption, QString());
    EXPECT_EQ(state().EditorPath(), QString());
}

// --- UTF-8 text ------------------------------------------------------------------------

TEST_F(Opening, UTF8TextKeepsItsEmptyLinesAndBecomesLatinKeys)
{
    // "ა", an empty line, "ბგ", after a byte-order mark, ending in a line break.
    const QString utf8 = file(QStringLiteral("u.txt"),
                              "\xEF\xBB\xBF\xE1\x83\x90\r\n\r\n\xE1\x83\x91\xE1\x83\x92 x\n");
    ScriptedPrompts prompts({utf8});
    commands.opening().mnuUnopen_Click();
    EXPECT_EQ(prompts.asked()[0].filter, QStringLiteral("Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*"));
    EXPECT_EQ(editorText(), QStringLiteral("a\r\n\r\nbg x"));
    EXPECT_EQ(state().EditorPath(), QString()) << "the decoded text is not the UTF-8 file";
    EXPECT_EQ(window.caption, QStringLiteral("Kelmora [") + utf8 + QLatin1Char(']'));
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, UTF8TextBecomesANewDocumentBesideOpenOnes)
{
    open({file(QStringLiteral("a.html"), "a"), file(QStringLiteral("b.html"), "b")});
    type(QStringLiteral(" typed"));
    ScriptedPrompts prompts({file(QStringLiteral("u.txt"), "\xE1\x83\x93")});
    commands.opening().mnuUnopen_Click();
    ASSERT_EQ(state().Docs().Count(), 3);
    EXPECT_EQ(item(1).Value, QStringLiteral("b typed")) << "the current document kept its text";
    EXPECT_EQ(item(2).Value, QStringLiteral("d"));
    EXPECT_EQ(state().DocIndex(), 2);
    EXPECT_TRUE(rulesHold());
}

TEST_F(Opening, AFileTooLargeToEditIsRefusedAndChangesNothing)
{
    QFile huge(path(QStringLiteral("huge.html")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(kLargestTextFile + 1)); // sparse: no time or disk spent
    huge.close();
    type(QStringLiteral("kept"));
    ScriptedPrompts prompts({QStringLiteral("6")});
    commands.opening().ofnen(FilePath(huge.fileName()));
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].prompt,
              QStringLiteral("faili Zalian didia da redaqtorSi ver gaixsneba."));
    EXPECT_EQ(editorText(), QStringLiteral("kept"));
    EXPECT_EQ(state().Docs().Count(), 0);
}
