#pragma once

// A web project as it was read, whole, before it is opened: what the documents take in place
// of everything that is open.

#include "core/filepath.h"
#include "platform/bytetext.h"
#include "platform/textfile.h"

#include <QString>
#include <QStringList>

#include <vector>

// One file of the project as it will become a document.
struct ProjectFile
{
    FilePath path; // the file it was read from
    QString title; // as the list names it
    bool hasText = false;
    QString text;                       // byte text, when it has text
    LineEnds lineEnds = LineEnds::CrLf; // how the file ends its lines
};

struct ProjectRead
{
    // Readable when the list itself was read; otherwise why not, and nothing else is set.
    FileStatus listStatus = FileStatus::Missing;
    QString folder;    // the list file's folder, ending in "/"
    QString listTitle; // the list file's name
    QString startPage; // as the list names it
    std::vector<ProjectFile> files;
    QStringList missing;    // entries not found, as the list places them
    QStringList unreadable; // files found but not read
    // The list no longer says where its files are: an entry was found elsewhere, led out
    // of the folder, or named a file already listed.
    bool changed = false;
    // The file shown first: the start page when it has text, else the first file with
    // text; -1 when no file has text.
    int startFile = -1;
};
