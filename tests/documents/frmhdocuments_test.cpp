// The document commands in the main window: its menus, buttons and close sequence.

#include "app/frmh.h"

#include "menus/menucaption.h"
#include "core/progprops.h"
#include "documents/documentcommands.h"
#include "invariants.h"
#include "platform/editorcontrol.h"
#include "platform/settingsstore.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabBar>
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
              menuCaption(QStringLiteral("HTML ") + eightBitGeorgian("faili")));
    EXPECT_EQ(action("mnunewF0")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(action("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(action("mnuSaveas")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_FALSE(window.mnuSave->isEnabled()) << "nothing to save yet";
    EXPECT_EQ(action("mnuLVop3")->text(), menuCaption(eightBitGeorgian("failis Cawera")));

    window.T1->setSelText(QStringLiteral("typed"));
    EXPECT_TRUE(window.mnuSave->isEnabled());
    EXPECT_EQ(window.documents().EditorChanged(), -1);
}

TEST_F(MainWindowDocuments, TheOpenAndCloseButtonsStayOffTheFilePage)
{
    EXPECT_TRUE(window.Cadd->isVisible());
    window.TAB1->setCurrentIndex(1);
    EXPECT_FALSE(window.Cadd->isVisible());
    EXPECT_FALSE(window.Cdel->isVisible());
    window.TAB1->setCurrentIndex(0);
    EXPECT_TRUE(window.Cdel->isVisible());

    ScriptedPrompts prompts({QString()});
    window.Cadd->click();
    EXPECT_EQ(prompts.asked()[0].kind, QStringLiteral("open"));
}

TEST_F(MainWindowDocuments, AStartWithAFileShowsItAndRemembersItAtTheClose)
{
    Props.lastfile = kOn;
    const QString a = file(QStringLiteral("a.html"), "start");
    window.comandopen(a, QString());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelmora [") + a + QLatin1Char(']'));
    EXPECT_EQ(window.T1->Text(), QStringLiteral("start"));
    EXPECT_EQ(window.documents().EditorChanged(), 0) << "loading is no edit";
    EXPECT_TRUE(window.close());
    EXPECT_EQ(SettingsStore::read(QStringLiteral("LastFile"), QStringLiteral("FN")), a);
}

TEST_F(MainWindowDocuments, OpeningASecondFileShowsTheTreeAndTheSidePanel)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    window.ToggleWebPanel(0);
    window.TAB1->setCurrentIndex(1);
    window.documentCommands().ofnen(a);
    window.documentCommands().ofnen(b);
    EXPECT_EQ(window.WebPanelShown, -1);
    EXPECT_EQ(window.TAB1->currentIndex(), 0);
    EXPECT_EQ(window.TV->topLevelItem(0)->childCount(), 2);
    EXPECT_TRUE(documentRulesHold(window.documents(), window.T1->Text()));
}

TEST_F(MainWindowDocuments, ClosingSavesChangedDocumentsThenCloses)
{
    const QString a = file(QStringLiteral("a.html"), "a");
    const QString b = file(QStringLiteral("b.html"), "b");
    window.documentCommands().ofnen(a);
    window.documentCommands().ofnen(b);
    window.T1->setSelText(QStringLiteral("new "));
    // Save? yes; a project of the files? no, save them one by one.
    ScriptedPrompts prompts({QStringLiteral("6"), QStringLiteral("7")});
    EXPECT_TRUE(window.close());
    EXPECT_EQ(readFile(b), QByteArray("new b"));
    EXPECT_EQ(readFile(a), QByteArray("a"));
    EXPECT_EQ(window.documents().Docs().Count(), 0);
}

TEST_F(MainWindowDocuments, AFailedSaveKeepsTheWindowAndEveryDocument)
{
    window.T1->setSelText(QStringLiteral("typed"));
    writeFile(folders.root() + QStringLiteral("/blocker"), "file");
    ScriptedPrompts prompts({QStringLiteral("6"),
                             folders.root() + QStringLiteral("/blocker/a/b.html"),
                             QStringLiteral("6")});
    EXPECT_FALSE(window.close());
    EXPECT_EQ(window.T1->Text(), QStringLiteral("typed"));
    EXPECT_EQ(window.documents().EditorChanged(), -1);
}
