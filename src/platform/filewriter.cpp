#include "platform/filewriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

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

bool writeFile(const QString& path, const QByteArray& content, QString* error,
               std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(writeTarget(path));
    // Permissions set on the open file apply to the temporary file that becomes the target.
    const bool written = file.open(QIODevice::WriteOnly) &&
                         (!permissions || file.setPermissions(*permissions)) &&
                         file.write(content) == content.size() && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

} // namespace

bool writeWholeFile(const QString& path, const QByteArray& content, QString* error)
{
    return writeFile(path, content, error, std::nullopt);
}

bool writeOwnerOnlyFile(const QString& path, const QByteArray& content, QString* error)
{
    return writeFile(path, content, error, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool copyWholeFile(const QString& source, const QString& target, QString* error)
{
    QFile in(source);
    QSaveFile out(writeTarget(target));
    const auto fail = [error](const QFileDevice& file) {
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!in.open(QIODevice::ReadOnly))
        return fail(in);
    if (!out.open(QIODevice::WriteOnly))
        return fail(out);
    constexpr qint64 kChunk = qint64(1) << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() || in.error() != QFileDevice::NoError)
            return fail(in); // the save file, never committed, leaves the target as it was
        if (out.write(chunk) != chunk.size())
            return fail(out);
    }
    return out.commit() || fail(out);
}
