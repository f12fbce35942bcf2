#include "platform/bytetext.h"

#include <algorithm>

QString bytesToText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray textToBytes(const QString& text)
{
    return text.toLatin1();
}

QByteArray textToBytes(const QString& text, LineEnds lineEnds)
{
    QByteArray bytes = textToBytes(text);
    if (lineEnds == LineEnds::CrLf)
        return bytes;
    // One pass in place: the CR of each CR LF is left out.
    qsizetype kept = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n')
            bytes[kept++] = bytes[i];
    }
    bytes.truncate(kept);
    return bytes;
}

LineEnds lineEndsOf(const QString& byteText)
{
    return byteText.contains(u'\n') && !byteText.contains(u'\r') ? LineEnds::Lf : LineEnds::CrLf;
}

bool isByteText(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QString withCrLfBreaks(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            result.append(kCrLf);
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            result.append(kCrLf);
        } else {
            result.append(c);
        }
    }
    return result;
}
