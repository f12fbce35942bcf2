#pragma once

// What the program asks of the desktop: open a file or an address with its program,
// start this program again, show the help file, let the user pick a folder.

#include <QString>
#include <QStringList>

class QWidget;

class Shell
{
public:
    virtual ~Shell() = default;

    // Each is false when the program or address could not be started.
    virtual bool openFile(const QString& path) = 0;
    virtual bool openAddress(const QString& address) = 0;
    // Starts a further copy of this program with these arguments, never through a shell.
    virtual bool startProgramAgain(const QStringList& arguments) = 0;
    // The help file at helpPath, at topic when one is given and the viewer can show it.
    virtual bool showHelp(const QString& helpPath, const QString& topic) = 0;
    // The chosen folder, or "" when the user cancelled.
    virtual QString browseFolder(QWidget* owner, const QString& title) = 0;
};

Shell& shell();
Shell* installShell(Shell* shell);
