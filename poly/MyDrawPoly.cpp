// CMyDrawPoly: the outline's model, its construction from a shape record,
// handle numbering, dimension points and the write-back to the host.
//
// Drawing is in PolyDraw.cpp, hit tests in PolyHitTest.cpp, dragging and
// snapping in PolyMove.cpp, side editing in PolySides.cpp.
#include "MyDrawPoly.h"

#include "SideGeometry.h"
#include "shape/PicDerData.h"

#include <cstdint>
#include <memory>

namespace SHAPIX_NAME {

IMPLEMENT_SERIAL(CMyDrawPoly, CDrawObj, 1)

CMyDrawPoly::CMyDrawPoly()
{
    // Outlines are stroked and never filled: the picture shows the sides
    // and whatever lies between them.
    m_bDrawPen = TRUE;
    m_bFill = FALSE;
}

CMyDrawPoly::CMyDrawPoly(CShapixCtrl::CPicDerData* data)
    : CDrawObj(data)
{
    m_bDrawPen = TRUE;
    m_bFill = FALSE;
    if (!data)
        return;

    // An odd trailing value has no partner and is dropped. Model points
    // are only trusted when they pair up one to one with the window points;
    // otherwise every vertex goes without them (-1, -1).
    const CArray<double, const double&>& points = data->m_aryPoints;
    const CArray<double, const double&>& model = data->m_aryAuxPts;
    const INT_PTR count = points.GetSize() / 2;
    const bool withModel = model.GetSize() / 2 == count;
    for (INT_PTR i = 0; i < count; ++i) {
        const double x = points[2 * i];
        const double y = points[2 * i + 1];
        if (withModel)
            m_aVertices.Add(new CMyPoint(x, y, model[2 * i], model[2 * i + 1], 0));
        else
            m_aVertices.Add(new CMyPoint(x, y, 0));
    }

    m_aBulge.RemoveAll();
    m_aBulge.Copy(data->m_aryBulge);
    PadBulges();

    m_ptRef.m_x = data->m_ptRef[0];
    m_ptRef.m_y = data->m_ptRef[1];
    m_ptRef.m_auxX = data->m_ptRef[2];
    m_ptRef.m_auxY = data->m_ptRef[3];
    if (!data->m_bRefSet)
        CentreRefPoint();

    m_saSideTypes.Copy(data->m_aryProp);
    m_aSideType.Copy(data->m_arySideType);
    PadSideTypes();
}

CMyDrawPoly::~CMyDrawPoly()
{
    for (INT_PTR i = m_aVertices.GetSize() - 1; i >= 0; --i)
        delete m_aVertices.GetAt(i);
    m_aVertices.RemoveAll();
}

void CMyDrawPoly::Serialize(CArchive& ar)
{
    CDrawObj::Serialize(ar);
}

// Longer arrays are kept as they are: the host gets back every value it
// handed in, even those no side uses.
int CMyDrawPoly::PadBulges()
{
    const INT_PTR count = m_aVertices.GetSize();
    while (m_aBulge.GetSize() < count)
        m_aBulge.Add(0.0);
    return static_cast<int>(count);
}

void CMyDrawPoly::PadSideTypes()
{
    const INT_PTR count = m_aVertices.GetSize();
    while (m_aSideType.GetSize() < count)
        m_aSideType.Add(0);
}

// A straight side turns by 0 about its centre, so its midpoint lands on its
// start vertex; only arc sides get a midpoint of their own.
int* CMyDrawPoly::GetSideMidPoints(int& count)
{
    count = PadBulges();
    int* mids = new int[2 * static_cast<size_t>(count)];
    for (int side = 0; side < count; ++side) {
        const Floatpt mid = SideArc(*this, side).GetMidPt();
        mids[2 * side] = TruncToInt(mid.x);
        mids[2 * side + 1] = TruncToInt(mid.y);
    }
    return mids;
}

// Without vertices the rectangle starts from what the caller passed in, so
// the reference point is always inside it.
void CMyDrawPoly::GetVertexBound(CRect& rect)
{
    for (INT_PTR i = 0; i < m_aVertices.GetSize(); ++i) {
        const CPoint p = RoundedPixel(*m_aVertices.GetAt(i));
        if (i == 0)
            rect.SetRect(p.x, p.y, p.x, p.y);
        else
            IncludePoint(rect, p);
    }
    IncludePoint(rect, RoundedPixel(m_ptRef));
}

// The reference point as it stood is part of the bound, so a record that
// never set one (all zero) brings the origin into it and the centre moves
// towards the origin. Hosts see the reference point there, so the old point
// is not left out of the bound.
void CMyDrawPoly::CentreRefPoint()
{
    CRect bound(0, 0, 0, 0);
    GetVertexBound(bound);
    // 64-bit sums: the halves of two ints always fit, their sum may not.
    m_ptRef.m_x = static_cast<double>((std::int64_t { bound.left } + bound.right) / 2);
    m_ptRef.m_y = static_cast<double>((std::int64_t { bound.top } + bound.bottom) / 2);
}

int CMyDrawPoly::GetHandleCount()
{
    return 2 * PadBulges() + 1;
}

// Midpoint handles share one scratch point, valid until the next call.
CMyPoint* CMyDrawPoly::GetHandle(int nHandle)
{
    const INT_PTR count = m_aVertices.GetSize();
    const INT_PTR handle = nHandle;
    // Numbers below 1 fall through to the checked accessor, which raises
    // the invalid-argument exception the callers expect.
    if (handle <= count)
        return m_aVertices.GetAt(handle - 1);
    if (handle <= 2 * count) {
        // Only this side's midpoint, as GetSideMidPoints computes it: the
        // tracker and the hit test ask for every handle in turn, and all
        // midpoints each time made them quadratic in the side count.
        PadBulges();
        const POINT mid = m_sideMemo.MidPoint(*this, handle - count - 1);
        m_ptMidHandle.m_x = mid.x;
        m_ptMidHandle.m_y = mid.y;
        return &m_ptMidHandle;
    }
    if (handle == 2 * count + 1)
        return &m_ptRef;
    return nullptr;
}

// The reference point comes last, so the dimension chains treat it like one
// more vertex of the outline.
void CMyDrawPoly::GetAllDimPoint(CTypedPtrArray<CObArray, CMyPoint*>& points)
{
    for (INT_PTR i = 0; i < m_aVertices.GetSize(); ++i)
        points.Add(m_aVertices.GetAt(i));
    points.Add(&m_ptRef);
}

void CMyDrawPoly::GetDimPoint(CTypedPtrArray<CObArray, CMyPoint*>& points)
{
    if (m_bVisible)
        GetAllDimPoint(points);
}

// Window coordinates go back as whole pixels, model coordinates exactly as
// they are: the host computes with the latter and only displays the former.
void CMyDrawPoly::FillRetData(CShapixCtrl::CPicDerData* data)
{
    if (!data)
        return;
    data->m_aryPoints.RemoveAll();
    data->m_aryAuxPts.RemoveAll();
    for (INT_PTR i = 0; i < m_aVertices.GetSize(); ++i) {
        const CMyPoint* vertex = m_aVertices.GetAt(i);
        data->m_aryPoints.Add(RoundToPixel(vertex->m_x));
        data->m_aryPoints.Add(RoundToPixel(vertex->m_y));
        data->m_aryAuxPts.Add(vertex->m_auxX);
        data->m_aryAuxPts.Add(vertex->m_auxY);
    }

    data->m_aryBulge.RemoveAll();
    data->m_aryBulge.Append(m_aBulge);

    data->m_ptRef[0] = RoundToPixel(m_ptRef.m_x);
    data->m_ptRef[1] = RoundToPixel(m_ptRef.m_y);
    data->m_ptRef[2] = m_ptRef.m_auxX;
    data->m_ptRef[3] = m_ptRef.m_auxY;
    data->m_bRefSet = true;

    data->m_arySideType.Copy(m_aSideType);
    data->m_aryProp.Copy(m_saSideTypes);
    CDrawObj::FillRetData(data);
}

} // namespace SHAPIX_NAME
