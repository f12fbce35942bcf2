#include "platform/desktopshell.h"

#include "platform/filedialogstart.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

bool DesktopShell::openFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShell::openAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

bool DesktopShell::startProgramAgain(const QStringList& arguments)
{
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

bool DesktopShell::showHelp(const QString& helpPath, const QString& /*topic*/)
{
    // A desktop viewer is handed the file only; no viewer takes a topic in a common form.
    return openFile(helpPath);
}

QString DesktopShell::browseFolder(QWidget* owner, const QString& title)
{
    const QString folder =
        QFileDialog::getExistingDirectory(owner, title, m_dialogStart.folder(QString()));
    m_dialogStart.folderChosen(folder);
    return folder;
}
