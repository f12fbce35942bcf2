#include "documents/uploadcommands.h"

#include "core/commandcontext.h"
#include "documents/frmupload.h"
#include "menus/menuregistry.h"

UploadCommands::UploadCommands(CommandContext& context)
    : QObject(&context.owner()), m_context(context)
{
    MenuRegistry& registry = context.registry();
    registry.add(registry.menu("mnuExtras"),
                 {"mnuftp", QStringLiteral("FTP Upload"), DisplayMapKind::Latin},
                 [this] { mnuftp_Click(); });
}

void UploadCommands::mnuftp_Click()
{
    // The window starts afresh each time: its accounts are read at its load.
    frmupload window(m_context);
    window.exec();
}
