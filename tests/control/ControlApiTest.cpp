#include "ControlTestSupport.h"

#include <gtest/gtest.h>

using controltest::FillRecord;
using controltest::ParentWnd;

namespace {

int g_lastCallbackValue = -1;
int g_callbackCalls = 0;

void RecordValue(int value)
{
    g_lastCallbackValue = value;
    ++g_callbackCalls;
}

const wchar_t* kTriangle = L"20\t20\t220\t20\t220\t120\t";

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
    ParentWnd parent;
    CShapixCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &parent, 5));
    CShapixCtrl::CPicDerData record;
    FillRecord(record, 7, kTriangle, L"0\t0\t2000\t0\t2000\t1000\t");
    ctrl.AddDrawObj(record);
    CDrawObjAry* doc = ctrl.GetPtrData();

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
    CString points, model, codes, names, bulges;
    double ref[2], modelRef[2];
    out.GetData(&points, &model, &codes, &names, &bulges, ref, modelRef);
    EXPECT_EQ(points, L"20.00000\t20.00000\t220.00000\t20.00000\t220.00000\t120.00000\t");
    EXPECT_EQ(model, L"0.00000\t0.00000\t2000.00000\t0.00000\t2000.00000\t1000.00000\t");
    EXPECT_EQ(bulges, L"0.00000\t0.00000\t0.00000\t");
    EXPECT_EQ(codes, L"0\t0\t0\t");
    EXPECT_EQ(names, L"直线\t圆弧\t");
    EXPECT_EQ(out.m_nID, 7);

    ctrl.SetObjVisible(7, false);
    EXPECT_EQ(doc->GetSelObj(), nullptr);
    CShapixCtrl::CPicDerData untouched;
    untouched.m_nID = 123;
    EXPECT_FALSE(ctrl.GetObjData(7, untouched));
    EXPECT_EQ(untouched.m_nID, 123);
    EXPECT_EQ(untouched.m_aryPoints.GetSize(), 0);
}

TEST(ControlApi, PaintsTheOutlineOnBlackAndRegistersOneClass)
{
    ParentWnd parent;
    const int classesBefore = platform::WndClassRegistrations();
    CShapixCtrl first;
    CShapixCtrl second(CShapixCtrl::toolRead);
    ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 1));
    ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 2));
    // One class for both controls (none at all when an earlier test made it).
    EXPECT_LE(platform::WndClassRegistrations() - classesBefore, 1);
    EXPECT_EQ(second.GetPtrData()->GetCurPage(), 1);

    CShapixCtrl::CPicDerData record;
    FillRecord(record, 1, kTriangle);
    first.AddDrawObj(record);
    first.InvalidateCtrl();
    platform::PumpMessages();
    const platform::Image shown = platform::CaptureClient(&first);
    ASSERT_EQ(shown.Width(), 294);
    EXPECT_EQ(shown.Pixel(5, 5), 0u); // black background
    EXPECT_EQ(shown.Pixel(100, 20), RGB(0, 255, 0)); // the top side, green
    EXPECT_EQ(shown.Pixel(220, 60), RGB(0, 255, 0)); // the right side
    EXPECT_EQ(shown.Pixel(150, 40), 0u); // outlines are not filled
}

TEST(ControlApi, GetDrawMemDcRendersIntoTheHostsDc)
{
    ParentWnd parent;
    CShapixCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 1));
    CShapixCtrl::CPicDerData record;
    FillRecord(record, 1, kTriangle);
    ctrl.AddDrawObj(record);

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
        EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ 0, 0, 294, 194, 0 }));
        EXPECT_EQ(dc.Calls()[1].op, platform::GdiOp::MoveTo);
    }
    CDC unused;
    ctrl.GetDrawMemDc(nullptr, CShapixCtrl::toolSelect, unused);
    EXPECT_EQ(unused.GetSafeHdc(), nullptr);
}
