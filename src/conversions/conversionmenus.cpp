#include "conversions/conversionmenus.h"

#include "conversions/clipboardtext.h"
#include "conversions/conversioncommands.h"
#include "app/frmh.h"
#include "menus/menucaption.h"
#include "platform/busycursor.h"
#include "platform/clipboard.h"
#include "platform/editorcontrol.h"

#include <QMenu>

#include <optional>

ConversionMenus::ConversionMenus(FrmH& window) : QObject(&window), m_window(window)
{
    mnukonvert = new QMenu(menuCaption(konvertSubmenuCaption()), &window);
    mnukonvert->setObjectName(QStringLiteral("mnukonvert"));
    for (const ConversionCommand& command : conversionCommands()) {
        QMenu* menu = command.menu == ConversionMenu::Edit ? window.mnuEdit : mnukonvert;
        const QString name = command.name;
        window.addCommand(menu, name.toLatin1().constData(), command.caption,
                          QKeySequence(command.shortcutKey), [this, &command] { run(command); });
    }
    window.mnuEdit->addMenu(mnukonvert);
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
    EditorControl* editor = m_window.T1;
    // The submenu's commands skip an empty text and show the busy pointer meanwhile.
    std::optional<BusyCursor> busy;
    if (command.menu == ConversionMenu::Konvert) {
        if (editor->TextLength() == 0)
            return;
        busy.emplace();
    }
    // Written back as one edit, so that it marks the document changed and can be undone.
    const QString converted = convertText(command, editor->Text());
    editor->selectAll();
    editor->setSelText(converted);
    editor->setSelStart(0);
}

void ConversionMenus::convertSelection(const ConversionCommand& command)
{
    EditorControl* editor = m_window.T1;
    const ConvertedSelection result =
        ::convertSelection(command, editor->SelText(), editor->SelStart());
    editor->setSelText(result.text);
    editor->setSelection(result.selStart, result.selLength);
}

void ConversionMenus::encodeAndCopy(const ConversionCommand& command)
{
    EditorControl* editor = m_window.T1;
    const QString selected = editor->SelText();
    const QString encoded = convertText(command, selected);
    setClipboardData(
        byteTextMimeData(encodeAndCopyClipboardText(selected, editor->displayMap()), encoded));
}
