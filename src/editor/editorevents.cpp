#include "editor/editorevents.h"

#include "conversions/conversions.h"
#include "conversions/languagemenu.h"
#include "core/commandcontext.h"
#include "core/commandguard.h"
#include "core/editapplier.h"
#include "core/progprops.h"
#include "core/tagbuttons.h"
#include "documents/documentcommands.h"
#include "documents/documentstate.h"
#include "editor/colouring.h"
#include "editor/indentation.h"
#include "editor/listcss.h"
#include "platform/clipboard.h"
#include "platform/editorcontrol.h"

#include <QCursor>
#include <QMenu>
#include <QTimer>

namespace {

constexpr int kEnter = 13;
constexpr int kTab = 9;
constexpr int kBackspace = 8;
constexpr int kSpace = 32;
constexpr int kMenuKey = 93;
constexpr int kKeyV = 86;
constexpr int kF12 = 123;
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

LineSelection lineSelectionOf(const EditorControl& editor)
{
    LineSelection at;
    at.selStart = editor.SelStart();
    at.selLength = editor.SelLength();
    at.selected = editor.SelText();
    at.lineStart = editor.LineIndex(editor.LineFromChar(at.selStart));
    at.line = editor.TextRange(at.lineStart, editor.LineLength(at.lineStart));
    return at;
}

} // namespace

EditorEvents::EditorEvents(CommandContext& context) : m_context(context)
{
    EditorControl& editor = context.editor();
    editor.setKeysBeforeShortcuts(takenBeforeShortcuts);
    connect(&editor, &EditorControl::Change, this, &EditorEvents::T1_Change);
    connect(&editor, &EditorControl::SelChange, this, &EditorEvents::T1_SelChange);
    connect(&editor, &EditorControl::KeyDown, this, &EditorEvents::T1_KeyDown);
    connect(&editor, &EditorControl::KeyPress, this, &EditorEvents::T1_KeyPress);
    connect(&editor, &EditorControl::KeyUp, this, &EditorEvents::T1_KeyUp);
    connect(&editor, &EditorControl::MouseDown, this, &EditorEvents::T1_MouseDown);
    editor.installEventFilter(this);

    for (const StatusPanel panel : {StatusPanel::SelectionLength, StatusPanel::SelectionStart,
                                    StatusPanel::Line, StatusPanel::Column})
        context.setStatus(panel, QStringLiteral("0"));
    updateCommands();

    TM1 = new QTimer(this);
    TM1->setInterval(60);
    connect(TM1, &QTimer::timeout, this, &EditorEvents::TM1_Timer);
    TM1->start();
}

bool EditorEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_context.editor() && event->type() == QEvent::FocusIn)
        T1_GotFocus();
    return QObject::eventFilter(watched, event);
}

void EditorEvents::updateCommands()
{
    const EditorControl& editor = m_context.editor();
    const DocumentState& documents = m_context.documents();
    m_state.hasText = editor.TextLength() > 0;
    m_state.hasSelection = editor.SelLength() > 0;
    m_state.hasDocument = !documents.DocsMode() || documents.DocIndex() >= 0;
    m_context.registry().update(m_state);
}

void EditorEvents::popUp(const char* menuName, const QPoint& globalPosition)
{
    m_context.registry().popUp(menuName, globalPosition);
}

void EditorEvents::pressToolbarButton(int toolbarCode)
{
    if (TagButtons* toolbar = m_context.subsystems().toolbar)
        toolbar->htmlbarklick(toolbarCode);
}

void EditorEvents::hideCssList()
{
    if (ListCSS* list = m_context.subsystems().cssList)
        list->hideList();
}

void EditorEvents::T1_Change()
{
    runGuarded([this] {
        if (DocumentCommands* documents = m_context.subsystems().documents)
            documents->T1_Change();
        updateCommands();
    });
}

void EditorEvents::T1_KeyDown(int& keyCode, int shift)
{
    runGuarded([&] {
        EditorControl& editor = m_context.editor();
        // The colours go before any key takes effect; F12 is left to its key-up, which
        // switches them off, so that F12 toggles.
        Colouring* colouring = m_context.subsystems().colouring;
        if (colouring && colouring->ColorizeOn() && keyCode != kF12)
            colouring->ColorizeHTML();
        bool hidesCssList = true;
        if (keyCode == kMenuKey)
            popUp("mnuEdit", QCursor::pos());

        if (keyCode == kKeyV && shift == kCtrlMask) {
            // Plain text is pasted as it is; with no text on the clipboard the key does nothing.
            if (!clipboardHasText())
                keyCode = 0;
        } else if (keyCode == kEnter) {
            if (shift == 0) {
                applyEdit(editor, indentedLineBreak(lineSelectionOf(editor)));
                keyCode = 0;
            } else {
                hidesCssList = false;
            }
        } else if (keyCode == kTab && shift == 0) {
            editor.setFocus();
            if (const auto edit = indentedSelection(lineSelectionOf(editor), Props.tablen))
                applyEdit(editor, *edit);
            keyCode = 0;
        } else if (keyCode == kTab && shift == kShiftMask) {
            editor.setFocus();
            hidesCssList = editor.SelLength() > 0;
            const Unindent result = unindentedSelection(lineSelectionOf(editor));
            if (result.edit)
                applyEdit(editor, *result.edit);
            keyCode = result.backspace ? kBackspace : 0;
        } else if (keyCode == kSpace && shift == kCtrlMask) {
            keyCode = 0;
        } else if (shift == kAltMask) {
            for (const AltShortcut& shortcut : kAltShortcuts) {
                if (shortcut.key == keyCode)
                    pressToolbarButton(shortcut.toolbarCode);
            }
            keyCode = 0;
        }
        if (hidesCssList)
            hideCssList();
    });
}

void EditorEvents::T1_KeyPress(int& keyAscii)
{
    runGuarded([&] {
        if (LanguageMenu* language = m_context.subsystems().language)
            language->T1_KeyPress(keyAscii);
    });
}

void EditorEvents::T1_KeyUp(int& keyCode, int shift)
{
    runGuarded([&] {
        const Subsystems& parts = m_context.subsystems();
        if (keyCode == kF12 && parts.colouring) {
            parts.colouring->ColorizeHTML();
        } else if (keyCode == kSpace && shift == kCtrlMask && parts.cssList) {
            if (parts.cssList->CssLoaded() || parts.cssList->LoadCssCodes())
                parts.cssList->ShowListAtCaret();
        }
    });
}

void EditorEvents::T1_MouseDown(int button, int shift, const QPoint& position)
{
    if (button == kRightButton) {
        EditorControl& editor = m_context.editor();
        const QPoint global = editor.viewport()->mapToGlobal(position);
        if (shift == 0) {
            popUp("mnuEdit", global);
        } else if (shift == kCtrlMask) {
            popUp("mnutmpformat", global);
        } else if (shift == kShiftMask) {
            const bool textMenu =
                editor.SelLength() > 0 && !m_context.registry().menu("mnuFont").isEmpty();
            popUp(textMenu ? "mnuFont" : "mnuEdit", global);
        }
    }
    hideCssList();
}

void EditorEvents::T1_SelChange()
{
    EditorControl& editor = m_context.editor();
    const qint32 start = editor.SelStart();
    const qint32 length = editor.SelLength();
    if (length > 0 && m_context.decodedViewShown()) {
        // UTF-8 Georgian letters of the selection, shown as the 8-bit layout.
        m_context.setDecodedViewText(ConvertByTables(editor.SelText(), 2, -1));
    } else if (length == 0) {
        m_context.selectionCleared();
        m_context.setDecodedViewText(QString());
    }
    if ((length > 0) != m_state.hasSelection)
        updateCommands();

    const qint32 line = editor.LineFromChar(start);
    m_context.setStatus(StatusPanel::SelectionLength, QString::number(length));
    m_context.setStatus(StatusPanel::SelectionStart, QString::number(start));
    m_context.setStatus(StatusPanel::Line, QString::number(line + 1));
    m_context.setStatus(StatusPanel::Column, QString::number(start - editor.LineIndex(line)));
}

void EditorEvents::T1_GotFocus()
{
    if (DocumentCommands* documents = m_context.subsystems().documents)
        documents->T1_GotFocus();
}

void EditorEvents::TM1_Timer()
{
    // Asking the clipboard can mean a round trip to the display server: only while an item
    // follows it.
    if (!m_context.registry().followsClipboard())
        return;
    m_state.clipboardHasText = clipboardHasText();
    m_context.registry().update(m_state);
}
