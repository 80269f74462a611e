// The host's calls on the control: the value callback, visibility, the
// read-back strings and drawing into the host's own DC.
#include "ControlHarness.h"

using namespace control_test;

namespace {

int g_lastCallbackValue = -1;
int g_callbackCalls = 0;

void RecordValue(int value)
{
    g_lastCallbackValue = value;
    ++g_callbackCalls;
}

const std::initializer_list<double> kTriangle { 20, 20, 220, 20, 220, 120 };

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

    bool thrown = false;
    try {
        ctrl.RunCBFun(&empty);
    } catch (CInvalidArgException* e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
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
