// Polygon regions: CreatePolygonRgn, RectInRegion, PtInRegion.
//
// A region is the set of pixels the Windows polygon scan conversion gives.
// On scan line y (pixel row y), an edge from (x0, y0) to (x1, y1) with
// y0 < y1 is active for y0 <= y < y1 and crosses the row at
// x0 + ceil((y - y0) * (x1 - x0) / (y1 - y0)); horizontal edges take no
// part. Crossings sorted by x pair up (alternate mode) or are counted by
// edge direction (winding mode), and a pair covers the pixels from its first
// crossing up to, not including, its second. So left and top edges belong to
// the region and right and bottom edges do not, as for rectangles.
#pragma once

#include "GdiObject.h"

#include <vector>

namespace platform {

class PolygonRegion : public GdiObject {
public:
    PolygonRegion(const POINT* points, int count, int fillMode);

    // Pixel spans [left, right) of row y, in ascending order.
    void RowSpans(LONG y, std::vector<std::pair<LONG, LONG>>& spans) const;
    LONG Top() const { return m_top; }
    LONG Bottom() const { return m_bottom; }

private:
    struct Edge {
        LONG topX, topY; // the end with the smaller y
        LONG bottomX, bottomY;
        int direction; // +1 when the polygon runs downwards along it
    };

    std::vector<Edge> m_edges;
    int m_fillMode;
    LONG m_top = 0;
    LONG m_bottom = 0;
};

} // namespace platform

// Fewer than two points, or a fill mode other than ALTERNATE and WINDING,
// gives no region (null).
HRGN CreatePolygonRgn(const POINT* lppt, int cPoints, int fnPolyFillMode);

// TRUE when any pixel of the rectangle (normalised first) lies in the
// region. A rectangle without area touches nothing.
BOOL RectInRegion(HRGN hrgn, const RECT* lprc);
BOOL PtInRegion(HRGN hrgn, int x, int y);
