// Page and tool switches, the side tools and the dimension tool, driven
// through the control's window messages.
#include "ControlHarness.h"

using namespace control_test;
using Points = std::vector<double>;

namespace {

constexpr WORD kLibraryCursors[] = { 129, 1003, 1004, 1006 };

// Makes a host module holding cursors of the library's numbers the current
// resource handle, so that a tool that loads them without switching to the
// library's module ends up with the host's. Any of the four the library's
// module lacks is lent to it for the test's duration.
class CursorModules {
public:
    platform::ResourceModule host { L"host" };

    CursorModules()
        : m_library(platform::ResourceModule::FromHandle(ShapixResourceHandle()))
        , m_previous(AfxGetResourceHandle())
    {
        for (const WORD id : kLibraryCursors) {
            platform::CursorResource cursor;
            cursor.id = id;
            host.AddCursor(cursor);
            if (m_library->AddCursor(cursor))
                m_lent.push_back(id);
        }
        AfxSetResourceHandle(host.Handle());
    }
    ~CursorModules()
    {
        AfxSetResourceHandle(m_previous);
        for (const WORD id : m_lent)
            m_library->Remove(RT_GROUP_CURSOR, id);
    }

    static HCURSOR Library(WORD id) { return LoadCursorW(ShapixResourceHandle(), MAKEINTRESOURCE(id)); }
    HCURSOR Host(WORD id) const { return LoadCursorW(host.Handle(), MAKEINTRESOURCE(id)); }

private:
    platform::ResourceModule* m_library;
    HINSTANCE m_previous;
    std::vector<WORD> m_lent;
};

} // namespace

TEST(Pages, SelectToolSwitchesToolsAndARightClickLeavesASideTool)
{
    ControlHarness h;
    AddSquareAndBox(h);
    CDrawObjAry& doc = h.Doc();
    h.Click(110, 60);
    {
        SCOPED_TRACE("a right click in the select tool does nothing");
        h.RightClick(110, 60);
        EXPECT_EQ(doc.GetCurTool(), doc.GetTool(CShapixCtrl::toolSelect));
        EXPECT_EQ(doc.GetSelObj(), h.Poly(1));
    }
    {
        SCOPED_TRACE("a side tool keeps the page and the selection; a right click ends it");
        EXPECT_EQ(h.ctrl.SelectTool(CShapixCtrl::toolDelSide), 0);
        EXPECT_EQ(doc.GetCurTool(), doc.GetTool(CShapixCtrl::toolDelSide));
        EXPECT_EQ(doc.GetSelObj(), h.Poly(1));
        SetCursor(nullptr);
        h.RightClick(200, 250);
        EXPECT_EQ(doc.GetCurTool(), doc.GetTool(CShapixCtrl::toolSelect));
        EXPECT_EQ(doc.GetCurPage(), 0);
        EXPECT_EQ(h.Cursor(), kArrow);
    }
    {
        SCOPED_TRACE("read page: nothing reacts, but a press still captures");
        EXPECT_EQ(h.ctrl.SelectTool(CShapixCtrl::toolRead), 1);
        EXPECT_EQ(doc.GetSelObj(), nullptr);
        h.Down(110, 60);
        EXPECT_EQ(CWnd::GetCapture(), &h.ctrl);
        h.Drag(130, 80);
        EXPECT_EQ(h.Cursor(), kArrow);
        h.Up(130, 80);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        EXPECT_EQ(doc.GetSelObj(), nullptr);
        EXPECT_EQ(h.Read(1).points, kSquareOutline);
        h.RightClick(110, 60);
        EXPECT_EQ(doc.GetCurTool(), doc.GetTool(CShapixCtrl::toolRead));
    }
    {
        SCOPED_TRACE("dimension page: outlines are not hit and a press does not capture");
        EXPECT_EQ(h.ctrl.SelectTool(CShapixCtrl::toolDim), 2);
        h.Hover(110, 60);
        EXPECT_EQ(h.Cursor(), kArrow);
        h.Down(110, 60);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        h.Up(110, 60);
        EXPECT_EQ(doc.GetSelObj(), nullptr);
    }
}

TEST(SideTool, HoverHighlightsTheSideUnderThePointerAndLeavingRepaintsOnce)
{
    ControlHarness h;
    AddSquareAndBox(h);
    h.ctrl.SelectTool(CShapixCtrl::toolAddSide);
    platform::PumpMessages();
    CMyDrawPoly* square = h.Poly(1);
    const struct {
        const char* label;
        POINT at;
        CDrawObj* object;
        int hotSide;
        bool repaint;
    } steps[] = {
        { "over the top side", { 110, 60 }, square, 0, true },
        { "over the right side", { 160, 100 }, square, 1, true },
        { "off the square", { 200, 250 }, nullptr, -1, true },
        { "still off it", { 210, 250 }, nullptr, -1, false },
        { "over the box", { 280, 80 }, h.Poly(2), 0, true },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.label);
        h.Hover(step.at.x, step.at.y);
        EXPECT_EQ(CDrawTool::s_pSideObj, step.object);
        EXPECT_EQ(square->m_nHotSide, step.object == square ? step.hotSide : -1);
        EXPECT_EQ(h.RepaintPending(), step.repaint);
        platform::PumpMessages();
    }
    EXPECT_EQ(h.Poly(2)->m_nHotSide, 0);
}

TEST(SideTool, CursorOfEachModeComesFromTheLibraryWithTheResourceHandleRestored)
{
    CursorModules modules;
    ControlHarness h;
    AddSquareAndBox(h);
    const struct {
        CShapixCtrl::ToolType tool;
        WORD cursor;
    } modes[] = { { CShapixCtrl::toolAddSide, 1003 }, { CShapixCtrl::toolDelSide, 1004 },
        { CShapixCtrl::toolEditSide, 1006 } };
    for (const auto& mode : modes) {
        SCOPED_TRACE("cursor " + std::to_string(mode.cursor));
        ASSERT_NE(CursorModules::Library(mode.cursor), modules.Host(mode.cursor));
        h.ctrl.SelectTool(mode.tool);
        for (const POINT at : { POINT { 200, 250 }, POINT { 110, 60 } }) {
            SetCursor(nullptr);
            h.Hover(at.x, at.y);
            EXPECT_EQ(GetCursor(), CursorModules::Library(mode.cursor));
            EXPECT_EQ(CDrawTool::s_hCursor, GetCursor());
            EXPECT_EQ(AfxGetResourceHandle(), modules.host.Handle());
        }
    }
}

TEST(SideTool, ClickActsByModeOnTheObjectLastHoveredOnly)
{
    ControlHarness h;
    std::vector<std::string> log;
    auto* probe = new ProbeObj(CRect(250, 100, 300, 150), &log);
    h.Doc().m_objs.Add(probe);
    const struct {
        CShapixCtrl::ToolType tool;
        const char* expected;
    } modes[] = { { CShapixCtrl::toolAddSide, "AddSide 275,125" }, { CShapixCtrl::toolDelSide, "DelSide 275,125" },
        { CShapixCtrl::toolEditSide, "EditSide 275,125" } };
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.expected);
        h.ctrl.SelectTool(mode.tool);
        h.Doc().Select(nullptr);
        log.clear();
        h.Hover(200, 250);
        h.Click(200, 250);
        EXPECT_TRUE(log.empty()) << "a click away from every object";

        h.Hover(275, 125);
        EXPECT_EQ(probe->m_nHotSide, 3);
        platform::PumpMessages();
        h.Down(275, 125);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        EXPECT_EQ(probe->m_nHotSide, -1) << "the highlight goes first";
        EXPECT_TRUE(h.RepaintPending());
        h.Up(275, 125);
        EXPECT_EQ(log, std::vector<std::string>({ mode.expected }));
        EXPECT_EQ(h.Doc().GetSelObj(), mode.tool == CShapixCtrl::toolAddSide ? probe : nullptr);
        EXPECT_EQ(h.Doc().GetCurTool(), h.Doc().GetTool(mode.tool));
    }
}

TEST(SideTool, ForgetsItsObjectWhenTheDocumentDropsIt)
{
    ControlHarness h;
    AddSquareAndBox(h);
    {
        SCOPED_TRACE("ClearData");
        h.ctrl.SelectTool(CShapixCtrl::toolDelSide);
        h.Hover(110, 60);
        ASSERT_EQ(CDrawTool::s_pSideObj, h.Poly(1));
        h.ctrl.ClearData();
        EXPECT_EQ(CDrawTool::s_pSideObj, nullptr);
        // Each would touch the deleted outline if the pointer were kept.
        h.Click(110, 60);
        h.Hover(200, 250);
    }
    {
        SCOPED_TRACE("RemoveObjs");
        h.ctrl.SelectTool(CShapixCtrl::toolSelect);
        AddSquareAndBox(h);
        h.ctrl.SelectTool(CShapixCtrl::toolAddSide);
        h.Hover(280, 80);
        ASSERT_EQ(CDrawTool::s_pSideObj, h.Poly(2));
        CObArray gone;
        gone.Add(h.Poly(2));
        h.Doc().RemoveObjs(&gone);
        EXPECT_EQ(CDrawTool::s_pSideObj, nullptr);
        h.Click(280, 80);
        h.Hover(200, 250);
        EXPECT_EQ(h.Read(1).points, kSquareOutline);
    }
}

TEST(DimTool, ALabelShowsTheHandAndAClickEditsIt)
{
    CursorModules modules;
    ControlHarness h;
    std::vector<std::string> log;
    // Create binds the control to its initial page only; a host showing the
    // dimension page in the same control binds it there too.
    h.ctrl.SetCtrPtr(CShapixCtrl::toolDim, &h.ctrl);
    h.ctrl.SelectTool(CShapixCtrl::toolDim);
    h.Doc().m_objs.Add(new ProbeObj(CRect(250, 100, 300, 150), &log, CShapixCtrl::toolDim));

    h.Hover(275, 125);
    EXPECT_EQ(h.Cursor(), 129);
    h.Hover(200, 250);
    EXPECT_EQ(h.Cursor(), kArrow);
    platform::PumpMessages();
    h.Click(200, 250);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(h.RepaintPending());

    h.Down(275, 125);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(log, std::vector<std::string>({ "EditProp" }));
    EXPECT_TRUE(h.RepaintPending());
    h.Up(275, 125);
}
