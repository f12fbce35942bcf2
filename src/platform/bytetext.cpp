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
