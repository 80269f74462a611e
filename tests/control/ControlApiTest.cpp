// The host's calls on the control: the value callback, visibility, the
// read-back strings and drawing into the host's own DC; and the document
// behind it: tools, hit order, batched repaint and snap partners.
#include "ControlHarness.h"

#include <functional>

using namespace control_test;

namespace {

int g_lastCallbackValue = -1;
int g_callbackCalls = 0;

void RecordValue(int value)
{
    g_lastCallbackValue = value;
    ++g_callbackCalls;
}

const std::vector<double> kTriangle { 20, 20, 220, 20, 220, 120 };

bool Throws(const std::function<void()>& call)
{
    try {
        call();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}

} // namespace

TEST(ControlApi, RunCBFunRelaysTheFirstStringAsANumber)
{
    CShapixCtrl ctrl;
    CStringArray empty;
    ctrl.RunCBFun(&empty); // no callback: the array is not looked at

    ctrl.SetCBFun(reinterpret_cast<void*>(&RecordValue));
    CStringArray args;
    args.Add(L"12");
    args.Add(L"99");
    g_callbackCalls = 0;
    ctrl.RunCBFun(&args);
    EXPECT_EQ(g_lastCallbackValue, 12);
    args[0] = L"abc";
    ctrl.RunCBFun(&args);
    EXPECT_EQ(g_lastCallbackValue, 0);
    EXPECT_EQ(g_callbackCalls, 2);
    EXPECT_TRUE(Throws([&] { ctrl.RunCBFun(&empty); }));
}

TEST(ControlApi, VisibilityAndReadBack)
{
    ControlHarness h;
    CShapixCtrl::CPicDerData record;
    const CString points = TabList(kTriangle);
    const CString model = L"0\t0\t2000\t0\t2000\t1000\t";
    const CString names = L"直线\t圆弧\t";
    const double ref[2] = { 0, 0 };
    record.SetData(7, &points, &model, nullptr, &names, nullptr, ref, ref);
    h.ctrl.AddDrawObj(record);
    CShapixCtrl& ctrl = h.ctrl;
    CDrawObjAry* doc = &h.Doc();

    bool visible = false;
    EXPECT_TRUE(ctrl.GetObjVisible(7, visible));
    EXPECT_TRUE(visible);
    EXPECT_FALSE(ctrl.GetObjVisible(8, visible));

    // An unknown identifier changes nothing, not even the selection.
    doc->Select(doc->m_objs[0]);
    ctrl.SetObjVisible(8, false);
    EXPECT_EQ(doc->GetSelObj(), doc->m_objs[0]);

    CShapixCtrl::CPicDerData out;
    ASSERT_TRUE(ctrl.GetObjData(7, out));
    CString outPoints, outModel, codes, outNames, bulges;
    double outRef[2], modelRef[2];
    out.GetData(&outPoints, &outModel, &codes, &outNames, &bulges, outRef, modelRef);
    EXPECT_EQ(outPoints, L"20.00000\t20.00000\t220.00000\t20.00000\t220.00000\t120.00000\t");
    EXPECT_EQ(outModel, L"0.00000\t0.00000\t2000.00000\t0.00000\t2000.00000\t1000.00000\t");
    EXPECT_EQ(bulges, L"0.00000\t0.00000\t0.00000\t");
    EXPECT_EQ(codes, L"0\t0\t0\t");
    EXPECT_EQ(outNames, L"直线\t圆弧\t");
    EXPECT_EQ(out.m_nID, 7);

    ctrl.SetObjVisible(7, false);
    EXPECT_EQ(doc->GetSelObj(), nullptr);
    CShapixCtrl::CPicDerData untouched;
    untouched.m_nID = 123;
    EXPECT_FALSE(ctrl.GetObjData(7, untouched));
    EXPECT_EQ(untouched.m_nID, 123);
    EXPECT_EQ(untouched.m_aryPoints.GetSize(), 0);
}

TEST(ControlApi, GetDrawMemDcRendersIntoTheHostsDc)
{
    ControlHarness h;
    h.Add(1, kTriangle, {}, 0, 0);
    CShapixCtrl& ctrl = h.ctrl;
    {
        SCOPED_TRACE("a CDC without a device context gets one with the picture");
        CDC dc;
        ctrl.GetDrawMemDc(&ctrl, CShapixCtrl::toolSelect, dc);
        ASSERT_NE(dc.GetSafeHdc(), nullptr);
        EXPECT_EQ(dc.GetPixel(100, 20), RGB(0, 255, 0));
        EXPECT_EQ(dc.GetPixel(150, 60), 0u); // inside the outline: black, unfilled
        dc.DeleteDC();
    }
    {
        SCOPED_TRACE("a CDC with a device context is only painted into");
        platform::CRecordDC dc;
        const HDC before = dc.GetSafeHdc();
        ctrl.GetDrawMemDc(&ctrl, CShapixCtrl::toolSelect, dc);
        EXPECT_EQ(dc.GetSafeHdc(), before);
        ASSERT_FALSE(dc.Calls().empty());
        EXPECT_EQ(dc.Calls()[0].op, platform::GdiOp::FillSolidRect);
        EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ 0, 0, kClientWidth, kClientHeight, 0 }));
        EXPECT_EQ(dc.Calls()[1].op, platform::GdiOp::MoveTo);
    }
    CDC unused;
    ctrl.GetDrawMemDc(nullptr, CShapixCtrl::toolSelect, unused);
    EXPECT_EQ(unused.GetSafeHdc(), nullptr);

    CShapixCtrl reader(CShapixCtrl::toolRead);
    ASSERT_TRUE(reader.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &h.host, 2));
    EXPECT_EQ(reader.GetPtrData()->GetCurPage(), 1) << "the page given at construction";
}

TEST(Document, NearnessAndOutOfRangeToolsAndPages)
{
    CDrawObjAry doc;
    EXPECT_TRUE(CDrawObjAry::IsNear(200, 204));
    EXPECT_FALSE(CDrawObjAry::IsNear(200, 205));
    EXPECT_FALSE(CDrawObjAry::IsNear(INT32_MIN, INT32_MAX));

    // Out of range: the exception, and nothing changed before it.
    EXPECT_TRUE(Throws([&] { doc.SelectTool(6); }));
    EXPECT_EQ(doc.GetCurTool(), doc.GetTool(0));
    EXPECT_TRUE(Throws([&] { doc.SetCtrPtr(-1, nullptr); }));
}

TEST(Document, HitObjectPrefersTheLastVisibleObjectOfThePage)
{
    ControlHarness h;
    CDrawObjAry* doc = &h.Doc();
    h.Add(1, { 10, 10, 110, 10, 110, 60 }, {}, 0, 0);
    h.Add(2, { 10, 10, 200, 10, 200, 100 }, {}, 0, 0); // shares the side along y = 10
    EXPECT_EQ(doc->HitObject(CPoint(50, 10)), doc->m_objs[1]);
    doc->m_objs[1]->Visible(false);
    EXPECT_EQ(doc->HitObject(CPoint(50, 10)), doc->m_objs[0]);
    EXPECT_EQ(doc->HitObject(CPoint(300, 250)), nullptr);
    doc->SelectTool(1); // nothing has type 1
    EXPECT_EQ(doc->HitObject(CPoint(50, 10)), nullptr);

    EXPECT_EQ(doc->GetObjByID(2), doc->m_objs[1]);
    EXPECT_EQ(doc->FindObj(doc->m_objs[1]), 1);
    EXPECT_EQ(doc->GetObjByID(3), nullptr);
}

TEST(Document, RedrawIsBatchedAndClearLeavesNoWindow)
{
    ControlHarness h;
    CShapixCtrl& ctrl = h.ctrl;
    CDrawObjAry* doc = &h.Doc();
    ctrl.UpdateWindow();
    CRect update;
    EXPECT_FALSE(ctrl.GetUpdateRect(&update));
    doc->SetRedraw();
    EXPECT_FALSE(ctrl.GetUpdateRect(&update)); // only marked
    doc->FlushRedraw();
    EXPECT_TRUE(ctrl.GetUpdateRect(&update));
    EXPECT_FALSE(doc->IsRedrawPending());
    ctrl.UpdateWindow();

    h.Add(1, { 10, 10, 110, 10, 110, 60 }, {}, 0, 0);
    doc->Select(doc->m_objs[0]);
    ctrl.ClearData();
    EXPECT_EQ(doc->m_objs.GetSize(), 0);
    EXPECT_EQ(doc->GetSelObj(), nullptr);
    EXPECT_EQ(doc->GetCurWnd(), nullptr);
    EXPECT_TRUE(doc->IsRedrawPending());
    doc->FlushRedraw();
    EXPECT_FALSE(ctrl.GetUpdateRect(&update)); // no window to repaint
    EXPECT_TRUE(doc->IsRedrawPending());
    doc->SelectTool(0);
    EXPECT_EQ(doc->GetCurWnd(), &ctrl);
    EXPECT_EQ(doc->GetDrawWidth(), 394); // 400 less the 3-pixel edges on both sides
}

TEST(Document, SnapPartnersComeFromTheOtherObjects)
{
    ControlHarness h;
    CDrawObjAry* doc = &h.Doc();
    h.Add(1, { 10, 10, 110, 10, 110, 60 }, {}, 0, 0);
    CMyPoint* ptX = reinterpret_cast<CMyPoint*>(1);
    CMyPoint* ptY = ptX;
    CDrawObj* objX = nullptr;
    CDrawObj* objY = nullptr;
    auto* poly = static_cast<SHAPIX_NAME::CMyDrawPoly*>(doc->m_objs[0]);
    EXPECT_FALSE(doc->GetSnapObj(poly, &ptX, &ptY, &objX, &objY, &h.ctrl));
    EXPECT_EQ(ptX, nullptr);
    EXPECT_EQ(ptY, nullptr);

    h.Add(2, { 300, 200, 350, 200, 350, 250 }, {}, 0, 0);
    h.Add(3, { 113, 100, 150, 100, 150, 64 }, {}, 0, 0);
    EXPECT_TRUE(doc->GetSnapObj(poly, &ptX, &ptY, &objX, &objY, &h.ctrl));
    EXPECT_EQ(objX, doc->m_objs[2]);
    EXPECT_EQ(ptX->m_x, 113); // 3 from the right edge at 110
    EXPECT_EQ(objY, doc->m_objs[2]);
    EXPECT_EQ(ptY->m_y, 64); // 4 from the bottom edge at 60
}
