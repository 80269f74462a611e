#include "PolyTestSupport.h"

#include "poly/SideGeometry.h"

#include <gtest/gtest.h>

#include <random>

using namespace poly_test;
using platform::CRecordDC;
using platform::GdiOp;

namespace {

inline constexpr COLORREF kGreen = 0x00FF00;
inline constexpr COLORREF kYellow = 0x00FFFF;
inline constexpr COLORREF kCyan = 0xFFFF00;

} // namespace

TEST(PolyDraw, EachSideIsItsOwnFigureInItsPen)
{
    CRecordDC dc;
    const auto triangle = MakePoly({ 0, 0, 100, 0, 100, 50 });
    triangle->ReverDraw(1);
    triangle->Draw(&dc, nullptr);
    const std::vector<std::vector<int>> ends = { { 0, 0 }, { 100, 0 }, { 100, 0 }, { 100, 50 }, { 100, 50 }, { 0, 0 } };
    ASSERT_EQ(dc.Calls().size(), ends.size());
    for (size_t i = 0; i < ends.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i) + ": side 1 is highlighted, no brush");
        const bool hot = i / 2 == 1;
        EXPECT_EQ(dc.Calls()[i].op, i % 2 == 0 ? GdiOp::MoveTo : GdiOp::LineTo);
        EXPECT_EQ(dc.Calls()[i].args, ends[i]);
        EXPECT_EQ(dc.Calls()[i].pen.lopnColor, hot ? kYellow : kGreen);
        EXPECT_EQ(dc.Calls()[i].pen.lopnWidth.x, hot ? 2 : 1);
        EXPECT_EQ(dc.Calls()[i].brush.lbStyle, static_cast<UINT>(BS_NULL));
    }
    {
        SCOPED_TRACE("a positive bulge runs GDI's arc from the end radial to the start radial");
        dc.ClearCalls();
        MakePoly({ 0, 0, 100, 0 }, { 1 })->Draw(&dc, nullptr);
        ASSERT_EQ(dc.Calls().size(), 3u);
        EXPECT_EQ(dc.Calls()[0].op, GdiOp::Arc);
        EXPECT_EQ(std::vector<int>(dc.Calls()[0].args.begin() + 4, dc.Calls()[0].args.end()),
            std::vector<int>({ 100, 0, 0, 0 }));
    }
    {
        SCOPED_TRACE("hidden or a single vertex: nothing; without pen: null pen and brush");
        dc.ClearCalls();
        triangle->Visible(false);
        triangle->Draw(&dc, nullptr);
        MakePoly({ 5, 5 })->Draw(&dc, nullptr);
        EXPECT_TRUE(dc.Calls().empty());
        triangle->Visible(true);
        triangle->m_bDrawPen = FALSE;
        triangle->Draw(&dc, nullptr);
        ASSERT_EQ(dc.Calls().size(), 6u);
        EXPECT_EQ(dc.Calls()[3].pen.lopnStyle, static_cast<UINT>(PS_NULL));
        EXPECT_EQ(dc.Calls()[3].brush.lbStyle, static_cast<UINT>(BS_NULL));
    }
}

TEST(PolyDraw, TrackerDrawsYellowSquaresThenTheCyanReferenceSquare)
{
    CRecordDC dc;
    const auto poly = MakePoly({ 10.5, 20.49, 40, 20, 40, 60 }, {}, Floatpt(30, 40));
    poly->DrawTracker(&dc, CMyDrawPoly::trackSelected);
    ASSERT_EQ(dc.Calls().size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE("square " + std::to_string(i));
        EXPECT_EQ(dc.Calls()[i].op, GdiOp::Rectangle);
        EXPECT_EQ(dc.Calls()[i].pen.lopnColor, i < 6 ? kYellow : kCyan);
        EXPECT_EQ(dc.Calls()[i].brush.lbStyle, static_cast<UINT>(BS_NULL));
    }
    EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ 5, 14, 17, 26 }));
    EXPECT_EQ(dc.Calls()[3].args, std::vector<int>({ 5, 14, 17, 26 })); // side 0's midpoint: its start vertex
    EXPECT_EQ(dc.Calls()[6].args, std::vector<int>({ 24, 34, 36, 46 }));
    EXPECT_EQ(poly->m_lpTracker.lopnColor, kCyan);

    dc.ClearCalls();
    poly->DrawTracker(&dc, CMyDrawPoly::trackNone);
    poly->DrawTracker(&dc, static_cast<CMyDrawPoly::TrackerState>(3));
    EXPECT_TRUE(dc.Calls().empty());
    CMyDrawPoly().DrawTracker(&dc, CMyDrawPoly::trackActive);
    ASSERT_EQ(dc.Calls().size(), 1u); // no vertices: the reference square only
    EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ -6, -6, 6, 6 }));
}

TEST(PolyDraw, ObjectRectangleIsBoundedByTheRoundedVertices)
{
    // The arc bulges to y = -50 and the reference point lies far outside.
    EXPECT_EQ(MakePoly({ 100.4, 0, 0, 0, 50, 49.5 }, { -1 }, Floatpt(500, 500))->GetObjRect(), CRect(0, 0, 100, 50));
    EXPECT_EQ(MakePoly({ 30, 40 })->GetObjRect(), CRect(0, 0, 0, 0));
}

// Repaints and handle queries reuse what they worked out for a side until
// its rounded ends or its bulge change; whatever happens to the outline in
// between, they must give what the side's own geometry gives.
TEST(PolyDraw, RememberedSidesFollowEveryChangeOfTheOutline)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coord(-50, 250);
    std::uniform_real_distribution<double> bend(-1.5, 1.5);
    std::uniform_real_distribution<double> nudge(-0.8, 0.8);
    Values points;
    Values bulges;
    for (int k = 0; k < 12; ++k) {
        points.insert(points.end(), { coord(random), coord(random) });
        bulges.push_back(k % 3 == 0 ? 0.0 : bend(random));
    }
    const auto poly = MakePoly(points, bulges);

    auto expectFresh = [&](const std::string& when) {
        SCOPED_TRACE(when);
        CRecordDC drawn;
        poly->Draw(&drawn, nullptr);
        CRecordDC fresh;
        const INT_PTR count = poly->m_aVertices.GetSize();
        for (INT_PTR side = 0; side < count; ++side) {
            CArc arc = SHAPIX_NAME::SideArc(*poly, side);
            arc.Draw(&fresh);
            const Floatpt mid = arc.GetMidPt();
            const CMyPoint* handle = poly->GetHandle(static_cast<int>(count + side + 1));
            EXPECT_EQ(handle->m_x, SHAPIX_NAME::TruncToInt(mid.x)) << "side " << side;
            EXPECT_EQ(handle->m_y, SHAPIX_NAME::TruncToInt(mid.y)) << "side " << side;
        }
        ASSERT_EQ(drawn.Calls().size(), fresh.Calls().size());
        for (size_t i = 0; i < fresh.Calls().size(); ++i) {
            EXPECT_EQ(drawn.Calls()[i].op, fresh.Calls()[i].op) << "call " << i;
            EXPECT_EQ(drawn.Calls()[i].args, fresh.Calls()[i].args) << "call " << i;
        }
    };

    expectFresh("first paint");
    expectFresh("second paint, nothing changed");
    for (int round = 0; round < 40; ++round) {
        const INT_PTR count = poly->m_aVertices.GetSize();
        CMyPoint* vertex = poly->m_aVertices[static_cast<INT_PTR>(random() % count)];
        switch (round % 5) {
        case 0: // within its pixel or across a pixel edge
            vertex->m_x += nudge(random);
            vertex->m_y += nudge(random);
            break;
        case 1:
            poly->m_aBulge[static_cast<INT_PTR>(random() % count)] = bend(random);
            break;
        case 2: // the same value with the other sign bit
            poly->m_aBulge[0] = -poly->m_aBulge[0];
            break;
        case 3:
            poly->m_aVertices.Add(new CMyPoint(coord(random), coord(random), 0));
            break;
        case 4:
            if (count > 3) {
                delete poly->m_aVertices[count - 1];
                poly->m_aVertices.RemoveAt(count - 1);
            }
            break;
        }
        expectFresh("after change " + std::to_string(round));
    }
}
