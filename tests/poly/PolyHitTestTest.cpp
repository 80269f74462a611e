#include "PolyTestSupport.h"

#include <gtest/gtest.h>

using namespace poly_test;

TEST(PolyHitTest, HandleSquaresIncludeTheirEdgesAndTheReferencePointWins)
{
    const auto poly = MakePoly({ 100, 100, 300, 100, 300, 200 }, { 0.5 }, Floatpt(110, 100));
    EXPECT_EQ(poly->HitTest(CPoint(94, 106)), 1);
    EXPECT_EQ(poly->HitTest(CPoint(93, 100)), 0);
    EXPECT_EQ(poly->HitTest(CPoint(104, 100)), 7); // on the squares of vertex 1 and the reference point
    EXPECT_EQ(poly->HitTest(CPoint(103, 100)), 1);
    EXPECT_EQ(poly->HitTest(CPoint(200, 50)), 4); // the arc side's midpoint
}

TEST(PolyHitTest, SidesAreProbedAtTheRectangleCentreInOrder)
{
    {
        SCOPED_TRACE("straight sides: a band 4 pixels each way, the first side wins");
        const auto triangle = MakePoly({ 0, 0, 100, 0, 100, 50 });
        EXPECT_EQ(triangle->GetPtInterSideIndex(CPoint(50, 3)), 0);
        EXPECT_EQ(triangle->GetPtInterSideIndex(CPoint(50, 10)), -1);
        EXPECT_EQ(triangle->GetPtInterSideIndex(CPoint(0, 0)), 0); // sides 0 and 2 meet here
        EXPECT_EQ(triangle->Intersects(CRect(40, 20, 60, 30)), 3); // the closing side through (50, 25)
        EXPECT_EQ(triangle->Intersects(CRect(-100, -100, 240, 140)), 0); // covers it all; centre (70, 20) is off
    }
    {
        SCOPED_TRACE("an arc of radius 50 is hit less than 10 pixels off its circle, within its sweep");
        const auto lens = MakePoly({ 0, 0, 100, 0 }, { 1 });
        EXPECT_EQ(lens->GetPtInterSideIndex(CPoint(50, -59)), 0);
        EXPECT_EQ(lens->GetPtInterSideIndex(CPoint(61, -59)), -1); // 10.02 off; exactly 10 is too close to call
        EXPECT_EQ(lens->GetPtInterSideIndex(CPoint(50, 50)), -1); // on the circle, off the sweep
    }
    {
        SCOPED_TRACE("no vertices: no side; a bulge array left short is not read past its end");
        CMyDrawPoly empty;
        EXPECT_EQ(empty.GetPtInterSideIndex(CPoint(0, 0)), -1);
        empty.m_aVertices.Add(new CMyPoint(0, 0, 0));
        EXPECT_THROW(empty.Intersects(CRect(-2, -2, 2, 2)), CInvalidArgException*);
    }
}
