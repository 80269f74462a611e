// The document behind the control: tools, hit order, batched repaint,
// snap partners and removal.
#include "ControlHarness.h"

#include <functional>

using namespace control_test;

namespace {

class DocumentTest : public ::testing::Test {
protected:
    void Add(int id, std::initializer_list<double> points) { h.Add(id, points, {}, 0, 0); }

    ControlHarness h;
    CShapixCtrl& ctrl = h.ctrl;
    CDrawObjAry* doc = &h.Doc();
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

TEST_F(DocumentTest, HitObjectPrefersTheLastVisibleObjectOfThePage)
{
    Add(1, { 10, 10, 110, 10, 110, 60 });
    Add(2, { 10, 10, 200, 10, 200, 100 }); // shares the side along y = 10
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

    Add(1, { 10, 10, 110, 10, 110, 60 });
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
    Add(1, { 10, 10, 110, 10, 110, 60 });
    CMyPoint* ptX = reinterpret_cast<CMyPoint*>(1);
    CMyPoint* ptY = ptX;
    CDrawObj* objX = nullptr;
    CDrawObj* objY = nullptr;
    auto* poly = static_cast<SHAPIX_NAME::CMyDrawPoly*>(doc->m_objs[0]);
    EXPECT_FALSE(doc->GetSnapObj(poly, &ptX, &ptY, &objX, &objY, &ctrl));
    EXPECT_EQ(ptX, nullptr);
    EXPECT_EQ(ptY, nullptr);

    Add(2, { 300, 200, 350, 200, 350, 250 });
    Add(3, { 113, 100, 150, 100, 150, 64 });
    EXPECT_TRUE(doc->GetSnapObj(poly, &ptX, &ptY, &objX, &objY, &ctrl));
    EXPECT_EQ(objX, doc->m_objs[2]);
    EXPECT_EQ(ptX->m_x, 113); // 3 from the right edge at 110
    EXPECT_EQ(objY, doc->m_objs[2]);
    EXPECT_EQ(ptY->m_y, 64); // 4 from the bottom edge at 60
}

TEST_F(DocumentTest, RemovingTheSelectedObjectClearsTheSelection)
{
    Add(1, { 10, 10, 110, 10, 110, 60 });
    Add(2, { 200, 10, 300, 10, 300, 60 });
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
