#include "platform/textfile.h"

#include "platform/bytetext.h"
#include "platform/filenames.h"

#include <QFile>

FileStatus fileStatus(const QString& path)
{
    const FileFacts facts = fileFacts(path);
    if (!facts.exists)
        return FileStatus::Missing;
    return facts.isFile && facts.readable ? FileStatus::Readable : FileStatus::Unreadable;
}

TextFileRead readTextFile(const QString& path)
{
    const FileStatus status = fileStatus(path);
    if (status != FileStatus::Readable)
        return {status, {}};
    QFile file;
    if (!openForReading(file, path))
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
