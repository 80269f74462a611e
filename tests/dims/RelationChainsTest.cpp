// Building, applying and drawing the dimension chains over plain points,
// and the history that gives rebuilt links their saved values back.
#include "DimTestSupport.h"

using namespace dim_test;
using Station = std::vector<CMyPoint*>;

namespace {

Station Members(const CTypedPtrArray<CObArray, CMyPoint*>& station)
{
    return Station(station.GetData(), station.GetData() + station.GetSize());
}

} // namespace

TEST(RelationChains, StationsRoundSortAndFollowTagsAndAnchors)
{
    CDrawObjAry doc;
    CRelationMng& mng = *doc.GetRelMng();
    Points p;
    CMyPoint* a = p.Add(100.4, 50);
    CMyPoint* b = p.Add(100.5, 60); // rounds to 101: a station of its own
    CMyPoint* c = p.Add(100.2, 70); // rounds to 100 like a
    CMyPoint* rowsOnly = p.Add(90, 80, -1, -1, 2);
    CMyPoint* columnsOnly = p.Add(95, 40, -1, -1, 1);
    p.Add(80, 30, -1, -1, 3); // in neither chain
    CStringArray dimX, dimY;
    mng.Build(dimX, dimY, p.array);
    const auto& horz = *mng.m_paHorz;
    ASSERT_EQ(horz.GetSize(), 2);
    EXPECT_EQ(Members(horz[0]->m_aFrom), Station({ columnsOnly }));
    EXPECT_EQ(Members(horz[0]->m_aTo), Station({ a, c }));
    EXPECT_EQ(Members(horz[1]->m_aFrom), Station({ a, c }));
    EXPECT_EQ(Members(horz[1]->m_aTo), Station({ b }));
    const auto& vert = *mng.m_paVert;
    ASSERT_EQ(vert.GetSize(), 3) << "rows 50, 60, 70, 80";
    EXPECT_EQ(Members(vert[2]->m_aTo), Station({ rowsOnly }));
    EXPECT_TRUE(horz[0]->m_bHorz);
    EXPECT_FALSE(vert[0]->m_bHorz);

    SCOPED_TRACE("without an x anchor the y anchor opens both chains");
    CMyPoint partner(20, 10, 0);
    mng.BuildWithAnchors(dimX, dimY, p.array, nullptr, &partner);
    EXPECT_EQ(Members(horz[0]->m_aFrom), Station({ &partner }));
    EXPECT_EQ(Members(vert[0]->m_aFrom), Station({ &partner }));
    mng.Clear();
    EXPECT_EQ(mng.m_pAnchorY, nullptr);
    EXPECT_EQ(horz.GetSize() + vert.GetSize(), 0);
}

TEST(RelationChains, BuildPlacesOneLabelPerLink)
{
    CDrawObjAry doc;
    doc.m_nHeight = 400;
    CRelationMng& mng = *doc.GetRelMng();
    Points p;
    p.AddRectangle();
    CStringArray dimX, dimY;
    for (const wchar_t* text : { L"7", L"8", L"9" })
        dimX.Add(text);
    mng.Build(dimX, dimY, p.array);
    EXPECT_EQ(TextsOf(*mng.m_paHorz), Texts({ L"7", L"8" })); // how texts are taken: BatchedRemovalTest

    // Horizontal labels centred between their stations, odd links above
    // the line at H - 20 and even ones below; vertical ones at x = 2.
    const auto labels = Labels(doc);
    ASSERT_EQ(labels.size(), 4u);
    const CPoint at[] = { { 150, 365 }, { 250, 380 }, { 2, 118 }, { 2, 168 } };
    const unsigned int align[] = { 6, 6, 0, 0 };
    for (size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE("label " + std::to_string(i));
        EXPECT_EQ(labels[i]->m_rcPosition.TopLeft(), at[i]);
        EXPECT_EQ(labels[i]->GetAlign(), align[i]);
        EXPECT_EQ(labels[i]->GetRuntimeClass(), RUNTIME_CLASS(CDrawObj));
    }
    EXPECT_EQ(&labels[0]->GetText(), &(*mng.m_paHorz)[0]->m_strValue);

    SCOPED_TRACE("a rebuild replaces the labels; one point changes nothing");
    mng.Build(dimX, dimY, p.array);
    EXPECT_EQ(Labels(doc).size(), 4u);
    CRelation* first = (*mng.m_paHorz)[0];
    p.array.SetSize(1);
    mng.Build(dimX, dimY, p.array);
    EXPECT_EQ((*mng.m_paHorz)[0], first);
}

TEST(RelationChains, AppliedTextsRebuildTheModelCoordinatesFromZero)
{
    CDrawObjAry doc;
    CRelationMng& mng = *doc.GetRelMng();
    Points p;
    p.AddRectangle();
    CStringArray dimX, dimY;
    doc.ComputeDimTexts(p.array, dimX, dimY);
    EXPECT_EQ(TextsOf(dimX), Texts({ L"1000", L"1000" }));
    EXPECT_EQ(TextsOf(dimY), Texts({ L"500", L"500" }));

    mng.Build(dimX, dimY, p.array);
    (*mng.m_paHorz)[0]->m_strValue = L"1500";
    (*mng.m_paVert)[1]->m_strValue = L"abc"; // no number: applies as 0
    p.owned[0]->m_auxX = 77; // the first station goes to 0 all the same
    mng.Apply();
    const double modelX[] = { 0, 2500, 2500, 0, 1500 };
    const double modelY[] = { 0, 0, 500, 500, 500 };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(p.owned[i]->m_auxX, modelX[i]) << "point " << i;
        EXPECT_EQ(p.owned[i]->m_auxY, modelY[i]) << "point " << i;
    }
    EXPECT_EQ(p.owned[1]->m_x, 300) << "window coordinates stay";
    mng.GetTexts(dimX, dimY);
    EXPECT_EQ(TextsOf(dimX), Texts({ L"1500", L"1000" }));

    SCOPED_TRACE("falling model coordinates give 0; six significant digits");
    Points falling;
    falling.Add(10, 10, 500, 0);
    falling.Add(20, 20, 200, 1234567.8);
    dimY.RemoveAll();
    doc.ComputeDimTexts(falling.array, dimX, dimY);
    EXPECT_EQ(TextsOf(dimX), Texts({ L"1500", L"1000", L"0" })) << "appended";
    EXPECT_EQ(TextsOf(dimY), Texts({ L"1.23457e+06" }));
    mng.Build(dimX, dimY, falling.array);
    mng.Apply();
    EXPECT_EQ(falling.owned[1]->m_auxX, 1500) << "the front text";
    EXPECT_EQ(falling.owned[1]->m_auxY, 1234570);
}

TEST(RelationChains, DrawPutsTicksAndExtensionLinesAlongBottomAndLeft)
{
    CDrawObjAry doc;
    doc.m_nHeight = 400;
    Points p;
    p.AddRectangle();
    CStringArray dimX, dimY;
    doc.GetRelMng()->Build(dimX, dimY, p.array);
    platform::CRecordDC dc;
    doc.GetRelMng()->Draw(&dc, &doc);
    // Two-corner stations stand for their topmost (columns) or rightmost
    // (rows) point.
    const std::vector<std::string> expected = {
        "95,385 105,375", "100,400 100,100", "195,385 205,375", "200,400 200,150", "295,385 305,375",
        "300,400 300,100", "100,380 300,380", // columns, then the line at H - 20
        "5,105 15,95", "0,100 300,100", "5,155 15,145", "0,150 200,150", "5,205 15,195", "0,200 300,200",
        "10,100 10,200", // rows, then the line at x = 10
    };
    std::vector<std::string> lines;
    for (const platform::GdiCall& call : dc.Calls()) {
        EXPECT_EQ(call.pen.lopnColor, RGB(255, 255, 255));
        const std::string point = std::to_string(call.args[0]) + "," + std::to_string(call.args[1]);
        if (call.op == platform::GdiOp::MoveTo)
            lines.push_back(point);
        else if (!lines.empty())
            lines.back() += " " + point;
    }
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(ShownTexts(doc).empty()) << "labels show only on the dimension page";
}

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
