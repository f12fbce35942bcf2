#pragma once

#include "platform/shell.h"

// The shell over the desktop's own services (the file's associated program, the
// default browser, a folder dialog).
class DesktopShell : public Shell
{
public:
    bool openFile(const QString& path) override;
    bool openAddress(const QString& address) override;
    bool startProgramAgain(const QStringList& arguments) override;
    bool showHelp(const QString& helpPath, const QString& topic) override;
    QString browseFolder(QWidget* owner, const QString& title) override;
};
