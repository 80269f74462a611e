// Adding, deleting and editing sides as a user does it: the side tools and
// the select tool's double click on a control, the side dialog answered by
// a scripted user, the outline read back as the host reads it.
#include "../control/ControlHarness.h"
#include "PolyTestSupport.h"
#include "dialogs/EditSideDlg.h"
#include "platform/dlg/ModalSession.h"

#include <cmath>
#include <functional>

using namespace control_test;
using platform::ModalSession;
using poly_test::Values;
using Types = std::vector<UINT>;

namespace {

constexpr double kQuarterBulge = 0.41421356237309503; // tan(22.5°): a 90-degree sweep

// A 200 x 160 pixel square whose model is 100 x 80, so that lengths taken
// from pixels would show: side 0 runs from model (0, 0) to (100, 0).
const Values kSquare { 60, 60, 260, 60, 260, 220, 60, 220 };
const Values kSquareModel { 0, 0, 100, 0, 100, 80, 0, 80 };

// A control holding outline 1.
class SideHost : public ControlHarness {
public:
    SideHost(const Values& points, const Values& bulges, const Types& types, const Values& model = {})
    {
        CShapixCtrl::CPicDerData record;
        poly_test::FillRecord(record, points, bulges, Floatpt(110, 100));
        record.m_nID = 1;
        poly_test::Put(record.m_aryAuxPts, model);
        for (const UINT type : types)
            record.m_arySideType.Add(type);
        for (const wchar_t* name : { L"直线", L"圆弧", L"折弯" })
            record.m_aryProp.Add(name);
        ctrl.AddDrawObj(record);
    }
    ~SideHost() { platform::SetModalDriver(nullptr); }

    void Use(CShapixCtrl::ToolType tool, CPoint at)
    {
        ctrl.SelectTool(tool);
        Hover(at.x, at.y);
        Click(at.x, at.y);
    }

    // Where the user clicks to reach side 0: its midpoint handle, or, where
    // truncating that to pixels has left the arc of a tiny sweep, its start.
    CPoint SideZero()
    {
        CMyDrawPoly& poly = *Poly(1);
        const CMyPoint* mid = poly.GetHandle(static_cast<int>(poly.m_aVertices.GetSize()) + 1);
        const CPoint middle(SHAPIX_NAME::RoundToPixel(mid->m_x), SHAPIX_NAME::RoundToPixel(mid->m_y));
        return poly.GetPtInterSideIndex(middle) == 0 ? middle : CPoint(60, 60);
    }

    // The outline as the host reads it back.
    struct HostView {
        Values points, model, bulges;
        Types types;
    };
    HostView Read()
    {
        CShapixCtrl::CPicDerData record;
        EXPECT_TRUE(ctrl.GetObjData(1, record));
        const CUIntArray& types = record.m_arySideType;
        return { poly_test::ToVector(record.m_aryPoints), poly_test::ToVector(record.m_aryAuxPts),
            poly_test::ToVector(record.m_aryBulge), Types(types.GetData(), types.GetData() + types.GetSize()) };
    }
};

// What the side dialog showed as it opened.
struct Shown {
    std::wstring angle, arch, radius;
    int sideType = LB_ERR;
};

// Edits side 0 with the side tool: the user notes what the dialog shows,
// then plays the given steps (the dialog is cancelled if they leave it open).
Shown EditSideZero(SideHost& h, const std::function<void(ModalSession&)>& steps = {})
{
    Shown shown { L"(not opened)", L"", L"", LB_ERR };
    platform::SetModalDriver([&](ModalSession& session) {
        EXPECT_EQ(session.Caption(), L"当前边属性编辑");
        shown = { session.GetText(1001), session.GetText(1003), session.GetText(1004), session.ListSelection(1002) };
        if (steps)
            steps(session);
    });
    h.Use(CShapixCtrl::toolEditSide, h.SideZero());
    return shown;
}

// Chooses the value type by its radio button, types into its edit, OK.
std::function<void(ModalSession&)> Enter(int radio, const wchar_t* text)
{
    return [radio, text](ModalSession& session) {
        session.Click(radio);
        session.SetText(radio == 1006 ? 1004 : radio == 1005 ? 1003 : 1001, text);
        session.Click(IDOK);
    };
}

} // namespace

TEST(AddSide, SplitsTheClickedSideIntoTwoWithItsBulgeAndType)
{
    SideHost h(kSquare, { 0, 0.25, 0, 0 }, { 10, 11, 12, 13 }, kSquareModel);
    const CPoint arcMiddle(280, 140); // side 1 bulges 20 pixels right of its chord
    {
        SCOPED_TRACE("arc side 1");
        h.Use(CShapixCtrl::toolAddSide, arcMiddle);
        const auto back = h.Read();
        EXPECT_EQ(back.points, (Values { 60, 60, 260, 60, 280, 140, 260, 220, 60, 220 }));
        EXPECT_EQ(back.model, (Values { 0, 0, 100, 0, -1, -1, 100, 80, 0, 80 }));
        EXPECT_EQ(back.bulges, (Values { 0, 0.25, 0.25, 0, 0 }));
        EXPECT_EQ(back.types, (Types { 10, 11, 11, 12, 13 }));
        EXPECT_EQ(h.Doc().GetSelObj(), h.Poly(1));
    }
    {
        SCOPED_TRACE("closing side: the new vertex becomes vertex 0");
        h.Use(CShapixCtrl::toolAddSide, CPoint(60, 110));
        EXPECT_EQ(h.Read().points, (Values { 60, 110, 60, 60, 260, 60, 280, 140, 260, 220, 60, 220 }));
        EXPECT_EQ(h.Read().bulges, (Values { 0, 0, 0.25, 0.25, 0, 0 }));
        EXPECT_EQ(h.Read().types, (Types { 13, 10, 11, 11, 12, 13 }));
    }
    {
        SCOPED_TRACE("a click off every side after hovering one");
        h.Hover(160, 60);
        h.Click(160, 140);
        EXPECT_EQ(h.Poly(1)->m_aVertices.GetSize(), 6);
    }
}

TEST(AddSide, SnapsEachAxisOfTheNewVertexOntoAnotherVertexWithinFourPixels)
{
    SideHost h({ 60, 60, 200, 130, 104, 200, 60, 200 }, {}, {});
    // Side 0 climbs from (60, 60) to (200, 130). At x = 100 the vertex
    // (104, 200) is 4 pixels away in x; nothing is near y = 80.
    h.Use(CShapixCtrl::toolAddSide, CPoint(100, 80));
    // Now x = 99 is 5 pixels from 104 (too far) while y = 78 is 2 from the
    // vertex just added.
    h.Use(CShapixCtrl::toolAddSide, CPoint(99, 78));
    EXPECT_EQ(h.Read().points,
        (Values { 60, 60, 99, 80, 104, 80, 200, 130, 104, 200, 60, 200 }));

    SCOPED_TRACE("without a control nothing snaps");
    const auto poly = poly_test::MakePoly({ 60, 60, 200, 130, 104, 200, 60, 200 });
    poly->AddSide(CPoint(100, 80), nullptr);
    EXPECT_EQ(poly_test::Coords(*poly), (Values { 60, 60, 100, 80, 200, 130, 104, 200, 60, 200 }));
}

TEST(DelSide, RemovesTheClickedSidesEndVertexButKeepsThree)
{
    {
        SCOPED_TRACE("side 1 loses vertex 2 and reaches the old vertex 3 with its own bulge");
        SideHost h(kSquare, { 0, 0.25, 0, 0.5 }, { 10, 11, 12, 13 });
        h.Use(CShapixCtrl::toolDelSide, CPoint(280, 140));
        EXPECT_EQ(h.Read().points, (Values { 60, 60, 260, 60, 60, 220 }));
        EXPECT_EQ(h.Read().bulges, (Values { 0, 0.25, 0.5 }));
        EXPECT_EQ(h.Read().types, (Types { 10, 11, 13 }));

        h.Use(CShapixCtrl::toolDelSide, CPoint(160, 60));
        EXPECT_EQ(h.Poly(1)->m_aVertices.GetSize(), 3) << "a triangle is not cut down further";
    }
    {
        SCOPED_TRACE("the closing side loses vertex 0");
        SideHost h(kSquare, {}, { 10, 11, 12, 13 });
        h.Use(CShapixCtrl::toolDelSide, CPoint(60, 140));
        EXPECT_EQ(h.Read().points, (Values { 260, 60, 260, 220, 60, 220 }));
        EXPECT_EQ(h.Read().types, (Types { 11, 12, 13 }));
    }
    SCOPED_TRACE("the caller gets the destroyed vertex's address, or null");
    const auto poly = poly_test::MakePoly(kSquare);
    const CMyPoint* vertex2 = poly->m_aVertices[2];
    EXPECT_EQ(poly->DelSide(CPoint(300, 300)), nullptr);
    EXPECT_EQ(poly->DelSide(CPoint(260, 140)), vertex2);
}

TEST(EditSide, OpensOnTheSidesAngleRadiusAndArchInModelUnits)
{
    struct Case {
        const char* label;
        double bulge;
        Values model;
        Shown shown;
    } const cases[] = {
        { "straight", 0, kSquareModel, { L"0", L"0", L"0", 0 } },
        { "0.1 degree: the half chord as radius", 0.00043633234068853386, kSquareModel,
            { L"0.1", L"0.02182", L"50", 0 } },
        { "quarter circle", kQuarterBulge, kSquareModel, { L"90", L"20.71068", L"70.71068", 0 } },
        { "quarter circle the other way", -kQuarterBulge, kSquareModel,
            { L"-90", L"-20.71068", L"-70.71068", 0 } },
        { "no model coordinates", kQuarterBulge, {}, { L"90", L"0", L"0", 0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SideHost h(kSquare, { c.bulge, 0, 0, 0 }, {}, c.model);
        const Shown shown = EditSideZero(h);
        EXPECT_EQ(shown.angle + L"|" + shown.arch + L"|" + shown.radius,
            c.shown.angle + L"|" + c.shown.arch + L"|" + c.shown.radius);
        EXPECT_EQ(shown.sideType, c.shown.sideType);
        EXPECT_EQ(h.Read().bulges[0], c.bulge) << "cancel changes nothing";
    }
}

TEST(EditSide, StoresTheAngleOfTheChosenValueTypeAndNeverANonNumber)
{
    struct Case {
        const char* label;
        double bulge;
        int radio;
        const wchar_t* text;
        double stored;
        const wchar_t* reopened; // the angle shown on reopening
    } const cases[] = {
        { "arch 50", kQuarterBulge, 1005, L"50", 1, L"180" },
        { "radius 50", kQuarterBulge, 1006, L"50", 1, L"180" },
        { "radius -50", kQuarterBulge, 1006, L"-50", -1, L"-180" },
        { "radius 200: the minor arc", kQuarterBulge, 1006, L"200", 0.12701665379258312, L"28.95502" },
        // Below the half chord no circle fits; the tightest arc is the half circle.
        { "radius 10", kQuarterBulge, 1006, L"10", 1, L"180" },
        { "radius 1e-9: straight", kQuarterBulge, 1006, L"1e-9", 0, L"0" },
        { "radius 1e300", kQuarterBulge, 1006, L"1e300", 0, L"0" },
        { "angle 45", 0, 1007, L"45", 0.1989123673793981, L"45" },
        { "angle 360", 0, 1007, L"360", 499995752811.1489, L"360" },
        // Angles that give no finite bulge leave the side as it was.
        { "angle 1e999, read as infinity", kQuarterBulge, 1007, L"1e999", kQuarterBulge, L"90" },
        { "angle 1e308, whose conversion overflows", kQuarterBulge, 1007, L"1e308", kQuarterBulge, L"90" },
        { "arch 1e999", 0, 1005, L"1e999", 1.633123935319537e+16, L"360" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SideHost h(kSquare, { c.bulge, 0, 0, 0 }, {}, kSquareModel);
        EditSideZero(h, Enter(c.radio, c.text));
        const double stored = h.Read().bulges[0];
        ASSERT_TRUE(std::isfinite(stored)) << stored;
        EXPECT_NEAR(stored, c.stored, 1e-9 * std::max(1.0, std::fabs(c.stored)));
        EXPECT_EQ(EditSideZero(h).angle, c.reopened);
    }
    SCOPED_TRACE("360 reopens with the chord as arch height");
    SideHost h(kSquare, { 499995752811.1489, 0, 0, 0 }, {}, kSquareModel);
    EXPECT_EQ(EditSideZero(h).arch, L"100");
}

TEST(EditSide, WithoutModelCoordinatesOnlyAnAngleBendsTheSide)
{
    SideHost h(kSquare, {}, {});
    EditSideZero(h, Enter(1007, L"90"));
    EXPECT_NEAR(h.Read().bulges[0], kQuarterBulge, 1e-12);
    EditSideZero(h, Enter(1005, L"30"));
    EXPECT_EQ(h.Read().bulges[0], 0.0);
    EditSideZero(h, Enter(1007, L"-90"));
    EditSideZero(h, Enter(1006, L"30"));
    EXPECT_EQ(h.Read().bulges[0], 0.0);
}

TEST(EditSide, StoresTheListSelectionAsTheSideType)
{
    SideHost h(kSquare, {}, { 5, 1, 0, 0 }, kSquareModel);
    const Shown past = EditSideZero(h, [](ModalSession& session) {
        EXPECT_EQ(dynamic_cast<CEditSideDlg&>(session.Dialog()).m_nSideType, -1) << "read back as it opened";
        session.Click(IDOK);
    });
    EXPECT_EQ(past.sideType, LB_ERR) << "type 5 is past the three names";
    EXPECT_EQ(h.Read().types, (Types { 0xFFFFFFFFu, 1, 0, 0 }));

    const Shown reopened = EditSideZero(h, [](ModalSession& session) {
        session.SelectListItem(1002, 2);
        session.Click(IDOK);
    });
    EXPECT_EQ(reopened.sideType, 0);
    EXPECT_EQ(h.Read().types, (Types { 2, 1, 0, 0 }));
}

TEST(EditSide, RunsOnTheLibrarysTemplateAndGivesTheHostItsResourcesBack)
{
    SideHost h(kSquare, {}, {}, kSquareModel);
    // A host module with a template of the same number, made current: only
    // a switch to the library's module finds the side dialog.
    platform::ResourceModule hostModule(L"host");
    hostModule.AddDialog({ 1004, WS_POPUP, 0, L"宿主的对话框", 9, L"宋体", 0, 0, 50, 50, {} });
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(hostModule.Handle());

    HINSTANCE during = nullptr;
    const auto noteHandle = [&](ModalSession& session) {
        during = AfxGetResourceHandle();
        session.Click(IDOK);
    };
    EXPECT_EQ(EditSideZero(h, noteHandle).angle, L"0") << "the library's dialog opened";
    EXPECT_EQ(during, ShapixResourceHandle());
    EXPECT_EQ(AfxGetResourceHandle(), hostModule.Handle()) << "after OK";
    EditSideZero(h);
    EXPECT_EQ(AfxGetResourceHandle(), hostModule.Handle()) << "after cancel";
    h.Click(160, 140);
    EXPECT_EQ(AfxGetResourceHandle(), hostModule.Handle()) << "after a click on no side";

    SCOPED_TRACE("a double click with the select tool; only a confirmed edit asks for a repaint");
    h.ctrl.SelectTool(CShapixCtrl::toolSelect);
    h.Click(160, 60);
    h.ctrl.UpdateWindow();
    const auto doubleClick = [&h] { h.ctrl.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(160, 60)); };
    platform::SetModalDriver([](ModalSession& session) { session.Click(IDCANCEL); });
    doubleClick();
    EXPECT_FALSE(h.RepaintPending());
    platform::SetModalDriver(Enter(1007, L"90"));
    doubleClick();
    EXPECT_TRUE(h.RepaintPending());
    EXPECT_NEAR(h.Read().bulges[0], kQuarterBulge, 1e-12);
    EXPECT_EQ(AfxGetResourceHandle(), hostModule.Handle());
    AfxSetResourceHandle(previous);
}
