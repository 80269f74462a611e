#include "Arc.h"

#include "platform/Region.h"
#include "platform/gdi/AfxDC.h"

#include <cmath>

namespace SHAPIX_NAME {

IMPLEMENT_DYNAMIC(CArc, CObject)

namespace {

inline constexpr double kHitBand = 4.0; // half width of a straight side's hit band, pixels
inline constexpr double kHitRing = 10.0; // half width of a curved side's hit ring, pixels

double RaiseToPositive(double angle)
{
    while (angle < 0)
        angle += 360;
    return angle;
}

} // namespace

CArc::CArc()
    : m_ptStart(0.0, 0.0)
    , m_ptEnd(0.0, 0.0)
    , m_dAngle(0.0)
{
}

CArc::CArc(Floatpt start, Floatpt end, double angle)
    : m_ptStart(start)
    , m_ptEnd(end)
    , m_dAngle(angle)
{
}

CArc::~CArc() = default;

Floatpt CArc::GetCenter() const
{
    const Floatpt& s = m_ptStart;
    const Floatpt& e = m_ptEnd;
    const Floatpt chordMiddle((s.x + e.x) * 0.5, (s.y + e.y) * 0.5);

    // Whole turns are taken off the magnitude. fmod gives exactly what
    // subtracting 360 repeatedly gives, and ends for sweeps so large that
    // the subtraction would no longer change them.
    double magnitude = std::fabs(m_dAngle);
    if (magnitude >= 360)
        magnitude = std::fmod(magnitude, 360.0);
    const double a = m_dAngle < 0 ? -magnitude : magnitude;
    if (a == 0)
        return chordMiddle;

    const double r = a * kDegToRad;
    const double c = std::cos(r);
    const double s1 = std::sin(r);
    // Near a whole turn (and for tiny sweeps) the centre runs off to
    // infinity; the chord's middle stands in for it.
    if (std::fabs(1 - c) < kTolerance)
        return chordMiddle;
    return Floatpt((e.x + s.x) * 0.5 + s1 * (s.y - e.y) / (2 * (1 - c)),
        0.5 * (s.y + e.y) + (e.x - s.x) * s1 / (2 * (1 - c)));
}

double CArc::GetRadius() const
{
    if (std::fabs(m_dAngle) < kTolerance)
        return 0.0;
    return GetDistance(GetCenter(), m_ptStart);
}

Floatpt CArc::GetMidPt() const
{
    // Half of the stored sweep, not reduced: a sweep of 370 turns by 185.
    const double h = m_dAngle * 0.5 * kDegToRad;
    const Floatpt c = GetCenter();
    const double dx = m_ptStart.x - c.x;
    const double dy = m_ptStart.y - c.y;
    return Floatpt(c.x + (dx * std::cos(h) - dy * std::sin(h)), (std::sin(h) * dx + std::cos(h) * dy) + c.y);
}

FloatRect CArc::GetArcRect() const
{
    const Floatpt mid = GetMidPt();
    FloatRect box(mid.x, mid.y, mid.x, mid.y);
    IncludePoint(box, m_ptStart.x, m_ptStart.y);
    IncludePoint(box, m_ptEnd.x, m_ptEnd.y);
    return box;
}

FloatRect CArc::GetDrawRect() const
{
    const Floatpt c = GetCenter();
    const double r = GetRadius();
    return FloatRect(c.x - r, c.y + r, c.x + r, c.y - r);
}

int CArc::Draw(CDC* pDC)
{
    if (!pDC)
        return 0;
    return GetFigure().Draw(pDC->m_hDC);
}

ArcFigure CArc::GetFigure() const
{
    ArcFigure figure;
    const POINT start { TruncToInt(m_ptStart.x), TruncToInt(m_ptStart.y) };
    const POINT end { TruncToInt(m_ptEnd.x), TruncToInt(m_ptEnd.y) };
    if (std::fabs(m_dAngle) < kTolerance) {
        figure.kind = ArcFigure::segment;
        figure.from = start;
        figure.to = end;
        return figure;
    }
    const FloatRect box = GetDrawRect();
    figure.box[0] = TruncToInt(box.left);
    figure.box[1] = TruncToInt(box.top);
    figure.box[2] = TruncToInt(box.right);
    figure.box[3] = TruncToInt(box.bottom);
    // Only +360 is a whole circle here; -360 goes on as an arc.
    if (std::fabs(m_dAngle - 360) < kTolerance) {
        figure.kind = ArcFigure::circle;
        return figure;
    }
    // GDI runs arcs counter-clockwise on the screen. A clockwise (positive)
    // sweep from start to end is the counter-clockwise run from end to start.
    figure.kind = ArcFigure::arc;
    figure.from = m_dAngle > 0 ? end : start;
    figure.to = m_dAngle > 0 ? start : end;
    return figure;
}

int ArcFigure::Draw(HDC hdc) const
{
    switch (kind) {
    case segment:
        ::MoveToEx(hdc, from.x, from.y, nullptr);
        ::LineTo(hdc, to.x, to.y);
        return 1;
    case circle:
        ::Ellipse(hdc, box[0], box[1], box[2], box[3]);
        return 1;
    case arc:
        break;
    }
    return ::Arc(hdc, box[0], box[1], box[2], box[3], from.x, from.y, to.x, to.y);
}

bool CArc::PtOnArc(const CPoint& point) const
{
    const Floatpt p(point.x, point.y);
    if (std::fabs(m_dAngle) < kStraightSweep) {
        // A straight side is hit inside a band 4 pixels to either side, the
        // test a 4 by 4 pixel square against the band as a GDI region.
        const double start[2] = { m_ptStart.x, m_ptStart.y };
        const double end[2] = { m_ptEnd.x, m_ptEnd.y };
        double o1[2], o2[2], o1n[2], o2n[2];
        OffsetSegment(start, end, o1, o2, kHitBand);
        OffsetSegment(start, end, o1n, o2n, -kHitBand);
        const POINT band[4] = {
            { TruncToInt(o1[0]), TruncToInt(o1[1]) },
            { TruncToInt(o2[0]), TruncToInt(o2[1]) },
            { TruncToInt(o2n[0]), TruncToInt(o2n[1]) },
            { TruncToInt(o1n[0]), TruncToInt(o1n[1]) },
        };
        HRGN region = CreatePolygonRgn(band, 4, ALTERNATE);
        const RECT square { point.x, point.y, platform::WrapAdd(point.x, 4), platform::WrapAdd(point.y, 4) };
        const BOOL hit = RectInRegion(region, &square);
        DeleteObject(region);
        return hit != FALSE;
    }

    const Floatpt c = GetCenter();
    const double dist = GetDistance(p, c);
    double startAngle = 0.0;
    double pointAngle = 0.0;
    CalAngle(c.x, c.y, m_ptStart.x, m_ptStart.y, &startAngle);
    CalAngle(c.x, c.y, p.x, p.y, &pointAngle);
    // d: how far the point lies clockwise from the start, as seen from the centre.
    const double d = RaiseToPositive(startAngle - pointAngle);
    if (m_dAngle > 0 && d > m_dAngle)
        return false;
    if (m_dAngle < 0 && d - 360 < m_dAngle)
        return false;
    const double radius = GetRadius();
    return radius - kHitRing < dist && dist < radius + kHitRing;
}

void CArc::FitThroughPt(const Floatpt& p)
{
    const Floatpt& s = m_ptStart;
    const Floatpt& e = m_ptEnd;
    const double k1 = (s.y != p.y) ? -(s.x - p.x) / (s.y - p.y) : 0;
    const double k2 = (e.y != p.y) ? -(e.x - p.x) / (e.y - p.y) : 0;
    // A point level with the start or the end in x or in y leaves the arc as it is.
    if (k1 == 0 || k2 == 0)
        return;

    // The centre lies on the perpendicular bisectors of S P and E P.
    double cx = 0.0;
    double cy = 0.0;
    if (SolveLinear2(k1, -1, k1 * (s.x + p.x) / 2 - (s.y + p.y) / 2, k2, -1, k2 * (e.x + p.x) / 2 - (e.y + p.y) / 2,
            &cx, &cy)
        == -1)
        return;

    double startAngle = 0.0;
    double endAngle = 0.0;
    double pointAngle = 0.0;
    CalAngle(cx, cy, s.x, s.y, &startAngle);
    CalAngle(cx, cy, e.x, e.y, &endAngle);
    CalAngle(cx, cy, p.x, p.y, &pointAngle);
    const double sweep = RaiseToPositive(startAngle - endAngle);
    const double d = RaiseToPositive(startAngle - pointAngle);
    // Clockwise when the point lies within the clockwise sweep from start to
    // end, otherwise the other way round the circle.
    m_dAngle = d <= sweep ? sweep : sweep - 360;
}

double CArc::GetArchHeight() const
{
    const double a = GetDistance(m_ptStart, m_ptEnd) / 2;
    if (a < kTolerance)
        return 0.0;
    if (std::fabs(m_dAngle * kPi / 720 - kPi / 2) < kTolerance)
        return 2 * a;
    return a * std::tan(m_dAngle * kPi / 720);
}

double CArc::AngleFromArch(double archHeight) const
{
    const double a = GetDistance(m_ptStart, m_ptEnd) / 2;
    if (a < kTolerance)
        return 0.0;
    return std::atan(archHeight / a) * 4 * 180 / kPi;
}

double CArc::AngleFromRadius(double radius) const
{
    if (std::fabs(radius) < kTolerance)
        return 0.0;
    const double a = GetDistance(m_ptStart, m_ptEnd) / 2;
    // No circle of a radius below half the chord passes through both ends;
    // the closest one the user can have is the half circle, so the ratio is
    // held at ±1 and the sweep becomes ±180 instead of a non-number.
    double ratio = a / radius;
    if (ratio > 1)
        ratio = 1;
    else if (ratio < -1)
        ratio = -1;
    return 2 * std::asin(ratio) * 180 / kPi;
}

void CArc::CalAngle(double x1, double y1, double x2, double y2, double* angle)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (dx == 0) {
        *angle = dy > 0 ? 270 : 90; // a zero vector counts as upwards
        return;
    }
    if (dy == 0) {
        *angle = dx > 0 ? 0 : 180;
        return;
    }
    const double t = std::atan(std::fabs(dy / dx)) * kDirectionRadToDeg;
    if (dx > 0 && dy < 0)
        *angle = t;
    else if (dx < 0 && dy < 0)
        *angle = 180 - t;
    else if (dx < 0 && dy > 0)
        *angle = 180 + t;
    else
        *angle = 360 - t;
}

double CArc::GetDistance(Floatpt a, Floatpt b) const
{
    return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
}

int CArc::SolveLinear2(double a1, double b1, double c1, double a2, double b2, double c2, double* x, double* y)
{
    const double det = a1 * b2 - b1 * a2;
    if (std::fabs(det) <= kTolerance)
        return -1;
    if (std::fabs(a1) > kTolerance) {
        *y = (c2 * a1 - a2 * c1) / det;
        *x = (c1 - b1 * *y) / a1;
    } else {
        *x = (b1 * c2 - b2 * c1) / (b1 * a2);
        *y = c1 / b1;
    }
    return 1;
}

} // namespace SHAPIX_NAME
