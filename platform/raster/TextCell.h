// What both text renderers share: the cell a string occupies and the
// opaque background GDI paints under it.
#pragma once

#include "platform/raster/Raster.h"

#include <algorithm>

namespace platform::raster::detail {

// Glyph ink outside the string's cell is cut off, so that text never
// strays beyond what Measure() reports (GDI's opaque ExtTextOut with
// ETO_CLIPPED does the same; our fonts hardly reach outside anyway).
struct TextCell {
    int left, top, right, bottom;

    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

inline TextCell CellAt(int x, int y, SIZE extent)
{
    return TextCell { x, y, x + static_cast<int>(extent.cx), y + static_cast<int>(extent.cy) };
}

inline void PaintBackground(Surface& surface, const TextCell& cell, COLORREF background)
{
    for (int y = std::max(cell.top, 0); y < cell.bottom && y < surface.Height(); ++y)
        surface.FillSpan(y, cell.left, cell.right, background);
}

} // namespace platform::raster::detail
