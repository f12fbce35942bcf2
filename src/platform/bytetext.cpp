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
