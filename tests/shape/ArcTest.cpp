#include "Shapix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

CArc MakeArc(double sweep)
{
    return CArc(Floatpt(0, 0), Floatpt(10, 0), sweep);
}

} // namespace

TEST(Arc, CentreRadiusAndMidpointFollowTheSweepDirection)
{
    const double r = 7.0710678118654755;
    const struct {
        double sweep, cx, cy, radius, mx, my;
    } cases[] = {
        { -180, 5, 0, 5, 5, 5 }, // half circle below the chord (counter-clockwise)
        { 180, 5, 0, 5, 5, -5 }, // half circle above the chord (clockwise)
        { 90, 5, 5, r, 5, 5 - r },
        { 0, 5, 0, 0, 0, 0 }, // straight: no radius, the midpoint is the start point
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "sweep " << c.sweep);
        const CArc arc = MakeArc(c.sweep);
        EXPECT_NEAR(arc.GetCenter().x, c.cx, 1e-9);
        EXPECT_NEAR(arc.GetCenter().y, c.cy, 1e-9);
        EXPECT_NEAR(arc.GetRadius(), c.radius, 1e-9);
        EXPECT_NEAR(arc.GetMidPt().x, c.mx, 1e-9);
        EXPECT_NEAR(arc.GetMidPt().y, c.my, 1e-9);
    }
    const FloatRect box = MakeArc(0).GetArcRect();
    EXPECT_EQ(std::vector<double>({ box.left, box.top, box.right, box.bottom }), std::vector<double>({ 0, 0, 10, 0 }));
}

TEST(Arc, NearlyStraightAndWholeTurnSweepsUseTheChordMiddle)
{
    // 0.1 degrees lies inside the degenerate band around a whole turn.
    const CArc tiny = MakeArc(0.1);
    EXPECT_EQ(tiny.GetCenter().x, 5);
    EXPECT_EQ(tiny.GetCenter().y, 0);
    EXPECT_EQ(tiny.GetRadius(), 5);

    // 0.3 degrees is a real, very flat arc whose centre lies far below.
    const CArc flat = MakeArc(0.3);
    EXPECT_NEAR(flat.GetCenter().y, 1909.8, 0.1);
    EXPECT_NEAR(flat.GetCenter().x, 5, 1e-9);

    // 370 reduces to 10 for the centre, but the midpoint turns by half of 370.
    const CArc over = MakeArc(370);
    const CArc ten = MakeArc(10);
    EXPECT_DOUBLE_EQ(over.GetCenter().x, ten.GetCenter().x);
    EXPECT_DOUBLE_EQ(over.GetCenter().y, ten.GetCenter().y);
    EXPECT_GT(std::fabs(over.GetMidPt().y - ten.GetMidPt().y), 1.0);

    // A full circle's midpoint comes back round to the end point.
    const CArc full = MakeArc(360);
    EXPECT_NEAR(full.GetMidPt().x, 10, 1e-6);
    EXPECT_NEAR(full.GetMidPt().y, 0, 1e-6);

    // Enormous and non-finite sweeps must not hang the turn reduction.
    const CArc huge = MakeArc(1e300);
    EXPECT_TRUE(std::isfinite(huge.GetCenter().x));
    const CArc infinite = MakeArc(INFINITY);
    (void)infinite.GetCenter();
}

TEST(Arc, CalAngleCountsCounterClockwiseOnTheScreen)
{
    const struct {
        double dx, dy, expected;
    } cases[] = {
        { 1, 0, 0 }, { 0, -1, 90 }, { -1, 0, 180 }, { 0, 1, 270 }, { 0, 0, 90 },
        // 180 / 3.1415926 is a little larger than 180 / pi, so 45 degrees
        // comes out slightly high and 315 slightly low.
        { 1, 1, 360 - 45 * (57.295780490442965 / (180 / M_PI)) },
        { -1, -1, 180 - 45 * (57.295780490442965 / (180 / M_PI)) },
    };
    for (const auto& c : cases) {
        double angle = -1;
        CArc::CalAngle(3, 4, 3 + c.dx, 4 + c.dy, &angle);
        EXPECT_NEAR(angle, c.expected, 1e-12) << "vector (" << c.dx << ", " << c.dy << ")";
    }
}

TEST(Arc, PointTestUsesATenPixelRingOnArcsAndAFourPixelBandOnLines)
{
    const CArc below = MakeArc(-180);
    EXPECT_TRUE(below.PtOnArc(CPoint(5, 5)));
    EXPECT_TRUE(below.PtOnArc(CPoint(5, 14))); // inside the 10-pixel ring
    EXPECT_TRUE(below.PtOnArc(CPoint(0, 1)));
    EXPECT_FALSE(below.PtOnArc(CPoint(5, 16))); // outside the ring
    EXPECT_FALSE(below.PtOnArc(CPoint(5, -5))); // on the circle, outside the sweep
    EXPECT_TRUE(MakeArc(180).PtOnArc(CPoint(5, -4)));
    EXPECT_FALSE(MakeArc(180).PtOnArc(CPoint(5, 5)));

    const CArc side(Floatpt(0, 0), Floatpt(100, 0), 0);
    // The band runs from y = -4 to y = 4 (bottom edge outside); the test
    // square reaches 4 pixels right and down from the point.
    EXPECT_TRUE(side.PtOnArc(CPoint(50, 0)));
    EXPECT_TRUE(side.PtOnArc(CPoint(50, 3)));
    EXPECT_FALSE(side.PtOnArc(CPoint(50, 4)));
    EXPECT_TRUE(side.PtOnArc(CPoint(50, -7)));
    EXPECT_FALSE(side.PtOnArc(CPoint(50, -8)));
    EXPECT_TRUE(side.PtOnArc(CPoint(-3, 0)));
    EXPECT_FALSE(side.PtOnArc(CPoint(-4, 0)));
    EXPECT_FALSE(side.PtOnArc(CPoint(100, 0)));

    // A slanted side is hit along its length and missed beside it.
    const CArc slanted(Floatpt(0, 0), Floatpt(100, 100), 0);
    EXPECT_TRUE(slanted.PtOnArc(CPoint(48, 48)));
    EXPECT_FALSE(slanted.PtOnArc(CPoint(60, 40)));

    // A side without length has no band and is never hit; no region leaks.
    const int liveBefore = platform::GdiObject::LiveCount();
    const CArc dot(Floatpt(5, 5), Floatpt(5, 5), 0);
    EXPECT_FALSE(dot.PtOnArc(CPoint(5, 5)));
    EXPECT_EQ(platform::GdiObject::LiveCount(), liveBefore);
}

TEST(Arc, FitThroughPointSetsTheSweepOrLeavesIt)
{
    CArc arc = MakeArc(0);
    arc.FitThroughPt(Floatpt(5, 1));
    // About -45.2397 (4 atan 0.2 in degrees), negative as the arc passes
    // below the chord. The centre is (5, -12); the sweep comes from direction
    // angles measured with 180 / 3.1415926 instead of 180 / pi.
    EXPECT_NEAR(arc.m_dAngle, 2 * std::atan(12.0 / 5) * 57.295780490442965 - 180, 1e-12);

    arc.FitThroughPt(Floatpt(5, -5));
    EXPECT_NEAR(arc.m_dAngle, 180, 1e-6);
    arc.FitThroughPt(Floatpt(5, 5));
    EXPECT_NEAR(arc.m_dAngle, -180, 1e-6);

    // Level with an end in x or in y: the sweep stays as it was.
    arc.SetAngle(33);
    arc.FitThroughPt(Floatpt(0, 5));
    EXPECT_EQ(arc.m_dAngle, 33);
    arc.FitThroughPt(Floatpt(5, 0));
    EXPECT_EQ(arc.m_dAngle, 33);

    // The fitted arc passes through the point it was fitted to.
    CArc skew(Floatpt(10, 20), Floatpt(110, 60), 0);
    skew.FitThroughPt(Floatpt(40, 70));
    const Floatpt centre = skew.GetCenter();
    EXPECT_NEAR(skew.GetDistance(centre, Floatpt(40, 70)), skew.GetRadius(), 1e-6);
    EXPECT_TRUE(skew.PtOnArc(CPoint(40, 70)));
}

TEST(Arc, SolveLinear2HandlesBothBranchesAndSingularSystems)
{
    double x = 7, y = 7;
    EXPECT_EQ(CArc::SolveLinear2(1, 1, 3, 1, -1, 1, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 2);
    EXPECT_DOUBLE_EQ(y, 1);
    // a1 = 0: y from the first equation, x from the second.
    EXPECT_EQ(CArc::SolveLinear2(0, 2, 4, 1, 1, 5, &x, &y), 1);
    EXPECT_DOUBLE_EQ(y, 2);
    EXPECT_DOUBLE_EQ(x, 3);
    x = y = 7;
    EXPECT_EQ(CArc::SolveLinear2(1, 2, 3, 2, 4, 6, &x, &y), -1);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 7);
}

TEST(Arc, SideDialogConversionsRoundTrip)
{
    CArc arc(Floatpt(0, 0), Floatpt(10, 0), 90);
    const double height = arc.GetArchHeight();
    EXPECT_NEAR(height, 5 * std::tan(M_PI / 8), 1e-9);
    EXPECT_NEAR(arc.AngleFromArch(height), 90, 1e-9);
    EXPECT_NEAR(arc.AngleFromRadius(arc.GetRadius()), 90, 1e-9);

    arc.SetAngle(-60);
    EXPECT_LT(arc.GetArchHeight(), 0);
    EXPECT_NEAR(arc.AngleFromArch(arc.GetArchHeight()), -60, 1e-9);
    EXPECT_NEAR(arc.AngleFromRadius(-arc.GetRadius()), -60, 1e-9);

    arc.SetAngle(360);
    EXPECT_EQ(arc.GetArchHeight(), 10); // the whole chord

    // A radius below half the chord cannot pass through both ends; the
    // tightest arc, a half circle, is the answer instead of a non-number.
    EXPECT_NEAR(arc.AngleFromRadius(2), 180, 1e-9);
    EXPECT_NEAR(arc.AngleFromRadius(-2), -180, 1e-9);
    EXPECT_EQ(arc.AngleFromRadius(0), 0);

    const CArc point(Floatpt(3, 3), Floatpt(3, 3), 45);
    EXPECT_EQ(point.GetArchHeight(), 0);
    EXPECT_EQ(point.AngleFromArch(4), 0);
}
