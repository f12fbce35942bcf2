#include "documents/recentfiles.h"

#include "documents/fileextension.h"
#include "documents/listedpaths.h"
#include "platform/filewriter.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

QString recentFilesPath()
{
    return programFile(QStringLiteral("recentF.ini"));
}

Existence fileExistence(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists())
        return Existence::Exists;
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isExecutable() ? Existence::Missing : Existence::Unknown;
}

std::optional<QStringList> recentListAfterAdding(const QStringList& entries, const QString& path,
                                                 const ExistenceTest& existence)
{
    if (path.isEmpty() || path.contains(QLatin1Char('\r')) || path.contains(QLatin1Char('\n')))
        return std::nullopt;
    if (!entries.isEmpty() && entries.first() == path)
        return std::nullopt;
    // Only a path the list does not hold in any form (not even inside a longer entry or in
    // another letter case) makes the list grow past its length: a path it holds moves up,
    // or, held only in another form, is put on top of every entry.
    const bool held = std::any_of(entries.cbegin(), entries.cend(), [&path](const QString& entry) {
        return entry.contains(path, Qt::CaseInsensitive);
    });
    QStringList list = entries;
    list.removeOne(path);
    list.prepend(path);
    if (held || list.size() <= kMostRecentFiles)
        return list;
    QStringList kept;
    for (const QString& entry : list.first(kMostRecentFiles)) {
        if (existence(entry) != Existence::Missing)
            kept << entry;
    }
    return kept;
}

QStringList recentListFromBytes(const QByteArray& bytes)
{
    QStringList entries;
    for (const QByteArray& line : listLines(bytes)) {
        if (!isBlankLine(line))
            entries << listedPath(line);
    }
    return entries;
}

QByteArray recentListBytes(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries)
        bytes += listedBytes(entry) + "\r\n";
    return entries.isEmpty() ? QByteArrayLiteral("\r\n") : bytes;
}

std::optional<QStringList> readRecentFiles()
{
    QFile file(recentFilesPath());
    if (!file.exists())
        return QStringList();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return recentListFromBytes(bytes);
}

bool writeRecentFiles(const QStringList& entries)
{
    return writeWholeFile(recentFilesPath(), recentListBytes(entries));
}

bool clearRecentFiles()
{
    return !QFile::exists(recentFilesPath()) || writeWholeFile(recentFilesPath(), QByteArray());
}

RecentListWrite AddRecentFile(const QString& path)
{
    const std::optional<QStringList> entries = readRecentFiles();
    if (!entries)
        return RecentListWrite::Failed;
    const std::optional<QStringList> added = recentListAfterAdding(*entries, path, fileExistence);
    if (!added)
        return RecentListWrite::Unchanged;
    return writeRecentFiles(*added) ? RecentListWrite::Written : RecentListWrite::Failed;
}

qint16 ikonumer(const QString& path)
{
    static const QHash<QString, qint16> kPictures = {
        {QStringLiteral("HTML"), 5}, {QStringLiteral("HTM"), 5},   {QStringLiteral("SHTML"), 5},
        {QStringLiteral("MHT"), 5},  {QStringLiteral("MHTML"), 5}, {QStringLiteral("HPF"), 5},
        {QStringLiteral("HTT"), 5},  {QStringLiteral("CSS"), 3},   {QStringLiteral("CGI"), 3},
        {QStringLiteral("ASP"), 1},  {QStringLiteral("JS"), 7},    {QStringLiteral("VBS"), 7},
        {QStringLiteral("WSF"), 7},  {QStringLiteral("XML"), 12},  {QStringLiteral("PHP"), 9},
        {QStringLiteral("PHP3"), 9}, {QStringLiteral("GIF"), 4},   {QStringLiteral("JPG"), 4},
        {QStringLiteral("PNG"), 4},  {QStringLiteral("BMP"), 4},   {QStringLiteral("WMF"), 4},
        {QStringLiteral("WAV"), 2},  {QStringLiteral("MP3"), 2},   {QStringLiteral("MID"), 2},
        {QStringLiteral("RA"), 2},   {QStringLiteral("RM"), 2},    {QStringLiteral("FLA"), 2},
        {QStringLiteral("WEB"), 6},  {QStringLiteral("INI"), 10},  {QStringLiteral("INF"), 10},
        {QStringLiteral("TXT"), 11},
    };
    return kPictures.value(upperExtension(path), 8);
}
