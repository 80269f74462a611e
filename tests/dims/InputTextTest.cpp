// The dimension label: drawn and hit only on the dimension page, and the
// value dialog behind it.
#include "DimTestSupport.h"

#include <stdexcept>

using dim_test::DimHost;

TEST(DimensionLabel, DrawsOnTheDimensionPageAndIsHitAroundItsCentredText)
{
    CDrawObjAry doc;
    doc.m_nHeight = 400;
    dim_test::Points p;
    p.Add(80, 10, -1, -1, 1); // the horizontal chain only
    p.Add(120, 10, -1, -1, 1);
    CStringArray dimX, dimY;
    dimX.Add(L"12345"); // 40 pixels wide in the record DC
    doc.GetRelMng()->Build(dimX, dimY, p.array);
    CInputText& label = *dim_test::Labels(doc).at(0);

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
    AddOutline(1, L"100\t100\t300\t100\t300\t200\t", L"", 200, 150);
    m_ctrl.SelectTool(CShapixCtrl::toolDim);
    CInputText& label = *dim_test::Labels(Doc()).at(0);
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
        label.EditProp(&m_ctrl);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(label.GetText(), c.stored);
        EXPECT_EQ(m_changes, c.changes);
    }
    SCOPED_TRACE("no document behind the window: the value is dropped");
    platform::SetModalDriver([](platform::ModalSession& session) {
        session.SetText(1000, L"5");
        session.Click(IDOK);
    });
    label.EditProp(&m_host);
    EXPECT_EQ(label.GetText(), L"abc");
}

TEST_F(DimHost, TheValueDialogComesFromTheLibraryWhateverTheCurrentResourceHandle)
{
    AddOutline(1, L"100\t100\t300\t100\t300\t200\t", L"", 200, 150);
    m_ctrl.SelectTool(CShapixCtrl::toolDim);
    CInputText& label = *dim_test::Labels(Doc()).at(0);
    platform::ResourceModule host(L"host"); // with a 1002 of its own, made current
    host.AddDialog({ 1002, WS_POPUP | WS_CAPTION, 0, L"host", 0, L"", 0, 0, 50, 50, {} });
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(host.Handle());

    std::wstring caption;
    platform::SetModalDriver([&](platform::ModalSession& session) {
        caption = session.Caption();
        EXPECT_EQ(AfxGetResourceHandle(), ShapixResourceHandle());
    });
    label.EditProp(&m_ctrl);
    EXPECT_EQ(caption, L"输入尺寸");
    EXPECT_EQ(AfxGetResourceHandle(), host.Handle());

    platform::SetModalDriver([](platform::ModalSession&) { throw std::runtime_error("host gone"); });
    EXPECT_THROW(label.EditProp(&m_ctrl), std::runtime_error);
    EXPECT_EQ(AfxGetResourceHandle(), host.Handle()) << "restored on an exception too";
    AfxSetResourceHandle(previous);
}
