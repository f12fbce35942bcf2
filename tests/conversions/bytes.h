#pragma once

// Small helpers of the conversion tests: byte text written as byte values, and byte text
// shown as hexadecimal bytes in failure messages (also when GoogleTest prints a QString).

#include "platform/bytetext.h"

#include <QString>

#include <initializer_list>
#include <ostream>
#include <string>

inline QString byteText(std::initializer_list<int> bytes)
{
    QByteArray data;
    for (const int b : bytes)
        data.append(char(b));
    return bytesToText(data);
}

inline std::string hexOf(const QString& text)
{
    return textToBytes(text).toHex(' ').toUpper().toStdString();
}

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '[' << hexOf(text) << ']';
}
