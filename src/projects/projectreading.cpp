#include "projects/projectreading.h"

#include "core/filepath.h"
#include "documents/listedpaths.h"
#include "platform/bytetext.h"
#include "platform/paths.h"
#include "projects/weblist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

QString withFinalSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString relativeForm(const QString& entry)
{
    return QString(entry).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace

ProjectFolder::ProjectFolder(const QString& folder)
    : m_prefix(withFinalSlash(FilePath(folder).path()))
{}

QString ProjectFolder::listedPath(const QString& entry) const
{
    return m_prefix + relativeForm(entry);
}

std::optional<QString> ProjectFolder::inside(const QString& entry) const
{
    const QString clean = QDir::cleanPath(listedPath(entry));
    if (!clean.startsWith(m_prefix) || clean.size() == m_prefix.size())
        return std::nullopt;
    return clean.mid(m_prefix.size());
}

std::optional<ProjectFolder::Found> ProjectFolder::find(const QString& entry)
{
    const std::optional<QString> relative = inside(entry);
    if (relative) {
        if (const std::optional<QString> path = lookUp(*relative))
            return Found{*path, entry, false};
    }
    const QString bare = pathTitle(entry);
    if (!isPlainName(bare) || bare == relative)
        return std::nullopt;
    if (const std::optional<QString> path = lookUp(bare))
        return Found{*path, relative ? entry : bare, true};
    return std::nullopt;
}

std::optional<QString> ProjectFolder::lookUp(const QString& relative)
{
    QString path = m_prefix;
    path.chop(1);
    for (const QString& name : relative.split(QLatin1Char('/'))) {
        const QString exact = joinPath(path, name);
        if (QFileInfo::exists(exact)) {
            path = exact;
            continue;
        }
        const QStringList sameButCase = namesIn(path).value(name.toCaseFolded());
        if (sameButCase.size() != 1)
            return std::nullopt;
        path = joinPath(path, sameButCase.first());
    }
    return path;
}

const QHash<QString, QStringList>& ProjectFolder::namesIn(const QString& folder)
{
    const auto listed = m_listings.constFind(folder);
    if (listed != m_listings.cend())
        return *listed;
    QHash<QString, QStringList> names;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries)
        names[name.toCaseFolded()] << name;
    return *m_listings.insert(folder, names);
}

namespace {

// The list file's bytes, or why they cannot be had.
FileStatus readListBytes(const QString& path, QByteArray& bytes)
{
    const FileStatus status = fileStatus(path);
    if (status != FileStatus::Readable)
        return status;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileStatus::Unreadable;
    if (file.size() > kLargestTextFile)
        return FileStatus::TooLarge;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? FileStatus::Readable : FileStatus::Unreadable;
}

// Reads one found file; false when it cannot be read.
bool readProjectFile(const ProjectFolder::Found& found, ProjectFile& file)
{
    file.path = FilePath(found.path);
    file.title = found.title;
    if (!IsTextFile(found.title))
        return fileStatus(found.path) == FileStatus::Readable;
    TextFileRead read = readTextFile(found.path);
    if (read.status == FileStatus::NotText)
        return true; // kept in the project as a file without text, never written over
    if (read.status != FileStatus::Readable)
        return false;
    file.hasText = true;
    file.text = std::move(read.text);
    file.lineEnds = read.lineEnds;
    return true;
}

int firstShownFile(const std::vector<ProjectFile>& files, const QString& startPage)
{
    int firstText = -1;
    for (int i = 0; i < int(files.size()); ++i) {
        if (!files[i].hasText)
            continue;
        if (files[i].title == startPage)
            return i;
        if (firstText < 0)
            firstText = i;
    }
    return firstText;
}

} // namespace

ProjectRead readProject(const QString& listPath)
{
    ProjectRead read;
    const QFileInfo listInfo(listPath);
    ProjectFolder folder(listInfo.absolutePath());
    read.folder = folder.path();
    read.listTitle = listInfo.fileName();
    QByteArray bytes;
    read.listStatus = readListBytes(listPath, bytes);
    if (read.listStatus != FileStatus::Readable)
        return read;

    const WebList list = readWebList(bytes);
    read.startPage = list.startPage;
    // The list file itself is no file of the project: the list is written over it.
    QSet<QString> listedFiles = {fileIdentity(listPath)};
    for (const QString& entry : list.entries) {
        const std::optional<ProjectFolder::Found> found = folder.find(entry);
        if (!found) {
            read.missing << folder.listedPath(entry);
            continue;
        }
        read.changed = read.changed || found->rebased;
        const QString identity = fileIdentity(found->path);
        if (listedFiles.contains(identity)) {
            read.changed = true;
            continue;
        }
        listedFiles.insert(identity);
        ProjectFile file;
        if (readProjectFile(*found, file))
            read.files.push_back(std::move(file));
        else
            read.unreadable << found->path;
    }
    read.startFile = firstShownFile(read.files, read.startPage);
    return read;
}

QString projectOpenReport(const ProjectRead& read)
{
    QString report;
    const auto add = [&report](const QString& heading, const QStringList& paths) {
        if (paths.isEmpty())
            return;
        if (!report.isEmpty())
            report += kCrLf;
        report += heading + kCrLf + kCrLf;
        for (const QString& path : paths)
            report += path + kCrLf;
    };
    add(QStringLiteral("File not found."), read.missing);
    add(QStringLiteral("File could not be read."), read.unreadable);
    return report;
}
