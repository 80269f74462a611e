#include "PolyTestSupport.h"
#include "control/DrawObjAry.h"

#include <gtest/gtest.h>

using namespace poly_test;

namespace {

// A control whose drawing area is 400 x 300 (its edges take 3 pixels on
// each side), so that moves reach the document as under the select tool.
class PolyMove : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 500, nullptr,
            nullptr));
        ASSERT_TRUE(m_ctrl.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 406, 306), &m_host, 42));
        ASSERT_EQ(Doc().GetDrawWidth(), 400);
        ASSERT_EQ(Doc().GetDrawHeight(), 300);
    }

    CDrawObjAry& Doc() { return *m_ctrl.GetPtrData(); }

    CMyDrawPoly* Add(const Values& points, const Values& bulges, Floatpt ref)
    {
        CShapixCtrl::CPicDerData data;
        FillRecord(data, points, bulges, ref);
        m_ctrl.AddDrawObj(data);
        return static_cast<CMyDrawPoly*>(Doc().m_objs[Doc().m_objs.GetSize() - 1]);
    }

    static CRect Step(int dx, int dy) { return CRect(dx, dy, dx, dy); }

    CWnd m_host;
    CShapixCtrl m_ctrl;
};

} // namespace

TEST_F(PolyMove, WholeOutlineStaysInsideTheDrawingArea)
{
    CMyDrawPoly* poly = Add({ 10, 10, 110, 10, 110.4, 60 }, {}, Floatpt(50.4, 30));
    for (const CRect& refused : { Step(-11, 0), Step(291, 0), Step(0, 241) })
        poly->MoveTo(refused, &m_ctrl);
    poly->MoveTo(Step(-100, -10), nullptr);
    EXPECT_EQ(Coords(*poly), Values({ 10, 10, 110, 10, 110.4, 60 }));

    poly->MoveTo(Step(-10, 0), &m_ctrl); // onto whole pixels, the reference point along
    EXPECT_EQ(Coords(*poly), Values({ 0, 10, 100, 10, 100, 60 }));
    poly->MoveTo(Step(300, 240), &m_ctrl);
    EXPECT_EQ(Coords(*poly), Values({ 300, 250, 400, 250, 400, 300 }));
    EXPECT_EQ(poly->m_ptRef.m_x, 340.0);
    EXPECT_EQ(poly->m_ptRef.m_y, 270.0);
}

TEST_F(PolyMove, WholeOutlineSnapsOntoAnotherObjectButItsReferencePointDoesNot)
{
    CMyDrawPoly* moving = Add({ 50, 50, 150, 50, 150, 100 }, {}, Floatpt(100, 70));
    Add({ 200, 200, 300, 200, 300, 280, 200, 280 }, {}, Floatpt(250, 240));
    // The step leaves the right side 2 pixels short of the square's x = 200.
    moving->MoveTo(Step(48, 0), &m_ctrl);
    EXPECT_EQ(Coords(*moving), Values({ 100, 50, 200, 50, 200, 100 }));
    EXPECT_EQ(moving->m_ptRef.m_x, 148.0);
}

TEST_F(PolyMove, VertexSnapsToOwnVerticesFirstThenToOtherObjects)
{
    CMyDrawPoly* poly = Add({ 100, 100, 200, 100, 150, 200 }, { 0, 0, 0.3 }, Floatpt(150, 130));
    Add({ 208, 300, 300, 300, 300, 380 }, {}, Floatpt(250, 340));
    poly->MoveHandleTo(3, CPoint(203, 250), &m_ctrl);
    EXPECT_EQ(Coords(*poly), Values({ 100, 100, 200, 100, 200, 250 }));
    EXPECT_EQ(poly->m_aBulge[2], 0.3); // the arc keeps its sweep, its radius follows
    // 5 from the own vertex is too far; 3 from the other outline's corner is near.
    poly->MoveHandleTo(3, CPoint(205, 260), &m_ctrl);
    EXPECT_EQ(Coords(*poly), Values({ 100, 100, 200, 100, 208, 260 }));
    // A vertex skips its own old place (x stays 102) but meets its neighbour's y.
    poly->MoveHandleTo(1, CPoint(102, 98), &m_ctrl);
    EXPECT_EQ(Coords(*poly), Values({ 102, 100, 200, 100, 208, 260 }));
    poly->MoveHandleTo(7, CPoint(160, 140), &m_ctrl);
    EXPECT_EQ(poly->m_ptRef.m_x, 160.0);
}

TEST_F(PolyMove, DraggingToTheSamePlaceDoesNotTellTheDocument)
{
    CMyDrawPoly* poly = Add({ 100, 100, 200, 100, 150, 200 }, {}, Floatpt(150, 130));
    Doc().SetRedraw();
    poly->MoveHandleTo(2, CPoint(200, 100), &m_ctrl);
    EXPECT_TRUE(Doc().IsRedrawPending());
    poly->MoveHandleTo(8, CPoint(10, 10), &m_ctrl); // no such handle: nothing moves, yet it repaints
    EXPECT_FALSE(Doc().IsRedrawPending());
    EXPECT_EQ(Coords(*poly), Values({ 100, 100, 200, 100, 150, 200 }));
    EXPECT_THROW(poly->MoveHandleTo(0, CPoint(10, 10), &m_ctrl), CInvalidArgException*);
}

TEST_F(PolyMove, MidpointDragFitsAnArcOrStraightensTheSide)
{
    CMyDrawPoly* poly = Add({ 100, 100, 200, 100, 200, 200, 100, 200 }, { 0.5 }, Floatpt(150, 150));
    // Sagitta 30 over a half chord of 50, above and then below the chord.
    // Direction angles use 180 / 3.1415926, hence the tolerance.
    poly->MoveHandleTo(5, CPoint(150, 70), &m_ctrl);
    EXPECT_NEAR(poly->m_aBulge[0], 0.6, 1e-6);
    poly->MoveHandleTo(5, CPoint(150, 130), &m_ctrl);
    EXPECT_NEAR(poly->m_aBulge[0], -0.6, 1e-6);
    EXPECT_EQ(Coords(*poly), Values({ 100, 100, 200, 100, 200, 200, 100, 200 }));
    for (const CPoint& degenerate : { CPoint(150, 100), CPoint(100, 60) }) {
        SCOPED_TRACE("on the chord, or level in x with the start: straight");
        poly->m_aBulge[0] = 0.5;
        poly->MoveHandleTo(5, degenerate, &m_ctrl);
        EXPECT_EQ(poly->m_aBulge[0], 0.0);
    }
}
