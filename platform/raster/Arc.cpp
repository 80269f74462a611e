// Arc: a stretch of the Ellipse path between two radials.
#include "platform/raster/RasterDetail.h"

namespace platform::raster {

namespace {

int64_t FloorHalf(int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

// Which quadrant a radial direction falls in, by the signs of its screen
// offsets: the positive x axis counts as quadrant 1, the negative y axis
// (straight up) as 1, the negative x axis as 2 and straight down as 4.
int RadialQuadrant(int64_t x, int64_t y)
{
    if (x >= 0 && y <= 0)
        return 1;
    if (x < 0 && y <= 0)
        return 2;
    if (x < 0)
        return 3;
    return 4;
}

struct Radial {
    int64_t x, y;
    int quadrant;
};

// Whether a path pixel lies past a radial, going counter-clockwise on the
// screen from the start of quadrant 1. Quadrants compare by number; within
// one, by the angle of the pixel's local position. A pixel exactly on the
// radial counts as past it in the upper quadrants 1 and 2 and as short of
// it in 3 and 4: the oracle's arcs include such a pixel at the start and
// leave it out at the end in the top half, and the other way round in the
// bottom half.
bool IsPast(const detail::EllipsePixel& p, const Radial& r)
{
    if (p.quadrant != r.quadrant)
        return p.quadrant > r.quadrant;
    // Screen y grows downwards, so counter-clockwise means a negative cross
    // product in screen coordinates.
    const detail::Int128 cross = detail::Int128 { r.x } * p.localY - detail::Int128 { r.y } * p.localX;
    if (cross != 0)
        return cross < 0;
    return p.quadrant <= 2;
}

size_t FirstPast(const std::vector<detail::EllipsePixel>& path, const Radial& r)
{
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsPast(path[i], r))
            return i;
    }
    return 0; // past the whole path: wrap round to its start
}

} // namespace

void DrawArc(Surface& surface, const RECT& box, POINT start, POINT end, const PenSpec& pen)
{
    if (!detail::PenDraws(pen))
        return;
    const RECT r = detail::FigureBox(box, pen);
    if (r.left == r.right || r.top == r.bottom)
        return;
    const std::vector<detail::EllipsePixel> path = detail::EllipsePath(r);
    // Radials are measured from the box's centre pixel, rounded down when the
    // centre falls between pixels; path pixels from their quadrant's
    // innermost pixel. Both are whole numbers, so every comparison is exact.
    const int64_t cx = FloorHalf(int64_t { r.left } + r.right);
    const int64_t cy = FloorHalf(int64_t { r.top } + r.bottom);
    const auto radial = [&](POINT p) {
        int64_t x = p.x - cx, y = p.y - cy;
        if (x == 0 && y == 0)
            x = 1; // no direction at all: take the positive x axis
        return Radial { x, y, RadialQuadrant(x, y) };
    };
    const size_t first = FirstPast(path, radial(start));
    const size_t stop = FirstPast(path, radial(end));
    // From the first pixel past the start radial up to, not including, the
    // first past the end radial. When both are the same pixel - the same
    // radial twice, or two radials with no path pixel between them - GDI
    // draws the whole ellipse, starting there; its last pixel, just before
    // the start, is then left out like the end of any LineTo.
    // A pixel on an axis comes twice, once per quadrant, and stays twice
    // here: an arc of just those two copies is a zero-length line, a dot with
    // a wide pen, while an arc of one path pixel draws nothing at all.
    std::vector<POINT> points;
    size_t i = first;
    do {
        points.push_back(path[i].pixel);
        i = (i + 1) % path.size();
    } while (i != stop);
    if (points.size() < 2)
        return;
    detail::StrokePolyline(surface, points, false, pen);
}

} // namespace platform::raster
