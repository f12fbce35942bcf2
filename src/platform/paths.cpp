#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString chooseProgramFolder(const QString& homeFromEnvironment, const QString& executableFolder,
                            bool executableFolderWritable, const QString& userDataFolder)
{
    if (!homeFromEnvironment.isEmpty())
        return homeFromEnvironment;
    if (executableFolderWritable)
        return executableFolder;
    return userDataFolder;
}

QString programFolder()
{
    const QString home = qEnvironmentVariable("KELMORA_HOME");
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString userData =
        joinPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                 QStringLiteral("Kelmora"));
    const QString folder = chooseProgramFolder(home, executableFolder,
                                               QFileInfo(executableFolder).isWritable(), userData);
    QDir().mkpath(folder);
    return folder;
}

QString programFile(const QString& name)
{
    return joinPath(programFolder(), name);
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString pathTitle(const QString& path)
{
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}
