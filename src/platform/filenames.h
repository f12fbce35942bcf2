#pragma once

// File names as the file system holds them: bytes. Qt reads every name as UTF-8; a name that
// is not UTF-8 (a Georgian name in the 8-bit layout, written on another system) is left out of
// its folder listings, and no QString it makes opens that file. The program holds such a name
// with each byte from 80 up as the character U+DC00 + byte (a lone surrogate, which no UTF-8
// name decodes to; the same unit after a high surrogate is half of a character), and reaches files
// through the functions below, which take such names and treat every other path as Qt does.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// A path read from the file system, each of its parts UTF-8 decoded, or, when that part's
// bytes are not UTF-8, every byte from 80 up held as its escape character.
QString fileNameFromBytes(const QByteArray& bytes);

// The file system's bytes of a path: escape characters give their bytes back, the rest is
// UTF-8.
QByteArray fileNameBytes(const QString& path);

// Whether a path holds bytes that are not UTF-8.
bool hasEightBitName(const QString& path);

// The regular files of a folder (links followed), hidden ones (a name beginning with a dot)
// left out, as the file system orders them; none when the folder cannot be read.
QStringList folderFiles(const QString& folder);

struct FileFacts
{
    bool exists = false;
    bool isFile = false; // a regular file, or a link to one
    bool readable = false;
    qint64 size = 0;
};
FileFacts fileFacts(const QString& path);

// Opens file (not yet open, without a name) on the file at path for reading.
bool openForReading(QFile& file, const QString& path);

// False on failure, with the reason in *error when given.
bool removeFile(const QString& path, QString* error = nullptr);
