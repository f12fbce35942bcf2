#include "app/frmh.h"
#include "app/startup.h"
#include "core/boxprompts.h"
#include "core/collection.h"
#include "documents/documentstate.h"
#include "platform/browser.h"
#include "platform/desktopshell.h"
#include "platform/filedialogstart.h"
#include "platform/memory.h"
#include "platform/prompts.h"
#include "platform/shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    keepFreedMemoryForReuse();
    prepareBrowserEngine();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kelmora"));
    QApplication::setApplicationName(QStringLiteral("Kelmora"));

    FileDialogStart dialogStart;
    BoxPrompts prompts(dialogStart);
    installPrompts(&prompts);
    DesktopShell shell(dialogStart);
    installShell(&shell);

    FrmH window;
    dialogStart.followProject([&window] { return window.documents().Docs().openProjectFolder(); });
    Main(startRequestFromArguments(QApplication::arguments().mid(1)), window);
    return QApplication::exec();
}
