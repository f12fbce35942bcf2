#include "design/framesetpreview.h"

#include "design/framesetmodel.h"

#include <algorithm>

namespace {

// A preview from its left, top, width and height, never with a negative size.
QRectF box(double left, double top, double width, double height)
{
    return QRectF(left, top, std::max(0.0, width), std::max(0.0, height));
}

// The previews' rectangles; each frame's place follows from the frames before it.
std::vector<QRectF> previewRects(qint16 preset, double W, double H)
{
    switch (preset) {
    case 0: {
        const QRectF top = box(2, 2, W - 4, H * 20 / 100);
        const QRectF left = box(2, top.bottom() + 2, W * 20 / 100, H - (top.height() + 6));
        const QRectF page =
            box(left.right() + 2, left.top(), W - (left.width() + 6), left.height());
        return {top, left, page};
    }
    case 1: {
        const QRectF page = box(2, 2, W - 4, H * 80 / 100);
        return {page, box(2, page.bottom() + 2, W - 4, H * 20 / 100 - 5)};
    }
    case 2: {
        const QRectF top = box(2, 2, W - 4, H * 50 / 100);
        return {top, box(2, top.bottom() + 2, W - 4, H * 50 / 100 - 5)};
    }
    case 3: {
        const QRectF left = box(2, 2, W * 15 / 100, H - 4);
        return {left, box(left.right() + 2, 2, W * 85 / 100 - 6, H - 4)};
    }
    case 4: {
        const QRectF top = box(2, 2, W - 4, H * 15 / 100);
        return {top, box(2, top.bottom() + 2, W - 4, H * 85 / 100 - 5)};
    }
    case 5: {
        const QRectF top = box(2, 2, W - 4, H * 15 / 100);
        const QRectF left = box(2, top.bottom() + 2, W * 20 / 100, H - 2 * top.height() - 4);
        const QRectF page =
            box(left.right() + 2, left.top(), W - (left.width() + 6), left.height());
        return {top, left, page, box(2, page.bottom() + 2, W - 4, H * 15 / 100 - 4)};
    }
    case 6: {
        const QRectF top = box(2, 2, W - 4, H * 15 / 100);
        const QRectF page = box(2, top.bottom() + 2, W - 4, H * 20 / 100);
        return {top, page, box(2, page.bottom() + 2, W - 4, H - page.bottom() - 4)};
    }
    case 7: {
        const QRectF left = box(2, 2, W * 20 / 100, H - 4);
        const QRectF top = box(left.right() + 2, 2, W - left.width() - 6, H * 20 / 100);
        return {left, top,
                box(left.right() + 2, top.bottom() + 2, W - (left.width() + 6),
                    H - (top.height() + 6))};
    }
    case 8: {
        const QRectF left = box(2, 2, W * 50 / 100, H - 4);
        return {left, box(left.right() + 2, 2, W * 50 / 100 - 2, H - 4)};
    }
    default:
        return {};
    }
}

} // namespace

std::vector<FramePreview> previewGeometry(qint16 preset, int W, int H)
{
    const std::vector<QRectF> rects = previewRects(preset, W, H);
    std::vector<FramePreview> previews;
    previews.reserve(rects.size());
    for (size_t i = 0; i < rects.size(); ++i) {
        // The first layout's side-by-side frames print their names a little higher.
        const bool raised = preset == 0 && i > 0;
        previews.push_back({rects[i], QPointF(60, raised ? 45 : 60)});
    }
    return previews;
}

QRectF selectionMark(const QSizeF& preview)
{
    return box(15, 15, preview.width() - 15, preview.height() - 15);
}

int thumbnailAt(int x)
{
    return std::clamp(x / kThumbnailPixels, 0, kNoFramesThumbnail);
}

std::vector<QPoint> tilePositions(const QSize& area, const QSize& tile)
{
    std::vector<QPoint> positions;
    if (tile.isEmpty() || area.isEmpty())
        return positions;
    const qsizetype across = (area.width() + tile.width() - 1) / tile.width();
    const qsizetype down = (area.height() + tile.height() - 1) / tile.height();
    positions.reserve(size_t(across * down));
    for (int y = 0; y < area.height(); y += tile.height()) {
        for (int x = 0; x < area.width(); x += tile.width())
            positions.emplace_back(x, y);
    }
    return positions;
}
