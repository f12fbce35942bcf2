#pragma once

// Reading a file as byte text, the one way the program does it (documents, the editor's
// own load): missing and unreadable files are refused, and so are files holding a NUL byte
// (pictures, archives: not text, and a save would destroy them) and files too large to edit.

#include "platform/bytetext.h"

#include <QString>

enum class FileStatus { Readable, Missing, Unreadable, NotText, TooLarge };

// Whether the file is there to be read (pictures and sounds are only listed, not read).
FileStatus fileStatus(const QString& path);

struct TextFileRead
{
    FileStatus status = FileStatus::Missing;
    QString text;                       // the bytes as byte text when readable
    LineEnds lineEnds = LineEnds::CrLf; // how the file ends its lines
};

TextFileRead readTextFile(const QString& path);
