#include "editor/editorevents.h"

#include "conversions/conversions.h"
#include "app/frmh.h"
#include "core/progprops.h"
#include "editor/indentation.h"
#include "platform/clipboard.h"
#include "platform/displaymap.h"
#include "platform/editorcontrol.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

const QStringList kTextMenus = {QStringLiteral("mnualmark"),    QStringLiteral("mnuUTF8"),
                                QStringLiteral("mnuTut8dekod"), QStringLiteral("mnuTunik"),
                                QStringLiteral("mnuTfonunik"),  QStringLiteral("mnuprint"),
                                QStringLiteral("mnukonvert")};
const QStringList kSelectionMenus = {QStringLiteral("mnuCopy"),     QStringLiteral("mnuUbendkopi"),
                                     QStringLiteral("mnumtubers"),  QStringLiteral("mnuCut"),
                                     QStringLiteral("mnuunik"),     QStringLiteral("mnuUTF8dekod"),
                                     QStringLiteral("mnuMfonunik"), QStringLiteral("mnuFont")};

constexpr int kEnter = 13;
constexpr int kTab = 9;
constexpr int kBackspace = 8;
constexpr int kSpace = 32;
constexpr int kMenuKey = 93;
constexpr int kKeyV = 86;
constexpr int kRightButton = 2;

// The Alt shortcuts of the tag toolbar: the key and the toolbar button it presses.
struct AltShortcut
{
    int key;
    int toolbarCode;
};
constexpr AltShortcut kAltShortcuts[] = {{'B', 0},  {'I', 1},  {'U', 2},  {'P', 7},
                                         {'L', 11}, {'K', 12}, {'C', 14}, {'R', 16}};

// Alt with any key, and Ctrl+Space, belong to the editor before any menu shortcut.
bool takenBeforeShortcuts(int keyCode, int shift)
{
    return shift == kAltMask || (keyCode == kSpace && shift == kCtrlMask);
}

} // namespace

EditorEvents::EditorEvents(FrmH& window)
    : QObject(&window), m_window(window), m_textMenus(menuItems(kTextMenus)),
      m_selectionMenus(menuItems(kSelectionMenus)),
      m_pasteMenu(menuItems({QStringLiteral("mnuPaste")}))
{
    EditorControl* editor = window.T1;
    editor->setKeysBeforeShortcuts(takenBeforeShortcuts);
    connect(editor, &EditorControl::Change, this, &EditorEvents::T1_Change);
    connect(editor, &EditorControl::KeyDown, this, &EditorEvents::T1_KeyDown);
    connect(editor, &EditorControl::MouseDown, this, &EditorEvents::T1_MouseDown);
    connect(editor, &EditorControl::SelChange, this, &EditorEvents::T1_SelChange);

    for (const char* panel : {"SK", "SST", "SLN", "KOL"})
        window.StatusPanel(QString::fromLatin1(panel))->setText(QStringLiteral("0"));
    setEnabled(m_textMenus, false);
    TR_fals(0);

    TM1 = new QTimer(this);
    TM1->setInterval(60);
    connect(TM1, &QTimer::timeout, this, &EditorEvents::TM1_Timer);
    TM1->start();
}

QList<QAction*> EditorEvents::menuItems(const QStringList& names) const
{
    // A command that is not built yet has no menu item to switch.
    QList<QAction*> items;
    for (const QString& name : names) {
        if (auto* menu = m_window.findChild<QMenu*>(name))
            items << menu->menuAction();
        else if (auto* action = m_window.findChild<QAction*>(name))
            items << action;
    }
    return items;
}

void EditorEvents::setEnabled(const QList<QAction*>& items, bool enabled)
{
    for (QAction* item : items)
        item->setEnabled(enabled);
}

void EditorEvents::popUp(const char* menuName, const QPoint& globalPosition)
{
    auto* menu = m_window.findChild<QMenu*>(QString::fromLatin1(menuName));
    if (menu && !menu->isEmpty())
        menu->popup(globalPosition);
}

void EditorEvents::T1_Change()
{
    const bool hasText = m_window.T1->TextLength() > 0;
    if (hasText != (TextMenusOn != 0)) {
        setEnabled(m_textMenus, hasText);
        TextMenusOn = hasText ? -1 : 0;
    }
}

void EditorEvents::T1_KeyDown(int& keyCode, int shift)
{
    EditorControl* editor = m_window.T1;
    if (keyCode == kMenuKey)
        popUp("mnuEdit", QCursor::pos());

    if (keyCode == kKeyV && shift == kCtrlMask) {
        // Plain text is pasted as it is; with no text on the clipboard the key does nothing.
        if (!clipboardHasText())
            keyCode = 0;
    } else if (keyCode == kEnter) {
        if (shift == 0) {
            breakLineIndented(*editor);
            keyCode = 0;
        }
    } else if (keyCode == kTab && shift == 0) {
        editor->setFocus();
        indentSelection(*editor, Props.tablen);
        keyCode = 0;
    } else if (keyCode == kTab && shift == kShiftMask) {
        editor->setFocus();
        keyCode = unindentSelection(*editor) == Unindent::Backspace ? kBackspace : 0;
    } else if (keyCode == kSpace && shift == kCtrlMask) {
        keyCode = 0;
    } else if (shift == kAltMask) {
        for (const AltShortcut& shortcut : kAltShortcuts) {
            if (shortcut.key == keyCode)
                m_window.htmlbarklick(shortcut.toolbarCode);
        }
        keyCode = 0;
    }
}

void EditorEvents::T1_MouseDown(int button, int shift, const QPoint& position)
{
    if (button != kRightButton)
        return;
    const QPoint global = m_window.T1->viewport()->mapToGlobal(position);
    if (shift == 0) {
        popUp("mnuEdit", global);
    } else if (shift == kCtrlMask) {
        popUp("mnutmpformat", global);
    } else if (shift == kShiftMask) {
        const bool textMenu =
            m_window.T1->SelLength() > 0 && m_window.findChild<QMenu*>(QStringLiteral("mnuFont"));
        popUp(textMenu ? "mnuFont" : "mnuEdit", global);
    }
}

void EditorEvents::T1_SelChange()
{
    EditorControl* editor = m_window.T1;
    const qint32 start = editor->SelStart();
    const qint32 length = editor->SelLength();
    if (length > 0 && m_window.TranslationShown) {
        // UTF-8 Georgian letters of the selection, shown as the 8-bit layout.
        const QString decoded = ConvertByTables(editor->SelText(), 2, -1);
        m_window.TXTtargmna->setPlainText(
            DisplayMap::get(DisplayMapKind::GeorgianIso).toShown(decoded));
    } else if (length == 0) {
        m_window.GutterAnchor = -1;
        m_window.TXTtargmna->clear();
    }
    TR_fals(length >= 1 ? -1 : 0);

    const qint32 line = editor->LineFromChar(start);
    m_window.StatusPanel(QStringLiteral("SK"))->setText(QString::number(length));
    m_window.StatusPanel(QStringLiteral("SST"))->setText(QString::number(start));
    m_window.StatusPanel(QStringLiteral("SLN"))->setText(QString::number(line + 1));
    m_window.StatusPanel(QStringLiteral("KOL"))
        ->setText(QString::number(start - editor->LineIndex(line)));
}

void EditorEvents::TR_fals(qint16 hasSelection)
{
    setEnabled(m_selectionMenus, hasSelection != 0);
}

void EditorEvents::TM1_Timer()
{
    // Asking the clipboard can mean a round trip to the display server: only when a Paste
    // item is there to enable.
    if (!m_pasteMenu.isEmpty() && clipboardHasText())
        setEnabled(m_pasteMenu, true);
}
