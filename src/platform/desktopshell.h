#pragma once

#include "platform/shell.h"

class FileDialogStart;

// The shell over the desktop's own services (the file's associated program, the
// default browser, a folder dialog, which starts where dialogStart says and tells it what
// the user chose).
class DesktopShell : public Shell
{
public:
    explicit DesktopShell(FileDialogStart& dialogStart) : m_dialogStart(dialogStart) {}

    bool openFile(const QString& path) override;
    bool openAddress(const QString& address) override;
    bool startProgramAgain(const QStringList& arguments) override;
    bool showHelp(const QString& helpPath, const QString& topic) override;
    QString browseFolder(QWidget* owner, const QString& title) override;

private:
    FileDialogStart& m_dialogStart;
};
