#include "platform/filewriter.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

// The file that really receives the bytes: the final target of a symbolic link, so that
// saving through a link updates what it points to instead of replacing the link.
QString writeTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

} // namespace

bool writeWholeFile(const QString& path, const QByteArray& content, QString* error)
{
    QSaveFile file(writeTarget(path));
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}
