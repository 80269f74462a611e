// The select page driven through the control's window messages: selecting,
// dragging outlines, vertices and arc midpoints, the edge of the drawing
// area, the cursors, the double click and the click on empty space.
#include "ControlHarness.h"

using namespace control_test;
using Points = std::vector<double>;

namespace {

const Points kSquare { 60, 60, 160, 60, 160, 140, 60, 140 };
const Points kBox { 240, 80, 320, 80, 320, 200, 240, 200 };

int g_clicks = 0;
bool CountClick()
{
    ++g_clicks;
    return true;
}

} // namespace

TEST(SelectTool, PressOnASideSelectsAndADragMovesTheWholeOutline)
{
    ControlHarness h;
    AddSquareAndBox(h);
    {
        SCOPED_TRACE("hovering over empty space shows the arrow");
        SetCursor(nullptr);
        h.Hover(200, 250);
        EXPECT_EQ(h.Cursor(), kArrow);
    }
    h.Down(110, 60); // on the square's top side
    EXPECT_EQ(h.Doc().GetSelObj(), h.Poly(1));
    EXPECT_EQ(CWnd::GetCapture(), &h.ctrl);
    {
        SCOPED_TRACE("two steps add up; a whole-outline drag shows the arrow");
        h.Drag(120, 70);
        h.Drag(130, 75);
        EXPECT_EQ(h.Cursor(), kArrow);
        EXPECT_EQ(h.Read(1).points, Points({ 80, 75, 180, 75, 180, 155, 80, 155 }));
    }
    {
        SCOPED_TRACE("2 more pixels bring the top within 3 of the box's top: it snaps onto it");
        h.Drag(130, 77);
        EXPECT_EQ(h.Read(1).points, Points({ 80, 80, 180, 80, 180, 160, 80, 160 }));
    }
    platform::PumpMessages();
    h.Up(130, 77);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(h.RepaintPending()) << "the end of a drag repaints the whole control";
    EXPECT_EQ(h.Read(2).points, kBox);
    {
        SCOPED_TRACE("a press on the selection leaves it as it is; one on the box selects that");
        platform::PumpMessages();
        h.Down(130, 80);
        EXPECT_FALSE(h.RepaintPending());
        EXPECT_EQ(h.Doc().GetSelObj(), h.Poly(1));
        h.Up(130, 80);
        platform::PumpMessages();
        h.Down(280, 80);
        EXPECT_TRUE(h.RepaintPending());
        EXPECT_EQ(h.Doc().GetSelObj(), h.Poly(2));
        h.Up(280, 80);
    }
    {
        SCOPED_TRACE("a press on empty space clears the selection, captures, and its drag moves nothing");
        h.Down(200, 250);
        EXPECT_EQ(h.Doc().GetSelObj(), nullptr);
        EXPECT_EQ(CWnd::GetCapture(), &h.ctrl);
        h.Drag(150, 200);
        platform::PumpMessages();
        h.Up(150, 200);
        EXPECT_FALSE(h.RepaintPending());
        EXPECT_EQ(h.Read(1).points, Points({ 80, 80, 180, 80, 180, 160, 80, 160 }));
    }
}

TEST(SelectTool, VertexDragSnapsToItsOwnOutlineAndToANeighbour)
{
    ControlHarness h;
    AddSquareAndBox(h);
    h.Click(110, 60);
    ASSERT_EQ(h.Doc().GetSelObj(), h.Poly(1));
    {
        SCOPED_TRACE("the cross over a handle of the selection, the arrow off it");
        h.Hover(166, 146); // 6 pixels off the vertex (160, 140): the square's edge
        EXPECT_EQ(h.Cursor(), kCross);
        h.Hover(110, 120);
        EXPECT_EQ(h.Cursor(), kArrow);
    }
    {
        SCOPED_TRACE("own outline: x = 157 lands on the other vertex's 160, y = 150 stays");
        h.Down(160, 140);
        h.Drag(157, 150);
        EXPECT_EQ(h.Cursor(), kCross);
        h.Up(157, 150);
        EXPECT_EQ(h.Read(1).points, Points({ 60, 60, 160, 60, 160, 150, 60, 140 }));
    }
    {
        SCOPED_TRACE("neighbour: (238, 78) is within 2 of the box's corner (240, 80)");
        h.Down(160, 60);
        h.Drag(200, 70);
        EXPECT_EQ(h.Read(1).points, Points({ 60, 60, 200, 70, 160, 150, 60, 140 }));
        h.Drag(238, 78);
        EXPECT_EQ(h.Cursor(), kCross);
        h.Up(238, 78);
        EXPECT_EQ(h.Read(1).points, Points({ 60, 60, 240, 80, 160, 150, 60, 140 }));
    }
    {
        SCOPED_TRACE("the selection's handle wins over the box, which alone would be hit there");
        ASSERT_EQ(h.Doc().HitObject(CPoint(240, 80)), h.Poly(2));
        h.Down(240, 80);
        h.Drag(200, 100);
        h.Up(200, 100);
        EXPECT_EQ(h.Read(1).points, Points({ 60, 60, 200, 100, 160, 150, 60, 140 }));
        EXPECT_EQ(h.Read(2).points, kBox);
        EXPECT_EQ(h.Doc().GetSelObj(), h.Poly(1));
    }
}

TEST(SelectTool, DraggingAnArcMidpointBendsOrStraightensTheSide)
{
    ControlHarness h;
    // Top side bulging upwards by a quarter turn (bulge tan 22.5 degrees):
    // its midpoint handle sits at (110, 39).
    h.Add(3, { 60, 60, 160, 60, 160, 140, 60, 140 }, { 0.41421356, 0, 0, 0 }, 110, 100);
    h.Click(110, 40);
    ASSERT_EQ(h.Doc().GetSelObj(), h.Poly(3));
    {
        SCOPED_TRACE("through (110, 30): sagitta 30 over a half chord of 50, bulge 0.6");
        h.Down(110, 39);
        h.Drag(110, 30);
        EXPECT_EQ(h.Cursor(), kCross);
        h.Up(110, 30);
        const Readback back = h.Read(3);
        ASSERT_EQ(back.bulges.size(), 4u);
        EXPECT_NEAR(back.bulges[0], 0.6, 1e-5);
        EXPECT_EQ(back.bulges[1], 0.0);
        EXPECT_EQ(back.points, kSquare);
    }
    {
        SCOPED_TRACE("dropped on the chord, the side becomes straight again");
        h.Down(110, 30);
        h.Drag(110, 61); // pulled onto y = 60 by the vertices, level with them
        h.Up(110, 61);
        const Readback back = h.Read(3);
        EXPECT_EQ(back.bulges, Points({ 0, 0, 0, 0 }));
        EXPECT_EQ(back.points, kSquare);
    }
}

TEST(SelectTool, DragPastTheEdgeIsConfinedAndAStepOverItRefused)
{
    ControlHarness h;
    h.Add(1, { 60, 60, 160, 60, 160, 140, 60, 140 }, {}, 110, 100);
    h.Down(110, 60);
    {
        SCOPED_TRACE("the right side may reach the last column");
        h.Drag(110 + kClientWidth - 160, 60);
        EXPECT_EQ(h.Read(1).points, Points({ 294, 60, 394, 60, 394, 140, 294, 140 }));
        EXPECT_FALSE(platform::CursorClip(nullptr));
    }
    {
        SCOPED_TRACE("one column more is refused whole");
        h.Drag(110 + kClientWidth - 159, 60);
        EXPECT_EQ(h.Read(1).points, Points({ 294, 60, 394, 60, 394, 140, 294, 140 }));
    }
    {
        SCOPED_TRACE("the last column and row are inside: refused, but not confined");
        h.Drag(kClientWidth, kClientHeight);
        EXPECT_FALSE(platform::CursorClip(nullptr));
        EXPECT_EQ(h.Read(1).points, Points({ 294, 60, 394, 60, 394, 140, 294, 140 }));
    }
    for (const POINT outside : { POINT { kClientWidth + 1, 60 }, POINT { 0, 60 }, POINT { 200, kClientHeight + 1 } }) {
        SCOPED_TRACE("outside at " + std::to_string(outside.x) + "," + std::to_string(outside.y));
        ClipCursor(nullptr);
        h.Drag(outside.x, outside.y);
        CRect clip;
        ASSERT_TRUE(platform::CursorClip(&clip));
        EXPECT_EQ(clip, CRect(kClientOnScreen.x, kClientOnScreen.y, kClientOnScreen.x + kClientWidth,
                            kClientOnScreen.y + kClientHeight));
        EXPECT_EQ(h.Read(1).points, Points({ 294, 60, 394, 60, 394, 140, 294, 140 }));
    }
    h.Up(kClientWidth + 1, 60);
    EXPECT_FALSE(platform::CursorClip(nullptr));
    {
        SCOPED_TRACE("without a selection a drag outside is not confined");
        h.Down(200, 250);
        h.Drag(kClientWidth + 20, 250);
        EXPECT_FALSE(platform::CursorClip(nullptr));
        h.Up(kClientWidth + 20, 250);
    }
}

TEST(SelectTool, DoubleClickReachesTheParentBeforeTheTool)
{
    ControlHarness h;
    std::vector<std::string> log;
    h.host.log = &log;
    auto* probe = new ProbeObj(CRect(250, 100, 300, 150), &log); // owned by the document
    h.Doc().m_objs.Add(probe);
    {
        SCOPED_TRACE("on an object: the notice first, then the side editor of the object hit");
        h.DoubleClick(275, 125);
        EXPECT_EQ(log, std::vector<std::string>({ "1135 wParam 0 id 42", "EditSide 275,125" }));
        EXPECT_EQ(h.Doc().GetSelObj(), probe);
    }
    log.clear();
    {
        SCOPED_TRACE("on empty space: the notice only");
        h.DoubleClick(200, 250);
        EXPECT_EQ(log, std::vector<std::string>({ "1135 wParam 0 id 42" }));
    }
}

TEST(SelectTool, ReleaseOverEmptySpaceCallsTheClickCallback)
{
    ControlHarness h;
    AddSquareAndBox(h);
    g_clicks = 0;
    h.ctrl.SetClickClientCB(reinterpret_cast<void**>(&CountClick));
    h.Click(200, 250);
    EXPECT_EQ(g_clicks, 1);
    h.Click(110, 60);
    EXPECT_EQ(g_clicks, 1) << "a release over an outline";
    {
        SCOPED_TRACE("the release is tested where the outline was dragged to, not where it was");
        h.Down(110, 60);
        h.Drag(110, 100);
        h.Up(110, 100);
        EXPECT_EQ(g_clicks, 1);
        h.Click(110, 60);
        EXPECT_EQ(g_clicks, 2);
    }
}
