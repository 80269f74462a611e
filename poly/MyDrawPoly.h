// CMyDrawPoly: the outline as a draw object, a closed polygon whose sides
// are straight lines or circular arcs stored as bulges.
//
// Sides: with n vertices there are n sides; side k runs from vertex k to
// vertex k + 1 and the last one back to vertex 0; side k's bulge and type
// have index k. Handles count from 1: vertices 1..n, side midpoints
// n+1..2n, the reference point 2n+1.
//
// Each vertex carries its window position (client pixels: drawing, hit
// tests, dragging) and its model position (host units, set by the
// dimension chains and written back to the host unchanged otherwise).
#pragma once

#include "SideMemo.h"
#include "control/DrawObj.h"

namespace SHAPIX_NAME {

class AFX_EXT_CLASS CMyDrawPoly : public CDrawObj {
    DECLARE_SERIAL(CMyDrawPoly)
public:
    CMyDrawPoly();
    explicit CMyDrawPoly(CShapixCtrl::CPicDerData* data);
    ~CMyDrawPoly() override;

    void Serialize(CArchive& ar) override;

    void Draw(CDC* pDC, const CDrawObjAry* pDoc) override;
    void DrawTracker(CDC* pDC, TrackerState state) override;
    void GetDimPoint(CTypedPtrArray<CObArray, CMyPoint*>& points) override;
    void GetAllDimPoint(CTypedPtrArray<CObArray, CMyPoint*>& points) override;
    int GetHandleCount() override;
    CMyPoint* GetHandle(int nHandle) override;
    CRect GetObjRect() override;
    int HitTest(CPoint point) override;
    int Intersects(const CRect& rect) override;
    void MoveTo(const CRect& position, CWnd* pWnd) override;
    void MoveHandleTo(int nHandle, CPoint point, CWnd* pWnd) override;
    CMyPoint* DelSide(const CPoint& point) override;
    void AddSide(const CPoint& point, CWnd* pWnd) override;
    int GetPtInterSideIndex(const CPoint& point) override;
    void EditSide(const CPoint& point, CWnd* pWnd) override;
    void FillRetData(CShapixCtrl::CPicDerData* data) override;

    // Grows the bulges (0.0) and side types (0) to the vertex count; never
    // cuts them.
    int PadBulges();
    void PadSideTypes();
    // The midpoint of every side in side order, truncated to integers
    // (x, y pairs); count receives n. The caller frees the array with delete[].
    int* GetSideMidPoints(int& count);
    void GetVertexBound(CRect& rect);
    void CentreRefPoint();
    // A vertex other than `skip` whose rounded x (or y) is near `value`.
    bool FindNearVertexCoord(bool xAxis, int skip, int value, int& found, CWnd* pWnd);

    CTypedPtrArray<CObArray, CMyPoint*> m_aVertices; // owned
    CMyPoint m_ptRef; // the reference point
    CArray<double, const double&> m_aBulge; // one per side
    CMyPoint m_ptMidHandle; // scratch point for side-midpoint handles
    CUIntArray m_aSideType; // one per side: an index into m_saSideTypes
    CStringArray m_saSideTypes; // the side-type names the side dialog offers

private:
    SideMemo m_sideMemo; // side figures and midpoints of the last paint
};

} // namespace SHAPIX_NAME
