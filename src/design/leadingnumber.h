#pragma once

// The number a text box's text starts with, read the way the design dialogs read typed
// numbers: blanks first, then an optional sign, digits and an optional fraction ("12px" is
// 12, " -3" is -3, ".5in" is 0.5, "px" is no number). Typed or pasted digits may run longer
// than any number type holds, so the digits stay text until a caller asks for a value.

#include <QString>

#include <optional>

struct LeadingNumber
{
    bool negative = false;
    QString whole;    // the digits before the point, without leading zeros ("" for zero)
    QString fraction; // the digits after the point, without trailing zeros
};

// Nothing when the text does not start with a number.
std::optional<LeadingNumber> leadingNumber(const QString& text);

// The magnitude in plain decimal digits ("-007.50" gives "7.5"); "0" without a number.
QString magnitudeText(const QString& text);

// The whole part as a 16-bit value; beyond the range it is held at 32767 (or -32768).
// 0 without a number.
qint16 leadingInt16(const QString& text);

// The value, 0 without a number. Very long digit runs give an infinite value.
double leadingValue(const QString& text);
