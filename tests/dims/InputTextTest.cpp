// The dimension label: drawn and hit only on the dimension page, the value
// dialog behind it, and a user typing dimensions that the host reads back.
#include "DimTestSupport.h"

#include <stdexcept>

using namespace dim_test;

TEST(DimensionLabel, DrawsOnTheDimensionPageAndIsHitAroundItsCentredText)
{
    CDrawObjAry doc;
    doc.m_nHeight = 400;
    Points p;
    p.Add(80, 10, -1, -1, 1); // the horizontal chain only
    p.Add(120, 10, -1, -1, 1);
    CStringArray dimX, dimY;
    dimX.Add(L"12345"); // 40 pixels wide in the record DC
    doc.GetRelMng()->Build(dimX, dimY, p.array);
    CInputText& label = *Labels(doc).at(0);

    platform::CRecordDC dc;
    label.Draw(&dc, &doc);
    EXPECT_TRUE(dc.Calls().empty()) << "not on page 0";
    doc.m_nCurTool = CShapixCtrl::toolDim;
    EXPECT_EQ(doc.HitObject(CPoint(100, 370)), nullptr) << "not measured before its first paint";
    label.Draw(&dc, &doc);
    ASSERT_EQ(dc.Calls().size(), 1u);
    const platform::GdiCall& text = dc.Calls()[0];
    EXPECT_EQ(text.args, std::vector<int>({ 100, 365, ETO_OPAQUE, 5 }));
    EXPECT_EQ(text.textColor, RGB(255, 255, 0));
    EXPECT_EQ(text.bkMode, TRANSPARENT);
    EXPECT_EQ(text.textAlign, static_cast<UINT>(TA_CENTER));
    EXPECT_EQ(dc.GetTextAlign(), 0u) << "the DC's alignment comes back";
    EXPECT_EQ(label.m_rcPosition, CRect(100, 365, 140, 381)) << "kept from the reference point";

    // The text covers columns 80 to 119 and rows 365 to 380.
    const struct {
        int x, y;
        bool hit;
    } probes[] = { { 79, 370, true }, { 78, 370, false }, { 123, 370, true }, { 124, 370, false },
        { 100, 364, true }, { 100, 363, false }, { 100, 382, true }, { 100, 383, false } };
    for (const auto& probe : probes)
        EXPECT_EQ(doc.HitObject(CPoint(probe.x, probe.y)) == &label, probe.hit) << probe.x << "," << probe.y;
    doc.m_nCurTool = CShapixCtrl::toolSelect;
    EXPECT_EQ(doc.HitObject(CPoint(100, 370)), nullptr) << "hit on the dimension page only";
}

TEST_F(DimHost, EditingALabelStoresTheValueInItsShortFormAndTellsTheHost)
{
    Add(1, { 100, 100, 300, 100, 300, 200 }, {}, 200, 150);
    ctrl.SelectTool(CShapixCtrl::toolDim);
    CInputText& label = *Labels(Doc()).at(0);
    const struct {
        const wchar_t* old;
        const wchar_t* typed; // "" cancels
        const wchar_t* shown;
        const wchar_t* stored;
        int changes;
    } cases[] = {
        { L"1200", L"1200", L"1200", L"1200", 0 },
        { L"1200.000", L"1200", L"1200", L"1200", 1 },
        { L"1000", L"1234567.8", L"1000", L"1.23457e+06", 1 },
        { L"1000", L"0.00001", L"1000", L"1e-05", 1 },
        { L"abc", L"", L"0", L"abc", 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(L"old ") + c.old + L", typed " + c.typed);
        CString old = c.old;
        label.SetText(old);
        m_changes = 0;
        std::wstring shown;
        platform::SetModalDriver([&](platform::ModalSession& session) {
            shown = session.GetText(1000);
            session.SetText(1000, c.typed);
            session.Click(*c.typed ? IDOK : IDCANCEL);
        });
        label.EditProp(&ctrl);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(label.GetText(), c.stored);
        EXPECT_EQ(m_changes, c.changes);
    }
    SCOPED_TRACE("no document behind the window: the value is dropped");
    platform::SetModalDriver([](platform::ModalSession& session) {
        session.SetText(1000, L"5");
        session.Click(IDOK);
    });
    label.EditProp(&host);
    EXPECT_EQ(label.GetText(), L"abc");
}

TEST_F(DimHost, TheValueDialogComesFromTheLibraryWhateverTheCurrentResourceHandle)
{
    Add(1, { 100, 100, 300, 100, 300, 200 }, {}, 200, 150);
    ctrl.SelectTool(CShapixCtrl::toolDim);
    CInputText& label = *Labels(Doc()).at(0);
    platform::ResourceModule hostModule(L"host"); // with a 1002 of its own, made current
    hostModule.AddDialog({ 1002, WS_POPUP | WS_CAPTION, 0, L"host", 0, L"", 0, 0, 50, 50, {} });
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(hostModule.Handle());

    std::wstring caption;
    platform::SetModalDriver([&](platform::ModalSession& session) {
        caption = session.Caption();
        EXPECT_EQ(AfxGetResourceHandle(), ShapixResourceHandle());
    });
    label.EditProp(&ctrl);
    EXPECT_EQ(caption, L"输入尺寸");
    EXPECT_EQ(AfxGetResourceHandle(), hostModule.Handle());

    platform::SetModalDriver([](platform::ModalSession&) { throw std::runtime_error("host gone"); });
    EXPECT_THROW(label.EditProp(&ctrl), std::runtime_error);
    EXPECT_EQ(AfxGetResourceHandle(), hostModule.Handle()) << "restored on an exception too";
    AfxSetResourceHandle(previous);
}

namespace {

// The client area is 294 high: the first horizontal label's top is at
// 294 - 35, the vertical labels' tops 7 above their middles.
constexpr int kFirstHorzLabelY = 259 + 4;

} // namespace

TEST_F(DimHost, TypingTheFirstLinkOfARectangleMovesItsModelPointsWhenThePageIsLeft)
{
    // Model x: left 0, reference 1000, right 2000; model y: 0, 500, 1000.
    Add(1, { 100, 100, 300, 100, 300, 200, 100, 200 }, {}, 200, 150, { 0, 0, 2000, 0, 2000, 1000, 0, 1000 }, 1000,
        500);
    ctrl.CreateDimText();
    ctrl.SelectTool(CShapixCtrl::toolDim);
    EXPECT_EQ(ShownTexts(Doc()), (Texts { L"1000", L"1000", L"500", L"500" }));

    ctrl.UpdateWindow();
    Hover(150, kFirstHorzLabelY);
    EXPECT_EQ(Cursor(), 129) << "the hand over a label";
    EXPECT_EQ(TypeAt(150, kFirstHorzLabelY, L"1500"), L"1000");
    EXPECT_EQ(m_changes, 1);
    EXPECT_EQ(ShownTexts(Doc()), (Texts { L"1500", L"1000", L"500", L"500" }));
    EXPECT_EQ(TypeAt(4, 125 - 7 + 4, L"500"), L"500") << "the same value again";
    EXPECT_EQ(m_changes, 1) << "an unchanged value is not reported";

    ctrl.SelectTool(CShapixCtrl::toolSelect);
    EXPECT_EQ(Read(1).model, (std::vector<double> { 0, 0, 2500, 0, 2500, 1000, 0, 1000, 1500, 500 }));
    EXPECT_EQ(Read(1).points, (std::vector<double> { 100, 100, 300, 100, 300, 200, 100, 200 }))
        << "window coordinates stay";
    EXPECT_EQ(TypeAt(150, kFirstHorzLabelY, L"9"), L"(no dialog)") << "no labels on the select page";
    EXPECT_TRUE(ShownTexts(Doc()).empty());

    SCOPED_TRACE("the typed value survives the rebuild when the page is entered again");
    ctrl.SelectTool(CShapixCtrl::toolDim);
    EXPECT_EQ(ShownTexts(Doc()), (Texts { L"1500", L"1000", L"500", L"500" }));
    EXPECT_EQ(TypeAt(4, 175 - 7 + 4, L"250"), L"500");
    EXPECT_EQ(Read(1).model, (std::vector<double> { 0, 0, 2500, 0, 2500, 750, 0, 750, 1500, 500 }))
        << "fetching applies on the dimension page too";
}
