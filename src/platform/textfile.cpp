#include "platform/textfile.h"

#include "platform/bytetext.h"

#include <QFile>
#include <QFileInfo>

FileStatus fileStatus(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileStatus::Missing;
    return info.isFile() && info.isReadable() ? FileStatus::Readable : FileStatus::Unreadable;
}

TextFileRead readTextFile(const QString& path)
{
    const FileStatus status = fileStatus(path);
    if (status != FileStatus::Readable)
        return {status, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileStatus::Unreadable, {}};
    if (file.size() > kLargestTextFile)
        return {FileStatus::TooLarge, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileStatus::Unreadable, {}};
    if (bytes.contains('\0'))
        return {FileStatus::NotText, {}};
    QString text = bytesToText(bytes);
    const LineEnds lineEnds = lineEndsOf(text);
    return {FileStatus::Readable, std::move(text), lineEnds};
}
