#include "platform/desktopshell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

void DesktopShell::openFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopShell::openAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void DesktopShell::startProgramAgain(const QStringList& arguments)
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

void DesktopShell::showHelp(const QString& helpPath, const QString& /*topic*/)
{
    // A desktop viewer is handed the file only; no viewer takes a topic in a common form.
    openFile(helpPath);
}

QString DesktopShell::browseFolder(QWidget* owner, const QString& title)
{
    return QFileDialog::getExistingDirectory(owner, title);
}
