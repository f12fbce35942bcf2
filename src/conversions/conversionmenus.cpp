#include "conversions/conversionmenus.h"

#include "conversions/clipboardtext.h"
#include "conversions/conversioncommands.h"
#include "core/commandcontext.h"
#include "core/editapplier.h"
#include "menus/menuregistry.h"
#include "platform/busycursor.h"
#include "platform/clipboard.h"
#include "platform/editorcontrol.h"

#include <QMenu>

#include <optional>

namespace {

EnableRule ruleOf(const ConversionCommand& command)
{
    // The submenu as a whole needs text; its items need nothing more.
    if (command.menu == ConversionMenu::Konvert)
        return EnableRule::Always;
    return command.scope == ConversionScope::WholeText ? EnableRule::NeedsText
                                                       : EnableRule::NeedsSelection;
}

} // namespace

ConversionMenus::ConversionMenus(CommandContext& context) : m_context(context)
{
    MenuRegistry& registry = context.registry();
    QMenu& edit = registry.menu("mnuEdit");
    QMenu* mnukonvert = nullptr;
    for (const ConversionCommand& command : conversionCommands()) {
        if (command.menu == ConversionMenu::Konvert && !mnukonvert) {
            mnukonvert = &registry.placeSubmenu(edit, "mnukonvert", EnableRule::NeedsText);
        }
        QMenu& menu = command.menu == ConversionMenu::Edit ? edit : *mnukonvert;
        const QString caption =
            QStringLiteral("|%1|").arg(command.helpNumber) + QString(command.caption);
        const QByteArray name = QString(command.name).toLatin1();
        registry.add(menu,
                     {name.constData(), caption, DisplayMapKind::GeorgianIso,
                      QKeySequence(command.shortcutKey), ruleOf(command)},
                     [this, &command] { run(command); });
    }
}

void ConversionMenus::run(const ConversionCommand& command)
{
    switch (command.scope) {
    case ConversionScope::WholeText:
        convertWholeText(command);
        break;
    case ConversionScope::Selection:
        convertSelection(command);
        break;
    case ConversionScope::SelectionToClipboard:
        encodeAndCopy(command);
        break;
    }
}

void ConversionMenus::convertWholeText(const ConversionCommand& command)
{
    EditorControl& editor = m_context.editor();
    // The submenu's commands skip an empty text and show the busy pointer meanwhile.
    std::optional<BusyCursor> busy;
    if (command.menu == ConversionMenu::Konvert) {
        if (editor.TextLength() == 0)
            return;
        busy.emplace();
    }
    applyEdit(editor, ::convertWholeText(command, editor.Text()));
}

void ConversionMenus::convertSelection(const ConversionCommand& command)
{
    EditorControl& editor = m_context.editor();
    applyEdit(editor, ::convertSelection(command, editor.SelText(), editor.SelStart()));
}

void ConversionMenus::encodeAndCopy(const ConversionCommand& command)
{
    const EditorControl& editor = m_context.editor();
    const QString selected = editor.SelText();
    const QString encoded = convertText(command, selected);
    setClipboardData(
        byteTextMimeData(encodeAndCopyClipboardText(selected, editor.displayMap()), encoded));
}
