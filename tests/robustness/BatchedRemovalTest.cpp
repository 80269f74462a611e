// Labels leave the document in one pass and a chain's texts leave their
// list together; both must keep what one-by-one removal gave: the order of
// what stays, pointers cleared, texts taken from the front, surplus kept.
#include "../dims/DimTestSupport.h"

using namespace dim_test;

namespace {

std::vector<CDrawObj*> Objects(CDrawObjAry& doc)
{
    return std::vector<CDrawObj*>(doc.m_objs.GetData(), doc.m_objs.GetData() + doc.m_objs.GetSize());
}

} // namespace

TEST(BatchedRemoval, LabelsLeaveInOnePassKeepingTheRestInOrder)
{
    CDrawObjAry doc;
    std::vector<CDrawObj*> labels;
    for (int i = 0; i < 8; ++i) {
        labels.push_back(new CInputText(i, i, nullptr, 0));
        doc.m_objs.Add(labels.back());
    }
    doc.m_pSelObj = labels[5];
    CDrawTool::s_pSideObj = labels[2];
    doc.m_pSnapObjX = labels[2];

    // 5 twice, and an object that is not in the document (never read).
    CInputText stranger(0, 0, nullptr, 0);
    CObArray gone;
    for (CObject* obj : { static_cast<CObject*>(labels[5]), static_cast<CObject*>(labels[0]),
             static_cast<CObject*>(&stranger), static_cast<CObject*>(labels[2]), static_cast<CObject*>(labels[5]) })
        gone.Add(obj);
    doc.RemoveObjs(&gone);

    EXPECT_EQ(Objects(doc), (std::vector<CDrawObj*> { labels[1], labels[3], labels[4], labels[6], labels[7] }));
    EXPECT_EQ(doc.m_pSelObj, nullptr);
    EXPECT_EQ(CDrawTool::s_pSideObj, nullptr);
    EXPECT_EQ(doc.m_pSnapObjX, nullptr);

    // An outline among the labels takes the general path: its points leave
    // the chains, it goes too, and so does the selection on it.
    CShapixCtrl::CPicDerData record;
    const CString points = L"0\t0\t100\t0\t100\t50\t";
    const double ref[2] = { 10, 10 };
    record.SetData(9, &points, &points, nullptr, nullptr, nullptr, ref, ref);
    auto* poly = new CMyDrawPoly(&record);
    doc.m_objs.Add(poly);
    doc.m_pSelObj = poly;
    gone.RemoveAll();
    for (CObject* obj : { static_cast<CObject*>(labels[7]), static_cast<CObject*>(&stranger), static_cast<CObject*>(poly) })
        gone.Add(obj);
    doc.RemoveObjs(&gone);
    EXPECT_EQ(Objects(doc), (std::vector<CDrawObj*> { labels[1], labels[3], labels[4], labels[6] }));
    EXPECT_EQ(doc.GetSelObj(), nullptr);
    EXPECT_EQ(doc.GetObjByID(9), nullptr);
}

TEST(BatchedRemoval, ChainsTakeTextsFromTheFrontAndKeepTheSurplus)
{
    Points points;
    for (double x : { 10.0, 20.0, 30.0, 40.0 })
        points.Add(x, x, 0, 0);
    CRelationMng manager(nullptr);
    CStringArray texts;
    for (const wchar_t* text : { L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h" })
        texts.Add(text);
    // One list for both chains: three links each, the vertical chain takes
    // what the horizontal one left.
    manager.Build(texts, texts, points.array);
    EXPECT_EQ(TextsOf(*manager.m_paHorz), Texts({ L"a", L"b", L"c" }));
    EXPECT_EQ(TextsOf(*manager.m_paVert), Texts({ L"d", L"e", L"f" }));
    EXPECT_EQ(TextsOf(texts), Texts({ L"g", L"h" }));

    // Too few texts: the rest of the links get "0" and the list ends empty.
    manager.Build(texts, texts, points.array);
    EXPECT_EQ(TextsOf(*manager.m_paHorz), Texts({ L"g", L"h", L"0" }));
    EXPECT_EQ(TextsOf(*manager.m_paVert), Texts({ L"0", L"0", L"0" }));
    EXPECT_EQ(texts.GetSize(), 0);
}
