// The main window's handlers of the editor's events: changed marks, the menus that follow
// the text and the selection, the status panels, the decoded view, paste, the keys taken
// before any shortcut and the context menus. Every key and click goes to the real editor.

#include "support/editorwindow.h"

#include "core/collection.h"
#include "platform/clipboard.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

using EditorChanges = EditorWindowTest;
using StatusPanels = EditorWindowTest;
using EditorKeys = EditorWindowTest;
using ContextMenus = EditorWindowTest;

const char* const kTextMenus[] = {"mnuUTF8", "mnuTunik", "mnuTut8dekod", "mnuTfonunik"};
const char* const kSelectionMenus[] = {"mnuunik", "mnuUbendkopi", "mnumtubers", "mnuUTF8dekod",
                                       "mnuMfonunik"};

// A shortcut of the window, counting how often it fires.
struct WindowShortcut
{
    WindowShortcut(FrmH& window, const QKeySequence& keys)
    {
        action = new QAction(&window);
        action->setShortcut(keys);
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, [this] { ++fired; });
    }
    QAction* action;
    int fired = 0;
};

} // namespace

// ---- Changed marks and the text menus -----------------------------------------------------

TEST_F(EditorChanges, TypingMarksTheSingleFileChangedTheProgramsOwnFillDoesNot)
{
    load(QStringLiteral("<p>loaded</p>"));
    EXPECT_EQ(window->documents().EditorChanged(), 0);
    EXPECT_FALSE(action("mnuSave")->isEnabled());
    EXPECT_FALSE(action("mnuSaveas")->isEnabled());

    editor->setSelStart(3);
    typeKeys("x");
    EXPECT_EQ(editor->Text(), QStringLiteral("<p>xloaded</p>"));
    EXPECT_EQ(window->documents().EditorChanged(), -1);
    EXPECT_TRUE(action("mnuSave")->isEnabled());
    EXPECT_TRUE(action("mnuSaveas")->isEnabled());
}

TEST_F(EditorChanges, KeysThatOnlyMoveOrAreSwallowedMarkNothing)
{
    load(QStringLiteral("ab\r\ncd"));
    key(Qt::Key_End);
    key(Qt::Key_Down);
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Z, Qt::AltModifier);
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(window->documents().EditorChanged(), 0);
    EXPECT_FALSE(action("mnuSave")->isEnabled());
}

TEST_F(EditorChanges, InTheCollectionTypingMarksTheCurrentDocument)
{
    const qint16 index = window->documents().appendShown(QStringLiteral("<p>doc</p>"), FilePath(),
                                                         QStringLiteral("doc.HTML"), false);
    ASSERT_GE(index, 0);
    ASSERT_EQ(window->documents().DocsMode(), -1);
    EXPECT_EQ(window->documents().Docs().Item(index).Changed, 0);

    editor->setSelStart(0);
    key(Qt::Key_Return);
    EXPECT_EQ(window->documents().Docs().Item(index).Changed, -1);
}

TEST_F(EditorChanges, TextMenusSwitchOnlyWhenTheTextBecomesEmptyOrNotEmpty)
{
    auto* konvert = menu("mnukonvert");
    ASSERT_NE(konvert, nullptr);
    for (const char* name : kTextMenus)
        ASSERT_NE(action(name), nullptr) << name;
    const auto textMenusEnabled = [&](bool enabled) {
        for (const char* name : kTextMenus)
            EXPECT_EQ(action(name)->isEnabled(), enabled) << name;
        EXPECT_EQ(konvert->menuAction()->isEnabled(), enabled);
    };

    textMenusEnabled(false); // an empty editor at start
    typeKeys("a");
    textMenusEnabled(true);

    // Between two changes that leave text, the menus are not touched.
    action("mnuUTF8")->setEnabled(false);
    typeKeys("b");
    EXPECT_FALSE(action("mnuUTF8")->isEnabled());
    EXPECT_TRUE(action("mnuTunik")->isEnabled());

    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Backspace);
    ASSERT_EQ(editor->TextLength(), 0);
    textMenusEnabled(false);

    // Nor between two changes that leave it empty.
    action("mnuTunik")->setEnabled(true);
    load(QString());
    EXPECT_TRUE(action("mnuTunik")->isEnabled());
    EXPECT_FALSE(action("mnuUTF8")->isEnabled());
}

TEST_F(EditorChanges, TextMenusFollowTheProgramsOwnFillsButSaveDoesNot)
{
    load(QStringLiteral("x"));
    EXPECT_TRUE(action("mnuUTF8")->isEnabled());
    EXPECT_FALSE(action("mnuSave")->isEnabled());

    typeKeys("y");
    ASSERT_TRUE(action("mnuSave")->isEnabled());
    action("mnuSave")->setEnabled(false); // as a save leaves it
    load(QString());
    EXPECT_FALSE(action("mnuUTF8")->isEnabled());
    load(QStringLiteral("z"));
    EXPECT_TRUE(action("mnuUTF8")->isEnabled());
    EXPECT_FALSE(action("mnuSave")->isEnabled());
}

TEST_F(EditorChanges, SelectionMenusFollowTheSelection)
{
    const auto selectionMenusEnabled = [&](bool enabled) {
        for (const char* name : kSelectionMenus) {
            ASSERT_NE(action(name), nullptr) << name;
            EXPECT_EQ(action(name)->isEnabled(), enabled) << name;
        }
    };
    selectionMenusEnabled(false);
    load(QStringLiteral("abc\r\ndef"));
    selectionMenusEnabled(false);
    key(Qt::Key_Right, Qt::ShiftModifier);
    selectionMenusEnabled(true);
    key(Qt::Key_Down, Qt::ShiftModifier);
    selectionMenusEnabled(true);
    key(Qt::Key_Right);
    selectionMenusEnabled(false);
    editor->setSelection(5, 3);
    selectionMenusEnabled(true);
    typeKeys("q"); // typing over the selection leaves none
    selectionMenusEnabled(false);
}

// ---- Status panels and the decoded view ---------------------------------------------------

TEST_F(StatusPanels, PanelsShowLengthStartLineAndColumnOfTheSelection)
{
    for (const char* key : {"SK", "SST", "SLN", "KOL"})
        EXPECT_EQ(panel(key), QStringLiteral("0")) << key;

    load(QStringLiteral("abcdefgh\r\nIJKLMNOPQRSTU\r\nlast"));
    editor->setSelection(12, 5);
    EXPECT_EQ(panel("SK"), QStringLiteral("5"));
    EXPECT_EQ(panel("SST"), QStringLiteral("12"));
    EXPECT_EQ(panel("SLN"), QStringLiteral("2"));
    EXPECT_EQ(panel("KOL"), QStringLiteral("2"));

    key(Qt::Key_End); // keys move the caret: the end of the second line
    EXPECT_EQ(panel("SK"), QStringLiteral("0"));
    EXPECT_EQ(panel("SST"), QStringLiteral("23"));
    EXPECT_EQ(panel("SLN"), QStringLiteral("2"));
    EXPECT_EQ(panel("KOL"), QStringLiteral("13"));

    // Selected backwards over the line break: the start is on the second line.
    key(Qt::Key_Down);
    key(Qt::Key_Home);
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(panel("SK"), QStringLiteral("3"));
    EXPECT_EQ(panel("SST"), QStringLiteral("22"));
    EXPECT_EQ(panel("SLN"), QStringLiteral("2"));
    EXPECT_EQ(panel("KOL"), QStringLiteral("12"));

    key(Qt::Key_Down);
    EXPECT_EQ(panel("SST"), QStringLiteral("29"));
    EXPECT_EQ(panel("SLN"), QStringLiteral("3"));
    EXPECT_EQ(panel("KOL"), QStringLiteral("4"));

    // Selected forwards over two line breaks: the caret is on the last line, the start
    // on the first.
    editor->setSelection(3, 24);
    EXPECT_EQ(panel("SK"), QStringLiteral("24"));
    EXPECT_EQ(panel("SST"), QStringLiteral("3"));
    EXPECT_EQ(panel("SLN"), QStringLiteral("1"));
    EXPECT_EQ(panel("KOL"), QStringLiteral("3"));
}

TEST_F(StatusPanels, TheDecodedViewShowsUtf8GeorgianOfTheSelection)
{
    window->showDecodedView(true);
    // "x", then the UTF-8 bytes of the first two Georgian letters.
    load(QStringLiteral("x") + byteText({0xE1, 0x83, 0x90, 0xE1, 0x83, 0x91}));
    editor->setSelection(1, 3);
    EXPECT_EQ(frameOf(*window).TXTtargmna->toPlainText(), QStringLiteral(u"\u10D0"));
    editor->setSelection(0, 7);
    EXPECT_EQ(frameOf(*window).TXTtargmna->toPlainText(), QStringLiteral(u"x\u10D0\u10D1"));
    EXPECT_EQ(editor->Text(), QStringLiteral("x") + byteText({0xE1, 0x83, 0x90, 0xE1, 0x83, 0x91}))
        << "the editor is not changed";

    editor->setSelStart(4);
    EXPECT_EQ(frameOf(*window).TXTtargmna->toPlainText(), QString());
}

TEST_F(StatusPanels, TheToolbarsButton24ShowsTheViewAndHidesItEmptied)
{
    const FrameControls ui(*window);
    const int editorHeight = ui.PTfon->height();
    load(QStringLiteral("x") + byteText({0xE1, 0x83, 0x90}));
    for (const bool shown : {true, false}) {
        QTest::mouseClick(ui.PHTbar, Qt::LeftButton, Qt::NoModifier, QPoint(24 * 24 + 12, 10));
        editor->setSelection(0, 4);
        EXPECT_EQ(ui.TXTtargmna->isVisible(), shown);
        EXPECT_EQ(ui.TXTtargmna->toPlainText(), shown ? QStringLiteral(u"x\u10D0") : QString());
        EXPECT_EQ(ui.PTfon->height() < editorHeight, shown);
        editor->setSelStart(0);
    }
}

TEST_F(StatusPanels, WithTheViewHiddenOnlyAnEmptySelectionTouchesIt)
{
    ASSERT_FALSE(window->decodedViewShown());
    load(QStringLiteral("x") + byteText({0xE1, 0x83, 0x90}));
    editor->setSelection(1, 3);
    EXPECT_EQ(frameOf(*window).TXTtargmna->toPlainText(), QString());

    // Decoded while shown, then hidden: the next empty selection still empties it.
    window->showDecodedView(true);
    editor->setSelection(0, 4);
    ASSERT_EQ(frameOf(*window).TXTtargmna->toPlainText(), QStringLiteral(u"x\u10D0"));
    window->showDecodedView(false);
    key(Qt::Key_Right);
    EXPECT_EQ(frameOf(*window).TXTtargmna->toPlainText(), QString());
}

// ---- Keys ---------------------------------------------------------------------------------

TEST_F(EditorKeys, CtrlVPastesTextAndLeavesTheClipboardAsItWas)
{
    auto* data = new QMimeData;
    data->setText(QStringLiteral("<b>pasted</b>"));
    data->setData(QStringLiteral("application/x-kelmora-test"), QByteArray("extra"));
    QApplication::clipboard()->setMimeData(data);

    load(QStringLiteral("[]"));
    editor->setSelStart(1);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("[<b>pasted</b>]"));
    EXPECT_EQ(editor->SelStart(), 14);
    EXPECT_EQ(window->documents().EditorChanged(), -1);

    const QMimeData* after = QApplication::clipboard()->mimeData();
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->text(), QStringLiteral("<b>pasted</b>"));
    EXPECT_TRUE(after->hasFormat(QStringLiteral("application/x-kelmora-test")));
    EXPECT_EQ(after->data(QStringLiteral("application/x-kelmora-test")), QByteArray("extra"));
}

TEST_F(EditorKeys, CtrlVWithoutTextOnTheClipboardIsSwallowed)
{
    load(QStringLiteral("[]"));
    editor->setSelection(0, 1);
    int typed = 0;
    QObject::connect(editor, &EditorControl::KeyPress, [&typed](int&) { ++typed; });

    auto* picture = new QMimeData;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    picture->setImageData(image);
    QApplication::clipboard()->setMimeData(picture);
    ASSERT_FALSE(clipboardHasText());
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("[]"));
    EXPECT_EQ(editor->SelLength(), 1);
    EXPECT_EQ(typed, 0) << "the key never reached the control";

    QApplication::clipboard()->setMimeData(new QMimeData);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("[]"));
    EXPECT_EQ(typed, 0);
    EXPECT_EQ(window->documents().EditorChanged(), 0);

    // With text there again, the same key pastes.
    QApplication::clipboard()->setText(QStringLiteral("t"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("t]"));
    EXPECT_EQ(typed, 1) << "Ctrl+V reached the control";
}

TEST_F(EditorKeys, EveryAltKeyIsSwallowedBeforeAnyMenuShortcut)
{
    WindowShortcut altZ(*window, QKeySequence(Qt::ALT | Qt::Key_Z));
    load(QStringLiteral("ab"));
    editor->setSelection(1, 1);
    int typed = 0;
    QObject::connect(editor, &EditorControl::KeyPress, [&typed](int&) { ++typed; });

    for (const Qt::Key pressed :
         {Qt::Key_A, Qt::Key_Z, Qt::Key_1, Qt::Key_Q, Qt::Key_Space, Qt::Key_F})
        key(pressed, Qt::AltModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("ab"));
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelLength(), 1);
    EXPECT_EQ(typed, 0);
    EXPECT_EQ(altZ.fired, 0) << "Alt+Z belongs to the editor";
    EXPECT_EQ(window->documents().EditorChanged(), 0);

    // The same shortcut works where the focus is elsewhere in the window.
    frameOf(*window).TV->setFocus();
    QTest::keyClick(frameOf(*window).TV, Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(altZ.fired, 1);
}

TEST_F(EditorKeys, CtrlSpaceIsSwallowedBeforeAnyMenuShortcut)
{
    WindowShortcut ctrlSpace(*window, QKeySequence(Qt::CTRL | Qt::Key_Space));
    load(QStringLiteral("ab"));
    editor->setSelStart(1);
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(editor->Text(), QStringLiteral("ab"));
    EXPECT_EQ(ctrlSpace.fired, 0);
    // It shows the CSS list over the editor.
    const auto* cssList = frameOf(*window).named<QListWidget>("ListCSS");
    ASSERT_NE(cssList, nullptr);
    EXPECT_TRUE(cssList->isVisible());
    EXPECT_EQ(cssList->parentWidget(), frameOf(*window).PTfon);

    key(Qt::Key_Space); // a plain blank is typed
    EXPECT_EQ(editor->Text(), QStringLiteral("a b"));
    EXPECT_FALSE(cssList->isVisible());

    frameOf(*window).TV->setFocus();
    QTest::keyClick(frameOf(*window).TV, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(ctrlSpace.fired, 1);
}

// ---- Context menus ------------------------------------------------------------------------

TEST_F(ContextMenus, ARightClickPopsUpTheEditMenu)
{
    load(QStringLiteral("some text"));
    QWidget* viewport = editor->viewport();
    const QPoint at(30, 10);
    QWidget* shown =
        popupShownBy([&] { QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, at); });
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::NoModifier, at);
    EXPECT_EQ(shown, menu("mnuEdit"));

    // Ctrl with the right button pops up the template menu; Ctrl and Shift together ask for
    // nothing.
    shown = popupShownBy(
        [&] { QTest::mousePress(viewport, Qt::RightButton, Qt::ControlModifier, at); });
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::ControlModifier, at);
    EXPECT_EQ(shown, menu("mnutmpformat"));
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
    shown = popupShownBy([&] { QTest::mousePress(viewport, Qt::RightButton, both, at); });
    QTest::mouseRelease(viewport, Qt::RightButton, both, at);
    EXPECT_EQ(shown, nullptr);

    // The left button pops up nothing.
    shown = popupShownBy([&] { QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at); });
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(shown, nullptr);
}

TEST_F(ContextMenus, ThePlatformsOwnContextMenuIsOff)
{
    EXPECT_EQ(editor->contextMenuPolicy(), Qt::PreventContextMenu);
    load(QStringLiteral("some text"));
    QWidget* viewport = editor->viewport();
    QWidget* shown = popupShownBy([&] {
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(30, 10),
                                  viewport->mapToGlobal(QPoint(30, 10)));
        QApplication::sendEvent(viewport, &request);
    });
    EXPECT_EQ(shown, nullptr);
}

TEST_F(ContextMenus, TheMenuKeyPopsUpTheEditMenuAndTypesNothing)
{
    load(QStringLiteral("ab"));
    editor->setSelStart(1);
    QWidget* shown = popupShownBy([&] { key(Qt::Key_Menu); });
    EXPECT_EQ(shown, menu("mnuEdit"));
    EXPECT_EQ(editor->Text(), QStringLiteral("ab"));
}
