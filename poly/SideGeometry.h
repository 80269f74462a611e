// How an outline turns its vertices and bulges into side geometry. A side
// is rebuilt from the rounded vertices each time it is needed, so drawing,
// hit tests, handles and dragging all work on the same whole pixels.
#pragma once

#include "MyDrawPoly.h"
#include "shape/Arc.h"

namespace SHAPIX_NAME {

inline Floatpt RoundedPoint(const CMyPoint& point)
{
    return Floatpt(RoundToPixel(point.m_x), RoundToPixel(point.m_y));
}

inline CPoint RoundedPixel(const CMyPoint& point)
{
    return CPoint(RoundToPixel(point.m_x), RoundToPixel(point.m_y));
}

// Side k of an outline with at least one vertex: from vertex k to the next
// one, the last side closing back to vertex 0. The bulge is read through the
// checked accessor, so a bulge array shorter than the vertex list raises the
// invalid-argument exception instead of reading past its end.
inline CArc SideArc(const CMyDrawPoly& poly, INT_PTR side)
{
    const INT_PTR count = poly.m_aVertices.GetSize();
    const CMyPoint* start = poly.m_aVertices.GetAt(side);
    const CMyPoint* end = poly.m_aVertices.GetAt((side + 1) % count);
    return CArc(RoundedPoint(*start), RoundedPoint(*end), SweepFromBulge(poly.m_aBulge.GetAt(side)));
}

} // namespace SHAPIX_NAME
