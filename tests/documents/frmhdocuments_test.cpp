// The document commands in the main window: its menus, buttons and close sequence.

#include "app/frmh.h"

#include "core/progprops.h"
#include "documents/documentcommands.h"
#include "documents/opencommands.h"
#include "invariants.h"
#include "menus/menuregistry.h"
#include "platform/editorcontrol.h"
#include "platform/settingsstore.h"
#include "support/framecontrols.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

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
    window.ToggleWebPanel(0);
    frameOf(window).TAB1->setCurrentIndex(1);
    window.subsystems().documents->opening().ofnen(a);
    window.subsystems().documents->opening().ofnen(b);
    EXPECT_TRUE(frameOf(window).PWEB->isVisible());
    EXPECT_EQ(frameOf(window).TAB1->currentIndex(), 0);
    EXPECT_EQ(frameOf(window).TV->topLevelItem(0)->childCount(), 2);
    EXPECT_TRUE(documentRulesHold(window.documents(), frameOf(window).T1->Text()));
}

TEST_F(MainWindowDocuments, ClosingSavesChangedDocumentsThenCloses)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    window.subsystems().documents->opening().ofnen(a);
    window.subsystems().documents->opening().ofnen(b);
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
    EXPECT_TRUE(QFileInfo::exists(folders.path(QStringLiteral("FTP.ini"))))
        << "its accounts were read, the missing file created empty";
}
