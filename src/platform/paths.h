#pragma once

// Where the program keeps its own files (props.ini, recentF.ini, FTP.ini, ...) and the
// small path rules the program uses everywhere.

#include <QString>

// The folder "beside the executable": KELMORA_HOME when set; else the executable's
// folder when it is writable; else the per-user data folder. Worked out on every call,
// so a changed environment (tests) takes effect at once.
QString programFolder();

// The choice itself, apart from the environment and the file system.
QString chooseProgramFolder(const QString& homeFromEnvironment, const QString& executableFolder,
                            bool executableFolderWritable, const QString& userDataFolder);

// A file of the program's own in the program folder.
QString programFile(const QString& name);

// Joins with "/" unless the folder already ends in one.
QString joinPath(const QString& folder, const QString& name);

// The part of a path after its last "/" or "\".
QString pathTitle(const QString& path);
