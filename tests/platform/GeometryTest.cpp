// Rectangle helpers: half-open edges, empty-rectangle rules, and sums that
// wrap as MSVC code does instead of overflowing.
#include "platform/AfxWin.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

// Found by GoogleTest through argument-dependent lookup, for readable failures.
void PrintTo(const CRect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

namespace {

// Pre-fills destinations so that a helper that forgets to write one is caught.
const CRect kSentinel(111, 222, 333, 444);

} // namespace

TEST(PtInRect, LeftAndTopEdgesInsideRightAndBottomOutside)
{
    const CRect rect(10, 20, 30, 40);
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(rect.PtInRect(CPoint(29, 39)));
    EXPECT_FALSE(rect.PtInRect(CPoint(30, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(10, 40)));
    EXPECT_FALSE(rect.PtInRect(CPoint(9, 25)));
    EXPECT_FALSE(rect.PtInRect(CPoint(15, 19)));
    EXPECT_FALSE(CRect(30, 40, 10, 20).PtInRect(CPoint(20, 30))); // inverted: holds no point
}

TEST(IntersectRect, EmptyResultIsAllZeroAndFalse)
{
    const CRect a(0, 0, 10, 10);
    CRect out(kSentinel);
    EXPECT_TRUE(out.IntersectRect(a, CRect(5, -5, 15, 5)));
    EXPECT_EQ(out, CRect(5, 0, 10, 5));

    const CRect noOverlap[] = {
        CRect(10, 0, 20, 10), // touches the right edge
        CRect(0, 10, 10, 20), // touches the bottom edge
        CRect(-5, -5, 0, 0), // touches the top-left corner
        CRect(2, 2, 2, 8), // no width, inside
        CRect(8, 8, 2, 2), // inverted, inside
    };
    for (const CRect& b : noOverlap) {
        SCOPED_TRACE(testing::PrintToString(b));
        out = kSentinel;
        EXPECT_FALSE(out.IntersectRect(a, b));
        EXPECT_EQ(out, CRect(0, 0, 0, 0));
        out = kSentinel;
        EXPECT_FALSE(out.IntersectRect(b, a));
        EXPECT_EQ(out, CRect(0, 0, 0, 0));
    }

    SCOPED_TRACE("in place, through operator&=");
    out = a;
    out &= CRect(3, 4, 20, 20);
    EXPECT_EQ(out, CRect(3, 4, 10, 10));
}

TEST(UnionRect, IgnoresEmptyRectangles)
{
    const CRect a(5, 5, 10, 10);
    for (const CRect& empty : { CRect(0, 0, 0, 0), CRect(100, 100, 100, 200), CRect(50, 50, 40, 40) }) {
        SCOPED_TRACE(testing::PrintToString(empty));
        CRect out(kSentinel);
        EXPECT_TRUE(out.UnionRect(empty, a));
        EXPECT_EQ(out, a);
        out = kSentinel;
        EXPECT_TRUE(out.UnionRect(a, empty));
        EXPECT_EQ(out, a);
    }
    CRect out(kSentinel);
    EXPECT_FALSE(out.UnionRect(CRect(1, 1, 1, 5), CRect(7, 7, 3, 9)));
    EXPECT_EQ(out, CRect(0, 0, 0, 0));
    EXPECT_EQ(a | CRect(-3, 7, 6, 20), CRect(-3, 5, 10, 20));
}

TEST(CRect, InflateOffsetNormalizeAndEmptiness)
{
    CRect rect(10, 20, 30, 40);
    rect.InflateRect(2, -3);
    EXPECT_EQ(rect, CRect(8, 23, 32, 37));
    rect.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(rect, CRect(7, 21, 35, 41));
    rect.DeflateRect(7, 21);
    EXPECT_EQ(rect, CRect(14, 42, 28, 20));
    EXPECT_TRUE(rect.IsRectEmpty()); // deflated past itself: inverted
    rect.NormalizeRect();
    EXPECT_EQ(rect, CRect(14, 20, 28, 42));
    rect.OffsetRect(-14, 5);
    EXPECT_EQ(rect, CRect(0, 25, 14, 47));

    SCOPED_TRACE("emptiness");
    EXPECT_FALSE(CRect(-2, -2, -1, -1).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 9, 5).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 9, 9, 5).IsRectEmpty());
    EXPECT_TRUE(IsRectEmpty(nullptr));
}

TEST(CRect, SizesAndSumsWrapAtTheIntegerLimits)
{
    // MSVC code wraps silently here; the stand-in must give the same values
    // and stay clean under -fsanitize=undefined.
    EXPECT_EQ(CRect(-1, 0, INT_MAX, 0).Width(), INT_MIN);
    EXPECT_EQ(CRect(0, INT_MIN, 0, INT_MAX).Height(), -1);
    EXPECT_EQ(CRect(INT_MAX, 0, INT_MIN, 0).Width(), 1);

    CRect rect(INT_MAX - 1, 0, INT_MAX, 1);
    rect.OffsetRect(1, 0);
    EXPECT_EQ(rect, CRect(INT_MAX, 0, INT_MIN, 1));
    rect.InflateRect(1, 1);
    EXPECT_EQ(rect, CRect(INT_MAX - 1, -1, INT_MIN + 1, 2));

    CPoint point(INT_MAX, INT_MIN);
    point += CSize(1, -1);
    EXPECT_EQ(point, CPoint(INT_MIN, INT_MAX));
    EXPECT_EQ(-CPoint(INT_MIN, 0), CPoint(INT_MIN, 0));
    EXPECT_EQ(CPoint(INT_MIN, 0) - CPoint(1, 0), CSize(INT_MAX, 0));
}
