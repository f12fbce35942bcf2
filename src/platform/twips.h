#pragma once

// The program's window geometry is given in twips (1/1440 inch). Qt works in
// device-independent pixels of 1/96 inch, so one pixel is 15 twips on every screen.

#include <QRect>

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// A rectangle given in twips, in pixels.
inline QRect twipsToPixels(const QRect& twips)
{
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return twipsToPixels(QRect(left, top, width, height));
}
