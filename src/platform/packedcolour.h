#pragma once

// Colours as the program keeps them in its options and hands them between windows: packed
// into 32 bits with red in the low byte, then green, then blue.

#include <QColor>

inline quint32 packedColour(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

inline QColor unpackedColour(quint32 colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}
