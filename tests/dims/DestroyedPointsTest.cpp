// No chain, anchor or saved entry may keep a point that is gone: a deleted
// vertex is forgotten through the document, a removed outline takes all
// its points with it, and a reset takes everything.
#include "DimTestSupport.h"

#include <set>

using namespace dim_test;
using PointSet = std::set<CMyPoint*>;

namespace {

// Every point the chains, anchors and history of the document hold.
PointSet HeldPoints(CDrawObjAry& doc)
{
    CRelationMng& mng = *doc.GetRelMng();
    PointSet held { mng.m_pAnchorX, mng.m_pAnchorY };
    held.erase(nullptr);
    auto add = [&](const auto& links) {
        for (INT_PTR i = 0; i < links.GetSize(); ++i) {
            held.insert(links[i]->m_aFrom.GetData(), links[i]->m_aFrom.GetData() + links[i]->m_aFrom.GetSize());
            held.insert(links[i]->m_aTo.GetData(), links[i]->m_aTo.GetData() + links[i]->m_aTo.GetSize());
        }
    };
    add(*mng.m_paHorz);
    add(*mng.m_paVert);
    add(mng.m_hisRel.m_aSaveHorz);
    add(mng.m_hisRel.m_aSaveVert);
    return held;
}

PointSet OwnPoints(CDrawObj* obj)
{
    CTypedPtrArray<CObArray, CMyPoint*> points;
    obj->GetAllDimPoint(points);
    return PointSet(points.GetData(), points.GetData() + points.GetSize());
}

} // namespace

TEST(ForgetPoint, JoinsTheLinksAroundAnEmptiedStationAndDropsEmptyEnds)
{
    CDrawObjAry doc;
    doc.m_nHeight = 400;
    CRelationMng& mng = *doc.GetRelMng();
    Points p;
    p.AddRectangle();
    CStringArray dimX, dimY;
    doc.ComputeDimTexts(p.array, dimX, dimY);
    CMyPoint partner(500, 500, 0);
    mng.BuildWithAnchors(dimX, dimY, p.array, nullptr, &partner);
    ASSERT_EQ(TextsOf(*mng.m_paHorz), Texts({ L"1000", L"1000", L"0" }));

    mng.ForgetPoint(&partner); // the last station of both chains
    mng.ForgetPoint(p.array[4]); // the reference point: the middle stations
    EXPECT_EQ(mng.m_pAnchorY, nullptr);
    EXPECT_EQ(TextsOf(*mng.m_paHorz), Texts({ L"2000" }));
    EXPECT_EQ(TextsOf(*mng.m_paVert), Texts({ L"1000" }));
    const auto labels = Labels(doc);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0]->m_rcPosition.TopLeft(), CPoint(200, 365)) << "at the joined link's middle";
    mng.Apply();
    EXPECT_EQ(p.owned[2]->m_auxX, 2000) << "the other stations keep their coordinates";
    EXPECT_EQ(p.owned[2]->m_auxY, 1000);

    SCOPED_TRACE("an emptied first station drops its link");
    mng.ForgetPoint(p.array[0]);
    mng.ForgetPoint(p.array[3]);
    EXPECT_EQ(mng.m_paHorz->GetSize(), 0);
    EXPECT_EQ(mng.m_paVert->GetSize(), 1) << "rows keep a point each";
    EXPECT_EQ(Labels(doc).size(), 1u);
}

TEST_F(DimHost, DeletedVerticesAndRemovedOutlinesLeaveNoPointBehind)
{
    Add(1, { 100, 100, 200, 100, 200, 200, 100, 200 }, {}, 150, 150);
    Add(2, { 250, 50, 350, 50, 350, 150 }, {}, 300, 100);
    ctrl.CreateDimText(); // history over both outlines
    Click(150, 100); // selects outline 1, tied to outline 2
    CMyDrawPoly* first = Poly(1);
    CDrawObj* second = Poly(2);
    ASSERT_NE(Doc().GetRelMng()->m_pAnchorX, nullptr);
    {
        SCOPED_TRACE("a vertex deleted with the side tool");
        CMyPoint* vertex = first->m_aVertices[2]; // the end of the side x = 200
        ctrl.SelectTool(CShapixCtrl::toolDelSide);
        Hover(200, 150);
        Down(200, 150);
        RightClick(200, 150);
        ASSERT_EQ(first->m_aVertices.GetSize(), 3);
        EXPECT_EQ(HeldPoints(Doc()).count(vertex), 0u);
        EXPECT_GT(Doc().GetRelMng()->m_paHorz->GetSize(), 0) << "the chains stay on the select page";
        ctrl.UpdateWindow();
    }
    {
        SCOPED_TRACE("an outline removed from the document");
        const PointSet gone = OwnPoints(second);
        CObArray removed;
        removed.Add(second);
        Doc().RemoveObjs(&removed);
        ctrl.InvalidateCtrl();
        ctrl.UpdateWindow();
        Read(1);
        ctrl.SelectTool(CShapixCtrl::toolDim);
        ctrl.SelectTool(CShapixCtrl::toolSelect);
        const PointSet own = OwnPoints(first);
        for (CMyPoint* point : HeldPoints(Doc()))
            EXPECT_TRUE(own.count(point) && !gone.count(point));
    }
    SCOPED_TRACE("everything cleared while on the dimension page");
    ctrl.SelectTool(CShapixCtrl::toolDim);
    ctrl.ClearData();
    EXPECT_TRUE(HeldPoints(Doc()).empty());
}
