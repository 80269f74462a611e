// The pixel path GDI steps round an ellipse, shared by Ellipse, Arc and the
// round nib of wide pens.
#include "platform/raster/RasterDetail.h"

#include <algorithm>
#include <limits>

namespace platform::raster::detail {

namespace {

using Step = QuadrantStep;

// One quadrant in doubled coordinates, so that half-pixel centres stay
// whole: the ellipse runs through the centres of the box's outermost pixels,
// semi-axes a = (width - 1) / 2 and b = (height - 1) / 2, i.e. A = 2a and
// B = 2b here. The path starts on the x axis and ends on the y axis; each
// step moves to the neighbour (up, diagonal or across) whose point is
// closest to the ellipse by |F| = |B^2 X^2 + A^2 Y^2 - A^2 B^2|, the
// diagonal winning ties, then the vertical step. This is Bresenham's
// original choice by the residual, not the midpoint test: they part on
// flat or tall ellipses such as 8 x 3 and 11 x 8, where the oracle follows
// the residual. The walk has to go from the x axis to the y axis: walking
// the other way round picks other pixels on ties (7 x 5, 15 x 7).
template <class Wide>
std::vector<Step> Quadrant(int64_t a2, int64_t b2)
{
    const Wide aa = Wide { a2 } * a2;
    const Wide bb = Wide { b2 } * b2;
    const auto residual = [&](int64_t x, int64_t y) {
        const Wide f = bb * x * x + aa * y * y - aa * bb;
        return f < 0 ? -f : f;
    };
    std::vector<Step> steps;
    int64_t x = a2, y = b2 % 2;
    steps.push_back({ x, y });
    while (x > a2 % 2 || y < b2) {
        const bool up = y + 2 <= b2;
        const bool across = x - 2 >= 0;
        Step best { 0, 0 };
        Wide bestResidual = -1;
        const auto consider = [&](bool possible, int64_t cx, int64_t cy) {
            if (!possible)
                return;
            const Wide r = residual(cx, cy);
            if (bestResidual < 0 || r < bestResidual) {
                best = { cx, cy };
                bestResidual = r;
            }
        };
        consider(up && across, x - 2, y + 2);
        consider(up, x, y + 2);
        consider(across, x - 2, y);
        x = best.x;
        y = best.y;
        steps.push_back(best);
    }
    return steps;
}

// Boxes of the same size share one walk. The walks of recent sizes are
// kept per thread, up to about a million steps in all; a paint draws the
// same few sizes of arcs again and again, and every repaint draws them anew.
std::shared_ptr<const std::vector<Step>> CachedQuadrant(int64_t a2, int64_t b2)
{
    // Every term of the residual is below 2^60 while both doubled axes stay
    // below 2^15 (screen-sized ellipses), so 64 bits hold it exactly and
    // pick the same steps as 128 bits, at a fraction of the cost.
    constexpr int64_t kNarrowLimit = int64_t { 1 } << 15;
    const bool narrow = a2 >= 0 && b2 >= 0 && a2 < kNarrowLimit && b2 < kNarrowLimit;
    if (!narrow)
        return std::make_shared<const std::vector<Step>>(Quadrant<Int128>(a2, b2));
    // One slot per size class, replaced on a clash; the total is capped so
    // that a run of huge ellipses cannot pile up memory.
    struct Slot {
        uint32_t key = 0;
        std::shared_ptr<const std::vector<Step>> walk;
    };
    constexpr size_t kSlots = 512;
    constexpr size_t kCacheSteps = size_t { 1 } << 20;
    thread_local std::vector<Slot> slots(kSlots);
    thread_local size_t cachedSteps = 0;
    const uint32_t key = static_cast<uint32_t>(a2 << 15 | b2);
    Slot& slot = slots[(key * 2654435761u) >> 23]; // Fibonacci hashing onto 512 slots
    if (slot.walk && slot.key == key)
        return slot.walk;
    auto walk = std::make_shared<const std::vector<Step>>(Quadrant<int64_t>(a2, b2));
    if (slot.walk)
        cachedSteps -= slot.walk->size();
    if (cachedSteps + walk->size() > kCacheSteps) {
        for (Slot& other : slots)
            other.walk.reset();
        cachedSteps = 0;
    }
    cachedSteps += walk->size();
    slot = Slot { key, walk };
    return walk;
}

} // namespace

EllipseWalk::EllipseWalk(const RECT& box)
    : m_quadrant(CachedQuadrant(int64_t { box.right } - box.left - 1, int64_t { box.bottom } - box.top - 1))
    // Doubled centre: the pixel grid point (left + right - 1) / 2.
    , m_cx2(int64_t { box.left } + box.right - 1)
    , m_cy2(int64_t { box.top } + box.bottom - 1)
{
}

EllipsePixel EllipseWalk::InQuadrant(int quadrantNo, size_t j) const
{
    const Step& s = StepInQuadrant(quadrantNo, j);
    const int sx = (quadrantNo == 1 || quadrantNo == 4) ? 1 : -1;
    const int sy = quadrantNo <= 2 ? -1 : 1;
    // cx2 +- X and cy2 +- Y are always even, so the halves are exact. The
    // local position is the doubled distance halved and rounded down: for
    // an even size the two middle pixels both sit at local 0 of their halves.
    return EllipsePixel { { static_cast<LONG>((m_cx2 + sx * s.x) / 2), static_cast<LONG>((m_cy2 + sy * s.y) / 2) },
        quadrantNo, static_cast<LONG>(sx * (s.x / 2)), static_cast<LONG>(sy * (s.y / 2)) };
}

std::vector<EllipsePixel> EllipsePath(const RECT& box)
{
    const EllipseWalk walk(box);
    std::vector<EllipsePixel> path;
    path.reserve(walk.Size());
    for (size_t i = 0; i < walk.Size(); ++i)
        path.push_back(walk.At(i));
    return path;
}

std::vector<POINT> EllipseOutline(const RECT& box)
{
    std::vector<POINT> outline;
    for (const EllipsePixel& p : EllipsePath(box)) {
        if (outline.empty() || outline.back().x != p.pixel.x || outline.back().y != p.pixel.y)
            outline.push_back(p.pixel);
    }
    while (outline.size() > 1 && outline.back().x == outline.front().x && outline.back().y == outline.front().y)
        outline.pop_back();
    return outline;
}

std::vector<RowSpan> FilledRows(const std::vector<POINT>& outline)
{
    if (outline.empty())
        return {};
    LONG top = outline[0].y, bottom = outline[0].y;
    for (const POINT& p : outline) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<RowSpan> rows(static_cast<size_t>(int64_t { bottom } - top + 1), RowSpan { 0, std::numeric_limits<LONG>::max(), std::numeric_limits<LONG>::min() });
    for (const POINT& p : outline) {
        RowSpan& row = rows[static_cast<size_t>(int64_t { p.y } - top)];
        row.y = p.y;
        row.x0 = std::min(row.x0, p.x);
        row.x1 = std::max(row.x1, static_cast<LONG>(p.x + 1));
    }
    return rows;
}

} // namespace platform::raster::detail
