#pragma once

// Reading a web project: its .WEB list and every file the list names, whole, before anything
// is opened, so that opening the project only has to take the result.
//
// Each entry names a file relative to the project folder; a "\" in it is a subfolder. An
// entry not found there is looked for under its bare name in the project folder (the project
// was moved together with its files but without its subfolders), and the list then counts
// as changed. A name not found exactly takes the one file of its folder that differs from
// it only in letter case (lists made where letter case does not count). An entry never
// leads outside the project folder: one that would (through "..") is read as its bare name
// inside it, or is missing.

#include "documents/documentfiles.h"
#include "documents/projectread.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Where the files of a project's entries are, inside its folder.
class ProjectFolder
{
public:
    // folder: the project folder, with or without a final "/".
    explicit ProjectFolder(const QString& folder);

    // The folder, ending in "/".
    QString path() const { return m_prefix; }

    struct Found
    {
        QString path;  // the file found
        QString title; // the entry; its bare name when the entry led outside the folder
        bool rebased;  // found elsewhere than the entry says
    };
    // The file an entry names, or nothing when it is missing.
    std::optional<Found> find(const QString& entry);

    // The file the entry names as written, for telling the user it is missing.
    QString listedPath(const QString& entry) const;

    // The path of a name relative to the folder ("\" a subfolder) when it stays inside
    // the folder, "." and ".." resolved; nothing when it leads out.
    std::optional<QString> inside(const QString& entry) const;

private:
    std::optional<QString> lookUp(const QString& relative);
    const QHash<QString, QStringList>& namesIn(const QString& folder);

    QString m_prefix;
    // Per folder already listed: its entries by their letter-case-free form.
    QHash<QString, QHash<QString, QStringList>> m_listings;
};

// Reads the list at listPath and every file it names; a file listed twice is read once, and
// the list file itself is not read as one of them.
// Text files (by extension) are read whole; a file holding a NUL byte, like every file of
// another kind, becomes a file without text.
ProjectRead readProject(const QString& listPath);

// What the user is told about the files that were not opened ("" when every file was):
// "File not found." and the missing files, then the files that could not be read, one a
// line, each followed by CR LF.
QString projectOpenReport(const ProjectRead& read);
