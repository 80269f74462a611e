#include "Region.h"

#include <algorithm>

namespace platform {

namespace {

// ceil(a / b) for b > 0, in 64 bits so that the product of two coordinate
// differences cannot overflow.
std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if (a % b != 0 && a > 0)
        ++q;
    return q;
}

} // namespace

PolygonRegion::PolygonRegion(const POINT* points, int count, int fillMode)
    : GdiObject(GdiKind::Region)
    , m_fillMode(fillMode)
{
    bool first = true;
    for (int i = 0; i < count; ++i) {
        const POINT& a = points[i == 0 ? count - 1 : i - 1];
        const POINT& b = points[i];
        if (a.y == b.y)
            continue;
        Edge edge;
        if (a.y < b.y)
            edge = Edge { a.x, a.y, b.x, b.y, +1 };
        else
            edge = Edge { b.x, b.y, a.x, a.y, -1 };
        m_edges.push_back(edge);
        m_top = first ? edge.topY : std::min(m_top, edge.topY);
        m_bottom = first ? edge.bottomY : std::max(m_bottom, edge.bottomY);
        first = false;
    }
}

void PolygonRegion::RowSpans(LONG y, std::vector<std::pair<LONG, LONG>>& spans) const
{
    spans.clear();
    struct Crossing {
        std::int64_t x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (const Edge& edge : m_edges) {
        if (y < edge.topY || y >= edge.bottomY)
            continue;
        const std::int64_t dy = std::int64_t(edge.bottomY) - edge.topY;
        const std::int64_t dx = std::int64_t(edge.bottomX) - edge.topX;
        crossings.push_back({ edge.topX + CeilDiv((std::int64_t(y) - edge.topY) * dx, dy), edge.direction });
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });

    auto addSpan = [&spans](std::int64_t left, std::int64_t right) {
        if (left < right)
            spans.emplace_back(static_cast<LONG>(left), static_cast<LONG>(right));
    };
    if (m_fillMode == ALTERNATE) {
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            addSpan(crossings[i].x, crossings[i + 1].x);
        return;
    }
    int winding = 0;
    std::int64_t spanStart = 0;
    for (const Crossing& crossing : crossings) {
        const int before = winding;
        winding += crossing.direction;
        if (before == 0 && winding != 0)
            spanStart = crossing.x;
        else if (before != 0 && winding == 0)
            addSpan(spanStart, crossing.x);
    }
}

} // namespace platform

HRGN CreatePolygonRgn(const POINT* lppt, int cPoints, int fnPolyFillMode)
{
    if (!lppt || cPoints < 2 || (fnPolyFillMode != ALTERNATE && fnPolyFillMode != WINDING))
        return nullptr;
    auto* region = new platform::PolygonRegion(lppt, cPoints, fnPolyFillMode);
    return static_cast<HRGN>(region->Handle());
}

BOOL RectInRegion(HRGN hrgn, const RECT* lprc)
{
    const auto* region = platform::GdiObject::FromHandleAs<platform::PolygonRegion>(hrgn, platform::GdiKind::Region);
    if (!region || !lprc)
        return FALSE;
    RECT rc = *lprc;
    if (rc.left > rc.right)
        std::swap(rc.left, rc.right);
    if (rc.top > rc.bottom)
        std::swap(rc.top, rc.bottom);
    const LONG first = std::max(rc.top, region->Top());
    const LONG last = std::min(rc.bottom, region->Bottom());
    std::vector<std::pair<LONG, LONG>> spans;
    for (LONG y = first; y < last; ++y) {
        region->RowSpans(y, spans);
        for (const auto& span : spans) {
            if (span.first < rc.right && span.second > rc.left)
                return TRUE;
        }
    }
    return FALSE;
}

BOOL PtInRegion(HRGN hrgn, int x, int y)
{
    if (x == INT32_MAX || y == INT32_MAX)
        return FALSE;
    const RECT pixel { x, y, x + 1, y + 1 };
    return RectInRegion(hrgn, &pixel);
}
