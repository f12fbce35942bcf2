#include "design/filetext.h"

#include "platform/bytetext.h"
#include "platform/filenames.h"

#include <QFile>

std::optional<QString> ReadFileText(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const FileFacts facts = fileFacts(path);
    if (!facts.exists)
        return QString();
    if (!facts.isFile || facts.size > kLargestTextFile)
        return std::nullopt;
    QFile file;
    if (!openForReading(file, path))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytesToText(bytes);
}
