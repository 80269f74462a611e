// The select page driven through the control's window messages: selecting,
// dragging outlines, vertices and arc midpoints, the edge of the drawing
// area, the cursors, the double click and the click on empty space; and a
// short session rendered to a PNG and read back.
#include "ControlHarness.h"

#include <cstdio>

using namespace control_test;
using Points = std::vector<double>;

namespace {

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
    // Two steps add up; a whole-outline drag shows the arrow. Where it
    // snaps is PolyMoveTest's.
    const Points moved { 80, 75, 180, 75, 180, 155, 80, 155 };
    h.Drag(120, 70);
    h.Drag(130, 75);
    EXPECT_EQ(h.Cursor(), kArrow);
    EXPECT_EQ(h.Read(1).points, moved);
    platform::PumpMessages();
    h.Up(130, 75);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(h.RepaintPending()) << "the end of a drag repaints the whole control";
    EXPECT_EQ(h.Read(2).points, kBoxOutline);
    {
        SCOPED_TRACE("a press on the selection leaves it as it is; one on the box selects that");
        platform::PumpMessages();
        h.Down(130, 75);
        EXPECT_FALSE(h.RepaintPending());
        EXPECT_EQ(h.Doc().GetSelObj(), h.Poly(1));
        h.Up(130, 75);
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
        EXPECT_EQ(h.Read(1).points, moved);
    }
}

TEST(SelectTool, PressOnAHandleOfTheSelectionDragsThatVertex)
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
        SCOPED_TRACE("(238, 78) is within 2 of the box's corner (240, 80): it snaps there");
        h.Down(160, 60);
        h.Drag(238, 78);
        EXPECT_EQ(h.Cursor(), kCross);
        h.Up(238, 78);
        EXPECT_EQ(h.Read(1).points, Points({ 60, 60, 240, 80, 160, 140, 60, 140 }));
    }
    {
        SCOPED_TRACE("the selection's handle wins over the box, which alone would be hit there");
        ASSERT_EQ(h.Doc().HitObject(CPoint(240, 80)), h.Poly(2));
        h.Down(240, 80);
        h.Drag(200, 100);
        h.Up(200, 100);
        EXPECT_EQ(h.Read(1).points, Points({ 60, 60, 200, 100, 160, 140, 60, 140 }));
        EXPECT_EQ(h.Read(2).points, kBoxOutline);
        EXPECT_EQ(h.Doc().GetSelObj(), h.Poly(1));
    }
}

TEST(SelectTool, PressOnAnArcMidpointOfTheSelectionBendsTheSide)
{
    ControlHarness h;
    // Top side bulging upwards by a quarter turn (bulge tan 22.5 degrees):
    // its midpoint handle sits at (110, 39).
    h.Add(3, kSquareOutline, { 0.41421356, 0, 0, 0 }, 110, 100);
    h.Click(110, 40);
    ASSERT_EQ(h.Doc().GetSelObj(), h.Poly(3));
    // Through (110, 30): sagitta 30 over a half chord of 50, bulge 0.6.
    h.Down(110, 39);
    h.Drag(110, 30);
    EXPECT_EQ(h.Cursor(), kCross);
    h.Up(110, 30);
    const Readback back = h.Read(3);
    ASSERT_EQ(back.bulges.size(), 4u);
    EXPECT_NEAR(back.bulges[0], 0.6, 1e-5);
    EXPECT_EQ(back.bulges[1], 0.0);
    EXPECT_EQ(back.points, kSquareOutline);
}

TEST(SelectTool, DragPastTheEdgeIsConfinedAndAStepOverItRefused)
{
    ControlHarness h;
    h.Add(1, kSquareOutline, {}, 110, 100);
    const Points atEdge { 294, 60, 394, 60, 394, 140, 294, 140 };
    const CRect client(kClientOnScreen.x, kClientOnScreen.y, kClientOnScreen.x + kClientWidth,
        kClientOnScreen.y + kClientHeight);
    h.Down(110, 60);
    // The right side may reach the last column; one column more is refused
    // whole. The last column and row are inside: refused, but not confined.
    const struct {
        POINT at;
        bool confined;
    } steps[] = { { { 110 + kClientWidth - 160, 60 }, false }, { { 110 + kClientWidth - 159, 60 }, false },
        { { kClientWidth, kClientHeight }, false }, { { kClientWidth + 1, 60 }, true }, { { 0, 60 }, true },
        { { 200, kClientHeight + 1 }, true } };
    for (const auto& step : steps) {
        SCOPED_TRACE("at " + std::to_string(step.at.x) + "," + std::to_string(step.at.y));
        ClipCursor(nullptr);
        h.Drag(step.at.x, step.at.y);
        CRect clip;
        ASSERT_EQ(platform::CursorClip(&clip), step.confined);
        if (step.confined) {
            EXPECT_EQ(clip, client);
        }
        EXPECT_EQ(h.Read(1).points, atEdge);
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

TEST(ScriptedSession, PictureShowsTheOutlineWhereTheDragLeftIt)
{
    constexpr COLORREF kGreen = 0x00FF00; // an ordinary side
    constexpr COLORREF kYellow = 0x00FFFF; // a vertex handle square
    constexpr COLORREF kBlack = 0x000000;

    ControlHarness h;
    h.Add(1, kSquareOutline, {}, 110, 100);
    platform::PumpMessages();
    // Press on the top side, drag by (40, 50) in five steps, release.
    h.Down(110, 60);
    for (int step = 1; step <= 5; ++step)
        h.Drag(110 + 8 * step, 60 + 10 * step);
    h.Up(150, 110);
    platform::PumpMessages();

    const std::string path = testing::TempDir() + "shapix_drag_session.png";
    ASSERT_TRUE(platform::CaptureClient(&h.ctrl).SavePng(path));
    platform::Image picture;
    ASSERT_TRUE(picture.LoadPng(path));
    std::remove(path.c_str());
    ASSERT_EQ(picture.Width(), kClientWidth);
    ASSERT_EQ(picture.Height(), kClientHeight);

    // Now (100, 110) (200, 110) (200, 190) (100, 190); the handle squares
    // reach 6 pixels round each vertex.
    const struct {
        const char* label;
        POINT at;
        COLORREF colour;
    } probes[] = {
        { "new top side", { 150, 110 }, kGreen },
        { "new right side", { 200, 150 }, kGreen },
        { "new bottom side", { 150, 190 }, kGreen },
        { "new left side", { 100, 150 }, kGreen },
        { "left edge of the first vertex's square", { 94, 110 }, kYellow },
        { "old top side", { 110, 60 }, kBlack },
        { "old left side", { 60, 100 }, kBlack },
        { "old bottom side", { 110, 140 }, kBlack },
        { "old first vertex", { 60, 60 }, kBlack },
    };
    for (const auto& probe : probes) {
        SCOPED_TRACE(probe.label);
        EXPECT_EQ(picture.Pixel(probe.at.x, probe.at.y), probe.colour);
    }
}
