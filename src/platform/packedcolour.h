#pragma once

// The program passes colours as one packed number with red in the low byte, green in the
// next and blue in the third; the top byte is not part of the colour.

#include <QColor>

inline quint32 packedColour(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

inline QColor unpackedColour(quint32 colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}
