// LineTo and Arc take shortcuts (a carried remainder instead of a division
// per pixel, a binary search for the radials, plain pixels for a thin arc);
// here they are checked against the rules written out the slow way, on
// random lines and arcs, near and far.
#include "platform/raster/RasterDetail.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <random>

namespace raster = platform::raster;
namespace detail = platform::raster::detail;

namespace {

constexpr COLORREF kInk = 0xFFFFFF;

// Column by column (or row by row): the pixel of step i lies at the exact
// position rounded half down on the minor axis; the last step is left out.
raster::Surface DirectLine(int size, POINT from, POINT to)
{
    raster::Surface s(size, size, 0);
    const int64_t dx = int64_t { to.x } - from.x, dy = int64_t { to.y } - from.y;
    const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    for (int major = 0; major < size && steps > 0; ++major) {
        const int64_t i = (major - int64_t { xMajor ? from.x : from.y }) * ((xMajor ? dx : dy) > 0 ? 1 : -1);
        if (i < 0 || i >= steps)
            continue;
        const detail::Int128 minor = int64_t { xMajor ? from.y : from.x }
            + detail::CeilDiv(2 * detail::Int128 { i } * (xMajor ? dy : dx) - steps, 2 * detail::Int128 { steps });
        if (minor >= 0 && minor < size)
            s.SetPixel(xMajor ? major : static_cast<int>(minor), xMajor ? static_cast<int>(minor) : major, kInk);
    }
    return s;
}

// The arc as the whole path scanned pixel by pixel for the first one past
// each radial, then stroked as a polyline.
bool Past(const detail::EllipsePixel& p, int64_t rx, int64_t ry, int rq)
{
    if (p.quadrant != rq)
        return p.quadrant > rq;
    const detail::Int128 cross = detail::Int128 { rx } * p.localY - detail::Int128 { ry } * p.localX;
    return cross != 0 ? cross < 0 : p.quadrant <= 2;
}

raster::Surface DirectArc(int size, RECT box, POINT start, POINT end, const raster::PenSpec& pen)
{
    raster::Surface s(size, size, 0);
    const RECT r = detail::Normalized(box);
    if (r.left == r.right || r.top == r.bottom)
        return s;
    const std::vector<detail::EllipsePixel> path = detail::EllipsePath(r);
    const auto floorHalf = [](int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); };
    const int64_t cx = floorHalf(int64_t { r.left } + r.right), cy = floorHalf(int64_t { r.top } + r.bottom);
    const auto firstPast = [&](POINT p) -> size_t {
        int64_t x = p.x - cx, y = p.y - cy;
        if (x == 0 && y == 0)
            x = 1;
        const int q = (x >= 0 && y <= 0) ? 1 : (x < 0 && y <= 0) ? 2 : (x < 0) ? 3 : 4;
        for (size_t i = 0; i < path.size(); ++i) {
            if (Past(path[i], x, y, q))
                return i;
        }
        return 0;
    };
    const size_t first = firstPast(start), stop = firstPast(end);
    std::vector<POINT> points;
    size_t i = first;
    do {
        points.push_back(path[i].pixel);
        i = (i + 1) % path.size();
    } while (i != stop);
    if (points.size() >= 2)
        detail::StrokePolyline(s, points, false, pen);
    return s;
}

} // namespace

TEST(PrimitiveRules, LinesMatchTheRoundingRuleNearAndFar)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> near(-20, 84);
    std::uniform_int_distribution<LONG> far(INT_MIN, INT_MAX);
    for (int t = 0; t < 4000; ++t) {
        POINT from { near(random), near(random) }, to { near(random), near(random) };
        if (t % 4 == 1)
            from.x = far(random); // long and flat across the surface
        if (t % 4 == 2)
            from = POINT { far(random), far(random) };
        if (t % 6 == 3) // level, now and then from far off
            from = POINT { t % 12 == 3 ? far(random) : from.x, to.y };
        if (t % 6 == 5) // upright
            from = POINT { to.x, t % 12 == 5 ? far(random) : from.y };
        raster::Surface drawn(64, 64, 0);
        raster::DrawLine(drawn, from, to, raster::PenSpec { 0, 1, kInk });
        ASSERT_EQ(drawn.Pixels(), DirectLine(64, from, to).Pixels())
            << "(" << from.x << "," << from.y << ")-(" << to.x << "," << to.y << ")";
    }
}

TEST(PrimitiveRules, ArcsMatchTheScannedPath)
{
    std::mt19937 random(6);
    std::uniform_int_distribution<int> corner(-30, 90);
    std::uniform_int_distribution<int> radial(-200, 260);
    for (int t = 0; t < 4000; ++t) {
        const RECT box { corner(random), corner(random), corner(random), corner(random) };
        POINT start { radial(random), radial(random) }, end { radial(random), radial(random) };
        if (t % 5 == 0)
            end = start; // the whole ellipse
        if (t % 7 == 0)
            start = POINT { (box.left + box.right) / 2, (box.top + box.bottom) / 2 }; // no direction
        const raster::PenSpec pen { 0, t % 3 == 0 ? 2 : 1, kInk };
        raster::Surface drawn(64, 64, 0);
        raster::DrawArc(drawn, box, start, end, pen);
        ASSERT_EQ(drawn.Pixels(), DirectArc(64, box, start, end, pen).Pixels())
            << "box " << box.left << "," << box.top << "," << box.right << "," << box.bottom << " from ("
            << start.x << "," << start.y << ") to (" << end.x << "," << end.y << ") width " << pen.width;
    }
}
