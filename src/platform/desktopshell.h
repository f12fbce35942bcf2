#pragma once

#include "platform/shell.h"

// The shell over the desktop's own services (the file's associated program, the
// default browser, a folder dialog).
class DesktopShell : public Shell
{
public:
    void openFile(const QString& path) override;
    void openAddress(const QString& address) override;
    void startProgramAgain(const QStringList& arguments) override;
    void showHelp(const QString& helpPath, const QString& topic) override;
    QString browseFolder(QWidget* owner, const QString& title) override;
};
