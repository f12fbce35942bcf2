#pragma once

// Helpers of the design tests: expected texts written line by line, and byte text shown
// with its line breaks and 8-bit bytes escaped when a comparison fails.

#include <QString>

#include <initializer_list>
#include <ostream>

// A Latin-1 literal as byte text: "\xE0" is byte E0.
inline QString s(const char* text)
{
    return QLatin1String(text);
}

// The lines joined by CR LF, none after the last.
inline QString crlfLines(std::initializer_list<const char*> lines)
{
    QString text;
    bool first = true;
    for (const char* line : lines) {
        if (!first)
            text += QLatin1String("\r\n");
        text += QLatin1String(line);
        first = false;
    }
    return text;
}

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"';
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\r')
            *out << "\\r";
        else if (u == '\n')
            *out << "\\n";
        else if (u < 0x20 || u > 0x7E)
            *out << "\\x" << std::hex << u << std::dec;
        else
            *out << char(u);
    }
    *out << '"';
}
