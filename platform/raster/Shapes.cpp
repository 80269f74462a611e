// Rectangle and Ellipse: brush inside, pen on the outline.
#include "platform/raster/RasterDetail.h"

#include <algorithm>

namespace platform::raster {

namespace {

// [left, right) x [top, bottom); empty when either side is not positive.
void FillBox(Surface& surface, LONG left, LONG top, LONG right, LONG bottom, COLORREF color)
{
    for (LONG y = std::max<LONG>(top, 0); y < bottom && y < surface.Height(); ++y)
        surface.FillSpan(y, left, right, color);
}

} // namespace

void DrawRectangle(Surface& surface, const RECT& box, const PenSpec& pen, const BrushSpec& brush)
{
    const RECT r = detail::FigureBox(box, pen);
    // A box without width or height draws nothing at all, whatever the pen.
    if (r.left == r.right || r.top == r.bottom)
        return;
    if (!detail::PenDraws(pen)) {
        // Surprising but documented GDI: without a pen the brush keeps off
        // the right column and bottom row, [left, right-1) x [top, bottom-1),
        // as if the missing one-pixel outline still took its share.
        if (detail::BrushFills(brush))
            FillBox(surface, r.left, r.top, r.right - 1, r.bottom - 1, brush.color);
        return;
    }
    if (detail::BrushFills(brush))
        FillBox(surface, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, brush.color);
    // The outline is the closed polyline through the corner pixels, one
    // LineTo per side. With a one-pixel pen that is the box's border; a wide
    // pen is centred on it. A 1 x 1 box is four zero-length lines: nothing
    // with a one-pixel pen, a dot with a wide one.
    const std::vector<POINT> corners { { r.left, r.top }, { r.right - 1, r.top }, { r.right - 1, r.bottom - 1 },
        { r.left, r.bottom - 1 } };
    detail::StrokePolyline(surface, corners, true, pen);
}

void DrawEllipse(Surface& surface, const RECT& box, const PenSpec& pen, const BrushSpec& brush)
{
    const RECT r = detail::FigureBox(box, pen);
    if (r.left == r.right || r.top == r.bottom)
        return;
    const std::vector<POINT> outline = detail::EllipseOutline(r);
    if (detail::BrushFills(brush)) {
        if (!detail::PenDraws(pen) && (int64_t { r.right } - r.left <= 2 || int64_t { r.bottom } - r.top <= 2)) {
            // Without a pen GDI fills a box one or two pixels across like
            // Rectangle does, right column and bottom row left out; from three
            // pixels up it fills exactly what the outline would enclose.
            FillBox(surface, r.left, r.top, r.right - 1, r.bottom - 1, brush.color);
        } else if (outline.size() > 1) {
            // The brush covers the outline's rows from end to end and the pen
            // is drawn over it. A one-pixel box gets no brush at all.
            for (const detail::RowSpan& row : detail::FilledRows(outline))
                surface.FillSpan(row.y, row.x0, row.x1, brush.color);
        }
    }
    // The outline is stroked as a closed polyline through the path's pixels:
    // a one-pixel pen sets exactly those pixels (none for a 1 x 1 box, a
    // zero-length line), and a wide pen puts its round nib on every pixel
    // with bands between them, so a 1 x 1 box still gets a dot.
    detail::StrokePolyline(surface, outline, true, pen);
}

} // namespace platform::raster
