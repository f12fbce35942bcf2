#pragma once

// The frameset designer's pictures as numbers: where each frame's preview stands on the
// design surface, where the selection mark goes inside a preview, which thumbnail of the
// preset strip lies under the pointer, and where the copies of a tiled background picture go.

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <vector>

struct FramePreview
{
    QRectF rect;  // on the surface
    QPointF name; // where the frame's name is printed inside its preview
};

// The previews of layout preset (0..8) on a surface W wide and H high, one per frame in the
// layout's frame order, in the surface's units (twips). A surface too small for a layout
// gives empty previews rather than negative sizes. Any other preset gives none.
std::vector<FramePreview> previewGeometry(qint16 preset, int W, int H);

// The selection mark inside a preview of the given size, in the preview's units.
QRectF selectionMark(const QSizeF& preview);

// The preset strip: ten thumbnails of 32 by 32 pixels side by side. The thumbnail (0..9)
// under a pointer x pixels from the strip's left edge; outside it, the nearest one.
constexpr int kThumbnailPixels = 32;
int thumbnailAt(int x);

// A picture of size tile repeated over an area from its top left corner, as a pattern brush
// fills it: the top left corners of the copies, row by row. None for an empty picture.
std::vector<QPoint> tilePositions(const QSize& area, const QSize& tile);
