#pragma once

// The recent-files list: "recentF.ini" in the program folder, one full path per line,
// newest first, each line ending in CR LF. Paths are stored as the file system's bytes.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// How many entries the list keeps when it has to be shortened.
constexpr int kMostRecentFiles = 45;

QString recentFilesPath();

// Whether a file is there. Unknown when its folder cannot be looked into (a folder that is
// gone or closed to us, a volume that is not mounted): such a file may come back.
enum class Existence { Exists, Missing, Unknown };
Existence fileExistence(const QString& path);
using ExistenceTest = std::function<Existence(const QString&)>;

// The list with path put on top. Nothing when nothing is to be written: the path is on top
// already, or it cannot be a line of the list (empty, or holding CR or LF). The path's old
// entry (the same path exactly; another letter case is another entry) leaves its place.
// A path new to the list (not even part of an entry, in any letter case) that makes it grow
// past kMostRecentFiles leaves its first kMostRecentFiles entries less those known to be
// missing; a path the list holds in any form shortens nothing.
std::optional<QStringList> recentListAfterAdding(const QStringList& entries, const QString& path,
                                                 const ExistenceTest& existence);

// The entries of a list file: its lines that are not blank, in order.
QStringList recentListFromBytes(const QByteArray& bytes);
// Each entry followed by CR LF (an empty list is one CR LF).
QByteArray recentListBytes(const QStringList& entries);

// The list as it is on disk: empty when there is no file; nothing when the file is there
// but cannot be read.
std::optional<QStringList> readRecentFiles();
// Replaces the list (after Delete in the window, the rows that remain). False on failure;
// the old list then stays.
bool writeRecentFiles(const QStringList& entries);
// Empties the list file when there is one ("List cler"). False on failure.
bool clearRecentFiles();

// Puts a path on top of the list on disk. A list that cannot be read is left as it is.
enum class RecentListWrite { Written, Unchanged, Failed };
RecentListWrite AddRecentFile(const QString& path);

// The picture of a path in the list, by its extension in any letter case: 5 pages,
// 3 style sheets and CGI, 1 ASP, 7 scripts, 12 XML, 9 PHP, 4 pictures, 2 sounds,
// 6 projects, 10 INI and INF, 11 TXT, 8 anything else.
qint16 ikonumer(const QString& path);
