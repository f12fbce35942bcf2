#pragma once

#include "platform/shell.h"

// Records what the program asks of the desktop instead of doing it. Installed while it
// lives; browseFolder answers with the folder set in folderAnswer.
class RecordingShell : public Shell
{
public:
    RecordingShell();
    ~RecordingShell() override;

    bool openFile(const QString& path) override;
    bool openAddress(const QString& address) override;
    bool startProgramAgain(const QStringList& arguments) override;
    bool showHelp(const QString& helpPath, const QString& topic) override;
    QString browseFolder(QWidget* owner, const QString& title) override;

    // One line per request, such as "help <path> <topic>".
    QStringList requests;
    QString folderAnswer;
    // What every request answers: false stands for a program that cannot be started.
    bool succeeds = true;

private:
    Shell* m_previous;
};
