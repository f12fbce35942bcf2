#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString chooseProgramFolder(const QString& homeFromEnvironment, const QString& executableFolder,
                            const QString& userDataFolder)
{
    if (!homeFromEnvironment.isEmpty())
        return homeFromEnvironment;
    if (QFileInfo::exists(joinPath(executableFolder, kPropsFileName)))
        return executableFolder;
    return userDataFolder;
}

QString programFolder()
{
    const QString userData =
        joinPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                 QStringLiteral("Kelmora"));
    const QString folder = chooseProgramFolder(qEnvironmentVariable("KELMORA_HOME"),
                                               QCoreApplication::applicationDirPath(), userData);
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
