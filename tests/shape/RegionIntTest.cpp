#include "Shapix.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <vector>

using CPicDerData = CShapixCtrl::CPicDerData;
using CRetLinesMng = CShapixCtrl::CRetLinesMng;

namespace {

// Exposes the record's protected steps of the cut.
struct CutProbe : CPicDerData {
    using CPicDerData::FindMinIdx;
    using CPicDerData::GetRectIntLine;
    using CPicDerData::RegionIntLine;

    explicit CutProbe(std::initializer_list<double> model)
    {
        for (double v : model)
            m_aryAuxPts.Add(v);
    }
};

using Groups = std::vector<std::vector<long long>>;

// Each group's crossings as signed coordinates, x0, y0, x1, y1, ...
Groups Cut(CPicDerData& record, double margin, double angle, int spacing)
{
    CRetLinesMng result;
    record.RegionInt(margin, angle, spacing, result);
    Groups groups;
    for (INT_PTR i = 0; i < result.m_aryLines.GetSize(); ++i) {
        std::vector<long long> pts;
        const CDWordArray& ary = result.m_aryLines[i]->m_aryPts;
        for (INT_PTR k = 0; k < ary.GetSize(); ++k)
            pts.push_back(static_cast<int>(ary[k]));
        EXPECT_EQ(result.m_aryLines[i]->m_nCount, 1);
        groups.push_back(pts);
    }
    return groups;
}

// The framework's arrays cannot be copied, so the values go into one.
void Fill(CDWordArray& ary, std::initializer_list<long long> values)
{
    ary.RemoveAll();
    for (long long v : values)
        ary.Add(static_cast<DWORD>(v));
}

} // namespace

TEST(RegionInt, RectangleCutHorizontallyAndVertically)
{
    CutProbe rect({ 0, 0, 1000, 0, 1000, 600, 0, 600 });
    EXPECT_EQ(Cut(rect, 100, 0, 150),
        Groups({ { 0, 100, 1000, 100 }, { 0, 250, 1000, 250 }, { 0, 400, 1000, 400 } }));
    // The line at y = 500 runs along the sweep rectangle's bottom edge and
    // ends the count.
    EXPECT_EQ(Cut(rect, 100, 0, 200), Groups({ { 0, 100, 1000, 100 }, { 0, 300, 1000, 300 } }));
    // Without a margin the first line runs along the top edge: nothing.
    EXPECT_TRUE(Cut(rect, 0, 0, 150).empty());
    // Angles within 0.01 of 0 or 360 snap to them and still sort by x.
    EXPECT_EQ(Cut(rect, 100, 0.005, 200), Cut(rect, 100, 0, 200));
    EXPECT_EQ(Cut(rect, 100, 359.995, 200), Cut(rect, 100, 360, 200));
    // At 360 the system's pi tilts the lines by 8e-12 radians: the one along
    // the sweep rectangle's bottom edge is no longer parallel to it, meets it
    // in a crossing without a finite x, counts twice and is laid as well.
    EXPECT_EQ(Cut(rect, 100, 360, 200),
        Groups({ { 0, 100, 1000, 100 }, { 0, 300, 1000, 300 }, { 0, 500, 1000, 500 } }));
    // Vertical lines sort their crossings by y.
    EXPECT_EQ(Cut(rect, 100, 90, 200),
        Groups({ { 100, 0, 100, 600 }, { 300, 0, 300, 600 }, { 500, 0, 500, 600 }, { 700, 0, 700, 600 } }));
}

TEST(RegionInt, NothingToCut)
{
    {
        SCOPED_TRACE("spacing 0");
        CutProbe rect({ 0, 0, 1000, 0, 1000, 600, 0, 600 });
        EXPECT_TRUE(Cut(rect, 100, 0, 0).empty());
    }
    {
        SCOPED_TRACE("box of 480 in one direction");
        CutProbe narrow({ 0, 0, 480, 0, 480, 1000, 0, 1000 });
        EXPECT_TRUE(Cut(narrow, 10, 0, 100).empty());
        CutProbe square({ 0, 0, 481, 0, 481, 481, 0, 481 });
        EXPECT_FALSE(Cut(square, 10, 0, 100).empty());
    }
    {
        SCOPED_TRACE("first point above or left of the box");
        CutProbe rect({ 0, 0, 1000, 0, 1000, 600, 0, 600 });
        EXPECT_TRUE(Cut(rect, 2, 180, 100).empty());
        EXPECT_TRUE(Cut(rect, 2, 270, 100).empty());
    }
    {
        SCOPED_TRACE("no model points, odd counts, fewer than three vertices");
        CutProbe empty({});
        EXPECT_TRUE(Cut(empty, 10, 0, 100).empty());
        CutProbe twoVertices({ 0, 0, 1000, 1000 });
        const Groups groups = Cut(twoVertices, 100, 0, 200);
        ASSERT_FALSE(groups.empty());
        for (const auto& group : groups)
            EXPECT_TRUE(group.empty()); // a group per line, without crossings
    }
}

TEST(RegionInt, TriangleRoundsCrossingsAndNudgesThroughVertices)
{
    CutProbe triangle({ 0, 0, 1000, 0, 500, 800 });
    EXPECT_EQ(Cut(triangle, 100, 0, 200),
        Groups({ { 63, 100, 938, 100 }, { 188, 300, 813, 300 }, { 313, 500, 688, 500 } }));

    // The vertical line through the apex is moved by (0.3, 0.3) and tried
    // again, so the apex is listed once; crossings come in edge order.
    CDWordArray points;
    CPoint from(500, -100);
    CPoint to(500, 900);
    triangle.RegionIntLine(from, to, points);
    ASSERT_EQ(points.GetSize(), 4);
    EXPECT_EQ(points[0], 500u);
    EXPECT_EQ(points[1], 0u);
    EXPECT_EQ(points[2], 500u);
    EXPECT_EQ(points[3], 800u);
}

TEST(RegionInt, ArcSidesCountAsTheirChords)
{
    CutProbe rect({ 0, 0, 1000, 0, 1000, 600, 0, 600 });
    const Groups straight = Cut(rect, 100, 0, 150);
    rect.m_aryBulge.Add(0);
    rect.m_aryBulge.Add(1); // a half circle on the right side
    EXPECT_EQ(Cut(rect, 100, 0, 150), straight);
}

TEST(RegionInt, FortyFiveDegreesStepsAlongTheLinesThemselves)
{
    CutProbe square({ 0, 0, 1000, 0, 1000, 1000, 0, 1000 });
    CRetLinesMng result;
    square.RegionInt(100, 45, 100, result);
    const INT_PTR lines = result.m_aryLines.GetSize();
    ASSERT_GT(lines, 1);
    for (INT_PTR i = 1; i < lines; ++i)
        EXPECT_TRUE(result.m_aryLines[0]->Compare(result.m_aryLines[i]));
    result.Hebin();
    ASSERT_EQ(result.m_aryLines.GetSize(), 1);
    EXPECT_EQ(result.m_aryLines[0]->m_nCount, lines);
}

TEST(RegionInt, CrossingsLieOnTheOutlineAndPairUpInsideIt)
{
    // An L-shape cut at several angles: every line has an even number of
    // crossings in order along it. (From 90 degrees on, the first point
    // falls outside the box and nothing is cut.)
    CutProbe shape({ 0, 0, 2000, 0, 2000, 700, 900, 700, 900, 1500, 0, 1500 });
    EXPECT_TRUE(Cut(shape, 50, 120, 97).empty());
    for (double angle : { 0.0, 20.0, 30.0, 60.0, 75.0, 90.0 }) {
        SCOPED_TRACE(testing::Message() << "angle " << angle);
        const Groups groups = Cut(shape, 50, angle, 97);
        EXPECT_FALSE(groups.empty());
        const bool byY = (angle > 45 && angle < 135);
        for (const auto& group : groups) {
            EXPECT_EQ(group.size() % 4, 0u);
            for (size_t k = 2; k < group.size(); k += 2) {
                const size_t axis = byY ? 1 : 0;
                EXPECT_LE(group[k - 2 + axis], group[k + axis]);
            }
        }
    }
}

TEST(RegionInt, GetRectIntLineFindsTwoBorderCrossings)
{
    CutProbe record({});
    CRect box(0, 0, 1000, 500);
    CPoint out1(-9, -9), out2(-9, -9);
    CPoint inside(0, 100);
    EXPECT_EQ(record.GetRectIntLine(box, inside, 0, out1, out2), 2);
    EXPECT_EQ(out1, CPoint(0, 100));
    EXPECT_EQ(out2, CPoint(1000, 100));

    // Along the bottom edge: the crossing at the right edge's end corner is
    // left to the bottom edge, which is parallel; only one is found.
    CPoint bottom(0, 500);
    out1 = out2 = CPoint(-9, -9);
    EXPECT_EQ(record.GetRectIntLine(box, bottom, 0, out1, out2), 1);
    EXPECT_EQ(out1, CPoint(0, 500));
    EXPECT_EQ(out2, CPoint(-9, -9));

    // Outside the box grown by one: nothing is written.
    CPoint outside(1001, 100);
    out1 = CPoint(-9, -9);
    EXPECT_EQ(record.GetRectIntLine(box, outside, 0, out1, out2), 0);
    EXPECT_EQ(out1, CPoint(-9, -9));
    CPoint edge(-1, 100);
    EXPECT_EQ(record.GetRectIntLine(box, edge, 90, out1, out2), 0); // vertical line left of the box
}

TEST(RegionInt, FindMinIdxComparesUnsignedAndPrefersLaterTies)
{
    CutProbe record({});
    const struct {
        std::initializer_list<long long> points;
        int key, expected;
    } cases[] = {
        { { 5, 0, 3, 0, 3, 0 }, 0, 2 },
        { { 3, 0, 3, 0 }, 0, 0 }, // pair 0 wins when it holds the minimum
        { { 5, 0, -1, 0, 3, 0 }, 0, 2 },
        { { 0, 9, 0, 4, 0, 7 }, 1, 1 },
        { {}, 0, -1 },
    };
    for (const auto& c : cases) {
        CDWordArray points;
        Fill(points, c.points);
        EXPECT_EQ(record.FindMinIdx(points, c.key), c.expected) << testing::PrintToString(std::vector(c.points));
    }
}

TEST(RegionInt, DegenerateOutlinesStayBounded)
{
    const std::initializer_list<double> outlines[] = {
        { 0, 0, 0, 0, 1000, 0, 1000, 1000, 1000, 1000, 0, 1000 }, // repeated vertices
        { 0, 0, 500, 0, 1000, 0, 1000, 1000, 0, 1000 }, // collinear points
        { 0, 0, 1000, 1000, 0, 1000, 1000, 0 }, // self-crossing bow tie
        { 0, 0, 1000, 0, 0, 0, 1000, 0, 0, 1000 }, // doubled-back edges
    };
    for (const auto& outline : outlines) {
        CutProbe record(outline);
        for (double angle : { 0.0, 45.0, 90.0, 135.0 }) {
            const Groups groups = Cut(record, 0.5, angle, 1);
            for (const auto& group : groups)
                EXPECT_EQ(group.size() % 2, 0u);
        }
    }

    // A line lying along an edge keeps meeting vertices; the nudging gives
    // up after 100 attempts with what the last attempt found.
    CutProbe grid({ 0, 0, 0.3, 0.3, 0.6, 0.6, 0.9, 0.9, 1.2, 1.2, 1000, 0 });
    CDWordArray points;
    CPoint from(-10, -10);
    CPoint to(100, 100);
    grid.RegionIntLine(from, to, points);
    EXPECT_EQ(points.GetSize() % 2, 0);

    // Non-numbers and huge values in the outline or the parameters.
    CutProbe wild({ 0, 0, 1e300, 0, NAN, 1e12, -1e12, INFINITY });
    EXPECT_NO_THROW(Cut(wild, 100, 30, 1000));
    CutProbe rect({ 0, 0, 1000, 0, 1000, 600, 0, 600 });
    EXPECT_TRUE(Cut(rect, NAN, 0, 100).empty());
    EXPECT_TRUE(Cut(rect, 100, NAN, 100).empty());
    EXPECT_TRUE(Cut(rect, 100, INFINITY, 100).empty());
    EXPECT_NO_THROW(Cut(rect, -100, 0, -150));
    EXPECT_NO_THROW(Cut(rect, 1e300, 1e300, INT_MAX));
}
