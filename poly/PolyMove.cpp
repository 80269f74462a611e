// CMyDrawPoly: dragging the whole outline or one of its handles, with
// snapping onto the outline's own vertices and onto the dimension points of
// other objects.
//
// Snapping pulls a coordinate onto a partner's exactly when the two rounded
// values are near (less than 5 pixels apart, CDrawObjAry::IsNear). Only
// window coordinates move; model coordinates belong to the dimension chains.
#include "MyDrawPoly.h"

#include "SideGeometry.h"
#include "control/DrawObjAry.h"

#include <cstdint>
#include <memory>

namespace SHAPIX_NAME {

namespace {

// Whole pixels plus an offset, in doubles: the offset is at most a window's
// size, and a wild reference point must not overflow an int on the way.
void ShiftToWholePixels(CMyPoint& point, int dx, int dy)
{
    point.m_x = static_cast<double>(RoundToPixel(point.m_x)) + dx;
    point.m_y = static_cast<double>(RoundToPixel(point.m_y)) + dy;
}

struct SnapPartners {
    CMyPoint* pointX = nullptr;
    CMyPoint* pointY = nullptr;
    CDrawObj* ownerX = nullptr;
    CDrawObj* ownerY = nullptr;
};

SnapPartners FindSnapPartners(CDrawObjAry& doc, CMyDrawPoly* poly, CWnd* pWnd)
{
    SnapPartners partners;
    // Whether every partner was found does not matter: each axis is checked
    // on its own below.
    doc.GetSnapObj(poly, &partners.pointX, &partners.pointY, &partners.ownerX, &partners.ownerY, pWnd);
    return partners;
}

} // namespace

// The first vertex in order that is near wins, not the nearest one.
bool CMyDrawPoly::FindNearVertexCoord(bool xAxis, int skip, int value, int& found, CWnd* pWnd)
{
    if (!DocumentOf(pWnd))
        return false;
    for (INT_PTR i = 0; i < m_aVertices.GetSize(); ++i) {
        if (i == skip)
            continue;
        const CMyPoint* vertex = m_aVertices.GetAt(i);
        const int coord = RoundToPixel(xAxis ? vertex->m_x : vertex->m_y);
        if (CDrawObjAry::IsNear(value, coord)) {
            found = coord;
            return true;
        }
    }
    return false;
}

// The select tool passes the step of the drag in the rectangle's top-left
// corner (an outline's m_rcPosition stays empty); right and bottom are not
// read.
void CMyDrawPoly::MoveTo(const CRect& position, CWnd* pWnd)
{
    CDrawObjAry* doc = DocumentOf(pWnd);
    if (!doc)
        return;
    const int dx = position.left;
    const int dy = position.top;

    // The move is refused whole when a vertex would leave the drawing area.
    // Sums in 64 bits, so that a huge step cannot wrap round into the area.
    const CRect bound = GetObjRect();
    if (std::int64_t { bound.left } + dx < 0 || std::int64_t { bound.top } + dy < 0
        || std::int64_t { bound.right } + dx > doc->GetDrawWidth()
        || std::int64_t { bound.bottom } + dy > doc->GetDrawHeight())
        return;

    for (INT_PTR i = 0; i < m_aVertices.GetSize(); ++i)
        ShiftToWholePixels(*m_aVertices.GetAt(i), dx, dy);
    ShiftToWholePixels(m_ptRef, dx, dy);

    // Snap by shifting the whole outline so that one of its vertices meets
    // the partner's coordinate. The reference point is left out of this
    // correction, so it can drift against the vertices by the snap distance.
    const SnapPartners partners = FindSnapPartners(*doc, this, pWnd);
    int snapX = 0;
    int snapY = 0;
    int coord = 0;
    if (partners.pointX && partners.ownerX) {
        const int target = RoundToPixel(partners.pointX->m_x);
        if (FindNearVertexCoord(true, -1, target, coord, pWnd))
            snapX = target - coord;
    }
    if (partners.pointY && partners.ownerY) {
        const int target = RoundToPixel(partners.pointY->m_y);
        if (FindNearVertexCoord(false, -1, target, coord, pWnd))
            snapY = target - coord;
    }
    for (INT_PTR i = 0; i < m_aVertices.GetSize(); ++i)
        ShiftToWholePixels(*m_aVertices.GetAt(i), snapX, snapY);

    doc->MakeSelDims(this, pWnd);
    doc->FlushRedraw();
}

// Handles: vertices 1..n, side midpoints n+1..2n, the reference point 2n+1.
// Dragging a vertex keeps the bulges of its two sides, so they keep their
// sweep and their radius follows the new chord. Dragging a side's midpoint
// bends that side into the arc from its start through the point to its end.
void CMyDrawPoly::MoveHandleTo(int nHandle, CPoint point, CWnd* pWnd)
{
    CDrawObjAry* doc = DocumentOf(pWnd);
    if (!doc)
        return;
    PadBulges();
    const INT_PTR count = m_aVertices.GetSize();
    const INT_PTR handle = nHandle;

    // Where the handle stands now; numbers below 1 raise the invalid-argument
    // exception through the vertex accessor.
    CPoint current(0, 0);
    if (handle <= count)
        current = RoundedPixel(*m_aVertices.GetAt(handle - 1));
    else if (handle <= 2 * count) {
        // Only the held side's midpoint, as GetSideMidPoints computes it:
        // all of them on every drag step cost as much as the rest together.
        const Floatpt mid = SideArc(*this, static_cast<int>(handle - count - 1)).GetMidPt();
        current = CPoint(TruncToInt(mid.x), TruncToInt(mid.y));
    }
    else if (handle == 2 * count + 1)
        current = RoundedPixel(m_ptRef);
    // Same place, no change: the document is not even told.
    if (current == point)
        return;

    // The outline's own vertices first; a vertex must not snap onto itself,
    // but midpoint and reference handles may meet any vertex.
    const int skip = handle <= count ? nHandle - 1 : -1;
    int x = point.x;
    int y = point.y;
    const bool snappedX = FindNearVertexCoord(true, skip, point.x, x, pWnd);
    const bool snappedY = FindNearVertexCoord(false, skip, point.y, y, pWnd);
    if (!snappedX || !snappedY) {
        const SnapPartners partners = FindSnapPartners(*doc, this, pWnd);
        if (!snappedX && partners.pointX) {
            const int target = RoundToPixel(partners.pointX->m_x);
            if (CDrawObjAry::IsNear(target, point.x))
                x = target;
        }
        if (!snappedY && partners.pointY) {
            const int target = RoundToPixel(partners.pointY->m_y);
            if (CDrawObjAry::IsNear(target, point.y))
                y = target;
        }
    }

    if (handle <= count) {
        CMyPoint* vertex = m_aVertices.GetAt(handle - 1);
        vertex->m_x = x;
        vertex->m_y = y;
    } else if (handle <= 2 * count) {
        // A fit through a point level with either end, or on the chord,
        // leaves the sweep at 0 and so straightens the side.
        const INT_PTR side = handle - count - 1;
        CArc arc(RoundedPoint(*m_aVertices.GetAt(side)), RoundedPoint(*m_aVertices.GetAt((side + 1) % count)), 0);
        arc.FitThroughPt(Floatpt(x, y));
        m_aBulge.SetAt(side, BulgeFromSweep(arc.m_dAngle));
    } else if (handle == 2 * count + 1) {
        m_ptRef.m_x = x;
        m_ptRef.m_y = y;
    }

    doc->MakeSelDims(this, pWnd);
    doc->FlushRedraw();
}

} // namespace SHAPIX_NAME
