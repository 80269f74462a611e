// Building blocks shared by the raster primitives: GDI's polygon fill rule,
// its cosmetic and geometric pens, and the pixel path it steps round an
// ellipse. Only the raster sources include this header.
#pragma once

#include "platform/raster/Raster.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform::raster::detail {

// Products of two coordinate differences need more than 64 bits.
__extension__ typedef __int128 Int128;

// Division rounding towards minus and plus infinity; `den` > 0.
inline Int128 FloorDiv(Int128 num, Int128 den) { return num / den - ((num % den != 0 && num < 0) ? 1 : 0); }
inline Int128 CeilDiv(Int128 num, Int128 den) { return -FloorDiv(-num, den); }

// The wingdi.h numbers; CDC hands LOGPEN and LOGBRUSH styles down unchanged.
constexpr UINT kPenNull = 5; // PS_NULL
constexpr UINT kPenInsideFrame = 6; // PS_INSIDEFRAME
constexpr UINT kBrushNull = 1; // BS_NULL

inline bool PenDraws(const PenSpec& pen) { return pen.style != kPenNull; }
inline bool BrushFills(const BrushSpec& brush) { return brush.style != kBrushNull; }

// Width 0 and 1 both give the cosmetic one-pixel pen.
inline bool IsWide(const PenSpec& pen) { return pen.width > 1; }

// GDI turns boxes given the wrong way round into the right one before
// drawing, for Rectangle, Ellipse and Arc alike.
RECT Normalized(const RECT& box);

// The box a shape's outline really follows: the normalised box, pulled in
// for a wide PS_INSIDEFRAME pen so that the pen, centred on the outline,
// stays inside it (by width / 2 at the top left and (width - 1) / 2 at the
// bottom right, as the oracle shows for boxes at least the pen's width).
RECT FigureBox(const RECT& box, const PenSpec& pen);

// Fills a polygon with integer vertices the way GDI fills regions: on pixel
// row y an edge from (x0, y0) to (x1, y1), y0 < y1, counts for
// y0 <= y < y1 and crosses at x0 + ceil((y - y0) * (x1 - x0) / (y1 - y0));
// crossings pair up left to right and each pair covers [first, second).
// So the left and top edges are inside and the right and bottom ones are not.
void FillPolygon(Surface& surface, const POINT* points, int count, COLORREF color);

// LineTo with a one-pixel pen: every pixel from `from` up to, not including, `to`.
void CosmeticLine(Surface& surface, POINT from, POINT to, COLORREF color);

// A geometric pen of width >= 2, as GDI strokes one segment of it: a round
// nib at each end and a four-sided band between them.
class WidePen {
public:
    WidePen(int width, COLORREF color);

    void Dot(Surface& surface, POINT at) const;
    void Segment(Surface& surface, POINT from, POINT to) const;

private:
    struct Span {
        int dy, x0, x1; // row offset and [x0, x1) offsets from the centre
    };
    int m_width;
    COLORREF m_color;
    std::vector<Span> m_nib;
};

// Strokes the polyline through `points` (closing it back to the first point
// when `closed`), one LineTo after the other as GDI's Polyline does.
void StrokePolyline(Surface& surface, const std::vector<POINT>& points, bool closed, const PenSpec& pen);

// One pixel of the path GDI steps round the ellipse inscribed in a box, with
// where it came from. The path runs counter-clockwise on the screen from the
// rightmost pixel, quadrant by quadrant (1 top right, 2 top left, 3 bottom
// left, 4 bottom right); a pixel on an axis belongs to both quadrants that
// meet there and is listed once for each.
struct EllipsePixel {
    POINT pixel;
    int quadrant;
    // Position within the quadrant, measured from the quadrant's innermost
    // pixel: (+-col, +-row) with screen signs (y grows downwards).
    LONG localX, localY;
};

// One quadrant of the path in doubled distances from the box's centre,
// from the x axis to the y axis; the other three are its mirror images.
struct QuadrantStep {
    int64_t x, y;
};

// The path round a normalised box with a positive width and height, read
// pixel by pixel without laying it out: the quadrant walk is shared by
// every box of the same size.
class EllipseWalk {
public:
    explicit EllipseWalk(const RECT& box);

    size_t Size() const { return 4 * m_quadrant->size(); }
    size_t QuadrantSize() const { return m_quadrant->size(); }
    EllipsePixel At(size_t index) const { return InQuadrant(static_cast<int>(index / QuadrantSize()) + 1, index % QuadrantSize()); }
    // Pixel j of quadrant 1..4 along the path.
    EllipsePixel InQuadrant(int quadrantNo, size_t j) const;
    // Its step of the quadrant walk: quadrants 1 and 3 run along the walk,
    // 2 and 4 against it.
    const QuadrantStep& StepInQuadrant(int quadrantNo, size_t j) const
    {
        const size_t n = m_quadrant->size();
        return (*m_quadrant)[quadrantNo % 2 == 1 ? j : n - 1 - j];
    }
    // The largest local coordinate on the path, half the longer doubled axis.
    int64_t MaxLocal() const { return std::max(m_quadrant->front().x, m_quadrant->back().y) / 2; }
    // Calls visit(pixel) for `count` path pixels from `first` on, wrapping
    // round the end, without a division per pixel.
    template <class Visit>
    void ForEachPixel(size_t first, size_t count, Visit&& visit) const;

private:
    std::shared_ptr<const std::vector<QuadrantStep>> m_quadrant;
    int64_t m_cx2, m_cy2; // doubled centre
};

template <class Visit>
void EllipseWalk::ForEachPixel(size_t first, size_t count, Visit&& visit) const
{
    const std::vector<QuadrantStep>& steps = *m_quadrant;
    const size_t n = steps.size();
    size_t quadrant = (first / n) % 4; // 0..3 for quadrants 1..4
    size_t j = first % n;
    while (count > 0) {
        const int64_t sx = (quadrant == 0 || quadrant == 3) ? 1 : -1;
        const int64_t sy = quadrant <= 1 ? -1 : 1;
        const bool along = quadrant % 2 == 0;
        for (; j < n && count > 0; ++j, --count) {
            const QuadrantStep& s = steps[along ? j : n - 1 - j];
            visit(POINT { static_cast<LONG>((m_cx2 + sx * s.x) / 2), static_cast<LONG>((m_cy2 + sy * s.y) / 2) });
        }
        j = 0;
        quadrant = (quadrant + 1) % 4;
    }
}

// The path for a normalised box with a positive width and height.
std::vector<EllipsePixel> EllipsePath(const RECT& box);

// The same path as a closed outline: consecutive repeats dropped.
std::vector<POINT> EllipseOutline(const RECT& box);

// Pixel rows [x0, x1) of the outline's filled area.
struct RowSpan {
    LONG y, x0, x1;
};
std::vector<RowSpan> FilledRows(const std::vector<POINT>& outline);

} // namespace platform::raster::detail
