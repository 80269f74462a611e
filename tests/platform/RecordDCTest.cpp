#include "Shapix.h"

#include <gtest/gtest.h>

using platform::CRecordDC;
using platform::GdiCall;
using platform::GdiOp;

TEST(RecordDC, KeepsCallsWithThePenAndBrushInForce)
{
    CRecordDC dc;
    ASSERT_NE(dc.GetSafeHdc(), nullptr);

    LOGPEN greenLog { PS_SOLID, { 1, 0 }, 0x00FF00 };
    CPen green;
    green.CreatePenIndirect(&greenLog);
    LOGBRUSH greyLog { BS_SOLID, 0xC0C0C0, 0 };
    CBrush grey;
    grey.CreateBrushIndirect(&greyLog);

    CPen* oldPen = dc.SelectObject(&green);
    CBrush* oldBrush = dc.SelectObject(&grey);
    ASSERT_NE(oldPen, nullptr);
    dc.MoveTo(1, 2);
    dc.LineTo(3, 4);
    dc.Rectangle(0, 0, 10, 10);
    CGdiObject* previousBrush = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(previousBrush->m_hObject, grey.m_hObject);
    dc.Ellipse(5, 6, 7, 8);
    dc.SelectStockObject(NULL_PEN);
    dc.Arc(0, 0, 20, 20, 20, 10, 0, 10);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.FillSolidRect(CRect(1, 2, 3, 4), RGB(1, 2, 3));

    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].op, GdiOp::MoveTo);
    EXPECT_EQ(calls[0].args, std::vector<int>({ 1, 2 }));
    EXPECT_EQ(calls[1].op, GdiOp::LineTo);
    EXPECT_EQ(calls[1].pen.lopnColor, 0x00FF00u);
    EXPECT_EQ(calls[1].pen.lopnWidth.x, 1);
    EXPECT_EQ(calls[2].op, GdiOp::Rectangle);
    EXPECT_EQ(calls[2].brush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(calls[2].brush.lbColor, 0xC0C0C0u);
    EXPECT_EQ(calls[3].op, GdiOp::Ellipse);
    EXPECT_EQ(calls[3].brush.lbStyle, static_cast<UINT>(BS_NULL));
    EXPECT_EQ(calls[3].args, std::vector<int>({ 5, 6, 7, 8 }));
    EXPECT_EQ(calls[4].op, GdiOp::Arc);
    EXPECT_EQ(calls[4].pen.lopnStyle, static_cast<UINT>(PS_NULL));
    EXPECT_EQ(calls[4].args, std::vector<int>({ 0, 0, 20, 20, 20, 10, 0, 10 }));
    EXPECT_EQ(calls[5].op, GdiOp::FillSolidRect);
    EXPECT_EQ(calls[5].args, std::vector<int>({ 1, 2, 3, 4, static_cast<int>(RGB(1, 2, 3)) }));
    EXPECT_EQ(calls[5].pen.lopnStyle, static_cast<UINT>(PS_SOLID)); // the stock black pen is back
    EXPECT_EQ(calls[5].pen.lopnColor, 0u);
    // MFC's FillSolidRect leaves its colour as the background colour.
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));

    dc.ClearCalls();
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(RecordDC, TextStateAndFixedMetrics)
{
    CRecordDC dc;
    EXPECT_EQ(dc.SetTextColor(RGB(255, 255, 0)), 0u);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetTextAlign(TA_CENTER | TA_TOP), 0u);
    const CString label = L"1500";
    dc.ExtTextOut(100, 40, ETO_OPAQUE, nullptr, label, nullptr);
    EXPECT_EQ(dc.GetTextExtent(label), CSize(32, 16));
    EXPECT_EQ(dc.GetTextExtent(CString(L"输入尺寸")), CSize(32, 16));

    ASSERT_EQ(dc.Calls().size(), 1u);
    const GdiCall& text = dc.Calls()[0];
    EXPECT_EQ(text.op, GdiOp::TextOut);
    EXPECT_EQ(text.text, L"1500");
    EXPECT_EQ(text.args, std::vector<int>({ 100, 40, ETO_OPAQUE, 4 }));
    EXPECT_EQ(text.textColor, RGB(255, 255, 0));
    EXPECT_EQ(text.textAlign, static_cast<UINT>(TA_CENTER));
    EXPECT_EQ(text.bkMode, TRANSPARENT);
}

TEST(RecordDC, ArcSidesDrawAsLineEllipseOrDirectedArc)
{
    CRecordDC dc;
    {
        SCOPED_TRACE("straight side: a line, coordinates truncated");
        CArc(Floatpt(0.9, 1.9), Floatpt(10.7, -0.7), 0).Draw(&dc);
        ASSERT_EQ(dc.Calls().size(), 2u);
        EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ 0, 1 }));
        EXPECT_EQ(dc.Calls()[1].args, std::vector<int>({ 10, 0 }));
    }
    {
        SCOPED_TRACE("clockwise half circle: from the end radial to the start radial");
        dc.ClearCalls();
        EXPECT_NE(CArc(Floatpt(0, 0), Floatpt(10, 0), 180).Draw(&dc), 0);
        ASSERT_EQ(dc.Calls().size(), 1u);
        EXPECT_EQ(dc.Calls()[0].op, GdiOp::Arc);
        // The box keeps its larger y on top, as GetDrawRect gives it. The
        // system's pi puts the centre 1e-11 below the chord, so the top and
        // bottom truncate to 5 and -4.
        EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ 0, 5, 10, -4, 10, 0, 0, 0 }));
    }
    {
        SCOPED_TRACE("counter-clockwise: from the start radial");
        dc.ClearCalls();
        CArc(Floatpt(0, 0), Floatpt(10, 0), -180).Draw(&dc);
        EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ 0, 4, 10, -5, 0, 0, 10, 0 }));
    }
    {
        SCOPED_TRACE("a whole turn is an ellipse, minus a whole turn is not");
        dc.ClearCalls();
        CArc(Floatpt(0, 0), Floatpt(10, 0), 360).Draw(&dc);
        EXPECT_EQ(dc.Calls()[0].op, GdiOp::Ellipse);
        EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ 0, 5, 10, -5 }));
        dc.ClearCalls();
        CArc(Floatpt(0, 0), Floatpt(10, 0), -360).Draw(&dc);
        EXPECT_EQ(dc.Calls()[0].op, GdiOp::Arc);
    }
}

TEST(GdiObjects, WrappersSelectAndFreeTheirHandles)
{
    const int before = platform::GdiObject::LiveCount();
    {
        CPen pen(PS_SOLID, 2, RGB(255, 255, 0));
        LOGPEN log {};
        EXPECT_EQ(pen.GetLogPen(&log), static_cast<int>(sizeof(LOGPEN)));
        EXPECT_EQ(log.lopnWidth.x, 2);
        EXPECT_EQ(CPen::FromHandle(pen), &pen); // the permanent wrapper
        EXPECT_EQ(platform::GdiObject::LiveCount(), before + 1);
    }
    EXPECT_EQ(platform::GdiObject::LiveCount(), before);

    HPEN raw = CreatePen(PS_SOLID, 1, 0);
    CPen* temporary = CPen::FromHandle(raw);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CPen::FromHandle(raw), temporary);
    EXPECT_TRUE(DeleteObject(raw));
    EXPECT_FALSE(DeleteObject(raw)); // a stale handle is refused
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN))); // stock objects survive
    EXPECT_NE(platform::GdiObject::FromHandle(GetStockObject(BLACK_PEN)), nullptr);
}

TEST(GdiObjects, MemoryDcBitmapsFollowWindowsRules)
{
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    CRecordDC screen;
    CBitmap colour;
    ASSERT_TRUE(colour.CreateCompatibleBitmap(&screen, 4, 4));
    BITMAP info {};
    colour.GetBitmap(&info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidth, 4);

    CBitmap* old = memory.SelectObject(&colour);
    ASSERT_NE(old, nullptr);
    CDC other;
    other.CreateCompatibleDC(nullptr);
    EXPECT_EQ(other.SelectObject(&colour), nullptr); // already in another DC
    memory.SelectObject(old);
    EXPECT_NE(other.SelectObject(&colour), nullptr);
    other.SelectObject(old);
}
