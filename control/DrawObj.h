// CDrawObj: the base of everything the drawing document holds and paints
// (outlines and dimension labels). It carries what every object shares,
// the virtual interface through which the document and the tools drive an
// object, and defaults for a rectangle-shaped object with eight handles.
//
// Pens and brushes are never kept: every drawing operation creates them
// from the LOGPEN/LOGBRUSH members, selects them, selects the previous ones
// back and lets the wrappers delete them.
#pragma once

#include "MyPoint.h"
#include "ShapixCtrl.h"
#include "shape/ShapixMath.h"

class CDrawObjAry;

namespace SHAPIX_NAME {

// The document behind a window that is a control, or null: the operations
// that take a window do nothing without one.
CDrawObjAry* DocumentOf(CWnd* pWnd);

class AFX_EXT_CLASS CDrawObj : public CObject {
    DECLARE_SERIAL(CDrawObj)
public:
    enum TrackerState { trackNone = 0, trackSelected = 1, trackActive = 2 };

    CDrawObj();
    explicit CDrawObj(const CRect& position);
    explicit CDrawObj(CShapixCtrl::CPicDerData* data);
    ~CDrawObj() override;

    void Serialize(CArchive& ar) override;

    virtual void Draw(CDC* pDC, const CDrawObjAry* pDoc);
    virtual void DrawTracker(CDC* pDC, TrackerState state);
    virtual void EditProp(CWnd* pWnd);
    virtual void GetDimPoint(CTypedPtrArray<CObArray, CMyPoint*>& points);
    virtual void GetAllDimPoint(CTypedPtrArray<CObArray, CMyPoint*>& points);
    virtual int GetHandleCount();
    virtual CMyPoint* GetHandle(int nHandle);
    virtual CRect GetObjRect();
    virtual int HitTest(CPoint point);
    virtual int Intersects(const CRect& rect);
    virtual void MoveTo(const CRect& position, CWnd* pWnd);
    virtual void MoveHandleTo(int nHandle, CPoint point, CWnd* pWnd);
    virtual int ObjType();
    virtual CMyPoint* DelSide(const CPoint& point);
    virtual void AddSide(const CPoint& point, CWnd* pWnd);
    virtual int GetPtInterSideIndex(const CPoint& point);
    virtual void EditSide(const CPoint& point, CWnd* pWnd);
    virtual void FillRetData(CShapixCtrl::CPicDerData* data);

    int GetID() { return m_nID; }
    void SetID(int id) { m_nID = id; }
    CString GetName() { return m_strName; }
    void SetName(const wchar_t* name) { m_strName = name; }
    void SetName(CString& name) { m_strName = name; }
    bool Visible() { return m_bVisible; }
    void Visible(bool visible) { m_bVisible = visible; }
    void ReverDraw(int side) { m_nHotSide = side; }
    void GetProps(CStringArray* props);
    void SetProps(CStringArray* props);
    void GetPropInGrid(CStringArray* rows);
    void SetPropInGrid(CStringArray* rows);
    // The 12 x 12 square centred on a handle's rounded point.
    CRect GetHandleRect(int nHandle);
    // Among this object's dimension points, the one whose x is nearest a
    // vertical edge of the rectangle and the one whose y is nearest a
    // horizontal edge; ties keep the earlier point.
    void GetNearXY(CRect& rect, CMyPoint** nearX, CMyPoint** nearY, CWnd* pWnd);

    CRect m_rcPosition;
    BOOL m_bDrawPen;
    LOGPEN m_lpSide; // ordinary sides: solid, 1 pixel, green
    LOGPEN m_lpHotSide; // the highlighted side: solid, 2 pixels, yellow
    BOOL m_bFill;
    LOGBRUSH m_lbFill;
    LOGPEN m_lpTracker; // handle squares
    bool m_bVisible;
    int m_nHotSide; // -1: no side highlighted
    int m_nID;
    CStringArray m_saProps; // name and value alternating
    CString m_strName;

protected:
    void ConCom();
};

} // namespace SHAPIX_NAME
