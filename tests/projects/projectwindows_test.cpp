// The windows around projects through their controls: the new-project wizard, the recent
// files window and its command, and the file panel.

#include "support/commandsfixture.h"

#include "core/progprops.h"
#include "documents/filepanelcommands.h"
#include "documents/frmrecentfile.h"
#include "documents/recentfiles.h"
#include "platform/bytetext.h"
#include "platform/displaymap.h"
#include "projects/frmweb.h"
#include "projects/projectcommands.h"
#include "projects/projectwizard.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class ProjectWindows : public Commands
{
protected:
    ProjectWindows() { QDir().mkpath(site()); }

    QString site(const QString& name = QString()) const
    {
        return path(QStringLiteral("site/") + name);
    }
    template <class Control> static Control* named(const QWidget* window, const QString& name)
    {
        return window->findChild<Control*>(name);
    }
    // The wizard, shown, with the project's name and folder typed in.
    frmWEB* wizard(const QString& name = QStringLiteral("site"))
    {
        projects.showWizard();
        frmWEB* shown = projects.wizard();
        named<QLineEdit>(shown, QStringLiteral("Tpname"))->setText(name);
        named<QLineEdit>(shown, QStringLiteral("Twebpath"))->setText(site());
        return shown;
    }
    static void press(frmWEB* wizard, int button)
    {
        QTest::mouseClick(named<QPushButton>(wizard, QStringLiteral("COK(%1)").arg(button)),
                          Qt::LeftButton);
    }
    static QStringList shownNames(const frmWEB* wizard)
    {
        QStringList names;
        for (const WizardItem& item : wizard->items())
            names << item.text;
        return names;
    }
    // Runs the next step once a modal window has opened.
    static void whenShown(std::function<void(QWidget*)> step)
    {
        QTimer::singleShot(0, [step] { step(QApplication::activeModalWidget()); });
    }
    static void chooseRow(QWidget* recent, int row)
    {
        auto* list = named<QTreeWidget>(recent, QStringLiteral("LV"));
        list->setCurrentItem(list->topLevelItem(row));
    }
};

} // namespace

// --- The new-project wizard ------------------------------------------------------------

TEST_F(ProjectWindows, TheWizardWritesItsFilesAndOpensTheProject)
{
    const QString style = file(QStringLiteral("style.css"), "body {}");
    const QString notes = file(QStringLiteral("site/notes.txt"), "already here");
    frmWEB* shown = wizard(QString());
    EXPECT_FALSE(window.frame.isEnabled()) << "the main window waits for the wizard";
    EXPECT_FALSE(named<QPushButton>(shown, QStringLiteral("COK(4)"))->isEnabled());
    named<QLineEdit>(shown, QStringLiteral("Tpname"))->setText(QStringLiteral("site"));
    EXPECT_TRUE(named<QPushButton>(shown, QStringLiteral("COK(4)"))->isEnabled());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(named<QPushButton>(shown, QStringLiteral("COK(1)")), &enter);
    EXPECT_EQ(named<QLabel>(shown, QStringLiteral("LBinfo"))->text(),
              DisplayMap::get(DisplayMapKind::GeorgianKeys)
                  .toShown(QStringLiteral("arsebuli failis Setana")));

    ScriptedPrompts prompts({style, notes});
    press(shown, 1);
    press(shown, 0);
    press(shown, 1);
    // Regrouped by kind from three files on.
    EXPECT_EQ(shownNames(shown),
              QStringList({QStringLiteral("Index.HTML"), QStringLiteral("NewPage2.HTML"),
                           QStringLiteral("style.css"), QStringLiteral("notes.txt")}));
    press(shown, 4);

    EXPECT_EQ(prompts.asked().size(), 2) << "nothing is replaced, nothing is asked";
    for (const char* page : {"Index.HTML", "NewPage2.HTML"})
        EXPECT_EQ(readFile(site(QLatin1String(page))),
                  textToBytes(HTMLheaderi(QLatin1String(page), Props) + kCrLf));
    EXPECT_EQ(readFile(site(QStringLiteral("style.css"))), QByteArray("body {}"));
    EXPECT_EQ(readFile(notes), QByteArray("already here")) << "a file in its place is not copied";
    EXPECT_EQ(readFile(site(QStringLiteral("site.WEB"))),
              QByteArray("Index.HTML\r\nNewPage2.HTML\r\nstyle.css\r\nnotes.txt\r\n"
                         "STOPF=Index.HTML\r\n"));
    EXPECT_TRUE(window.frame.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(projects.wizard(), nullptr);
    EXPECT_EQ(state().Docs().WEBopened(), -1);
    EXPECT_EQ(state().Docs().Count(), 4);
    EXPECT_EQ(state().Docs().Item(state().DocIndex()).FileTitle, QStringLiteral("Index.HTML"));
}

TEST_F(ProjectWindows, TheWizardAsksBeforeReplacingAndStaysUntilItIsLeft)
{
    writeFile(site(QStringLiteral("Index.HTML")), "mine");
    frmWEB* shown = wizard();
    ScriptedPrompts prompts({QStringLiteral("7")});
    press(shown, 4);
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_TRUE(prompts.asked()[0].prompt.contains(site(QStringLiteral("Index.HTML"))));
    EXPECT_EQ(readFile(site(QStringLiteral("Index.HTML"))), QByteArray("mine"));
    EXPECT_FALSE(QFileInfo::exists(site(QStringLiteral("site.WEB"))));
    EXPECT_EQ(projects.wizard(), shown);
    EXPECT_FALSE(window.frame.isEnabled());

    // Without a file the list cannot be made.
    press(shown, 2);
    prompts.answer(QStringLiteral("6"));
    press(shown, 4);
    EXPECT_EQ(prompts.asked().last().prompt,
              QStringLiteral("proeqtis Sesaqmnelad, failebis siaSi\r\n"
                             " erTi faili mainc unda iyos Setanili."));

    shown->close();
    EXPECT_TRUE(window.frame.isEnabled()) << "every way out enables the main window";
    EXPECT_EQ(state().Docs().WEBopened(), 0);
}

TEST_F(ProjectWindows, TheWizardAsksAboutOpenWorkBeforeItWritesAnything)
{
    type(QStringLiteral("typed"));
    frmWEB* shown = wizard();
    press(shown, 0);
    const QStringList list = {QStringLiteral("Index.HTML"), QStringLiteral("NewPage1.HTML")};
    const QString kept = path(QStringLiteral("typed.txt"));
    ScriptedPrompts prompts({QStringLiteral("6"), QStringLiteral("2"), QStringLiteral("6"), kept});

    // A project that cannot be made is refused before the question.
    auto* folder = named<QLineEdit>(shown, QStringLiteral("Twebpath"));
    folder->setText(site(QStringLiteral("missing")));
    press(shown, 4);
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("proeqtis misamarTi ar arsebobs."));

    folder->setText(site());
    press(shown, 4);
    ASSERT_EQ(prompts.asked().size(), 2);
    EXPECT_EQ(prompts.asked()[1].prompt,
              QStringLiteral("ginaT gaxsnil failebSi cvlilebis damaxsovreba?"));
    EXPECT_EQ(prompts.asked()[1].title, QStringLiteral("NEW WEB"));
    EXPECT_EQ(QDir(site()).entryList(QDir::Files), QStringList()) << "a cancel writes nothing";
    EXPECT_EQ(projects.wizard(), shown);
    EXPECT_EQ(shownNames(shown), list);
    EXPECT_FALSE(window.frame.isEnabled());
    EXPECT_EQ(editorText(), QStringLiteral("typed"));

    // Saved first, then the project is written and opened in place of the saved text.
    press(shown, 4);
    EXPECT_EQ(prompts.asked().size(), 4);
    EXPECT_EQ(readFile(kept), QByteArray("typed"));
    EXPECT_EQ(readFile(site(QStringLiteral("site.WEB"))),
              QByteArray("Index.HTML\r\nNewPage1.HTML\r\nSTOPF=Index.HTML\r\n"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(projects.wizard(), nullptr);
    EXPECT_EQ(state().Docs().WEBopened(), -1);
    EXPECT_EQ(state().Docs().Count(), 2);
}

// --- Recent files ------------------------------------------------------------------------

TEST_F(ProjectWindows, DeleteAndListClearRewriteTheRecentList)
{
    writeFile(folders.path(QStringLiteral("recentF.ini")),
              "/a/one.html\r\n/b/two.css\r\n/c/three.WEB\r\n");
    frmrecentfile recent(window);
    auto* list = named<QTreeWidget>(&recent, QStringLiteral("LV"));
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("two.css"));
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("/b"));

    const auto run = [&recent](const char* command) {
        named<QAction>(&recent, QLatin1String(command))->trigger();
    };
    list->setCurrentItem(nullptr);
    run("mnudelet");
    EXPECT_EQ(list->topLevelItemCount(), 3) << "without a selected row nothing is deleted";
    chooseRow(&recent, 1);
    run("mnudelet");
    EXPECT_EQ(readFile(recentFilesPath()), QByteArray("/a/one.html\r\n/c/three.WEB\r\n"));
    run("mnucler");
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(QFileInfo::exists(recentFilesPath()));
    EXPECT_EQ(readFile(recentFilesPath()), QByteArray());
}

TEST_F(ProjectWindows, TheRecentWindowGivesThePickedPathAndNothingAfterAFrameClose)
{
    writeFile(folders.path(QStringLiteral("recentF.ini")), "/a/one.html\r\n/b/two.css\r\n");
    frmrecentfile recent(window);
    whenShown([](QWidget* shown) {
        chooseRow(shown, 1);
        QTest::mouseClick(named<QPushButton>(shown, QStringLiteral("COK")), Qt::LeftButton);
    });
    EXPECT_EQ(recent.recentopen(), QStringLiteral("/b/two.css"));
    EXPECT_EQ(readFile(recentFilesPath()), QByteArray("/b/two.css\r\n/a/one.html\r\n"));
    whenShown([](QWidget* shown) { shown->close(); });
    EXPECT_EQ(recent.recentopen(), QString());
}

TEST_F(ProjectWindows, TheRecentCommandOpensFilesAndProjectsAndSaysWhatIsGone)
{
    writeFile(site(QStringLiteral("a.html")), "A");
    const QString list = site(QStringLiteral("site.WEB"));
    writeFile(list, "a.html\r\nSTOPF=a.html");
    const QString gone = path(QStringLiteral("gone.html"));
    writeFile(folders.path(QStringLiteral("recentF.ini")),
              (gone + QStringLiteral("\r\n") + list + QStringLiteral("\r\n")).toUtf8());
    ScriptedPrompts prompts({QStringLiteral("6")});
    whenShown([](QWidget* shown) {
        chooseRow(shown, 0);
        QTest::mouseClick(named<QPushButton>(shown, QStringLiteral("COK")), Qt::LeftButton);
    });
    commands.opening().mnurecentfile_Click();
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].prompt,
              QStringLiteral("faili waSlilia an sxva folderSia gadatanili."));
    EXPECT_EQ(prompts.asked()[0].icon, 2);
    EXPECT_EQ(prompts.asked()[0].wrap, 70);
    EXPECT_EQ(readRecentFiles()->value(0), gone) << "a gone entry stays in the list";

    whenShown([](QWidget* shown) {
        chooseRow(shown, 1);
        QTest::mouseClick(named<QPushButton>(shown, QStringLiteral("COK")), Qt::LeftButton);
    });
    commands.opening().mnurecentfile_Click();
    EXPECT_EQ(state().Docs().WEBopened(), -1);
    EXPECT_EQ(editorText(), QStringLiteral("A"));
}

TEST_F(ProjectWindows, AnOpenedFileTheRecentListHoldsOnlyInAnotherFormGoesOnTopOfEveryEntry)
{
    const QString opened = file(QStringLiteral("page.html"), "page");
    // The oldest of forty-five entries, whose other files are gone, holds the path only
    // inside a longer entry or in another letter case.
    for (const QString& held :
         {opened + QStringLiteral(".bak"), path(QStringLiteral("PAGE.html"))}) {
        QStringList entries;
        for (int i = 0; i < 44; ++i)
            entries << path(QStringLiteral("gone%1.html").arg(i));
        entries << held;
        const auto listBytes = [](const QStringList& lines) {
            return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
        };
        writeFile(recentFilesPath(), listBytes(entries));
        ScriptedPrompts prompts({opened});
        commands.opening().mnuOpen_Click();
        EXPECT_EQ(readFile(recentFilesPath()), listBytes(QStringList{opened} + entries))
            << held.toStdString();
        commands.saving().closeAll();
    }
}

// --- The file panel ----------------------------------------------------------------------

TEST_F(ProjectWindows, TheFilePanelListsTheFolderAndOpensTheSelectedFile)
{
    QComboBox DR;
    QListWidget FOL;
    QListWidget FIL;
    QListWidget LF;
    FilePanelCommands panel(window, DR, FOL, FIL, LF);
    window.parts.filePanel = &panel;
    const QString folder = path(QStringLiteral("files"));
    QDir().mkpath(folder + QStringLiteral("/sub"));
    for (const char* name : {"a.htm", "b.doc", "c.CSS"})
        writeFile(folder + QLatin1Char('/') + QLatin1String(name), "x");
    panel.showFolder(folder);
    const auto listed = [&LF] {
        QStringList names;
        for (int i = 0; i < LF.count(); ++i)
            names << LF.item(i)->text();
        return names;
    };
    EXPECT_EQ(listed(), QStringList({QStringLiteral("a.htm"), QStringLiteral("c.CSS")}));
    EXPECT_EQ(FOL.currentItem()->data(Qt::UserRole).toString(), folder);

    panel.mnufilesBX_Click(1);
    EXPECT_EQ(state().EditorPath(), QString()) << "nothing selected, nothing opened";
    LF.setCurrentRow(0);
    panel.LF_DblClick();
    EXPECT_EQ(state().EditorPath(), folder + QStringLiteral("/a.htm"));
    panel.mnufilesBX_Click(2);
    panel.mnufilesBX_Click(0);
    EXPECT_EQ(shell.requests,
              QStringList({QStringLiteral("start ") + folder + QStringLiteral("/a.htm"),
                           QStringLiteral("open ") + folder}));

    // A save that writes a new file shows it in the list.
    commands.saving().closeAll();
    type(QStringLiteral("new"));
    ScriptedPrompts prompts({folder + QStringLiteral("/d.txt")});
    commands.saving().mnuSave_Click();
    EXPECT_TRUE(listed().contains(QStringLiteral("d.txt")));

    panel.FOL_Click(FOL.item(FOL.count() - 1));
    EXPECT_EQ(panel.folder(), folder + QStringLiteral("/sub"));
    EXPECT_TRUE(listed().isEmpty());

    // A volume that cannot be read is said once; the panel goes to the program's volume.
    prompts.answer(QStringLiteral("6"));
    DR.addItem(QStringLiteral("gone"), path(QStringLiteral("no-volume")));
    DR.setCurrentIndex(DR.count() - 1);
    EXPECT_EQ(prompts.asked().last().prompt, QStringLiteral("arCeuli draiveri carielia."));
    EXPECT_EQ(prompts.asked().size(), 2);
    EXPECT_TRUE(folders.programFolder().startsWith(panel.folder()));
    window.parts.filePanel = nullptr;
}
