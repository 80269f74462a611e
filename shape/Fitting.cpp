// Fitting the outline to the control's client area, in window coordinates.
#include "PicDerData.h"

#include "Arc.h"
#include "ShapixMath.h"
#include "platform/wnd/AfxWnd.h"

#include <algorithm>
#include <cmath>

void CShapixCtrl::CPicDerData::GetBound(FloatRect& bound)
{
    const INT_PTR n = m_aryPoints.GetSize() / 2;
    // Sides without a bulge are straight; the record keeps the padding.
    while (m_aryBulge.GetSize() < n)
        m_aryBulge.Add(0.0);

    for (INT_PTR i = 0; i < n; ++i) {
        const INT_PTR next = (i + 1 == n) ? 0 : i + 1;
        const Floatpt start(m_aryPoints[2 * i], m_aryPoints[2 * i + 1]);
        const Floatpt end(m_aryPoints[2 * next], m_aryPoints[2 * next + 1]);
        // An arc counts with its midpoint only, not its extreme points.
        const CArc arc(start, end, std::atan(m_aryBulge[i]) * 4 * 180 / SHAPIX_NAME::kPi);
        FloatRect box = arc.GetArcRect();
        if (box.left > box.right)
            std::swap(box.left, box.right);
        if (box.top > box.bottom)
            std::swap(box.top, box.bottom);
        if (i == 0) {
            bound = box;
        } else {
            bound.left = std::min(bound.left, box.left);
            bound.top = std::min(bound.top, box.top);
            bound.right = std::max(bound.right, box.right);
            bound.bottom = std::max(bound.bottom, box.bottom);
        }
    }
    SHAPIX_NAME::IncludePoint(bound, m_ptRef[0], m_ptRef[1]);
}

double CShapixCtrl::CPicDerData::GetRatio(CRect& rect)
{
    ::InflateRect(&rect, SHAPIX_NAME::TruncToInt(-0.25 * (rect.right - rect.left)),
        SHAPIX_NAME::TruncToInt(-0.25 * (rect.bottom - rect.top)));
    FloatRect bound(0, 0, 0, 0);
    GetBound(bound);
    const double rx = (rect.right - rect.left) / std::fabs(bound.right - bound.left);
    const double ry = (rect.bottom - rect.top) / std::fabs(bound.bottom - bound.top);
    return ry <= rx ? ry : rx;
}

void CShapixCtrl::CPicDerData::Offset(const Floatpt& delta)
{
    const INT_PTR n = m_aryPoints.GetSize() / 2;
    for (INT_PTR i = 0; i < n; ++i) {
        m_aryPoints[2 * i] += delta.x;
        m_aryPoints[2 * i + 1] += delta.y;
    }
    m_ptRef[0] += delta.x;
    m_ptRef[1] += delta.y;
}

void CShapixCtrl::CPicDerData::AdjustToWnd(const CWnd* pWnd)
{
    if (!pWnd)
        return;
    CRect rc;
    pWnd->GetClientRect(&rc);

    FloatRect bound(0, 0, 0, 0);
    GetBound(bound);
    Offset(Floatpt(-bound.left, -bound.top));

    double k = GetRatio(rc);
    // A box without width sets no limit across (its quotient is infinite and
    // the other one wins). A box without width and height (one vertex, or a
    // reference point on the vertex) or an empty client area would give an
    // infinite, undefined or zero scale: the outline then keeps its size and
    // is only centred.
    if (!std::isfinite(k) || k <= 0)
        k = 1.0;
    if (std::fabs(1 - k) >= SHAPIX_NAME::kTolerance) {
        for (INT_PTR i = 0; i < m_aryPoints.GetSize(); ++i)
            m_aryPoints[i] *= k;
        m_ptRef[0] *= k;
        m_ptRef[1] *= k;
    }

    GetBound(bound);
    const int cx = (rc.left + rc.right) / 2;
    const int cy = (rc.top + rc.bottom) / 2;
    Offset(Floatpt(cx - (bound.left + bound.right) * 0.5, cy - (bound.top + bound.bottom) * 0.5));
}
