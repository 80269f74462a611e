// CMyDrawPoly: stroking the sides, the handle squares of a selected outline
// and the rectangle that stands for the outline when it moves.
//
// Pens and brushes live only for one call: made from the LOGPEN/LOGBRUSH
// members, selected, the previous objects selected back before the
// wrappers delete them on the way out.
#include "MyDrawPoly.h"

#include "SideGeometry.h"

namespace SHAPIX_NAME {

namespace {

inline constexpr int kHandleHalf = 6; // a handle is the 12 x 12 square around its rounded point
inline constexpr COLORREF kHandleColour = 0x00FFFF; // yellow: vertices and side midpoints
inline constexpr COLORREF kRefHandleColour = 0xFFFF00; // cyan: the reference point

void DrawHandleSquare(CDC* pDC, const CMyPoint* handle)
{
    if (!handle)
        return;
    const CPoint centre = RoundedPixel(*handle);
    pDC->Rectangle(centre.x - kHandleHalf, centre.y - kHandleHalf, centre.x + kHandleHalf, centre.y + kHandleHalf);
}

} // namespace

// Each side is its own figure (a line or an arc), never a closed path, so
// the brush only matters for a side drawn as a whole circle.
void CMyDrawPoly::Draw(CDC* pDC, const CDrawObjAry*)
{
    if (!pDC || !m_bVisible)
        return;
    CBrush fill;
    if (!fill.CreateBrushIndirect(&m_lbFill))
        return;
    CPen sidePen;
    CPen hotPen;
    if (!sidePen.CreatePenIndirect(&m_lpSide) || !hotPen.CreatePenIndirect(&m_lpHotSide))
        return;

    CGdiObject* oldBrush = m_bFill ? pDC->SelectObject(&fill) : pDC->SelectStockObject(NULL_BRUSH);
    if (m_aVertices.GetSize() >= 2) {
        const int count = PadBulges();
        const ArcFigure* figures = m_sideMemo.Figures(*this);
        for (int side = 0; side < count; ++side) {
            const ArcFigure& figure = figures[side];
            CGdiObject* oldPen = nullptr;
            if (!m_bDrawPen)
                oldPen = pDC->SelectStockObject(NULL_PEN);
            else if (side == m_nHotSide)
                oldPen = pDC->SelectObject(&hotPen);
            else
                oldPen = pDC->SelectObject(&sidePen);
            figure.Draw(pDC->m_hDC);
            pDC->SelectObject(oldPen);
        }
    }
    pDC->SelectObject(oldBrush);
}

// The squares of vertices and side midpoints come first in yellow, the
// reference point's last in cyan, so it stays visible where it sits on a
// vertex. The colours are written into m_lpTracker itself, which therefore
// holds cyan afterwards.
void CMyDrawPoly::DrawTracker(CDC* pDC, TrackerState state)
{
    if (!pDC || (state != trackSelected && state != trackActive))
        return;
    CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
    const int count = PadBulges();

    m_lpTracker.lopnColor = kHandleColour;
    CPen pen;
    pen.CreatePenIndirect(&m_lpTracker);
    CPen* oldPen = pDC->SelectObject(&pen);
    for (int handle = 1; handle <= 2 * count; ++handle)
        DrawHandleSquare(pDC, GetHandle(handle));

    pDC->SelectObject(oldPen);
    m_lpTracker.lopnColor = kRefHandleColour;
    pen.DeleteObject();
    pen.CreatePenIndirect(&m_lpTracker);
    oldPen = pDC->SelectObject(&pen);
    DrawHandleSquare(pDC, GetHandle(2 * count + 1));

    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
}

// Only the vertices count: the rectangle decides whether a move stays inside
// the drawing area, and arcs or the reference point may stick out of it.
// Right and bottom are the largest coordinates themselves.
CRect CMyDrawPoly::GetObjRect()
{
    if (m_aVertices.GetSize() < 2)
        return CRect(0, 0, 0, 0);
    const CPoint first = RoundedPixel(*m_aVertices.GetAt(0));
    const CPoint second = RoundedPixel(*m_aVertices.GetAt(1));
    CRect rect(first.x, first.y, second.x, second.y);
    rect.NormalizeRect();
    for (INT_PTR i = 2; i < m_aVertices.GetSize(); ++i)
        IncludePoint(rect, RoundedPixel(*m_aVertices.GetAt(i)));
    return rect;
}

} // namespace SHAPIX_NAME
