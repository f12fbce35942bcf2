#pragma once

#include "platform/shell.h"

// Records what the program asks of the desktop instead of doing it. Installed while it
// lives; browseFolder answers with the folder set in folderAnswer.
class RecordingShell : public Shell
{
public:
    RecordingShell();
    ~RecordingShell() override;

    void openFile(const QString& path) override;
    void openAddress(const QString& address) override;
    void startProgramAgain(const QStringList& arguments) override;
    void showHelp(const QString& helpPath, const QString& topic) override;
    QString browseFolder(QWidget* owner, const QString& title) override;

    // One line per request, such as "help <path> <topic>".
    QStringList requests;
    QString folderAnswer;

private:
    Shell* m_previous;
};
