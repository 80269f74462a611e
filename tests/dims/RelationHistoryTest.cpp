// The history that gives rebuilt links their saved values back, matched by
// shared points.
#include "DimTestSupport.h"

using dim_test::Points;
using dim_test::Texts;
using dim_test::TextsOf;

TEST(RelationHistory, RebuiltLinksGetTheValuesOfTheLinksSharingTheirPoints)
{
    CDrawObjAry doc;
    CRelationMng& mng = *doc.GetRelMng();
    Points p;
    p.AddRectangle();
    CStringArray dimX, dimY;
    doc.ComputeDimTexts(p.array, dimX, dimY);
    mng.Build(dimX, dimY, p.array);
    (*mng.m_paHorz)[0]->m_strValue = L"1500";
    mng.SaveHistory();
    mng.SaveHistory();
    EXPECT_EQ(mng.m_hisRel.m_aSaveHorz.GetSize(), 2) << "an unchanged chain saved twice adds nothing";

    mng.Build(dimX, dimY, p.array);
    EXPECT_EQ(TextsOf(*mng.m_paHorz), Texts({ L"0", L"0" }));
    mng.RestoreHistory();
    EXPECT_EQ(TextsOf(*mng.m_paHorz), Texts({ L"1500", L"1000" }));
    EXPECT_EQ(TextsOf(*mng.m_paVert), Texts({ L"500", L"500" }));
    {
        SCOPED_TRACE("a station that gained a point still matches");
        p.owned[4]->m_x = 300; // the reference point joins the right corners
        mng.Build(dimX, dimY, p.array);
        mng.RestoreHistory();
        EXPECT_EQ(TextsOf(*mng.m_paHorz), Texts({ L"1500" }));
        p.owned[4]->m_x = 200;
    }
    {
        SCOPED_TRACE("of two matching entries the newer wins");
        mng.Build(dimX, dimY, p.array);
        CRelation& link = *(*mng.m_paHorz)[0];
        link.m_aFrom.Add(p.array[4]); // now shares points with both entries:
        link.m_aTo.Add(p.array[1]); // link 2's, saved first, and link 1's
        EXPECT_EQ(CHisRel::FindMatch(mng.m_hisRel.m_aSaveHorz, link), mng.m_hisRel.m_aSaveHorz[1]);
    }
    SCOPED_TRACE("a forgotten lone point leaves its entries unmatched");
    CMyPoint stranger;
    mng.ForgetPoint(&stranger);
    EXPECT_EQ(mng.m_hisRel.m_aSaveHorz[1]->m_aTo.GetSize(), 1) << "unknown points change nothing";
    mng.ForgetPoint(p.array[4]);
    EXPECT_EQ(mng.m_hisRel.m_aSaveHorz[1]->m_aTo.GetSize(), 0);
    p.array.RemoveAt(4);
    mng.Build(dimX, dimY, p.array);
    mng.RestoreHistory();
    EXPECT_EQ(TextsOf(*mng.m_paHorz), Texts({ L"0" }));
}
