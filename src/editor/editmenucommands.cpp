#include "editor/editmenucommands.h"

#include "core/commandcontext.h"
#include "editor/editcommands.h"
#include "editor/selectionedits.h"
#include "menus/menuregistry.h"
#include "platform/clipboard.h"
#include "platform/editorcontrol.h"
#include "platform/prompts.h"

#include <QMenu>
#include <QPrinter>

EditMenuCommands::EditMenuCommands(CommandContext& context) : m_context(context)
{
    MenuRegistry& registry = context.registry();
    QMenu& edit = registry.menu("mnuEdit");
    registry.add(edit,
                 {"mnuCut", QStringLiteral("|12|") + eightBitGeorgian("amoWra"),
                  DisplayMapKind::GeorgianIso, QKeySequence(Qt::CTRL | Qt::Key_X),
                  EnableRule::NeedsSelection},
                 [this] { mnuCut_Click(); });
    registry.add(edit,
                 {"mnuCopy", QStringLiteral("|8|") + eightBitGeorgian("kopireba"),
                  DisplayMapKind::GeorgianIso, QKeySequence(Qt::CTRL | Qt::Key_C),
                  EnableRule::NeedsSelection},
                 [this] { mnuCopy_Click(); });
    registry.add(edit,
                 {"mnuPaste", QStringLiteral("|9|") + eightBitGeorgian("Camateba"),
                  DisplayMapKind::GeorgianIso, QKeySequence(), EnableRule::NeedsClipboardText},
                 [this] { mnuPaste_Click(); });
    registry.add(edit,
                 {"mnualmark", QStringLiteral("|18|") + eightBitGeorgian("teqstis markireba"),
                  DisplayMapKind::GeorgianIso, QKeySequence(Qt::CTRL | Qt::Key_A),
                  EnableRule::NeedsText},
                 [this] { mnualmark_Click(); });
    registry.addSeparator(edit);
    registry.add(registry.menu("mnuFile"),
                 {"mnuprint", QStringLiteral("|21|") + eightBitGeorgian("amobeWdva"),
                  DisplayMapKind::GeorgianIso, QKeySequence(Qt::CTRL | Qt::Key_P),
                  EnableRule::NeedsText},
                 [this] { mnuprint_Click(); });
}

void EditMenuCommands::mnuCut_Click()
{
    EditorControl& editor = m_context.editor();
    const EditorSelection selection = selectionOf(editor);
    if (selection.isEmpty())
        return;
    setClipboardByteText(selection.text, editor.displayMap());
    applyToEditor(editor, TextEdit::typing(selection.start, selection.length(), QString()));
}

void EditMenuCommands::mnuCopy_Click()
{
    const EditorControl& editor = m_context.editor();
    setClipboardByteText(editor.SelText(), editor.displayMap());
}

void EditMenuCommands::mnuPaste_Click()
{
    EditorControl& editor = m_context.editor();
    applyToEditor(editor, pasteEdit(selectionOf(editor), clipboardByteText(editor.displayMap())));
}

void EditMenuCommands::mnualmark_Click()
{
    EditorControl& editor = m_context.editor();
    if (editor.TextLength() > 0)
        editor.setSelection(0, editor.TextLength());
}

void EditMenuCommands::mnuprint_Click()
{
    EditorControl& editor = m_context.editor();
    const std::shared_ptr<QPrinter> printer =
        prompts().printDialog(&m_context.owner(), editor.SelLength() > 0);
    if (!printer)
        return;
    editor.print(printer.get());
    if (printer->printerState() == QPrinter::Error)
        prompts().failureMessage(QStringLiteral("The text could not be printed."));
}
