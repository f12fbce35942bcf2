#pragma once

// Where the program keeps its own files (props.ini, recentF.ini, FTP.ini, ...) and the
// small path rules the program uses everywhere.

#include <QString>

// The options file; beside the executable it marks a portable install.
constexpr QLatin1String kPropsFileName("props.ini");

// The folder "beside the executable": KELMORA_HOME when set; else the executable's
// folder when it already holds props.ini (a portable install); else the per-user data
// folder. A build folder is never chosen by being writable, so removing or rebuilding it
// loses none of the user's files. Worked out on every call, so a changed environment
// (tests) takes effect at once; the folder is created when missing.
QString programFolder();

// The choice itself, apart from the environment.
QString chooseProgramFolder(const QString& homeFromEnvironment, const QString& executableFolder,
                            const QString& userDataFolder);

// A file of the program's own in the program folder.
QString programFile(const QString& name);

// Joins with "/" unless the folder already ends in one.
QString joinPath(const QString& folder, const QString& name);

// The part of a path after its last "/" or "\".
QString pathTitle(const QString& path);
