#include "design/filetext.h"

#include "platform/bytetext.h"

#include <QFile>
#include <QFileInfo>

std::optional<QString> ReadFileText(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    if (!info.isFile() || info.size() > kLargestTextFile)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytesToText(bytes);
}
