#pragma once

// Numbers the user types into the program's input box. The program reads an answer as the
// number it begins with: leading blanks skipped, an optional sign, digits and an optional
// fraction rounded to the nearest whole number (halves to the even one); whatever follows is
// ignored, and an answer that begins with no number counts as 0. A value that its
// destination cannot hold gives nothing, so that the command can end instead of storing a
// wrapped-around number.

#include <QString>

#include <optional>

std::optional<qint16> sixteenBitAnswer(const QString& answer);
std::optional<quint8> byteAnswer(const QString& answer);
