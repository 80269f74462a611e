#include "Shapix.h"

#include <gtest/gtest.h>

#include <memory>

using SHAPIX_NAME::CDrawObj;

namespace {

// A rectangle object whose eight handles are its corners and edge centres,
// to exercise the base class's handle squares and resize.
class HandleObj : public CDrawObj {
public:
    explicit HandleObj(const CRect& rect)
        : CDrawObj(rect)
    {
    }
    int GetHandleCount() override { return 2; }
    CMyPoint* GetHandle(int n) override { return n == 1 ? &m_first : (n == 2 ? &m_second : nullptr); }

    CMyPoint m_first { 10.5, 20.4, 0 };
    CMyPoint m_second { -0.5, -1.5, 0 };
};

std::vector<std::wstring> Strings(const CStringArray& ary)
{
    std::vector<std::wstring> out;
    for (INT_PTR i = 0; i < ary.GetSize(); ++i)
        out.emplace_back(ary[i].GetString());
    return out;
}

} // namespace

TEST(DrawObjBase, NameAndIdentifierGoThroughTheRecordAndTheClassRecordMakesOne)
{
    CDrawObj obj;
    EXPECT_EQ(obj.GetName(), L"未命名");
    EXPECT_EQ(obj.GetID(), -1);
    platform::CRecordDC dc;
    obj.DrawTracker(&dc, CDrawObj::trackSelected); // no handles, nothing drawn
    EXPECT_TRUE(dc.Calls().empty());

    std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("CDrawObj"));
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CDrawObj)));

    CShapixCtrl::CPicDerData record;
    record.m_nID = 42;
    record.m_strName = L"板";
    CDrawObj fromRecord(&record);
    CShapixCtrl::CPicDerData back;
    fromRecord.FillRetData(&back);
    EXPECT_EQ(back.m_nID, 42);
    EXPECT_EQ(back.m_strName, L"板");
}

TEST(DrawObjBase, HandleSquaresAreCentredOnRoundedPoints)
{
    HandleObj obj(CRect(0, 0, 10, 10));
    EXPECT_EQ(obj.GetHandleRect(1), CRect(5, 14, 17, 26));
    EXPECT_EQ(obj.GetHandleRect(2), CRect(-6, -7, 6, 5)); // -0.5 rounds to 0, -1.5 to -1
    EXPECT_EQ(obj.GetHandleRect(3), CRect(0, 0, 0, 0));

    platform::CRecordDC dc;
    obj.DrawTracker(&dc, CDrawObj::trackActive);
    ASSERT_EQ(dc.Calls().size(), 2u);
    EXPECT_EQ(dc.Calls()[0].args, std::vector<int>({ 5, 14, 17, 26 }));
    EXPECT_EQ(dc.Calls()[0].brush.lbStyle, static_cast<UINT>(BS_NULL));
    EXPECT_EQ(dc.Calls()[0].pen.lopnColor, 0x00FFFFu);
    dc.ClearCalls();
    obj.DrawTracker(&dc, CDrawObj::trackNone);
    obj.DrawTracker(&dc, static_cast<CDrawObj::TrackerState>(3));
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(DrawObjBase, RectangleTestMoveAndResize)
{
    CDrawObj obj(CRect(10, 10, 20, 20));
    EXPECT_EQ(obj.Intersects(CRect(15, 15, 30, 30)), 1);
    EXPECT_EQ(obj.Intersects(CRect(20, 10, 30, 20)), 0); // sharing an edge only
    EXPECT_EQ(obj.Intersects(CRect(30, 30, 15, 15)), 1); // reversed
    obj.MoveHandleTo(3, CPoint(40, 5), nullptr);
    EXPECT_EQ(obj.m_rcPosition, CRect(10, 5, 40, 20));
    obj.MoveHandleTo(9, CPoint(1, 2), nullptr); // any other number moves the top-left
    EXPECT_EQ(obj.m_rcPosition, CRect(1, 2, 40, 20));
    obj.MoveHandleTo(6, CPoint(0, -3), nullptr); // not normalised
    EXPECT_EQ(obj.m_rcPosition, CRect(1, 2, 40, -3));
}

TEST(DrawObjBase, PropertyGridRowsCarryTheName)
{
    auto array = [](std::initializer_list<const wchar_t*> texts) {
        auto out = std::make_unique<CStringArray>();
        for (const wchar_t* text : texts)
            out->Add(text);
        return out;
    };
    CDrawObj obj;
    obj.SetName(L"A");
    obj.SetProps(array({ L"w", L"5" }).get());
    auto rows = array({ L"existing" });
    obj.GetPropInGrid(rows.get());
    EXPECT_EQ(Strings(*rows), std::vector<std::wstring>({ L"existing", L"名称", L"A", L"w", L"5" }));

    auto edit = array({ L"名称", L"B", L"w", L"6" });
    obj.SetPropInGrid(edit.get());
    EXPECT_EQ(obj.GetName(), L"B");
    EXPECT_EQ(Strings(*edit), std::vector<std::wstring>({ L"w", L"6" }));
    CStringArray got;
    obj.GetProps(&got);
    EXPECT_EQ(Strings(got), std::vector<std::wstring>({ L"w", L"6" }));

    obj.SetPropInGrid(array({ L"名称" }).get());
    EXPECT_EQ(obj.GetName(), L"B");
    got.RemoveAll();
    obj.GetProps(&got);
    EXPECT_EQ(Strings(got), std::vector<std::wstring>({ L"名称" }));
}

TEST(DrawObjBase, NearestDimensionPointsPreferTheEarlierOnTies)
{
    // An outline with the dimension points (0, 0) and (95, 50): its
    // vertices, with the reference point on the first.
    CShapixCtrl::CPicDerData record;
    const CString points = L"0\t0\t95\t50\t";
    const double ref[2] = { 0, 0 };
    record.SetData(1, &points, nullptr, nullptr, nullptr, nullptr, ref, ref);
    SHAPIX_NAME::CMyDrawPoly poly(&record);
    CRect rect(100, 10, 200, 40);
    CMyPoint* nearX = nullptr;
    CMyPoint* nearY = nullptr;
    poly.GetNearXY(rect, &nearX, &nearY, nullptr);
    ASSERT_NE(nearX, nullptr);
    ASSERT_NE(nearY, nullptr);
    EXPECT_EQ(nearX->m_x, 95); // 5 from the left edge against 100
    EXPECT_EQ(nearY->m_x, 0); // both 10 from a horizontal edge: the first wins

    poly.Visible(false); // a hidden outline offers nothing
    poly.GetNearXY(rect, &nearX, &nearY, nullptr);
    EXPECT_EQ(nearX, nullptr);
    EXPECT_EQ(nearY, nullptr);
}
