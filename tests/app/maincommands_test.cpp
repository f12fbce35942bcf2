// The main window's own commands and the menu help: the 8-bit status texts, each command
// reaching its window or service, and, on the real main window, the help of a highlighted
// item, the help numbers on the captions, and Quit running the close sequence.

#include "app/maincommands.h"

#include "app/frmh.h"
#include "core/frmproperties.h"
#include "core/progprops.h"
#include "documents/documentstate.h"
#include "menus/coolmenu.h"
#include "platform/displaymap.h"
#include "support/fakecontext.h"
#include "support/framecontrols.h"
#include "support/recordingshell.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// "qarTuli UTF-8 kodis HEX UTF-8 kodSi gadayvana": the Latin words keep their bytes.
const QString kUtf8ToHex = QString::fromLatin1(
    "\xD8\xC0\xD2\xC8\xD6\xCB\xC9 UTF-8 \xCA\xCF\xC3\xC9\xD3 HEX UTF-8 \xCA\xCF\xC3\xDB\xC9 "
    "\xC2\xC0\xC3\xC0\xDA\xC5\xC0\xCD\xC0");

} // namespace

TEST(MenuHelp, NumbersOneToTwentyNineGiveTheir8BitTexts)
{
    const std::pair<const char*, QString> cases[] = {
        {"4", QString::fromLatin1("\xD7\xC0\xC9\xCB\xC9\xD3 \xDC\xC0\xDF\xC4\xD2\xC0")},
        {"26", kUtf8ToHex},
        {"27", kUtf8ToHex},
        {"07", QString()},
        {"", QString()},
        {" ", QString()},
        {"30", QString()},
        {"0", QString()},
    };
    for (const auto& [number, text] : cases)
        EXPECT_EQ(menuHelpText(QLatin1String(number)), text) << number;
    EXPECT_TRUE(menuHelpText(QStringLiteral("28"))
                    .contains(QString::fromLatin1(
                        "\xE1\xD6\xDD\xD6\xD2(\xC0\xD3\xCF\xCC\xC8\xC0\xC5\xD2\xD6\xCB)")))
        << "punctuation inside a word keeps its bytes";
    for (int number = 1; number <= 29; ++number)
        EXPECT_FALSE(menuHelpText(QString::number(number)).isEmpty()) << number;
}

namespace {

class MainCommandsTest : public testing::Test
{
protected:
    void SetUp() override { Props = ProgProps{}; }
    void TearDown() override { Props = ProgProps{}; }

    void choose(const char* name) { context.menus.action(name)->trigger(); }

    TestFolders folders;
    ScriptedPrompts prompts;
    RecordingShell shell;
    FakeContext context;
    MainCommands commands{context};
};

} // namespace

TEST_F(MainCommandsTest, MenuHelpPutsThreeBlanksBeforeTheText)
{
    commands.HelpObj_MenuHelp(QStringLiteral("Cawera"), QStringLiteral("4"), -1);
    EXPECT_EQ(context.status(StatusPanel::Main),
              QStringLiteral(u"   \u10E4\u10D0\u10D8\u10DA\u10D8\u10E1 "
                             u"\u10E9\u10D0\u10EC\u10D4\u10E0\u10D0"));
    commands.HelpObj_MenuHelp(QString(), QString(), -1);
    EXPECT_EQ(context.status(StatusPanel::Main), QStringLiteral("   "));
}

TEST_F(MainCommandsTest, NewWindowAndHelpTopicsReachTheShell)
{
    choose("mnunewwind");
    EXPECT_EQ(shell.requests, QStringList({QStringLiteral("start NOMAX")}));

    shell.requests.clear();
    choose("mnuHLPtopiks0");
    EXPECT_TRUE(shell.requests.isEmpty()) << "no help file, nothing happens";

    const QString help = folders.path(QStringLiteral("Kelmora.chm"));
    writeFile(help, "chm");
    for (const char* topic : {"mnuHLPtopiks0", "mnuHLPtopiks1", "mnuHLPtopiks2", "mnuHLPtopiks3"})
        choose(topic);
    const QString opened = QStringLiteral("help ") + help + QLatin1Char(' ');
    EXPECT_EQ(shell.requests, QStringList({opened + QStringLiteral("tolbar.htm"),
                                           opened + QStringLiteral("klaviatura.htm"),
                                           opened + QStringLiteral("weblist.HTML"), opened}));
}

TEST_F(MainCommandsTest, TheAboutBoxAndTheOptionsWindowOpenOnceEach)
{
    QString modal;
    QTimer::singleShot(0, [&] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            modal = QLatin1String(shown->metaObject()->className());
            shown->close();
        }
    });
    choose("mnuinfo");
    EXPECT_EQ(modal, QStringLiteral("frminfo"));

    const auto optionsWindows = [] {
        QList<frmproperties*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* options = qobject_cast<frmproperties*>(window);
                options && options->isVisible())
                found << options;
        }
        return found;
    };
    choose("mnuoptions");
    choose("mnuoptions");
    ASSERT_EQ(optionsWindows().size(), 1);
    EXPECT_FALSE(optionsWindows()[0]->isModal());
    EXPECT_EQ(optionsWindows()[0]->parentWidget(), &context.frame);
}

TEST_F(MainCommandsTest, OkGivesTheEditorANewFontWithoutAnEdit)
{
    Props.stfsiz = 13;
    choose("mnuoptions");
    frmproperties* options = context.frame.findChild<frmproperties*>();
    ASSERT_TRUE(options);
    prompts.answer(QStringLiteral("DejaVu Serif/17/I"));
    options->findChild<QAbstractButton*>(QStringLiteral("Cstfont"))->click();
    context.T1->document()->setModified(false);
    options->findChild<QAbstractButton*>(QStringLiteral("COK"))->click();
    EXPECT_EQ(context.T1->fontRecord().family, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(context.T1->fontRecord().pointSize, 17);
    EXPECT_TRUE(context.T1->fontRecord().italic);
    EXPECT_FALSE(context.state.LoadingText()) << "loading ends with the font";
    EXPECT_FALSE(context.T1->document()->isModified());
}

namespace {

class MainWindowMenus : public testing::Test
{
protected:
    void SetUp() override
    {
        Props = ProgProps{};
        window = std::make_unique<FrmH>();
        window->showPlain();
        window->resize(900, 600);
        QApplication::processEvents();
    }
    void TearDown() override { Props = ProgProps{}; }

    MenuRegistry& registry() { return window->registry(); }
    QString kMain() { return frameOf(*window).panel("kMain"); }

    TestFolders folders;
    std::unique_ptr<FrmH> window;
};

} // namespace

TEST_F(MainWindowMenus, HighlightingAnItemShowsItsHelpAndClosingClearsIt)
{
    QMenu& file = registry().menu("mnuFile");
    window->menuBar()->setActiveAction(file.menuAction());
    QApplication::processEvents();
    ASSERT_TRUE(file.isVisible());
    file.setActiveAction(registry().action("mnuOpen"));
    QApplication::processEvents();
    EXPECT_EQ(kMain(), QStringLiteral("   ") + DisplayMap::get(DisplayMapKind::GeorgianIso)
                                                   .toShown(menuHelpText(QStringLiteral("3"))));
    if (const QByteArray folder = qgetenv("KELMORA_GRAB_FOLDER"); !folder.isEmpty()) {
        file.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/filemenu.png"));
        window->menuBar()->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/bar.png"));
    }

    file.hide();
    QApplication::processEvents();
    EXPECT_EQ(kMain(), QStringLiteral("   "));
    EXPECT_EQ(coolMenuOf(window.get())->MainPopedIndex, -1);
}

TEST_F(MainWindowMenus, TheItemsThatCarryAHelpNumberCarryTheirOwn)
{
    const std::pair<const char*, int> numbered[] = {
        {"mnunew", 1},      {"mnuUnopen", 2},   {"mnuOpen", 3},       {"mnuSave", 4},
        {"mnuMfonunik", 5}, {"mnuSaveas", 6},   {"mnuQuit", 7},       {"mnuCopy", 8},
        {"mnuPaste", 9},    {"mnumtubers", 10}, {"mnuUbendkopi", 11}, {"mnuCut", 12},
        {"mnuunik", 14},    {"mnuTunik", 15},   {"mnuUTF8dekod", 16}, {"mnuTut8dekod", 17},
        {"mnualmark", 18},  {"mnuUTF8", 19},    {"mnuTfonunik", 20},  {"mnuprint", 21},
        {"mnuhinu", 22},    {"mnuUinH", 23},    {"mnuQHIU", 24},      {"mnuQUIH", 25},
        {"mnuQUTFIH", 26},  {"mnuQHIUTF", 27},  {"mnuxuc", 28},       {"mnuHTmatrix", 29},
    };
    QHash<QString, const QAction*> items;
    for (const QMenu* menu : registry().menus()) {
        items.insert(menu->menuAction()->objectName(), menu->menuAction());
        for (const QAction* item : menu->actions())
            items.insert(item->objectName(), item);
    }
    int present = 0;
    for (const auto& [name, number] : numbered) {
        const QAction* item = items.value(QLatin1String(name));
        if (!item)
            continue; // built with its own subsystem
        ++present;
        ASSERT_TRUE(registry().caption(item)) << name;
        EXPECT_EQ(registry().caption(item)->help, QString::number(number)) << name;
    }
    EXPECT_GE(present, 20);
}

TEST_F(MainWindowMenus, QuitRunsTheCloseSequence)
{
    window->documents().resetToSingleFile(FilePath(QStringLiteral("/site/a.html")),
                                          QStringLiteral("text"));
    frameOf(*window).T1->setSelText(QStringLiteral("typed "));
    QMenu& file = registry().menu("mnuFile");
    EXPECT_EQ(file.actions().last(), registry().action("mnuQuit"));

    ScriptedPrompts prompts({QStringLiteral("2"), QStringLiteral("7")});
    registry().action("mnuQuit")->trigger();
    EXPECT_TRUE(window->isVisible()) << "the save question was cancelled";
    registry().action("mnuQuit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(prompts.asked().size(), 2);
    EXPECT_FALSE(coolMenuOf(window.get())) << "unloading removes the drawn menus";
}
