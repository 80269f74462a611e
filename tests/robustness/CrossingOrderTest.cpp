// The crossings of a cutting line come out in the order that taking
// FindMinIdx's pair again and again gives, although the library sorts them
// once. Checked against the direct rule on random lists full of ties.
#include "DirectRules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace {

struct SortProbe : CShapixCtrl::CPicDerData {
    using CPicDerData::SortPoints;
};

std::vector<DWORD> Values(const CDWordArray& ary)
{
    return std::vector<DWORD>(ary.GetData(), ary.GetData() + ary.GetSize());
}

// Pairs whose sorting value comes from a tiny set (ties everywhere),
// including values that were negative coordinates, plus the odd lone value
// at the end now and then.
void FillRandom(CDWordArray& ary, std::mt19937& random, int pairs, int distinct)
{
    static constexpr DWORD kPool[] = { 0, 1, 2, 3, 7, 100, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF };
    std::uniform_int_distribution<int> pick(0, distinct - 1);
    std::uniform_int_distribution<int> other(-5, 5);
    ary.RemoveAll();
    for (int i = 0; i < pairs; ++i) {
        ary.Add(kPool[pick(random)]);
        ary.Add(kPool[pick(random)] + static_cast<DWORD>(other(random) == 0));
    }
    if (other(random) == 5)
        ary.Add(kPool[pick(random)]);
}

} // namespace

TEST(CrossingOrder, SortPointsMatchesRepeatedFindMinIdxOnRandomTies)
{
    std::mt19937 random(1234);
    SortProbe probe;
    const double angles[] = { 0, 30, 45, 46, 90, 135, 180, 226, 270, 315, 360, 361, -10 };
    CDWordArray fast;
    CDWordArray direct;
    for (int distinct : { 1, 2, 3, 10 }) {
        for (int pairs = 0; pairs <= 40; ++pairs) {
            for (double angle : angles) {
                FillRandom(fast, random, pairs, distinct);
                direct.Copy(fast);
                probe.SortPoints(fast, angle);
                direct_rules::SortPoints(direct, angle);
                ASSERT_EQ(Values(fast), Values(direct))
                    << "pairs " << pairs << ", distinct " << distinct << ", angle " << angle;
            }
        }
    }
    // Long lists: the rule's index shifts only show after many removals.
    for (int pairs : { 257, 1000, 3001 }) {
        for (int distinct : { 2, 5, 10 }) {
            FillRandom(fast, random, pairs, distinct);
            direct.Copy(fast);
            probe.SortPoints(fast, 90);
            direct_rules::SortPoints(direct, 90);
            ASSERT_EQ(Values(fast), Values(direct)) << "pairs " << pairs << ", distinct " << distinct;
        }
    }
}

TEST(CrossingOrder, TiesTakeThePrefixThenTheRestFromTheBack)
{
    // Pairs of an x value and the pair's first place; the places in the
    // order SortPoints leaves them.
    auto order = [](std::initializer_list<DWORD> xs) {
        CDWordArray points;
        DWORD index = 0;
        for (DWORD x : xs) {
            points.Add(x);
            points.Add(index++);
        }
        SortProbe().SortPoints(points, 0);
        std::vector<DWORD> places;
        for (INT_PTR i = 1; i < points.GetSize(); i += 2)
            places.push_back(points[i]);
        return places;
    };
    // 3 is the smallest and pair 0 is not 3: the last 3 goes first and the
    // others follow from the back.
    EXPECT_EQ(order({ 5, 3, 3, 9, 3, 3 }), (std::vector<DWORD> { 5, 4, 2, 1, 0, 3 }));
    // The two leading 3s come in list order, then the one behind the 9; a
    // stored -1 sorts last.
    EXPECT_EQ(order({ 3, 3, 9, 0xFFFFFFFF, 3, 5 }), (std::vector<DWORD> { 0, 1, 4, 5, 2, 3 }));
}
