#include "SideMemo.h"

#include "MyDrawPoly.h"

#include <algorithm>
#include <bit>

namespace SHAPIX_NAME {

namespace {

CArc SideArcOf(const int (&ends)[4], double bulge)
{
    return CArc(Floatpt(ends[0], ends[1]), Floatpt(ends[2], ends[3]), SweepFromBulge(bulge));
}

} // namespace

bool SideMemo::Match(size_t side, const int (&ends)[4], double bulge)
{
    const auto bulgeBits = std::bit_cast<std::uint64_t>(bulge);
    Entry& entry = m_entries[side];
    if (entry.known && entry.bulgeBits == bulgeBits && std::equal(ends, ends + 4, entry.ends))
        return true;
    entry = Entry {};
    std::copy(ends, ends + 4, entry.ends);
    entry.bulgeBits = bulgeBits;
    entry.known = true;
    return false;
}

const ArcFigure* SideMemo::Figures(const CMyDrawPoly& poly)
{
    const size_t count = static_cast<size_t>(poly.m_aVertices.GetSize());
    m_entries.resize(count);
    m_figures.resize(count);
    CMyPoint* const* vertices = poly.m_aVertices.GetData();
    const double* bulges = poly.m_aBulge.GetData();

    // Each vertex ends one side and starts the next: rounded once. The
    // vertices are objects of their own, so the next few are fetched ahead.
    int ends[4] = { RoundToPixel(vertices[0]->m_x), RoundToPixel(vertices[0]->m_y), 0, 0 };
    for (size_t side = 0; side < count; ++side) {
        if (side + 8 < count)
            __builtin_prefetch(vertices[side + 8]);
        const CMyPoint* end = vertices[side + 1 < count ? side + 1 : 0];
        ends[2] = RoundToPixel(end->m_x);
        ends[3] = RoundToPixel(end->m_y);
        if (!Match(side, ends, bulges[side]))
            m_figures[side] = SideArcOf(ends, bulges[side]).GetFigure();
        ends[0] = ends[2];
        ends[1] = ends[3];
    }
    return m_figures.data();
}

POINT SideMemo::MidPoint(const CMyDrawPoly& poly, INT_PTR side)
{
    const INT_PTR count = poly.m_aVertices.GetSize();
    const CMyPoint* start = poly.m_aVertices.GetAt(side);
    const CMyPoint* end = poly.m_aVertices.GetAt((side + 1) % count);
    const double bulge = poly.m_aBulge.GetAt(side);
    const int ends[4] = { RoundToPixel(start->m_x), RoundToPixel(start->m_y), RoundToPixel(end->m_x),
        RoundToPixel(end->m_y) };

    m_entries.resize(static_cast<size_t>(count));
    m_figures.resize(static_cast<size_t>(count));
    const auto k = static_cast<size_t>(side);
    if (!Match(k, ends, bulge))
        m_figures[k] = SideArcOf(ends, bulge).GetFigure();
    Entry& entry = m_entries[k];
    if (!entry.hasMid) {
        const Floatpt mid = SideArcOf(ends, bulge).GetMidPt();
        entry.mid = POINT { TruncToInt(mid.x), TruncToInt(mid.y) };
        entry.hasMid = true;
    }
    return entry.mid;
}

} // namespace SHAPIX_NAME
