#include "publish/uploadcommands.h"

#include "core/commandcontext.h"
#include "menus/menuregistry.h"
#include "publish/frmupload.h"

UploadCommands::UploadCommands(CommandContext& context) : m_context(context)
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
