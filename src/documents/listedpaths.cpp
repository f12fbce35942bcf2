#include "documents/listedpaths.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

QByteArray listedBytes(const QString& path)
{
    return QFile::encodeName(path);
}

QString listedPath(const QByteArray& line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(line);
    if (utf8.hasError())
        return QString::fromLatin1(line);
    return QFile::decodeName(line);
}

QList<QByteArray> listLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf("\r\n", from);
        if (end < 0)
            end = bytes.size();
        lines.append(bytes.mid(from, end - from));
        from = end + 2;
    }
    return lines;
}

bool isBlankLine(const QByteArray& line)
{
    return std::all_of(line.cbegin(), line.cend(), [](char c) { return c == ' '; });
}
