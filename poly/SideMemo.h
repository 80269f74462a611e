// What an outline works out per side from the side's rounded ends and its
// bulge alone: the figure that strokes it and its midpoint handle. Every
// paint asks for all of them, while a drag or an edit changes a few sides
// at most; the arc geometry behind them (arctangent, centre, radius, sine
// and cosine) is the costliest part of a paint. An entry is used only while
// the ends round to the same pixels and the bulge has the same bits, so a
// hit gives exactly what the geometry would give.
#pragma once

#include "platform/AfxTypes.h"
#include "shape/Arc.h"

#include <cstdint>
#include <vector>

namespace SHAPIX_NAME {

class CMyDrawPoly;

class SideMemo {
public:
    // The figures of all n sides in side order, for an outline with at
    // least two vertices and at least n bulges (after PadBulges). Valid
    // until the next call.
    const ArcFigure* Figures(const CMyDrawPoly& poly);
    // Side k's midpoint, truncated to whole pixels. The side's vertices and
    // bulge are read through the checked accessors, as building the side's
    // CArc reads them.
    POINT MidPoint(const CMyDrawPoly& poly, INT_PTR side);

private:
    struct Entry {
        int ends[4] = { 0, 0, 0, 0 }; // start x, y, end x, y, rounded
        std::uint64_t bulgeBits = 0;
        bool known = false;
        bool hasMid = false;
        POINT mid { 0, 0 };
    };

    // Makes entry k the one of a side with these rounded ends and this
    // bulge; true when it already was.
    bool Match(size_t side, const int (&ends)[4], double bulge);

    std::vector<Entry> m_entries;
    std::vector<ArcFigure> m_figures; // beside the entries: the paint reads them in a run
};

} // namespace SHAPIX_NAME
