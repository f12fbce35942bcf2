// Web projects through the document commands: opening a project in place of what is open,
// saving it in each of its branches, and making one of the open documents.

#include "support/commandsfixture.h"

#include "documents/recentfiles.h"
#include "projects/projectcommands.h"

#include <QDir>

namespace {

const QString kWriteFailed =
    QStringLiteral("racxa ver moxda Cawera.\r\nSeamowme sad iwer da ras iwer!");
const QString kSaveQuestion = QStringLiteral("siaSi axali failebia Setanili romlebic\r\n"
                                             "araa proeqtTan dakavSirebuli.\r\n\r\n"
                                             "gindaT maTi proeqtSi Setana?");

class Projects : public Commands
{
protected:
    Projects() { QDir().mkpath(site()); }

    QString site(const QString& name = QString()) const
    {
        return path(QStringLiteral("site/") + name);
    }
    QString siteFile(const QString& name, const QByteArray& content)
    {
        writeFile(site(name), content);
        return site(name);
    }
    QString listFile(const QByteArray& list) { return siteFile(QStringLiteral("site.WEB"), list); }
    bool openProject(const QString& list) { return projects.openProject(list); }
    SaveOutcome saveEverything() { return commands.saving().SaveDocuments(FilePath(), -1); }
    // Types into document index.
    void typeInto(qint16 index, const QString& text)
    {
        commands.tree().showDocument(index);
        type(text);
    }
    QStringList titles()
    {
        QStringList list;
        for (qint16 i = 0; i < state().Docs().Count(); ++i)
            list << item(i).FileTitle;
        return list;
    }
};

} // namespace

// --- Opening ---------------------------------------------------------------------------

TEST_F(Projects, OpeningReadsEveryFileInsideTheFolderAndNamesTheMissingOnes)
{
    siteFile(QStringLiteral("a.html"), "line\nA");
    siteFile(QStringLiteral("b.html"), "moved out of sub");
    siteFile(QStringLiteral("outside.html"), "the inside one");
    siteFile(QStringLiteral("pic.gif"), QByteArray("GIF\0", 4));
    const QString outside = file(QStringLiteral("outside.html"), "not in the project");
    const QString list = listFile("a.html\r\nsub\\b.html\r\n..\\outside.html\r\npic.gif\r\n  \r\n"
                                  "gone.html\r\nSTOPF=a.html\r\nafter.html\r\n");
    ScriptedPrompts prompts;
    ASSERT_TRUE(openProject(list));

    // Title, file, without text: a moved file keeps the title naming its subfolder and is
    // read where it is; an entry leading out of the folder is read as its bare name inside.
    const std::tuple<const char*, QString, qint16> expected[] = {
        {"a.html", site(QStringLiteral("a.html")), 0},
        {"sub\\b.html", site(QStringLiteral("b.html")), 0},
        {"outside.html", site(QStringLiteral("outside.html")), 0},
        {"pic.gif", site(QStringLiteral("pic.gif")), -1}};
    ASSERT_EQ(state().Docs().Count(), 4);
    for (qint16 i = 0; i < 4; ++i) {
        const auto& [title, file, noText] = expected[i];
        EXPECT_EQ(item(i).FileTitle, QLatin1String(title));
        EXPECT_EQ(item(i).filepath, file);
        EXPECT_EQ(item(i).NoText, noText);
        EXPECT_EQ(item(i).Changed, 0);
        EXPECT_EQ(item(i).saved, -1);
        EXPECT_EQ(item(i).IsInWEB, -1);
        EXPECT_EQ(item(i).PinListi, -1);
    }
    EXPECT_EQ(item(2).Value, QStringLiteral("the inside one"));
    EXPECT_EQ(state().Docs().WEBopened(), -1);
    EXPECT_EQ(state().Docs().WEBpath(), site());
    EXPECT_EQ(state().Docs().WEBtitle(), QStringLiteral("site.WEB"));
    EXPECT_EQ(state().Docs().WEBChanged(), -1) << "the list no longer says where its files are";
    EXPECT_EQ(state().DocIndex(), 0);
    EXPECT_EQ(editorText(), QStringLiteral("line\r\nA"));
    EXPECT_EQ(window.TV->currentItem(), node(0));
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].kind, QStringLiteral("platform"));
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("File not found.\r\n\r\n") +
                                             site(QStringLiteral("gone.html")) +
                                             QStringLiteral("\r\n"));
    EXPECT_EQ(prompts.asked()[0].title, QStringLiteral("Kelmora"));
    EXPECT_EQ(readRecentFiles()->value(0), list);

    commands.tree().showDocument(1);
    commands.tree().showDocument(0);
    EXPECT_EQ(item(0).Changed, 0) << "line ends the editor makes are no change";
    EXPECT_EQ(readFile(outside), QByteArray("not in the project"));
}

TEST_F(Projects, TheStartPageIsTheNamedTextElseTheFirstTextElseNone)
{
    siteFile(QStringLiteral("a.html"), "A");
    siteFile(QStringLiteral("pic.gif"), "GIF");
    const std::tuple<QByteArray, qint16, const char*> cases[] = {
        {"pic.gif\r\na.html\r\nSTOPF=a.html", 1, "A"},
        {"pic.gif\r\na.html\r\nSTOPF=pic.gif", 1, "A"},
        {"a.html\r\nSTOPF=nothing.html", 0, "A"},
        {"pic.gif\r\nSTOPF=pic.gif", -1, ""}};
    for (const auto& [list, shown, text] : cases) {
        ASSERT_TRUE(openProject(listFile(list))) << list.constData();
        EXPECT_EQ(state().DocIndex(), shown) << list.constData();
        EXPECT_EQ(editorText(), QLatin1String(text)) << list.constData();
        EXPECT_TRUE(rulesHold()) << list.constData();
    }
}

TEST_F(Projects, WhatCannotBeOpenedChangesNothingAndIsSaid)
{
    siteFile(QStringLiteral("a.html"), "A");
    QDir().mkpath(site(QStringLiteral("folder.html")));
    open({file(QStringLiteral("x.html"), "x"), file(QStringLiteral("y.html"), "y")});
    ScriptedPrompts prompts({QStringLiteral("6")});
    EXPECT_FALSE(openProject(site(QStringLiteral("missing.WEB"))));
    EXPECT_FALSE(openProject(listFile("gone.html\r\nSTOPF=gone.html")));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("x.html"), QStringLiteral("y.html")}));
    EXPECT_EQ(state().Docs().WEBopened(), 0);
    ASSERT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("faili ver moiZebna."));
    EXPECT_EQ(prompts.asked()[1].prompt, QStringLiteral("File not found.\r\n\r\n") +
                                             site(QStringLiteral("gone.html")) +
                                             QStringLiteral("\r\n"));

    // Old documents never join the project opened in their place.
    ASSERT_TRUE(openProject(listFile("a.html\r\nfolder.html\r\nSTOPF=a.html")));
    EXPECT_EQ(titles(), QStringList(QStringLiteral("a.html")));
    EXPECT_EQ(prompts.asked().last().prompt, QStringLiteral("File could not be read.\r\n\r\n") +
                                                 site(QStringLiteral("folder.html")) +
                                                 QStringLiteral("\r\n"));
}

TEST_F(Projects, UnsavedWorkIsAskedAboutAndKeptUnlessTheUserSaysOtherwise)
{
    siteFile(QStringLiteral("a.html"), "A");
    const QString list = listFile("a.html\r\nSTOPF=a.html");
    const QString kept = path(QStringLiteral("kept.html"));
    // The answer, then the save dialog's; whether the project opens; what the file holds.
    const std::tuple<const char*, const char*, bool, QByteArray> cases[] = {
        {"2", nullptr, false, {}},
        {"6", "", false, {}}, // the save dialog cancelled: nothing is dropped
        {"7", nullptr, true, {}},
        {"6", "kept", true, "unsaved"}};
    for (const auto& [answer, dialog, opens, written] : cases) {
        commands.saving().closeAll();
        type(QStringLiteral("unsaved"));
        ScriptedPrompts prompts({QLatin1String(answer)});
        if (dialog)
            prompts.answer(*dialog ? kept : QString());
        EXPECT_EQ(openProject(list), opens) << answer;
        EXPECT_EQ(prompts.asked()[0].prompt,
                  QStringLiteral("ginaT gaxsnil failebSi cvlilebis damaxsovreba?"));
        EXPECT_EQ(prompts.asked()[0].title, QStringLiteral("NEW WEB"));
        EXPECT_EQ(prompts.asked()[0].buttons, 3);
        EXPECT_EQ(editorText(), opens ? QStringLiteral("A") : QStringLiteral("unsaved")) << answer;
        EXPECT_EQ(readFile(kept), written) << answer;
        EXPECT_TRUE(rulesHold()) << answer;
    }
}

// --- Saving an open project ------------------------------------------------------------

TEST_F(Projects, SavingWritesWhatChangedAndTheSortedList)
{
    siteFile(QStringLiteral("b.css"), "b");
    siteFile(QStringLiteral("a.html"), "a");
    const QString list = listFile("b.css\r\na.html\r\nSTOPF=a.html");
    ASSERT_TRUE(openProject(list));
    typeInto(0, QStringLiteral("!"));
    state().markProjectListChanged();
    ScriptedPrompts prompts;
    EXPECT_EQ(saveEverything(), SaveOutcome::Done);
    EXPECT_TRUE(prompts.asked().isEmpty()) << "every document is in the project";
    EXPECT_EQ(readFile(site(QStringLiteral("b.css"))), QByteArray("b!"));
    EXPECT_EQ(readFile(list), QByteArray("a.html\r\nb.css\r\nSTOPF=b.css\r\n"));
    EXPECT_EQ(item(0).Changed, 0);
    EXPECT_EQ(state().Docs().WEBChanged(), 0);
}

TEST_F(Projects, NewDocumentsJoinInTheProjectFolderAndOpenFromThereAgain)
{
    siteFile(QStringLiteral("a.html"), "a");
    const QString list = listFile("a.html\r\nSTOPF=a.html");
    ASSERT_TRUE(openProject(list));
    const QString outside = file(QStringLiteral("x.html"), "x");
    commands.opening().ofnen(FilePath(outside)); // unchanged: joining writes it all the same
    commands.saving().mnunewF_Click(2);
    type(QStringLiteral("new"));
    open({file(QStringLiteral("a.html"), "another a")});
    // Yes; x.html and the other a.html; the new document's save dialog left; the refusal.
    ScriptedPrompts prompts(
        {QStringLiteral("6"), QStringLiteral("x.html\r\na.html"), QString(), QStringLiteral("6")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Cancelled);
    EXPECT_EQ(prompts.asked()[0].prompt, kSaveQuestion);
    EXPECT_EQ(prompts.asked()[1].items,
              QStringList({QStringLiteral("x.html"), QStringLiteral("nosaved2.TXT"),
                           QStringLiteral("a.html")}));
    EXPECT_EQ(prompts.asked()[1].title, QStringLiteral("New Files"));
    EXPECT_EQ(prompts.asked()[2].kind, QStringLiteral("save"));
    EXPECT_EQ(prompts.asked()[3].prompt,
              QStringLiteral("es failebi proeqtSi ver Sevida:\r\n\r\n"
                             "a.html - am saxeliT faili proeqtSi ukve aris\r\n"));
    EXPECT_EQ(readFile(site(QStringLiteral("x.html"))), QByteArray("x"));
    EXPECT_EQ(item(1).filepath, site(QStringLiteral("x.html")));
    EXPECT_EQ(item(1).IsInWEB, -1);
    EXPECT_EQ(item(3).IsInWEB, 0) << "a title the project has is refused";
    EXPECT_EQ(readFile(site(QStringLiteral("a.html"))), QByteArray("a"));
    EXPECT_EQ(readFile(list), QByteArray("a.html\r\nx.html\r\nSTOPF=a.html"));
    EXPECT_EQ(state().Docs().WEBChanged(), 0);

    prompts.answer(QStringLiteral("7")); // the new document is given up
    ASSERT_TRUE(openProject(list));
    EXPECT_EQ(titles(), QStringList({QStringLiteral("a.html"), QStringLiteral("x.html")}));
    EXPECT_EQ(item(1).filepath, site(QStringLiteral("x.html")));
    EXPECT_EQ(state().Docs().WEBChanged(), 0) << "the list finds every file where it says";
}

TEST_F(Projects, TheSaveQuestionsSecondAndThirdAnswers)
{
    siteFile(QStringLiteral("a.html"), "a");
    const QString list = listFile("a.html\r\nSTOPF=a.html");
    ASSERT_TRUE(openProject(list));
    state().markProjectListChanged();
    const QString outside = file(QStringLiteral("x.html"), "x");
    commands.opening().ofnen(FilePath(outside));
    type(QStringLiteral("!"));
    typeInto(0, QStringLiteral("?"));

    ScriptedPrompts prompts({QStringLiteral("2")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Cancelled);
    EXPECT_EQ(readFile(outside), QByteArray("x"));
    EXPECT_EQ(readFile(site(QStringLiteral("a.html"))), QByteArray("a"));

    prompts.answer(QStringLiteral("7"));
    EXPECT_EQ(saveEverything(), SaveOutcome::Done);
    EXPECT_EQ(readFile(outside), QByteArray("x!"));
    EXPECT_EQ(readFile(site(QStringLiteral("a.html"))), QByteArray("a?"));
    EXPECT_EQ(readFile(list), QByteArray("a.html\r\nSTOPF=a.html")) << "the list stays";
    EXPECT_EQ(state().Docs().WEBChanged(), -1) << "and so does its changed mark";
    EXPECT_EQ(item(1).IsInWEB, 0);
}

TEST_F(Projects, AFailedWriteKeepsTheDocumentChangedAndIsTold)
{
    QDir().mkpath(site(QStringLiteral("sub")));
    siteFile(QStringLiteral("sub/page.html"), "page");
    const QString list = listFile("sub\\page.html\r\nSTOPF=sub\\page.html");
    ASSERT_TRUE(openProject(list));
    type(QStringLiteral("!"));
    // The folder goes and a file takes its name: the page cannot be written back.
    QDir(site(QStringLiteral("sub"))).removeRecursively();
    siteFile(QStringLiteral("sub"), "a file");
    ScriptedPrompts prompts({QStringLiteral("6")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Failed);
    EXPECT_EQ(prompts.asked()[0].prompt,
              kWriteFailed + QStringLiteral("\r\n\r\nver Caiwera 1 faili."));
    EXPECT_EQ(item(0).Changed, -1);
    EXPECT_EQ(readFile(list), QByteArray("sub\\page.html\r\nSTOPF=sub\\page.html\r\n"));
}

// --- A project made of the open documents -----------------------------------------------

TEST_F(Projects, CreatingAProjectWritesTheChosenDocumentsIntoItsFolder)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString picture = file(QStringLiteral("p.gif"), "GIF");
    open({a, picture});
    commands.saving().mnunewF_Click(0);
    type(QStringLiteral("new"));
    shell.folderAnswer = site();
    siteFile(QStringLiteral("site.WEB"), "old list");
    const QStringList answers = {QStringLiteral("6"), QStringLiteral("site"),
                                 QStringLiteral("a.html\r\np.gif\r\nnosaved2.HTML")};

    // The list there would be replaced: "no" writes nothing.
    ScriptedPrompts refused(answers + QStringList{QStringLiteral("7")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Cancelled);
    EXPECT_EQ(readFile(site(QStringLiteral("site.WEB"))), QByteArray("old list"));
    EXPECT_FALSE(QFileInfo::exists(site(QStringLiteral("a.html"))));
    EXPECT_EQ(state().Docs().WEBopened(), 0);
    EXPECT_EQ(item(0).IsInWEB, 0);

    ScriptedPrompts prompts(answers + QStringList{QStringLiteral("6")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Done);
    EXPECT_EQ(prompts.asked()[1].title, QStringLiteral("New WEB"));
    EXPECT_TRUE(prompts.asked()[3].prompt.contains(site(QStringLiteral("site.WEB"))));
    EXPECT_EQ(readFile(site(QStringLiteral("a.html"))), QByteArray("a"));
    EXPECT_EQ(readFile(site(QStringLiteral("p.gif"))), QByteArray("GIF"));
    const QByteArray page = readFile(site(QStringLiteral("nosaved2.HTML")));
    EXPECT_TRUE(page.startsWith("<!DOCTYPE") && page.endsWith("new")) << "the skeleton, typed on";
    EXPECT_EQ(readFile(site(QStringLiteral("site.WEB"))),
              QByteArray("a.html\r\np.gif\r\nnosaved2.HTML\r\nSTOPF=nosaved2.HTML"));
    EXPECT_EQ(readFile(a), QByteArray("a"));
    EXPECT_EQ(state().Docs().WEBopened(), -1);
    EXPECT_EQ(state().Docs().WEBpath(), site());
    for (qint16 i = 0; i < 3; ++i) {
        EXPECT_EQ(item(i).IsInWEB, -1);
        EXPECT_EQ(item(i).Changed, 0);
        EXPECT_EQ(item(i).filepath, site(item(i).FileTitle));
    }
    EXPECT_EQ(window.TV->currentItem(), node(2));
}

TEST_F(Projects, ACreationLeftAtAnyStepWritesNothing)
{
    open({file(QStringLiteral("a.html"), "a"), file(QStringLiteral("b.html"), "b")});
    type(QStringLiteral("!"));
    shell.folderAnswer = site();
    const QStringList steps[] = {
        {QStringLiteral("6"), QString()},
        {QStringLiteral("6"), QStringLiteral("si/te")},
        {QStringLiteral("6"), QStringLiteral("site"), QStringLiteral("7")},
    };
    for (const QStringList& answers : steps) {
        ScriptedPrompts prompts(answers);
        EXPECT_EQ(saveEverything(), SaveOutcome::Cancelled)
            << answers.join(QLatin1Char('|')).toStdString();
    }
    shell.folderAnswer.clear();
    ScriptedPrompts prompts(
        {QStringLiteral("6"), QStringLiteral("site"), QStringLiteral("a.html")});
    EXPECT_EQ(saveEverything(), SaveOutcome::Cancelled) << "no folder chosen";
    EXPECT_TRUE(QDir(site()).isEmpty());
    EXPECT_EQ(item(1).Changed, -1);
    EXPECT_EQ(state().Docs().WEBopened(), 0);
}
