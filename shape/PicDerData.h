// CShapixCtrl::CPicDerData: the shape record through which the host hands
// one outline to the control and gets it back, with its TAB-separated string
// forms and the region line intersection in model coordinates.
//
// String form: a list of fields, each followed by a TAB (the last one too).
// Numbers are written "%.5lf" and read with _wtof; side-type codes are
// written "%d\t" and read with _wtoi; names are taken as they stand.
#pragma once

#include "control/ShapixCtrl.h"
#include "platform/AfxCollections.h"
#include "platform/AfxGeometry.h"
#include "platform/AfxString.h"
#include "shape/FloatGeom.h"

class CWnd;

class AFX_EXT_CLASS CShapixCtrl::CPicDerData : public CObject {
public:
    CPicDerData();
    // The name and the two integers are not used.
    CPicDerData(CString& name, int reserved1, int reserved2, CArray<double, const double&>& points,
        CArray<double, const double&>& auxPoints);
    ~CPicDerData() override;

    void Init();

    // Exchange with the host. Null string pointers leave their field alone
    // (SetData) or unwritten (GetData); the two reference point pointers
    // always point at two doubles each.
    void SetData(const LONG& id, const CString* points, const CString* auxPoints, const CString* sideTypes,
        const CString* sideTypeNames, const CString* bulges, const double* const refPoint,
        const double* const auxRefPoint);
    void GetData(CString* points, CString* auxPoints, CString* sideTypes, CString* sideTypeNames, CString* bulges,
        double* const refPoint, double* const auxRefPoint);

    void GetPointsFromStr(const CString& s, CArray<double, const double&>& out);
    void GetBulgeFromstrAry(const CString& s, CArray<double, const double&>& out) { GetPointsFromStr(s, out); }
    void WriValFromArray(CString& s, CArray<double, const double&>& ary);
    void WriPointsFromDwAry(CString& s, CArray<double, const double&>& ary) { WriValFromArray(s, ary); }
    void GetPropFromstrAry(const CString& s, CStringArray& out);
    void WriPropFromstrAry(CString& s, CStringArray& ary);
    // The value of the last name/value pair whose name equals the given one.
    CString GetPicPropVal(CString& name, CStringArray* ary);

    // Crossing of the lines p1 p2 and p3 p4: -1 when parallel (out untouched),
    // 1 when it lies on both segments (end points included), otherwise 0;
    // out receives the crossing in both latter cases.
    int CalInt(double* const p1, double* const p2, double* const p3, double* const p4, double* const out);
    void OffsetLine(double* const p1, double* const p2, double* const out1, double* const out2, double dist);

    // Cuts the region of the model outline with parallel lines (margin and
    // spacing in model units, angle in degrees) and appends one group of
    // sorted crossings per line to the result.
    void RegionInt(double margin, double angle, int spacing, CRetLinesMng& result);

    // Moves and scales the window coordinates so that the outline, arcs and
    // reference point included, fills the middle half of the window's client
    // area in its tighter direction, centred. Model coordinates stay.
    void AdjustToWnd(const CWnd* pWnd);
    void GetRect(CRect& box);

    LONG m_nID;
    CString m_strName;
    CArray<double, const double&> m_aryPoints; // window x0, y0, x1, y1, ...
    CArray<double, const double&> m_aryAuxPts; // model x0, y0, ...; -1, -1 = none
    CArray<double, const double&> m_aryBulge; // one per side
    double m_ptRef[4]; // window x, y, model x, y
    bool m_bRefSet;
    CUIntArray m_arySideType; // one per side, an index into the names
    CStringArray m_aryProp; // the side-type names

protected:
    double DecToFGrd(double degrees);

    void GetBound(FloatRect& bound);
    double GetRatio(CRect& rect);
    void Offset(const Floatpt& delta);

    CRect GetRect(CPoint& a, CPoint& b, int unused);
    void GetOffsetLines(CRect& box, CPoint& first, CPoint& last, double angle, int spacing, CDWordArray& lines);
    int GetRectIntLine(CRect& box, CPoint& point, double angle, CPoint& out1, CPoint& out2);
    void RegionIntLine(CPoint& from, CPoint& to, CDWordArray& points);
    void SortPoints(CDWordArray& points, double angle);
    int FindMinIdx(CDWordArray& points, int key);
};
