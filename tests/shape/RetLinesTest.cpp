#include "Shapix.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using CRetLines = CShapixCtrl::CRetLines;
using CRetLinesMng = CShapixCtrl::CRetLinesMng;

namespace {

CRetLines* Group(std::initializer_list<long long> values)
{
    auto* group = new CRetLines;
    for (long long v : values)
        group->m_aryPts.Add(static_cast<DWORD>(v));
    return group;
}

// One horizontal piece of the given length per argument, at height y.
CRetLines* Pieces(int y, std::initializer_list<int> lengths)
{
    auto* group = new CRetLines;
    int x = 0;
    for (int len : lengths) {
        for (int v : { x, y, x + len, y })
            group->m_aryPts.Add(static_cast<DWORD>(v));
        x += len + 10;
    }
    return group;
}

} // namespace

TEST(RetLines, LengthsReadCoordinatesAsUnsigned)
{
    CRetLines* group = Group({ 0, 0, 3, 4, -1, 0, 0, 0 });
    EXPECT_EQ(group->GetLen(0), 5);
    // -1 is stored as 2^32 - 1.
    EXPECT_EQ(group->GetLen(4), 4294967295.0);
    EXPECT_EQ(group->m_nCount, 1);
    EXPECT_THROW(group->GetLen(6), CInvalidArgException*);
    delete group;
}

TEST(RetLines, GetLenAryRoundsAndSkipsShortPieces)
{
    CRetLines* group = Group({ 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 7, 0 }); // pieces 1 and 3: 10 and 7
    CDWordArray lens;
    lens.Add(99); // appended to, not emptied
    group->m_nCount = 4;
    EXPECT_EQ(group->GetLenAry(lens, 0), 4);
    const std::vector<DWORD> got(lens.GetData(), lens.GetData() + lens.GetSize());
    EXPECT_EQ(got, std::vector<DWORD>({ 99, 10, 7 }));

    CRetLines* diagonal = Group({ 0, 0, 7, 8 }); // 10.63...
    CDWordArray one;
    diagonal->GetLenAry(one, 10);
    ASSERT_EQ(one.GetSize(), 1);
    EXPECT_EQ(one[0], 11u);
    CDWordArray none;
    EXPECT_EQ(diagonal->GetLenAry(none, 11), 1);
    EXPECT_EQ(none.GetSize(), 0);
    delete group;
    delete diagonal;
}

TEST(RetLines, CompareUsesTruncatedPieceLengthsOnly)
{
    CRetLines* a = Group({ 0, 0, 100, 0 });
    CRetLines* b = Group({ 500, 70, 600, 70 });
    EXPECT_TRUE(a->Compare(b)); // positions do not matter

    // 100.9 and 100.2 both truncate to 100; 99.99 does not.
    CRetLines* c = Group({ 0, 0, 100, 14 }); // 100.97
    CRetLines* d = Group({ 0, 0, 100, 6 }); // 100.18
    CRetLines* e = Group({ 0, 0, 99, 14 }); // 99.98
    EXPECT_TRUE(c->Compare(d));
    EXPECT_FALSE(c->Compare(e));

    CRetLines* empty1 = Group({});
    CRetLines* empty2 = Group({ 1, 2 }); // no complete piece either
    EXPECT_TRUE(empty1->Compare(empty2));
    EXPECT_FALSE(empty1->Compare(a));
    EXPECT_FALSE(a->Compare(nullptr));
    for (CRetLines* g : { a, b, c, d, e, empty1, empty2 })
        delete g;
}

TEST(RetLinesMng, HebinMergesNeighbouringRunsIntoTheirLastMember)
{
    {
        SCOPED_TRACE("A B A' A''");
        CRetLinesMng mng;
        CRetLines* a = Pieces(0, { 100, 50 });
        CRetLines* b = Pieces(10, { 30 });
        CRetLines* a1 = Pieces(20, { 100, 50 });
        CRetLines* a2 = Pieces(30, { 100, 50 });
        for (CRetLines* g : { a, b, a1, a2 })
            mng.m_aryLines.Add(g);
        mng.Hebin();
        ASSERT_EQ(mng.m_aryLines.GetSize(), 3);
        EXPECT_EQ(mng.m_aryLines[0], a);
        EXPECT_EQ(mng.m_aryLines[1], b);
        EXPECT_EQ(mng.m_aryLines[2], a2);
        EXPECT_EQ(a2->m_nCount, 2);
        EXPECT_EQ(a->m_nCount, 1);

        mng.Hebin(); // a second pass changes nothing
        EXPECT_EQ(mng.m_aryLines.GetSize(), 3);
        EXPECT_EQ(a2->m_nCount, 2);
    }
    {
        SCOPED_TRACE("a merged member adds one whatever its own count");
        CRetLinesMng mng;
        for (int i = 0; i < 3; ++i)
            mng.m_aryLines.Add(Pieces(i, { 40 }));
        mng.m_aryLines[0]->m_nCount = 5;
        mng.Hebin();
        ASSERT_EQ(mng.m_aryLines.GetSize(), 1);
        EXPECT_EQ(mng.m_aryLines[0]->m_nCount, 3);
    }
    {
        SCOPED_TRACE("groups without pieces merge");
        CRetLinesMng mng;
        mng.m_aryLines.Add(Group({}));
        mng.m_aryLines.Add(Group({}));
        mng.Hebin();
        ASSERT_EQ(mng.m_aryLines.GetSize(), 1);
        EXPECT_EQ(mng.m_aryLines[0]->m_nCount, 2);
    }
    SCOPED_TRACE("fewer than two groups");
    CRetLinesMng mng;
    mng.Hebin();
    mng.m_aryLines.Add(Pieces(0, { 1 }));
    mng.Hebin();
    EXPECT_EQ(mng.m_aryLines.GetSize(), 1);
}
