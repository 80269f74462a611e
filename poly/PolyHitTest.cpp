// CMyDrawPoly: which handle lies under the cursor and which side passes
// through a point, in client pixels on rounded coordinates.
#include "MyDrawPoly.h"

#include "SideGeometry.h"

#include <cstdint>

namespace SHAPIX_NAME {

namespace {

inline constexpr int kProbeHalf = 2; // GetPtInterSideIndex probes the 4 x 4 square around its point

// All four edges belong to the square, so a handle catches 13 x 13 pixels.
bool InsideWithEdges(const CRect& rect, const CPoint& point)
{
    return rect.left <= point.x && point.x <= rect.right && rect.top <= point.y && point.y <= rect.bottom;
}

} // namespace

// The reference point is tried first so that it can still be grabbed where
// it sits on a vertex; vertices come before midpoints for the same reason.
// A straight side's midpoint sits on its start vertex and is never returned.
int CMyDrawPoly::HitTest(CPoint point)
{
    const int count = PadBulges();
    const int refHandle = 2 * count + 1;
    if (InsideWithEdges(GetHandleRect(refHandle), point))
        return refHandle;
    for (int handle = 1; handle < refHandle; ++handle) {
        if (InsideWithEdges(GetHandleRect(handle), point))
            return handle;
    }
    return 0;
}

// Only the centre of the rectangle is probed; its extent plays no part.
// The result is the side number plus one, so 0 can mean "no side".
int CMyDrawPoly::Intersects(const CRect& rect)
{
    // 64-bit sums: halves of two ints always fit, their sum may not.
    const CPoint probe(static_cast<int>((std::int64_t { rect.left } + rect.right) / 2),
        static_cast<int>((std::int64_t { rect.top } + rect.bottom) / 2));
    const INT_PTR count = m_aVertices.GetSize();
    for (INT_PTR side = 0; side < count; ++side) {
        if (SideArc(*this, side).PtOnArc(probe))
            return static_cast<int>(side + 1);
    }
    return 0;
}

int CMyDrawPoly::GetPtInterSideIndex(const CPoint& point)
{
    const CRect square(platform::WrapSub(point.x, kProbeHalf), platform::WrapSub(point.y, kProbeHalf),
        platform::WrapAdd(point.x, kProbeHalf), platform::WrapAdd(point.y, kProbeHalf));
    return Intersects(square) - 1;
}

} // namespace SHAPIX_NAME
