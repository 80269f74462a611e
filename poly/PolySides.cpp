// CMyDrawPoly: adding, deleting and editing sides.
//
// A side is addressed by the point the user clicked: the first side whose
// hit band holds the point (GetPtInterSideIndex). Vertices, bulges and side
// types are inserted and removed together so the three arrays stay parallel,
// entries past the vertex count that the host brought along included.
#include "MyDrawPoly.h"

#include "control/DrawObjAry.h"
#include "dialogs/EditSideDlg.h"
#include "res/ShapixResources.h"
#include "shape/Arc.h"

#include <cmath>
#include <memory>

namespace SHAPIX_NAME {

namespace {

inline constexpr INT_PTR kMinVertices = 3; // fewer would no longer enclose a region

// The dialog shows five decimals; rounding here keeps an untouched value
// from carrying digits the user never saw. A value too large to scale has
// no digits below the fifth anyway and is kept as it is, so the edit shows
// a number it can read back.
double Round5(double value)
{
    const double scaled = value * 100000;
    if (!std::isfinite(scaled))
        return value;
    return std::floor(scaled + 0.5) * 0.00001;
}

Floatpt ModelPoint(const CMyPoint& point)
{
    return Floatpt(point.m_auxX, point.m_auxY);
}

// An infinite angle (the edit reads "1e999" as infinity) and one so large
// that the conversion overflows give no bulge; the side then keeps its own.
bool BulgeForSweep(double sweep, double& bulge)
{
    const double converted = BulgeFromSweep(sweep);
    if (!std::isfinite(converted))
        return false;
    bulge = converted;
    return true;
}

} // namespace

// The new vertex splits the side: both halves keep the side's bulge (an
// arc becomes two arcs of the same sweep each) and its type. On the
// closing side the new vertex becomes vertex 0, between the last vertex
// and the old first one.
void CMyDrawPoly::AddSide(const CPoint& point, CWnd* pWnd)
{
    const int count = PadBulges();
    const int side = GetPtInterSideIndex(point);
    if (side < 0)
        return;
    const INT_PTR index = side + 1 == count ? 0 : side + 1;

    const double bulge = m_aBulge.GetAt(side);
    const UINT sideType = m_aSideType.GetAt(side);
    auto vertex = std::make_unique<CMyPoint>(point.x, point.y, 0); // no model position until the chains set one
    m_aBulge.InsertAt(index, bulge);
    m_aSideType.InsertAt(index, sideType);
    m_aVertices.InsertAt(index, vertex.get());
    CMyPoint* added = vertex.release();

    // Each axis snaps on its own onto the first other vertex within 4
    // pixels of the click.
    const int skip = static_cast<int>(index);
    int coord = 0;
    if (FindNearVertexCoord(true, skip, point.x, coord, pWnd))
        added->m_x = coord;
    if (FindNearVertexCoord(false, skip, point.y, coord, pWnd))
        added->m_y = coord;
}

// The clicked side loses its end vertex and runs on to the vertex after
// it, keeping its own bulge and type; the side that started there is gone.
// The caller gets the destroyed vertex's address only as a key for the
// dimension relations that still name it.
CMyPoint* CMyDrawPoly::DelSide(const CPoint& point)
{
    const INT_PTR count = m_aVertices.GetSize();
    if (count <= kMinVertices)
        return nullptr;
    const int side = GetPtInterSideIndex(point);
    if (side < 0)
        return nullptr;
    const INT_PTR index = side + 1 == count ? 0 : side + 1;

    CMyPoint* removed = m_aVertices.GetAt(index);
    m_aVertices.RemoveAt(index);
    delete removed;
    m_aBulge.RemoveAt(index);
    m_aSideType.RemoveAt(index);
    return removed;
}

// The dialog's lengths are model lengths: the arc is built on the model
// positions of the side's ends, not on its pixels. An end without a model
// position (-1, -1) gives a zero chord, so only an angle can bend the side.
void CMyDrawPoly::EditSide(const CPoint& point, CWnd* pWnd)
{
    // Template 1004 lives in the library's module, whatever the host has
    // made current; the scope restores the host's handle on every way out.
    const ShapixResourceScope libraryResources;

    const int count = PadBulges();
    const int side = GetPtInterSideIndex(point);
    if (side < 0)
        return;
    const CMyPoint& start = *m_aVertices.GetAt(side);
    const CMyPoint& end = *m_aVertices.GetAt((side + 1) % count);

    const double sweep = Round5(SweepFromBulge(m_aBulge.GetAt(side)));
    const CArc arc(ModelPoint(start), ModelPoint(end), sweep);
    // The radius carries the sweep's sign, so that the user sees which way
    // the arc turns and can enter the other way with a negative radius.
    const double radius = Round5(sweep < 0 ? -arc.GetRadius() : arc.GetRadius());
    const double arch = Round5(arc.GetArchHeight());

    CEditSideDlg dlg(nullptr);
    dlg.m_dAngle = sweep;
    dlg.m_dArch = arch;
    dlg.m_dRadius = radius;
    dlg.m_saSideTypes.Copy(m_saSideTypes);
    PadSideTypes();
    dlg.m_nSideType = static_cast<int>(m_aSideType.GetAt(side));
    if (dlg.DoModal() != IDOK)
        return;

    double newSweep = dlg.m_dAngle;
    switch (dlg.m_nValueType) {
    case CEditSideDlg::valueRadius:
        // A radius below half the chord has no circle through both ends.
        // AngleFromRadius answers it with the tightest arc there is, the
        // half circle (±180 with the radius's sign): what a user asking for
        // "as tight as possible" wants, and never a non-number.
        newSweep = arc.AngleFromRadius(dlg.m_dRadius);
        break;
    case CEditSideDlg::valueArch:
        newSweep = arc.AngleFromArch(dlg.m_dArch);
        break;
    default:
        break;
    }

    double bulge = 0.0;
    if (BulgeForSweep(newSweep, bulge))
        m_aBulge.SetAt(side, bulge);
    // No selection stores -1, all bits set; the next opening shows it as
    // the first name.
    m_aSideType.SetAt(side, static_cast<UINT>(dlg.m_nSideType));

    if (CDrawObjAry* doc = DocumentOf(pWnd))
        doc->SetRedraw();
}

} // namespace SHAPIX_NAME
