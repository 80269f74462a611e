// The dimension label: drawn and hit only on the dimension page, and the
// value dialog behind it.
#include "DimTestSupport.h"

#include "platform/gdi/DeviceContext.h"

#include <stdexcept>

using dim_test::DimHost;
using dim_test::Points;

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
    CInputText& label = *dim_test::Labels(doc).at(0);

    platform::CRecordDC dc;
    label.Draw(&dc, &doc);
    EXPECT_TRUE(dc.Calls().empty()) << "not on page 0";
    doc.m_nCurTool = CShapixCtrl::toolDim;
    EXPECT_EQ(doc.HitObject(CPoint(100, 370)), nullptr) << "not measured before its first paint";

    dc.SetTextColor(RGB(1, 2, 3));
    label.Draw(&dc, &doc);
    ASSERT_EQ(dc.Calls().size(), 1u);
    const platform::GdiCall& text = dc.Calls()[0];
    EXPECT_EQ(text.text, L"12345");
    EXPECT_EQ(text.args, std::vector<int>({ 100, 365, ETO_OPAQUE, 5 }));
    EXPECT_EQ(text.textColor, RGB(255, 255, 0));
    EXPECT_EQ(text.bkMode, TRANSPARENT);
    EXPECT_EQ(text.textAlign, static_cast<UINT>(TA_CENTER));
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3)) << "the DC's state comes back";
    EXPECT_EQ(dc.GetTextAlign(), 0u);
    EXPECT_EQ(label.m_rcPosition, CRect(100, 365, 140, 381)) << "kept from the reference point";

    // The text covers columns 80 to 119 and rows 365 to 380.
    const struct {
        CPoint cursor;
        bool hit;
    } probes[] = { { { 79, 370 }, true }, { { 78, 370 }, false }, { { 123, 370 }, true }, { { 124, 370 }, false },
        { { 100, 364 }, true }, { { 100, 363 }, false }, { { 100, 382 }, true }, { { 100, 383 }, false } };
    for (const auto& probe : probes) {
        SCOPED_TRACE("cursor " + std::to_string(probe.cursor.x) + "," + std::to_string(probe.cursor.y));
        EXPECT_EQ(doc.HitObject(probe.cursor) == &label, probe.hit);
    }
    doc.m_nCurTool = CShapixCtrl::toolSelect;
    EXPECT_EQ(doc.HitObject(CPoint(100, 370)), nullptr) << "labels are hit on the dimension page only";
}

TEST_F(DimHost, EditingALabelStoresTheValueInItsShortFormAndTellsTheHost)
{
    AddOutline(1, L"100\t100\t300\t100\t300\t200\t", L"", 200, 150, 0, 0);
    m_ctrl.SelectTool(CShapixCtrl::toolDim);
    CInputText& label = *dim_test::Labels(Doc()).at(0);
    // Old text, what the user types ("" cancels), what the dialog showed,
    // the text stored, whether the host hears of it.
    const struct {
        const wchar_t* old;
        const wchar_t* typed;
        const wchar_t* shown;
        const wchar_t* stored;
        int changes;
    } cases[] = {
        { L"1200", L"1200", L"1200", L"1200", 0 },
        { L"1200.000", L"1200", L"1200", L"1200", 1 },
        { L"1000", L"1234567.8", L"1000", L"1.23457e+06", 1 },
        { L"1000", L"0.00001", L"1000", L"1e-05", 1 },
        { L"1000", L"", L"1000", L"1000", 0 },
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
            if (*c.typed) {
                session.SetText(1000, c.typed);
                session.Click(IDOK);
            }
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
    EXPECT_EQ(m_changes, 0);
}

TEST_F(DimHost, TheValueDialogComesFromTheLibraryWhateverTheCurrentResourceHandle)
{
    AddOutline(1, L"100\t100\t300\t100\t300\t200\t", L"", 200, 150, 0, 0);
    m_ctrl.SelectTool(CShapixCtrl::toolDim);
    CInputText& label = *dim_test::Labels(Doc()).at(0);
    // A host module with a template of the same number, made current.
    platform::ResourceModule host(L"host");
    host.AddDialog({ 1002, WS_POPUP | WS_CAPTION, 0, L"host", 0, L"", 0, 0, 50, 50, {} });
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(host.Handle());

    int runs = 0;
    platform::SetModalDriver([&](platform::ModalSession& session) {
        ++runs;
        EXPECT_EQ(session.Caption(), L"输入尺寸");
        EXPECT_EQ(AfxGetResourceHandle(), ShapixResourceHandle());
    });
    label.EditProp(&m_ctrl);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(AfxGetResourceHandle(), host.Handle());

    SCOPED_TRACE("restored when the dialog is left by an exception");
    platform::SetModalDriver([](platform::ModalSession&) { throw std::runtime_error("host gone"); });
    EXPECT_THROW(label.EditProp(&m_ctrl), std::runtime_error);
    EXPECT_EQ(AfxGetResourceHandle(), host.Handle());
    AfxSetResourceHandle(previous);
}
