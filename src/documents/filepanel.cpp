#include "documents/filepanel.h"

#include "core/filepath.h"
#include "documents/fileextension.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

const QString kFilePanelPattern =
    QStringLiteral("*.htm;*.html;*.shtm;*.stm;*.php;*.css;*.js;*.asp;*.php3;*.jpg;*.gif;*.png;"
                   "*.xml;*.asa;*.txt;*.inf;*.ini");

namespace {

QSet<QString> patternExtensions()
{
    QSet<QString> extensions;
    for (const QString& entry : kFilePanelPattern.split(QLatin1Char(';')))
        extensions.insert(upperExtension(entry));
    return extensions;
}

} // namespace

bool filePanelShows(const QString& fileName)
{
    static const QSet<QString> kExtensions = patternExtensions();
    return fileName.contains(QLatin1Char('.')) && kExtensions.contains(upperExtension(fileName));
}

QStringList filePanelFiles(const QString& folder)
{
    QStringList shown;
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files) {
        if (filePanelShows(name))
            shown << name;
    }
    return shown;
}

QString filePanelPath(const QString& folder, const QString& name)
{
    return joinPath(folder, name);
}

std::vector<FolderLine> folderBoxLines(const QString& folder, const QString& root)
{
    const QString cleanFolder = FilePath(folder).path();
    const QString rootPrefix = joinPath(QDir::cleanPath(root), QString());
    // A folder that is not below the root (reached through a link) is a root of its own.
    const QString top = cleanFolder.startsWith(rootPrefix) ? QDir::cleanPath(root) : cleanFolder;
    std::vector<FolderLine> lines = {{top, QDir::toNativeSeparators(top), 0}};
    QString path = top;
    for (const QString& name :
         cleanFolder.mid(top.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path = joinPath(path, name);
        lines.push_back({path, name, int(lines.size())});
    }
    const QStringList subfolders =
        QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    const int depth = int(lines.size());
    for (const QString& name : subfolders)
        lines.push_back({joinPath(path, name), name, depth});
    return lines;
}
