// GDI's region fill rule for polygons and its geometric (wide) pen.
#include "platform/raster/RasterDetail.h"

#include <algorithm>
#include <limits>
#include <cmath>

namespace platform::raster::detail {

namespace {

LONG ClampToLong(Int128 v)
{
    return static_cast<LONG>(std::clamp<Int128>(v, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

// True when t * sqrt(s) <= m, exactly (s >= 0).
bool TimesRootAtMost(Int128 t, Int128 m, Int128 s)
{
    if (t <= 0 && m >= 0)
        return true;
    if (t >= 0 && m < 0)
        return false;
    if (t >= 0)
        return t * t * s <= m * m;
    return t * t * s >= m * m;
}

// floor(m / sqrt(s)) for a quotient of a few units at most.
int FloorOverRoot(Int128 m, Int128 s)
{
    int k = static_cast<int>(std::floor(static_cast<double>(m) / std::sqrt(static_cast<double>(s))));
    while (!TimesRootAtMost(k, m, s))
        --k;
    while (TimesRootAtMost(k + 1, m, s))
        ++k;
    return k;
}

// floor(m / sqrt(s) + 1/2): the k with (2k - 1) sqrt(s) <= 2m < (2k + 1) sqrt(s).
int RoundOverRoot(Int128 m, Int128 s)
{
    int k = static_cast<int>(std::floor(static_cast<double>(m) / std::sqrt(static_cast<double>(s)) + 0.5));
    while (!TimesRootAtMost(2 * k - 1, 2 * m, s))
        --k;
    while (TimesRootAtMost(2 * k + 1, 2 * m, s))
        ++k;
    return k;
}

// m / sqrt(s) rounded away from zero.
int AwayOverRoot(Int128 m, Int128 s)
{
    if (m > 0)
        return -FloorOverRoot(-m, s);
    if (m < 0)
        return FloorOverRoot(m, s);
    return 0;
}

} // namespace

void FillPolygon(Surface& surface, const POINT* points, int count, COLORREF color)
{
    if (count < 3)
        return;
    LONG top = points[0].y, bottom = points[0].y;
    for (int i = 1; i < count; ++i) {
        top = std::min(top, points[i].y);
        bottom = std::max(bottom, points[i].y);
    }
    top = std::max<LONG>(top, 0);
    bottom = std::min<LONG>(bottom, surface.Height());
    std::vector<LONG> crossings;
    for (LONG y = top; y < bottom; ++y) {
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            POINT a = points[i];
            POINT b = points[(i + 1) % count];
            if (a.y == b.y)
                continue; // horizontal edges take no part
            if (a.y > b.y)
                std::swap(a, b);
            if (y < a.y || y >= b.y)
                continue;
            const Int128 dx = Int128 { b.x } - a.x;
            crossings.push_back(ClampToLong(a.x + CeilDiv((Int128 { y } - a.y) * dx, Int128 { b.y } - a.y)));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t k = 0; k + 1 < crossings.size(); k += 2)
            surface.FillSpan(y, crossings[k], crossings[k + 1], color);
    }
}

WidePen::WidePen(int width, COLORREF color)
    : m_width(width)
    , m_color(color)
{
    // The round nib is GDI's own filled ellipse in a width x width box whose
    // top-left corner is width / 2 up and left of the point. For width 2
    // that is the 2 x 2 block up and left of the point, which is why a
    // two-pixel line at y covers rows y - 1 and y.
    const LONG back = width / 2;
    const RECT box { -back, -back, width - back, width - back };
    for (const RowSpan& row : FilledRows(EllipseOutline(box)))
        m_nib.push_back({ static_cast<int>(row.y), static_cast<int>(row.x0), static_cast<int>(row.x1) });
}

void WidePen::Dot(Surface& surface, POINT at) const
{
    for (const Span& span : m_nib) {
        const Int128 y = Int128 { at.y } + span.dy;
        if (y < 0 || y >= surface.Height())
            continue;
        surface.FillSpan(static_cast<int>(y), ClampToLong(Int128 { at.x } + span.x0),
            ClampToLong(Int128 { at.x } + span.x1), m_color);
    }
}

void WidePen::Segment(Surface& surface, POINT from, POINT to) const
{
    Dot(surface, from);
    Dot(surface, to);
    const Int128 dx = Int128 { to.x } - from.x;
    const Int128 dy = Int128 { to.y } - from.y;
    if (dx == 0 && dy == 0)
        return;
    // The band between the nibs is a parallelogram with whole-pixel corners:
    // both ends are moved across the line by the normal times width / 2,
    // rounded. Surprising, and what the oracle shows for every direction:
    // the two sides are rounded differently. Take the normal n pointing to
    // +x (to +y for a horizontal line); the side along -n is rounded to the
    // nearest pixel (halves up) and the side along +n away from zero. A
    // diagonal width-2 line is therefore four pixels across, not three, and
    // a band never ends up thinner than the nib at its ends.
    Int128 nx = -dy, ny = dx;
    if (nx < 0 || (nx == 0 && ny < 0)) {
        nx = -nx;
        ny = -ny;
    }
    const Int128 s = 4 * (nx * nx + ny * ny); // (2 |n|)^2: offsets are n * width / (2 |n|)
    const int ax = RoundOverRoot(-nx * m_width, s);
    const int ay = RoundOverRoot(-ny * m_width, s);
    const int bx = AwayOverRoot(nx * m_width, s);
    const int by = AwayOverRoot(ny * m_width, s);
    const POINT band[4] = {
        { ClampToLong(Int128 { from.x } + ax), ClampToLong(Int128 { from.y } + ay) },
        { ClampToLong(Int128 { to.x } + ax), ClampToLong(Int128 { to.y } + ay) },
        { ClampToLong(Int128 { to.x } + bx), ClampToLong(Int128 { to.y } + by) },
        { ClampToLong(Int128 { from.x } + bx), ClampToLong(Int128 { from.y } + by) },
    };
    FillPolygon(surface, band, 4, m_color);
}

} // namespace platform::raster::detail
