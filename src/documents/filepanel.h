#pragma once

// The file panel's list: the files of the chosen folder that the editor works with.

#include <QString>
#include <QStringList>

#include <vector>

// The panel's pattern, in the program's form: "*.ext" entries joined by ";".
extern const QString kFilePanelPattern;

// Whether the panel lists a file of this name: its extension (after the last ".") is one
// of the pattern's, whole ("x.html" is not an "*.htm"), in any letter case.
bool filePanelShows(const QString& fileName);

// The names of the files of folder that the panel lists, by name (letter case ignored);
// hidden files are left out.
QStringList filePanelFiles(const QString& folder);

// The full path of a listed name: the folder, "/" unless it ends in one, the name.
QString filePanelPath(const QString& folder, const QString& name);

// One line of the folder box: a folder, its name as shown, and how deep it lies below the
// volume's root.
struct FolderLine
{
    QString path;
    QString name;
    int depth = 0;
    bool operator==(const FolderLine&) const = default;
};

// The folder box's lines for folder on the volume whose root is root: the folders from the
// root down to folder, then folder's subfolders one level deeper, by name (letter case
// ignored, hidden ones left out).
std::vector<FolderLine> folderBoxLines(const QString& folder, const QString& root);
