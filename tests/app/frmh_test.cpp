#include "app/frmh.h"

#include "core/progprops.h"
#include "documents/documentstate.h"
#include "menus/menuregistry.h"
#include "platform/editorcontrol.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"
#include "support/framecontrols.h"
#include "support/scriptedprompts.h"
#include "support/testfolders.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kWinPos = QStringLiteral("winpoze");

class MainWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        Props = ProgProps{};
        ThisRun = RunState{};
    }
    void TearDown() override { Props = ProgProps{}; }

    // A shown main window of a known size.
    std::unique_ptr<FrmH> shownWindow()
    {
        auto window = std::make_unique<FrmH>();
        window->showPlain();
        window->resize(1000, 700);
        QApplication::processEvents();
        return window;
    }

    static void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }

    // Puts one file into the editor and types into it.
    static void typeIntoSingleFile(FrmH& window, const QString& path)
    {
        window.documents().resetToSingleFile(FilePath(path), QStringLiteral("text"));
        frameOf(window).T1->setSelText(QStringLiteral("typed "));
        ASSERT_EQ(window.documents().EditorChanged(), -1);
    }

    // The height within the gutter at which the editor draws a line.
    static int gutterY(FrmH& window, int line)
    {
        const QTextBlock block = frameOf(window).T1->document()->findBlockByNumber(line);
        QTextCursor cursor(block);
        const int inViewport = frameOf(window).T1->cursorRect(cursor).center().y();
        return frameOf(window)
            .Pmarker
            ->mapFrom(frameOf(window).PTfon, frameOf(window).T1->viewport()->mapTo(
                                                 frameOf(window).PTfon, QPoint(0, inViewport)))
            .y();
    }

    TestFolders folders;
};

} // namespace

TEST_F(MainWindow, PanesFollowTheWindowsSize)
{
    auto window = shownWindow();
    const FrameControls ui(*window);
    const int fullHeight = window->centralWidget()->height() + window->statusBar()->height();
    EXPECT_EQ(ui.PTfon->x(), ui.PWEB->width() + 2);
    EXPECT_EQ(ui.PTfon->y(), ui.PHTbar->height());
    EXPECT_EQ(ui.PTfon->geometry().right() + 1, window->centralWidget()->width());
    EXPECT_EQ(ui.PTfon->y() + ui.PTfon->height() + 20, fullHeight);
    EXPECT_EQ(ui.PGm->x(), ui.PTfon->x() - 4);
    EXPECT_EQ(ui.T1->width(), ui.PTfon->width() - twipsToPixels(120));
    EXPECT_FALSE(ui.TXTtargmna->isVisible());

    window->showDecodedView(true);
    window->resize(1000, 701);
    QApplication::processEvents();
    const int available = window->centralWidget()->height() + window->statusBar()->height() -
                          (window->statusBar()->height() + ui.PHTbar->height());
    EXPECT_TRUE(ui.TXTtargmna->isVisible());
    EXPECT_EQ(ui.TXTtargmna->height(), available * 10 / 100);
    EXPECT_EQ(ui.TXTtargmna->y(), ui.PTfon->y() + ui.PTfon->height());
}

TEST_F(MainWindow, TheArrowHidesAndShowsTheSidePanel)
{
    auto window = shownWindow();
    const FrameControls ui(*window);
    mouse(ui.lbWEBshov, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(ui.PWEB->isVisibleTo(window.get()));
    EXPECT_FALSE(ui.PWEB->isVisible());
    EXPECT_EQ(ui.PTfon->x(), 0);

    mouse(ui.lbWEBshov, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(ui.PWEB->isVisibleTo(window.get()));
    EXPECT_TRUE(ui.PWEB->isVisible());
    EXPECT_EQ(ui.PTfon->x(), ui.PWEB->width() + 2);
}

TEST_F(MainWindow, TheEditMenuStartsWithTheClipboardAndEndsWithTheTextFunctions)
{
    auto window = shownWindow();
    const QList<QAction*> edit = window->registry().menu("mnuEdit").actions();
    ASSERT_GE(edit.size(), 6);
    QStringList first;
    for (int i = 0; i < 5; ++i)
        first << (edit[i]->isSeparator() ? QStringLiteral("-") : edit[i]->objectName());
    EXPECT_EQ(first.join(u' '), QStringLiteral("mnuCut mnuCopy mnuPaste mnualmark -"));
    EXPECT_EQ(edit.last()->objectName(), QStringLiteral("mnuFont"));
    const QList<QAction*> file = window->registry().menu("mnuFile").actions();
    EXPECT_EQ(file.last()->objectName(), QStringLiteral("mnuQuit"));
    EXPECT_TRUE(file.contains(window->registry().action("mnuprint")));
    EXPECT_TRUE(window->registry().menu("mnuformat").menuAction()->isVisible());

    // The tag pop-ups hold the tags first, then the page design windows.
    const auto names = [&](const char* menu) {
        QStringList items;
        for (const QAction* item : window->registry().menu(menu).actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
        return items.join(u' ');
    };
    EXPECT_EQ(names("mnuobSi"), QStringLiteral("mnumisk mnuhtheader - mnuscript mnuaplet mnuform "
                                               "mnuImap mnuframe - mnuCSS"));
    EXPECT_EQ(names("mnulinks"), QStringLiteral("mnulink mnuHTMfile mnuanxorfile - mnurollover"));
}

TEST_F(MainWindow, LatinWordsInEightBitCaptionsKeepTheirLetters)
{
    auto window = shownWindow();
    const MenuRegistry& registry = window->registry();
    const auto stored = [&](const char* name) {
        const MenuCaption* caption = registry.caption(registry.action(name));
        return caption ? caption->text : QString();
    };
    const QString qartuli = QString::fromLatin1("\xD8\xC0\xD2\xC8\xD6\xCB\xC9");
    const QString faili = QString::fromLatin1("\xD7\xC0\xC9\xCB\xC9");
    const std::pair<const char*, QString> captions[] = {
        {"mnunewF0", QStringLiteral("HTML ") + faili},
        {"mnunewF1", QString::fromLatin1("WEB \xD0\xD2\xCF\xC4\xD8\xD4\xC9")},
        {"mnunewF2", QString::fromLatin1("\xD4\xC4\xD8\xD3\xD4 ") + faili},
        {"mnuUnopen", QString::fromLatin1("UTF8 \xC2\xC0\xE1\xD3\xCD\xC0")},
        {"mnuHTmatrix", QString::fromLatin1("HTML \xCC\xC0\xD4\xD2\xC9\xDD\xC0")},
        {"mnuhtheader", QString::fromLatin1("HTML \xD3\xC0\xDF\xDA\xC9\xD3\xC9")},
        {"mnuHTMfile", QStringLiteral("HTML ") + faili},
        {"mnuens1", qartuli + QStringLiteral(" ISO")},
        {"mnuens2", qartuli + QStringLiteral(" ASCII")},
        {"mnuTunik", qartuli + QStringLiteral("            ASCII - ISO")},
        {"mnuQUTFIH", qartuli + QString::fromLatin1(" BYN-UTF8 \xC3\xC0\xCD HEX-UTF8")},
    };
    for (const auto& [name, text] : captions)
        EXPECT_EQ(stored(name), text) << name;

    // No caption of any menu holds one of these words with its keys turned into letters.
    const QString turned[] = {QStringLiteral("\u00E0EB"), QStringLiteral("H\u00C8ML"),
                              QStringLiteral("I\u00DBO"), QStringLiteral("A\u00DB\u00DCII"),
                              QStringLiteral("U\u00C8F"), QStringLiteral("ME\u00C8A")};
    for (const QMenu* menu : registry.menus()) {
        QList<QAction*> items = menu->actions();
        items << menu->menuAction();
        for (const QAction* item : items) {
            const MenuCaption* caption = registry.caption(item);
            for (const QString& word : turned) {
                EXPECT_FALSE(caption && caption->text.contains(word))
                    << item->objectName().toStdString();
            }
        }
    }
}

TEST_F(MainWindow, TheLongLineModeKeepsOneWrapRuleThroughResizes)
{
    auto window = shownWindow();
    const FrameControls ui(*window);
    QAction* longLines = window->registry().action("mnuabzac");
    const auto margin = [&] { return ui.T1->RightMargin(); };
    EXPECT_EQ(margin(), pixelsToTwips(ui.T1->width()) - 260);
    longLines->trigger();
    EXPECT_EQ(margin(), pixelsToTwips(ui.T1->width()) * 20);
    window->resize(800, 600);
    QApplication::processEvents();
    EXPECT_EQ(margin(), pixelsToTwips(ui.T1->width()) * 20) << "a resize keeps the mode";
    longLines->trigger();
    EXPECT_EQ(margin(), pixelsToTwips(ui.T1->width()) - 260);
}

TEST_F(MainWindow, TheTabStripSwitchesPages)
{
    auto window = shownWindow();
    const FrameControls ui(*window);
    ui.TAB1->setCurrentIndex(1);
    EXPECT_TRUE(ui.Pfile->isVisible());
    EXPECT_FALSE(ui.TV->isVisible());
    ui.TAB1->setCurrentIndex(0);
    EXPECT_TRUE(ui.TV->isVisible());
    EXPECT_FALSE(ui.Pfile->isVisible());
}

TEST_F(MainWindow, TheTabCaptionsShowWholeBesideTheButtonsAtEverySize)
{
    auto window = shownWindow();
    const FrameControls ui(*window);
    for (const QSize size : {QSize(500, 400), QSize(1000, 700), QSize(1800, 1000)}) {
        window->resize(size);
        QApplication::processEvents();
        // A strip narrower than its tabs want shortens their captions.
        EXPECT_GE(ui.TAB1->width(), ui.TAB1->sizeHint().width()) << size.width();
        EXPECT_LT(ui.TAB1->geometry().right(), ui.Cadd->x()) << size.width();
    }
}

TEST_F(MainWindow, TheSplitterStopsAtItsLeftBoundAndIsPutBackOnRelease)
{
    auto window = shownWindow();
    const FrameControls ui(*window);
    QWidget* bar = ui.PGm;
    mouse(bar, QEvent::MouseButtonPress, {2, 10}, Qt::LeftButton, Qt::LeftButton);
    for (int step = 0; step < 10; ++step)
        mouse(bar, QEvent::MouseMove, {2 - 30, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_LT(bar->x(), 135);
    EXPECT_GE(bar->x(), 135 - 30) << "one step past the bound at most";
    mouse(bar, QEvent::MouseButtonRelease, {2, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(ui.PWEB->width(), 135);
    EXPECT_EQ(ui.PTfon->x(), 138);
    EXPECT_EQ(ui.PTfon->width(), window->centralWidget()->width() - 139);

    mouse(bar, QEvent::MouseButtonPress, {2, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(bar, QEvent::MouseMove, {2 + 50, 10}, Qt::NoButton, Qt::LeftButton);
    mouse(bar, QEvent::MouseButtonRelease, {2, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(ui.PWEB->width(), 185);
}

TEST_F(MainWindow, TheGutterSelectsWholeLines)
{
    auto window = shownWindow();
    EditorControl* editor = frameOf(*window).T1;
    QWidget* gutter = frameOf(*window).Pmarker;

    mouse(gutter, QEvent::MouseButtonPress, {2, 5}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(editor->SelLength(), 0) << "an empty editor has no lines to select";

    editor->setText(QStringLiteral("one\r\ntwo\r\nthree"));
    // The very first press selects its line, line 0 included.
    mouse(gutter, QEvent::MouseButtonPress, {2, gutterY(*window, 0)}, Qt::LeftButton,
          Qt::LeftButton);
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(editor->SelLength(), 3);

    mouse(gutter, QEvent::MouseMove, {2, gutterY(*window, 2)}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(editor->SelLength(), 15) << "the last line ends at the end of the text";
    mouse(gutter, QEvent::MouseMove, {2, gutterY(*window, 1)}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(editor->SelLength(), 8);
    mouse(gutter, QEvent::MouseButtonRelease, {2, gutterY(*window, 1)}, Qt::LeftButton,
          Qt::NoButton);

    mouse(gutter, QEvent::MouseButtonPress, {2, gutterY(*window, 2)}, Qt::LeftButton,
          Qt::LeftButton);
    mouse(gutter, QEvent::MouseMove, {2, gutterY(*window, 0)}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(editor->SelLength(), 15) << "dragging up selects from the line above to the anchor";

    mouse(gutter, QEvent::MouseButtonPress, {2, gutterY(*window, 1)}, Qt::LeftButton,
          Qt::LeftButton);
    EXPECT_EQ(editor->SelStart(), 5);
    EXPECT_EQ(editor->SelLength(), 3);
    mouse(gutter, QEvent::MouseButtonPress, {2, gutter->height() - 2}, Qt::LeftButton,
          Qt::LeftButton);
    EXPECT_EQ(editor->SelStart(), 5) << "below the last line nothing changes";
    EXPECT_EQ(editor->SelLength(), 3);
}

TEST_F(MainWindow, LoadRestoresTheStoredPositionWhenItIsSound)
{
    Props.winpoz = kOn;
    SettingsStore::write(kWinPos, QStringLiteral("X"), QString::number(pixelsToTwips(40)));
    SettingsStore::write(kWinPos, QStringLiteral("Y"), QString::number(pixelsToTwips(30)));
    FrmH placed;
    placed.showPlain();
    EXPECT_EQ(placed.pos(), QPoint(40, 30));

    SettingsStore::write(kWinPos, QStringLiteral("Y"), QStringLiteral("twelve"));
    FrmH unplaced;
    const QPoint before = unplaced.pos();
    unplaced.showPlain();
    EXPECT_EQ(unplaced.pos(), before);

    SettingsStore::write(kWinPos, QStringLiteral("Y"), QStringLiteral("-9000000"));
    FrmH offScreen;
    offScreen.showPlain();
    EXPECT_NE(offScreen.pos().y(), twipsToPixels(-9000000));
}

TEST_F(MainWindow, LoadAppliesTheOptionsButNeverHidesTheText)
{
    FrmH plain;
    const FrameControls plainUi(plain);
    const quint32 back = plainUi.T1->BackColor();
    const quint32 fore = plainUi.T1->ForeColor();
    plain.showPlain(); // no options file: every colour 0
    EXPECT_EQ(plainUi.T1->BackColor(), back);
    EXPECT_EQ(plainUi.T1->ForeColor(), fore);
    EXPECT_FALSE(plainUi.T1->fontRecord().family.isEmpty());
    EXPECT_GT(plainUi.T1->fontRecord().pointSize, 0);

    Props.backcolor = 0x00E0FFFF;
    Props.forekolor = 0x00800000;
    Props.stfsiz = 14;
    Props.bold = kOn;
    FrmH styled;
    styled.showPlain();
    const FrameControls styledUi(styled);
    EXPECT_EQ(styledUi.T1->BackColor(), 0x00E0FFFFu);
    EXPECT_EQ(styledUi.T1->ForeColor(), 0x00800000u);
    EXPECT_EQ(styledUi.T1->fontRecord().pointSize, 14);
    EXPECT_TRUE(styledUi.T1->fontRecord().bold);
    EXPECT_EQ(styledUi.panel("kMain"), QString());
}

TEST_F(MainWindow, AMaximisedStartWinsOverTheStoredPosition)
{
    Props.maxwind = kOn;
    Props.winpoz = kOn;
    SettingsStore::write(kWinPos, QStringLiteral("X"), QStringLiteral("600"));
    SettingsStore::write(kWinPos, QStringLiteral("Y"), QStringLiteral("600"));
    FrmH window;
    window.showPlain();
    EXPECT_TRUE(window.isMaximized());
    FrmH second;
    second.commandladenforma(QStringLiteral("NOMAX"));
    EXPECT_FALSE(second.isMaximized());
}

TEST_F(MainWindow, CancellingTheQuestionKeepsTheWindowAndWritesNothing)
{
    Props.winpoz = kOn;
    Props.lastfile = kOn;
    auto window = shownWindow();
    typeIntoSingleFile(*window, QStringLiteral("/site/a.html"));
    ScriptedPrompts prompts({QStringLiteral("2")});
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(prompts.asked().size(), 1);
    EXPECT_EQ(prompts.asked()[0].prompt,
              QStringLiteral("faili Seicvala.\r\ngindaT cvlilebebis damaxsovreba?"));
    EXPECT_EQ(prompts.asked()[0].title, QString());
    EXPECT_EQ(prompts.asked()[0].icon, 6);
    EXPECT_EQ(prompts.asked()[0].buttons, 3);
    EXPECT_EQ(prompts.asked()[0].wrap, 40);
    EXPECT_EQ(SettingsStore::read(kWinPos, QStringLiteral("X")), QString());
    EXPECT_EQ(SettingsStore::read(QStringLiteral("LastFile"), QStringLiteral("FN")), QString());
}

TEST_F(MainWindow, AnsweringNoClosesAndStoresPositionAndLastFile)
{
    Props.winpoz = kOn;
    Props.lastfile = kOn;
    auto window = shownWindow();
    window->move(60, 45);
    typeIntoSingleFile(*window, QStringLiteral("/site/a b.html"));
    ScriptedPrompts prompts({QStringLiteral("7")});
    EXPECT_TRUE(window->close());
    EXPECT_EQ(SettingsStore::read(kWinPos, QStringLiteral("X")),
              QString::number(pixelsToTwips(60)));
    EXPECT_EQ(SettingsStore::read(kWinPos, QStringLiteral("Y")),
              QString::number(pixelsToTwips(45)));
    EXPECT_EQ(SettingsStore::read(QStringLiteral("LastFile"), QStringLiteral("FN")),
              QStringLiteral("/site/a b.html"));
    EXPECT_EQ(window->documents().EditorPath(), QString()) << "the documents are released";
    EXPECT_EQ(frameOf(*window).T1->Text(), QString());
}

TEST_F(MainWindow, AnEmptyLastFileLeavesTheStoredOne)
{
    Props.lastfile = kOn;
    SettingsStore::write(QStringLiteral("LastFile"), QStringLiteral("FN"),
                         QStringLiteral("/old.html"));
    auto window = shownWindow();
    EXPECT_TRUE(window->close()) << "nothing changed: no question";
    EXPECT_EQ(SettingsStore::read(QStringLiteral("LastFile"), QStringLiteral("FN")),
              QStringLiteral("/old.html"));
}

TEST_F(MainWindow, AProjectIsStoredAsItsListFile)
{
    Props.lastfile = kOn;
    auto window = shownWindow();
    window->documents().recordProject(QStringLiteral("/site/"), QStringLiteral("site.WEB"));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(SettingsStore::read(QStringLiteral("LastFile"), QStringLiteral("FN")),
              QStringLiteral("/site/site.WEB"));
}

TEST_F(MainWindow, ASaveThatDidNotHappenKeepsTheWindowOpen)
{
    auto window = shownWindow();
    DocumentState& documents = window->documents();
    documents.appendShown(QStringLiteral("typed"), FilePath(), QStringLiteral("nosaved0.HTML"),
                          true);
    // Yes, save; yes, make a project of the files; no name given: nothing is saved, and the
    // window stays with its text.
    ScriptedPrompts prompts({QStringLiteral("6"), QStringLiteral("6"), QString()});
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompts.asked().size(), 3);
    EXPECT_EQ(prompts.asked()[0].prompt, QStringLiteral("gindaT cvlilebebis damaxsovreba?"));
    EXPECT_EQ(prompts.asked()[2].prompt, QStringLiteral("Cawere proeqtis saxeli."));
    ASSERT_EQ(documents.Docs().Count(), 1);
    EXPECT_EQ(documents.Docs().Item(0).Value, QStringLiteral("typed"));
    EXPECT_EQ(documents.Docs().Item(0).Changed, -1);
}

TEST_F(MainWindow, ClosingClosesTheProgramsOtherWindows)
{
    auto window = shownWindow();
    QWidget other;
    other.show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(other.isVisible());
}
