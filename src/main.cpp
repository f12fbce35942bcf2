#include "app/frmh.h"
#include "app/startup.h"
#include "core/boxprompts.h"
#include "platform/browser.h"
#include "platform/desktopshell.h"
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

    BoxPrompts prompts;
    installPrompts(&prompts);
    DesktopShell shell;
    installShell(&shell);

    FrmH window;
    Main(startRequestFromArguments(QApplication::arguments().mid(1)), window);
    return QApplication::exec();
}
