// LineTo and Polyline with cosmetic and geometric pens.
#include "platform/raster/RasterDetail.h"

#include <algorithm>
#include <cstdlib>

namespace platform::raster {

namespace detail {

void CosmeticLine(Surface& surface, POINT from, POINT to, COLORREF color)
{
    const int64_t dx = int64_t { to.x } - from.x;
    const int64_t dy = int64_t { to.y } - from.y;
    const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0)
        return; // a zero-length line draws nothing
    // Level and upright lines, the dimension lines among them, are runs of
    // pixels: the same pixels as the stepping below, without its arithmetic.
    if (dy == 0) {
        const int64_t x0 = dx > 0 ? from.x : int64_t { to.x } + 1;
        const int64_t x1 = dx > 0 ? int64_t { to.x } : int64_t { from.x } + 1;
        surface.FillSpan(from.y, static_cast<int>(std::clamp<int64_t>(x0, -1, surface.Width())),
            static_cast<int>(std::clamp<int64_t>(x1, -1, surface.Width())), color);
        return;
    }
    if (dx == 0) {
        const int64_t y0 = std::max<int64_t>(dy > 0 ? from.y : int64_t { to.y } + 1, 0);
        const int64_t y1 = std::min<int64_t>(dy > 0 ? int64_t { to.y } : int64_t { from.y } + 1, surface.Height());
        for (int64_t y = y0; y < y1; ++y)
            surface.SetPixel(from.x, static_cast<int>(y), color);
        return;
    }
    // One pixel per step along the major axis, the end point left out. On
    // the minor axis the pixel is the exact position rounded to the nearest
    // whole pixel, and a tie goes to the smaller coordinate whichever way the
    // line runs: the oracle shows that for all eight octants. So a line and
    // the same line drawn backwards can cover different pixels, e.g.
    // (1,1)-(11,6) steps y 1,1,2,2,.. but (11,6)-(1,1) steps y 6,5,5,4,..
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t majorStart = xMajor ? from.x : from.y;
    const int64_t minorStart = xMajor ? from.y : from.x;
    const int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t majorLimit = xMajor ? surface.Width() : surface.Height();
    // Only the steps whose major coordinate lands on the surface.
    int64_t first = 0, last = steps - 1;
    if (majorStep > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, majorLimit - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - (majorLimit - 1));
        last = std::min(last, majorStart);
    }
    if (first > last)
        return;
    // round-half-down(i * minorDelta / steps) = ceil((2 i minorDelta - steps) / (2 steps)).
    // The quotient for the first step is worked out once; after that the
    // remainder is carried along, as Bresenham does, and moves the quotient
    // by at most one per step because |minorDelta| <= steps.
    const int64_t den = 2 * steps;
    const int64_t stride = 2 * minorDelta;
    int64_t quotient = 0, rest = 0; // rest in [0, den)
    constexpr int64_t kShort = int64_t { 1 } << 31;
    if (first < kShort && steps < kShort) {
        // Lines on a screen: the products fit in 64 bits, and a 128-bit
        // division costs more than the rest of a short line.
        const int64_t num = 2 * first * minorDelta - steps;
        quotient = num / den + ((num % den != 0 && num > 0) ? 1 : 0); // rounded up
        rest = quotient * den - num;
    } else {
        const Int128 num = 2 * Int128 { first } * minorDelta - steps;
        const Int128 q0 = CeilDiv(num, den);
        quotient = static_cast<int64_t>(q0);
        rest = static_cast<int64_t>(q0 * den - num);
    }
    const int64_t minorLimit = xMajor ? surface.Height() : surface.Width();
    for (int64_t i = first;; ++i) {
        const int64_t minor = minorStart + quotient;
        if (minor >= 0 && minor < minorLimit) {
            const int major = static_cast<int>(majorStart + majorStep * i);
            if (xMajor)
                surface.SetPixel(major, static_cast<int>(minor), color);
            else
                surface.SetPixel(static_cast<int>(minor), major, color);
        }
        if (i == last)
            break;
        rest -= stride;
        if (rest < 0) {
            ++quotient;
            rest += den;
        } else if (rest >= den) {
            --quotient;
            rest -= den;
        }
    }
}

void StrokePolyline(Surface& surface, const std::vector<POINT>& points, bool closed, const PenSpec& pen)
{
    if (!PenDraws(pen) || points.empty())
        return;
    const size_t segments = closed && points.size() > 1 ? points.size() : points.size() - 1;
    if (IsWide(pen)) {
        const WidePen wide(pen.width, pen.color);
        if (points.size() == 1)
            wide.Dot(surface, points[0]);
        for (size_t i = 0; i < segments; ++i)
            wide.Segment(surface, points[i], points[(i + 1) % points.size()]);
        return;
    }
    for (size_t i = 0; i < segments; ++i)
        CosmeticLine(surface, points[i], points[(i + 1) % points.size()], pen.color);
}

} // namespace detail

void DrawLine(Surface& surface, POINT from, POINT to, const PenSpec& pen)
{
    if (!detail::PenDraws(pen))
        return;
    // Every other style (dashes, inside-frame) is drawn solid: the library
    // draws with PS_SOLID and PS_NULL only.
    if (detail::IsWide(pen))
        detail::WidePen(pen.width, pen.color).Segment(surface, from, to);
    else
        detail::CosmeticLine(surface, from, to, pen.color);
}

} // namespace platform::raster
