#include "editor/caretlist.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint32 kGapAboveCaretLine = 190;
constexpr qint32 kLeftMargin = 60;

// To the nearest whole number, halves to even.
qint32 nearest(double value)
{
    return qint32(std::nearbyint(value));
}

// Within [0, room]; a negative room (the list is larger than the area) gives 0.
qint32 keptInside(qint32 position, qint32 room)
{
    return std::max(0, std::min(position, room));
}

} // namespace

QPoint listPositionAtCaret(const CaretListGeometry& g)
{
    const qint32 x = nearest(g.caretColumn * g.letterWidth);
    qint32 top = nearest((g.caretLine - g.firstVisibleLine + 1) * g.letterHeight);
    if (g.listHeight + top > g.areaHeight)
        top -= g.listHeight + kGapAboveCaretLine;

    qint32 left = g.editorLeft + x;
    if (left <= 0)
        left = kLeftMargin;
    else if (g.editorWidth < left + g.listWidth)
        left = g.areaWidth - g.listWidth;

    return {keptInside(left, g.areaWidth - g.listWidth),
            keptInside(top, g.areaHeight - g.listHeight)};
}
