#pragma once

// Where the file dialogs start when the program names no folder for them: in the folder of
// the last file (or folder) the user chose in any file dialog of this run; before the first
// choice, in the open project's folder while a project is open, else in the user's home
// folder. Never the process's working folder, which is wherever the program was started.

#include <QString>

#include <functional>

class FileDialogStart
{
public:
    // The open project's folder, "" while none is open.
    using ProjectFolder = std::function<QString()>;
    void followProject(ProjectFolder projectFolder);

    // The folder a dialog starts in: named, when it is not "".
    QString folder(const QString& named) const;

    // The user chose the file at path; the next dialog starts in its folder.
    void fileChosen(const QString& path);
    // The user chose a folder; the next dialog starts in it.
    void folderChosen(const QString& folder);

private:
    ProjectFolder m_projectFolder;
    QString m_lastFolder;
};
