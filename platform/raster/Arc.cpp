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

// The first path pixel past the radial, going counter-clockwise on the
// screen from the start of quadrant 1, or 0 when the whole path is short of
// it (wrap round to the start). Pixels of earlier quadrants are short of it
// and those of later ones past it; within the radial's own quadrant a
// pixel is past it when its local position lies counter-clockwise of it, a
// negative cross product with screen y growing downwards. A pixel exactly
// on the radial counts as past it in the upper quadrants 1 and 2 and as
// short of it in 3 and 4: the oracle's arcs include such a pixel at the
// start and leave it out at the end in the top half, and the other way
// round in the bottom half. Along the quadrant the cross product only
// falls, so being past, once true, stays true and a binary search finds
// the change.
size_t FirstPast(const detail::EllipseWalk& walk, const Radial& r)
{
    const int q = r.quadrant;
    const int64_t sx = (q == 1 || q == 4) ? 1 : -1;
    const int64_t sy = q <= 2 ? -1 : 1;
    const bool onCountsAsPast = q <= 2;
    // Local positions below 2^16 (screen-sized ellipses) and radials below
    // 2^46 (points on the screen) keep the products inside 64 bits.
    constexpr int64_t kShortRadial = int64_t { 1 } << 46;
    const bool small = walk.MaxLocal() < (int64_t { 1 } << 16) && r.x > -kShortRadial && r.x < kShortRadial
        && r.y > -kShortRadial && r.y < kShortRadial;
    const auto past = [&](size_t j) {
        const detail::QuadrantStep& s = walk.StepInQuadrant(q, j);
        const int64_t localX = sx * (s.x / 2), localY = sy * (s.y / 2);
        const detail::Int128 cross = small ? detail::Int128 { r.x * localY - r.y * localX }
                                           : detail::Int128 { r.x } * localY - detail::Int128 { r.y } * localX;
        return cross != 0 ? cross < 0 : onCountsAsPast;
    };
    const size_t n = walk.QuadrantSize();
    size_t low = 0, high = n;
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        if (past(mid))
            high = mid;
        else
            low = mid + 1;
    }
    const size_t index = static_cast<size_t>(q - 1) * n + low;
    return index == walk.Size() ? 0 : index;
}

} // namespace

void DrawArc(Surface& surface, const RECT& box, POINT start, POINT end, const PenSpec& pen)
{
    if (!detail::PenDraws(pen))
        return;
    const RECT r = detail::FigureBox(box, pen);
    if (r.left == r.right || r.top == r.bottom)
        return;
    const detail::EllipseWalk path(r);
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
    const size_t size = path.Size();
    const size_t count = stop > first ? stop - first : stop + size - first;
    if (count < 2)
        return;
    if (detail::IsWide(pen)) {
        std::vector<POINT> points;
        points.reserve(count);
        path.ForEachPixel(first, count, [&](POINT p) { points.push_back(p); });
        detail::StrokePolyline(surface, points, false, pen);
        return;
    }
    // Neighbouring path pixels touch, so each one-pixel LineTo between them
    // sets just its start pixel, and nothing when the two are the same.
    bool started = false;
    POINT current { 0, 0 };
    path.ForEachPixel(first, count, [&](POINT next) {
        if (started && (next.x != current.x || next.y != current.y))
            surface.SetPixel(current.x, current.y, pen.color);
        current = next;
        started = true;
    });
}

} // namespace platform::raster
