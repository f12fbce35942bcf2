// The document commands in the main window: its menus, buttons and close sequence.

#include "app/frmh.h"

#include "core/progprops.h"
#include "documents/documentcommands.h"
#include "documents/opencommands.h"
#include "documents/opentreeview.h"
#include "documents/pageskeleton.h"
#include "documents/savecommands.h"
#include "documents/treecommands.h"
#include "menus/menuregistry.h"
#include "platform/editorcontrol.h"
#include "platform/settingsstore.h"
#include "projects/projectcommands.h"
#include "support/framecontrols.h"
#include "support/invariants.h"
#include "support/ownboxuser.h"
#include "support/recordingshell.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

class MainWindowDocuments : public testing::Test
{
protected:
    void SetUp() override
    {
        Props = ProgProps{};
        ThisRun = RunState{};
        window.showPlain();
        QApplication::processEvents();
    }
    void TearDown() override { Props = ProgProps{}; }

    QString file(const QString& name, const QByteArray& content)
    {
        const QString path = folders.root() + QLatin1Char('/') + name;
        writeFile(path, content);
        return path;
    }
    QAction* action(const char* name)
    {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    // A menu command, as the user chooses it.
    void run(const char* command) { window.registry().action(command)->trigger(); }
    void ofnen(const QString& path)
    {
        window.subsystems().documents->opening().ofnen(FilePath(path));
    }
    // The user types at the end of the editor's text.
    void type(const QString& text)
    {
        EditorControl* editor = frameOf(window).T1;
        editor->setSelStart(editor->TextLength());
        editor->setSelText(text);
    }
    // Selects a document's node in the tree, as a click on it does.
    void selectNode(qint16 index)
    {
        QTreeWidget* tree = frameOf(window).TV;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if (OpenFilesTreeView::tagOf(*it) == index)
                tree->setCurrentItem(*it);
        }
    }
    QString caption(const QString& path) const
    {
        return QStringLiteral("Kelmora [") + path + QLatin1Char(']');
    }
    const DocumentState& state() { return window.documents(); }

    TestFolders folders;
    FrmH window;
};

} // namespace

TEST_F(MainWindowDocuments, TheFileMenuHoldsTheDocumentCommands)
{
    for (const char* name :
         {"mnunewF0", "mnunewF2", "mnuOpen", "mnuUnopen", "mnuSave", "mnuSaveas"})
        EXPECT_NE(action(name), nullptr) << name;
    EXPECT_EQ(action("mnunewF0")->text(),
              shownMenuText(QStringLiteral("HTML ") + eightBitGeorgian("faili"),
                            DisplayMapKind::GeorgianIso));
    EXPECT_EQ(action("mnunewF0")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(action("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(action("mnuSaveas")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_FALSE(window.registry().action("mnuSave")->isEnabled()) << "nothing to save yet";
    EXPECT_EQ(action("mnuLVop3")->text(),
              shownMenuText(eightBitGeorgian("failis Cawera"), DisplayMapKind::GeorgianIso));

    frameOf(window).T1->setSelText(QStringLiteral("typed"));
    EXPECT_TRUE(window.registry().action("mnuSave")->isEnabled());
    EXPECT_EQ(window.documents().EditorChanged(), -1);
}

TEST_F(MainWindowDocuments, TheOpenAndCloseButtonsStayOffTheFilePage)
{
    EXPECT_TRUE(frameOf(window).Cadd->isVisible());
    frameOf(window).TAB1->setCurrentIndex(1);
    EXPECT_FALSE(frameOf(window).Cadd->isVisible());
    EXPECT_FALSE(frameOf(window).Cdel->isVisible());
    frameOf(window).TAB1->setCurrentIndex(0);
    EXPECT_TRUE(frameOf(window).Cdel->isVisible());

    ScriptedPrompts prompts({QString()});
    frameOf(window).Cadd->click();
    EXPECT_EQ(prompts.asked()[0].kind, QStringLiteral("open"));
}

TEST_F(MainWindowDocuments, AStartWithAFileShowsItAndRemembersItAtTheClose)
{
    Props.lastfile = kOn;
    const QString a = file(QStringLiteral("a.html"), "start");
    window.comandopen(a, QString());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelmora [") + a + QLatin1Char(']'));
    EXPECT_EQ(frameOf(window).T1->Text(), QStringLiteral("start"));
    EXPECT_EQ(window.documents().EditorChanged(), 0) << "loading is no edit";
    EXPECT_TRUE(window.close());
    EXPECT_EQ(SettingsStore::read(QStringLiteral("LastFile"), QStringLiteral("FN")), a);
}

TEST_F(MainWindowDocuments, OpeningASecondFileShowsTheTreeAndTheSidePanel)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    QTest::mouseClick(frameOf(window).lbWEBshov, Qt::LeftButton); // hides the side panel
    ASSERT_FALSE(frameOf(window).PWEB->isVisible());
    frameOf(window).TAB1->setCurrentIndex(1);
    window.subsystems().documents->opening().ofnen(FilePath(a));
    window.subsystems().documents->opening().ofnen(FilePath(b));
    EXPECT_TRUE(frameOf(window).PWEB->isVisible());
    EXPECT_EQ(frameOf(window).TAB1->currentIndex(), 0);
    EXPECT_EQ(frameOf(window).TV->topLevelItem(0)->childCount(), 2);
    EXPECT_TRUE(documentRulesHold(window.documents(), frameOf(window).T1->Text()));
}

TEST_F(MainWindowDocuments, ClosingSavesChangedDocumentsThenCloses)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    window.subsystems().documents->opening().ofnen(FilePath(a));
    window.subsystems().documents->opening().ofnen(FilePath(b));
    frameOf(window).T1->setSelText(QStringLiteral("new "));
    // Save? yes; a project of the files? no, save them one by one.
    ScriptedPrompts prompts({QStringLiteral("6"), QStringLiteral("7")});
    EXPECT_TRUE(window.close());
    EXPECT_EQ(readFile(b), QByteArray("new b"));
    EXPECT_EQ(readFile(a), QByteArray("a"));
    EXPECT_EQ(window.documents().Docs().Count(), 0);
}

TEST_F(MainWindowDocuments, AFailedSaveKeepsTheWindowAndEveryDocument)
{
    frameOf(window).T1->setSelText(QStringLiteral("typed"));
    writeFile(folders.root() + QStringLiteral("/blocker"), "file");
    ScriptedPrompts prompts({QStringLiteral("6"),
                             folders.root() + QStringLiteral("/blocker/a/b.html"),
                             QStringLiteral("6")});
    EXPECT_FALSE(window.close());
    EXPECT_EQ(frameOf(window).T1->Text(), QStringLiteral("typed"));
    EXPECT_EQ(window.documents().EditorChanged(), -1);
}

TEST_F(MainWindowDocuments, FtpUploadInTheExtrasMenuShowsTheUploadWindowModally)
{
    QAction* mnuftp = action("mnuftp");
    ASSERT_NE(mnuftp, nullptr);
    EXPECT_EQ(mnuftp->text(), QStringLiteral("FTP Upload"));
    EXPECT_TRUE(window.registry().menu("mnuExtras").actions().contains(mnuftp));

    QString shown;
    QTimer::singleShot(0, &window, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        shown = modal ? modal->windowTitle() : QString();
        if (modal)
            modal->close();
    });
    mnuftp->trigger();
    EXPECT_EQ(shown, QStringLiteral("FTP Upload"));
    EXPECT_FALSE(QFileInfo::exists(folders.path(QStringLiteral("FTP.ini"))))
        << "a window that stored no account writes no accounts file";
}

// --- One file, one document ------------------------------------------------------------

TEST_F(MainWindowDocuments, AFileIsOneDocumentHoweverItsPathIsWritten)
{
    ASSERT_TRUE(QDir(folders.root()).mkdir(QStringLiteral("sub")));
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString roundabout = folders.root() + QStringLiteral("/sub/../a.html");
    const QString link = folders.root() + QStringLiteral("/link.html");
    ASSERT_TRUE(QFile::link(a, link));
    window.comandopen(roundabout, QString());
    EXPECT_EQ(window.windowTitle(), caption(a));
    type(QStringLiteral(" typed"));

    // The Open command knows the single file by its plain path: it offers to reload it.
    ScriptedPrompts prompts({a, QStringLiteral("7")});
    run("mnuOpen");
    ASSERT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(prompts.asked()[1].prompt,
              QStringLiteral("es faili ukve gaxsnilia.\r\ngindaT misi axlidan gaxsna?"));
    EXPECT_EQ(state().DocsMode(), 0);

    // Once documents are open, every way of naming the file leads to its one document.
    ofnen(file(QStringLiteral("b.html"), "b"));
    for (const QString& name : {a, roundabout, link})
        ofnen(name);
    ASSERT_EQ(state().Docs().Count(), 2);
    EXPECT_EQ(state().Docs().Item(0).filepath, a);
    EXPECT_EQ(state().DocIndex(), 0);

    // So no stale copy is written back over the edit.
    prompts.answer(QStringLiteral("7"));
    run("mnuSave");
    EXPECT_EQ(readFile(a), QByteArray("a typed"));
    EXPECT_EQ(readFile(folders.root() + QStringLiteral("/b.html")), QByteArray("b"));
}

TEST_F(MainWindowDocuments, ClosingAnUntitledDocumentNeverWritesOverAnotherDocumentsFile)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    ofnen(a);
    ofnen(b);
    run("mnunewF2");
    type(QStringLiteral("new text"));
    selectNode(2);
    // Save? yes, as the open a.html: refused and said; the document stays.
    ScriptedPrompts prompts({QStringLiteral("6"), a, QStringLiteral("6")});
    frameOf(window).Cdel->click();
    ASSERT_EQ(prompts.asked().size(), 3);
    EXPECT_EQ(prompts.asked()[2].prompt,
              QStringLiteral("es faili sxva dokumentSic aris gaxsnili da ar Caiwera."));
    EXPECT_EQ(readFile(a), QByteArray("a"));
    ASSERT_EQ(state().Docs().Count(), 3);
    EXPECT_EQ(state().Docs().Item(2).Value, QStringLiteral("new text"));
}

// --- What is written, and when ---------------------------------------------------------

TEST_F(MainWindowDocuments, DecodedUtf8TextIsWrittenOnlyWhereTheUserChooses)
{
    // "Kelmora", the Georgian word "qarTuli" in UTF-8 and "text".
    const QByteArray utf8 = "Kelmora \xE1\x83\xA5\xE1\x83\x90\xE1\x83\xA0\xE1\x83\x97\xE1\x83\xA3"
                            "\xE1\x83\x9A\xE1\x83\x98 text\r\n";
    const QString source = file(QStringLiteral("u.txt"), utf8);
    const QString chosen = folders.root() + QStringLiteral("/chosen.txt");

    // Into the single-file state: the caption names the source, the first save asks.
    ScriptedPrompts prompts({source});
    run("mnuUnopen");
    EXPECT_EQ(frameOf(window).T1->Text(), QStringLiteral("Kelmora qarTuli text"));
    EXPECT_EQ(window.windowTitle(), caption(source));
    type(QStringLiteral(" more"));
    prompts.answer(QString());
    run("mnuSave");
    EXPECT_EQ(prompts.asked().last().kind, QStringLiteral("save")) << "cancelled";
    prompts.answer(chosen);
    run("mnuSave");
    EXPECT_EQ(readFile(chosen), QByteArray("Kelmora qarTuli text more"));
    EXPECT_EQ(readFile(source), utf8);

    // Beside open documents: a document of its own, without a file.
    ofnen(file(QStringLiteral("b.html"), "b"));
    prompts.answer(source);
    run("mnuUnopen");
    type(QStringLiteral("!"));
    const QString second = folders.root() + QStringLiteral("/second.txt");
    prompts.answer(QStringLiteral("7"));
    prompts.answer(second);
    run("mnuSave");
    EXPECT_EQ(prompts.asked().last().proposedName, QStringLiteral("nosaved2.TXT"));
    EXPECT_EQ(readFile(second), QByteArray("Kelmora qarTuli text!"));
    EXPECT_EQ(readFile(source), utf8);
}

TEST_F(MainWindowDocuments, ANewPageAtTheStartIsTheOneDocumentToSave)
{
    run("mnunewF0");
    type(QStringLiteral("<p>page</p>"));
    const QString page = folders.root() + QStringLiteral("/page.html");
    // A project of the open files? no; then the one save dialog, for the page.
    ScriptedPrompts prompts({QStringLiteral("7"), page});
    run("mnuSave");
    ASSERT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(prompts.asked()[1].proposedName, QStringLiteral("nosaved0.HTML"));
    EXPECT_EQ(readFile(page), (pageSkeleton(QStringLiteral("New Document"), QString(), Props) +
                               QStringLiteral("<p>page</p>"))
                                  .toLatin1());
    EXPECT_EQ(state().Docs().Count(), 1);
}

TEST_F(MainWindowDocuments, AFileOpenedAndNotEditedIsNeitherAskedAboutNorWritten)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    ScriptedPrompts prompts({a, b});
    run("mnuOpen");
    type(QStringLiteral(" typed"));
    run("mnuOpen");
    // Another program changes b.html meanwhile; saving everything leaves it as it is now.
    writeFile(b, "newer");
    prompts.answer(QStringLiteral("7"));
    run("mnuSave");
    EXPECT_EQ(readFile(a), QByteArray("a typed"));
    EXPECT_EQ(readFile(b), QByteArray("newer"));
    const qsizetype asked = prompts.asked().size();
    selectNode(1);
    frameOf(window).Cdel->click();
    EXPECT_EQ(prompts.asked().size(), asked) << "closing it asks nothing";
    EXPECT_EQ(state().Docs().Count(), 1);
}

TEST_F(MainWindowDocuments, AFileReadWithLfAloneIsWrittenBackSoEveryWayItIsSaved)
{
    static const QByteArray lf = "<p>one</p>\n<p>two</p>\n";
    const QString other = file(QStringLiteral("other.html"), "other\r\n");
    const QString copy = folders.root() + QStringLiteral("/copy.html");
    const QString list = folders.root() + QStringLiteral("/site.WEB");
    DocumentCommands& documents = *window.subsystems().documents;
    const auto single = [this](const QString& path) { ofnen(path); };
    const auto collected = [&](const QString& path) {
        ofnen(other);
        ofnen(path);
    };
    const auto closeDocument = [this] {
        selectNode(state().DocIndex());
        frameOf(window).Cdel->click();
    };
    struct Way
    {
        const char* name;
        std::function<void(const QString&)> open;
        std::function<void()> save;
        QStringList answers; // the open's, then the save's
        QString target;      // the file written; "" for the file opened
        QByteArray read = lf;
        QByteArray written = lf + '!';
    };
    const QString opener; // the open dialog's answer: the file opened
    const QString yes = QStringLiteral("6");
    const std::vector<Way> ways = {
        {"save", single, [this] { run("mnuSave"); }, {}, {}},
        {"save as", single, [this] { run("mnuSaveas"); }, {copy}, copy},
        {"reload from disk, then save",
         [this](const QString& path) {
             ofnen(path);
             run("mnuOpen");
         },
         [this] { run("mnuSave"); },
         {opener, yes},
         {}},
        {"UTF-8 open, then save",
         [this](const QString&) { run("mnuUnopen"); },
         [this] { run("mnuSave"); },
         {opener, copy},
         copy,
         lf,
         "<p>one</p>\n<p>two</p>!"},
        {"save everything, each document",
         collected,
         [this] { run("mnuSave"); },
         {QStringLiteral("7")},
         {}},
        {"save as of a document", collected, [this] { run("mnuSaveas"); }, {copy}, copy},
        {"the tree's save", collected, [this] { action("mnuLVop3")->trigger(); }, {}, {}},
        {"closing the document", collected, closeDocument, {yes}, {}},
        {"the project's save",
         [&](const QString& path) {
             writeFile(list, (QFileInfo(path).fileName() + QStringLiteral("\r\nSTOPF=")).toUtf8());
             documents.projects().openProject(list);
         },
         [this] { run("mnuSave"); },
         {},
         {}},
        {"save, mixed line ends",
         single,
         [this] { run("mnuSave"); },
         {},
         {},
         "<p>one</p>\r\n<p>two</p>\n",
         "<p>one</p>\r\n<p>two</p>\r\n!"},
        {"closing the window", single, [this] { window.close(); }, {yes}, {}},
    };
    for (std::size_t row = 0; row < ways.size(); ++row) {
        const Way& way = ways[row];
        const QString opened = file(QStringLiteral("page%1.html").arg(row), way.read);
        QStringList answers = way.answers;
        std::replace(answers.begin(), answers.end(), opener, opened);
        ScriptedPrompts prompts(answers);
        way.open(opened);
        type(QStringLiteral("!"));
        way.save();
        EXPECT_EQ(readFile(way.target.isEmpty() ? opened : way.target), way.written) << way.name;
        EXPECT_EQ(prompts.asked().size(), answers.size()) << way.name;
        QFile::remove(copy);
        documents.saving().closeAll();
    }
}

// --- What the window says --------------------------------------------------------------

TEST_F(MainWindowDocuments, TheCaptionNamesAFileOnlyInTheSingleFileState)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    window.comandopen(a, QString());
    EXPECT_EQ(window.windowTitle(), caption(a));
    ofnen(file(QStringLiteral("b.html"), "b"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelmora"));
    window.subsystems().documents->tree().showDocument(0);
    EXPECT_EQ(frameOf(window).T1->Text(), QStringLiteral("a"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelmora"));
}

TEST_F(MainWindowDocuments, APictureOrAProgramThatCannotBeShownIsSaid)
{
    RecordingShell shell;
    shell.succeeds = false;
    const QString picture = file(QStringLiteral("p.gif"), "no picture");
    ScriptedPrompts prompts({QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("6")});
    ofnen(picture);
    ofnen(file(QStringLiteral("s.wav"), "no sound"));
    selectNode(0);
    window.subsystems().documents->tree().TV_DblClick();
    ASSERT_EQ(prompts.asked().size(), 3);
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("suraTis Cveneba ver moxerxda."));
    EXPECT_EQ(prompts.asked()[1].prompt, QStringLiteral("programis gaSveba ver moxerxda."));
    EXPECT_EQ(prompts.asked()[2].prompt, QStringLiteral("suraTis Cveneba ver moxerxda."));
    EXPECT_EQ(state().Docs().Count(), 2) << "both stay listed";
}

// --- The own box ---------------------------------------------------------------------

TEST_F(MainWindowDocuments, EnterAtTheQuitQuestionSavesWhateverTheBoxLastAnswered)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    ofnen(a);
    ofnen(b);
    type(QStringLiteral(" dropped"));
    using User = OwnBoxUser;
    // Close b.html: save? no. Quit: save? Enter. A project of the open files? no.
    User user({User::click(1), User::pressEnter(), User::click(1)});
    selectNode(1);
    frameOf(window).Cdel->click();
    ASSERT_EQ(state().Docs().Count(), 1);
    type(QStringLiteral(" kept"));
    EXPECT_TRUE(window.close());
    EXPECT_EQ(readFile(a), QByteArray("a kept"));
    EXPECT_EQ(readFile(b), QByteArray("b"));
    EXPECT_EQ(user.titles(), QStringList({QStringLiteral("Close"), QStringLiteral("Kelmora"),
                                          QStringLiteral("Kelmora")}))
        << "titles are Latin text";
}
