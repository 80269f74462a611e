// CArc: the geometry of one side of an outline, as start point, end point
// and signed sweep angle in degrees (0 = straight side, positive = clockwise
// on the screen). The polygon builds one from two rounded vertices and the
// side's bulge whenever it needs the side's geometry; nothing keeps them.
//
// With start (0, 0), end (10, 0) and sweep 90 the centre is (5, 5) and the
// arc passes above the chord through (5, -2.07).
#pragma once

#include "FloatGeom.h"
#include "platform/AfxGeometry.h"
#include "platform/AfxObject.h"

class CDC;

namespace SHAPIX_NAME {

// The one GDI figure that strokes a side, with its integer arguments: a
// segment (MoveToEx to `from`, LineTo `to`), a whole circle (Ellipse over
// `box`) or an arc over `box` from the radial `from` to the radial `to`.
// Worked out once it can be drawn again without the arc geometry.
struct ArcFigure {
    enum Kind { segment, circle, arc };
    Kind kind = segment;
    int box[4] = { 0, 0, 0, 0 }; // left, top, right, bottom as the drawing call takes them
    POINT from { 0, 0 };
    POINT to { 0, 0 };

    // The result CArc::Draw gives: 1, or Arc's own result.
    int Draw(HDC hdc) const;
};

class CArc : public CObject {
    DECLARE_DYNAMIC(CArc)
public:
    CArc();
    CArc(Floatpt start, Floatpt end, double angle);
    ~CArc() override;

    void SetStartPt(const Floatpt& pt) { m_ptStart = pt; }
    void SetEndPt(const Floatpt& pt) { m_ptEnd = pt; }
    void SetAngle(const double& angle) { m_dAngle = angle; }

    Floatpt GetCenter() const;
    double GetRadius() const;
    Floatpt GetMidPt() const;
    FloatRect GetArcRect() const;
    // The circle's box, with its larger y in the top field: the drawing
    // calls take it as it is.
    FloatRect GetDrawRect() const;

    int Draw(CDC* pDC);
    ArcFigure GetFigure() const;
    bool PtOnArc(const CPoint& point) const;
    void FitThroughPt(const Floatpt& point);

    // Side-dialog conversions, with a = half the chord.
    double GetArchHeight() const;
    double AngleFromArch(double archHeight) const;
    double AngleFromRadius(double radius) const;

    // Direction of the vector from (x1, y1) to (x2, y2) in degrees within
    // [0, 360), counted counter-clockwise on the screen from the x axis.
    static void CalAngle(double x1, double y1, double x2, double y2, double* angle);
    double GetDistance(Floatpt a, Floatpt b) const;
    // Solves a1·x + b1·y = c1, a2·x + b2·y = c2: 1 when solved, -1 (x and y
    // untouched) when the system is singular.
    static int SolveLinear2(double a1, double b1, double c1, double a2, double b2, double c2, double* x, double* y);

    Floatpt m_ptStart;
    Floatpt m_ptEnd;
    double m_dAngle;
};

} // namespace SHAPIX_NAME

using SHAPIX_NAME::CArc;
