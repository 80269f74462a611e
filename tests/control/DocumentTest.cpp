#include "ControlTestSupport.h"

#include <gtest/gtest.h>

using controltest::FillRecord;
using controltest::ParentWnd;

namespace {

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &parent, 5));
        doc = ctrl.GetPtrData();
    }

    void Add(int id, const std::wstring& points)
    {
        CShapixCtrl::CPicDerData record;
        FillRecord(record, id, points);
        ctrl.AddDrawObj(record);
    }

    ParentWnd parent;
    CShapixCtrl ctrl;
    CDrawObjAry* doc = nullptr;
};

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

TEST(Document, StartsOnTheSelectPageWithSixTools)
{
    CDrawObjAry doc;
    EXPECT_EQ(doc.m_tools.GetSize(), 6);
    EXPECT_EQ(doc.GetCurTool(), doc.GetTool(0));
    EXPECT_EQ(doc.GetCurPage(), 0);
    EXPECT_EQ(doc.GetCurWnd(), nullptr);
    EXPECT_EQ(doc.m_wnds.GetSize(), 3);
    EXPECT_EQ(doc.GetSelObj(), nullptr);
    EXPECT_EQ(doc.GetDrawWidth(), -1);
    EXPECT_EQ(doc.GetDrawHeight(), -1);
    EXPECT_NE(dynamic_cast<CSideTool*>(doc.GetTool(4)), nullptr);
    EXPECT_EQ(static_cast<CSideTool*>(doc.GetTool(4))->m_nMode, 1);
    EXPECT_TRUE(CDrawObjAry::IsNear(200, 204));
    EXPECT_FALSE(CDrawObjAry::IsNear(200, 205));
    EXPECT_FALSE(CDrawObjAry::IsNear(INT32_MIN, INT32_MAX));

    // Out of range: the exception, and nothing changed before it.
    EXPECT_TRUE(Throws([&] { doc.SelectTool(6); }));
    EXPECT_EQ(doc.GetCurTool(), doc.GetTool(0));
    EXPECT_TRUE(Throws([&] { doc.SetCtrPtr(-1, nullptr); }));
}

TEST_F(DocumentTest, SideToolsKeepThePageAndTheSelection)
{
    Add(1, L"10\t10\t110\t10\t110\t60\t");
    CDrawObj* poly = doc->m_objs[0];
    doc->Select(poly);
    EXPECT_EQ(doc->SelectTool(4), 0);
    EXPECT_EQ(doc->GetCurTool(), doc->GetTool(4));
    EXPECT_EQ(doc->GetSelObj(), poly);

    // The same page again: the arrow comes back, the selection stays.
    SetCursor(LoadCursorW(nullptr, IDC_CROSS));
    EXPECT_EQ(doc->SelectTool(0), 0);
    EXPECT_EQ(platform::CursorId(GetCursor()), 32512);
    EXPECT_EQ(doc->GetSelObj(), poly);

    // Another page clears the selection.
    EXPECT_EQ(doc->SelectTool(2), 2);
    EXPECT_EQ(doc->GetSelObj(), nullptr);
    EXPECT_TRUE(doc->IsDimTool());
    EXPECT_EQ(doc->GetCurWnd(), nullptr); // no window was bound to page 2
}

TEST_F(DocumentTest, HitObjectPrefersTheLastVisibleObjectOfThePage)
{
    Add(1, L"10\t10\t110\t10\t110\t60\t");
    Add(2, L"10\t10\t200\t10\t200\t100\t"); // shares the side along y = 10
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

TEST_F(DocumentTest, RedrawIsBatchedAndClearLeavesNoWindow)
{
    ctrl.UpdateWindow();
    CRect update;
    EXPECT_FALSE(ctrl.GetUpdateRect(&update));
    doc->SetRedraw();
    EXPECT_FALSE(ctrl.GetUpdateRect(&update)); // only marked
    doc->FlushRedraw();
    EXPECT_TRUE(ctrl.GetUpdateRect(&update));
    EXPECT_FALSE(doc->IsRedrawPending());
    ctrl.UpdateWindow();

    Add(1, L"10\t10\t110\t10\t110\t60\t");
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

TEST_F(DocumentTest, SnapPartnersComeFromTheOtherObjects)
{
    Add(1, L"10\t10\t110\t10\t110\t60\t");
    CMyPoint* ptX = reinterpret_cast<CMyPoint*>(1);
    CMyPoint* ptY = ptX;
    CDrawObj* objX = nullptr;
    CDrawObj* objY = nullptr;
    auto* poly = static_cast<SHAPIX_NAME::CMyDrawPoly*>(doc->m_objs[0]);
    EXPECT_FALSE(doc->GetSnapObj(poly, &ptX, &ptY, &objX, &objY, &ctrl));
    EXPECT_EQ(ptX, nullptr);
    EXPECT_EQ(ptY, nullptr);

    Add(2, L"300\t200\t350\t200\t350\t250\t");
    Add(3, L"113\t100\t150\t100\t150\t64\t");
    EXPECT_TRUE(doc->GetSnapObj(poly, &ptX, &ptY, &objX, &objY, &ctrl));
    EXPECT_EQ(objX, doc->m_objs[2]);
    EXPECT_EQ(ptX->m_x, 113); // 3 from the right edge at 110
    EXPECT_EQ(objY, doc->m_objs[2]);
    EXPECT_EQ(ptY->m_y, 64); // 4 from the bottom edge at 60
}

TEST_F(DocumentTest, RemovingTheSelectedObjectClearsTheSelection)
{
    Add(1, L"10\t10\t110\t10\t110\t60\t");
    Add(2, L"200\t10\t300\t10\t300\t60\t");
    CDrawObj* first = doc->m_objs[0];
    doc->Select(first);
    CObArray gone;
    gone.Add(first);
    CDrawObj stranger;
    gone.Add(&stranger); // not in the document: left alone
    doc->RemoveObjs(&gone);
    EXPECT_EQ(doc->m_objs.GetSize(), 1);
    EXPECT_EQ(doc->GetSelObj(), nullptr);
    EXPECT_EQ(doc->GetObjByID(1), nullptr);
}
