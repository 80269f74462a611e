// A user types a dimension on the dimension page; the host reads the
// outline back.
#include "DimTestSupport.h"

using dim_test::DimHost;
using dim_test::Texts;

namespace {

// The client area is 294 high: the first horizontal label's top is at
// 294 - 35, the vertical labels' tops 7 above their middles.
constexpr int kFirstHorzLabelY = 259 + 4;

} // namespace

TEST_F(DimHost, TypingTheFirstLinkOfARectangleMovesItsModelPointsWhenThePageIsLeft)
{
    // Model x: left 0, reference 1000, right 2000; model y: 0, 500, 1000.
    AddOutline(1, L"100\t100\t300\t100\t300\t200\t100\t200\t", L"0\t0\t2000\t0\t2000\t1000\t0\t1000\t", 200,
        150, 1000, 500);
    m_ctrl.CreateDimText();
    m_ctrl.SelectTool(CShapixCtrl::toolDim);
    EXPECT_EQ(dim_test::ShownTexts(Doc()), (Texts { L"1000", L"1000", L"500", L"500" }));

    m_ctrl.UpdateWindow();
    m_ctrl.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(150, kFirstHorzLabelY));
    EXPECT_EQ(platform::CursorId(GetCursor()), 129) << "the hand over a label";
    EXPECT_EQ(TypeAt(150, kFirstHorzLabelY, L"1500"), L"1000");
    EXPECT_EQ(m_changes, 1);
    EXPECT_EQ(dim_test::ShownTexts(Doc()), (Texts { L"1500", L"1000", L"500", L"500" }));
    EXPECT_EQ(TypeAt(4, 125 - 7 + 4, L"500"), L"500") << "the same value again";
    EXPECT_EQ(m_changes, 1) << "an unchanged value is not reported";

    m_ctrl.SelectTool(CShapixCtrl::toolSelect);
    EXPECT_EQ(Model(1), (std::vector<double> { 0, 0, 2500, 0, 2500, 1000, 0, 1000, 1500, 500 }));
    auto* poly = dynamic_cast<CMyDrawPoly*>(Doc().GetObjByID(1));
    ASSERT_NE(poly, nullptr);
    EXPECT_EQ(poly->m_aVertices[1]->m_x, 300) << "window coordinates stay";
    EXPECT_EQ(TypeAt(150, kFirstHorzLabelY, L"9"), L"(no dialog)") << "no labels on the select page";
    EXPECT_TRUE(dim_test::ShownTexts(Doc()).empty());

    SCOPED_TRACE("the typed value survives the rebuild when the page is entered again");
    m_ctrl.SelectTool(CShapixCtrl::toolDim);
    EXPECT_EQ(dim_test::ShownTexts(Doc()), (Texts { L"1500", L"1000", L"500", L"500" }));
    EXPECT_EQ(TypeAt(4, 175 - 7 + 4, L"250"), L"500");
    EXPECT_EQ(Model(1), (std::vector<double> { 0, 0, 2500, 0, 2500, 750, 0, 750, 1500, 500 }))
        << "fetching applies on the dimension page too";
}
