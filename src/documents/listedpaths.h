#pragma once

// Paths and file names stored in the program's list files (recentF.ini, .WEB lists): each
// is kept as the file system's own bytes, one per line, lines ending in CR LF.

#include <QByteArray>
#include <QList>
#include <QString>

// The bytes a list file stores for a path: the file system's encoding of it.
QByteArray listedBytes(const QString& path);

// A stored line read back: the file system's name when the bytes are valid UTF-8, else one
// character per byte (an old list written in an 8-bit code page).
QString listedPath(const QByteArray& line);

// The lines of a list file, split at CR LF only: a file with LF alone as line end is one
// line. A final CR LF gives no empty last line.
QList<QByteArray> listLines(const QByteArray& bytes);

// Whether a line holds nothing but blanks (or nothing at all).
bool isBlankLine(const QByteArray& line);
