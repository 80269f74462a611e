#include "Shapix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

using CPicDerData = CShapixCtrl::CPicDerData;

namespace {

// A top-level window with a plain client area of the given size.
class ClientWindow : public CWnd {
public:
    ClientWindow(int width, int height)
    {
        const WCHAR* cls = AfxRegisterWndClass(0);
        CreateEx(0, cls, L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr);
    }
};

struct FitProbe : CPicDerData {
    using CPicDerData::GetBound;
    using CPicDerData::GetRatio;

    FitProbe(std::initializer_list<double> points, double refX, double refY)
    {
        for (double v : points)
            m_aryPoints.Add(v);
        m_ptRef[0] = refX;
        m_ptRef[1] = refY;
    }

    FloatRect Bound()
    {
        FloatRect box(0, 0, 0, 0);
        GetBound(box);
        return box;
    }
};

void ExpectBox(const FloatRect& box, double l, double t, double r, double b)
{
    EXPECT_NEAR(box.left, l, 1e-9);
    EXPECT_NEAR(box.top, t, 1e-9);
    EXPECT_NEAR(box.right, r, 1e-9);
    EXPECT_NEAR(box.bottom, b, 1e-9);
}

} // namespace

TEST(Fitting, SquareIsCentredAndScaledToTheMiddleHalf)
{
    {
        SCOPED_TRACE("400 x 200: the height limits, no scaling");
        ClientWindow window(400, 200);
        FitProbe square({ 0, 0, 100, 0, 100, 100, 0, 100 }, 50, 50);
        square.m_aryAuxPts.Add(7);
        square.AdjustToWnd(&window);
        ExpectBox(square.Bound(), 150, 50, 250, 150);
        EXPECT_EQ(square.m_ptRef[0], 200);
        EXPECT_EQ(square.m_ptRef[1], 100);
        EXPECT_EQ(square.m_aryAuxPts[0], 7); // model coordinates stay
    }
    {
        SCOPED_TRACE("400 x 400: scaled by 2");
        ClientWindow window(400, 400);
        FitProbe square({ 0, 0, 100, 0, 100, 100, 0, 100 }, 50, 50);
        square.AdjustToWnd(&window);
        ExpectBox(square.Bound(), 100, 100, 300, 300);
        // Fitting again changes nothing.
        square.AdjustToWnd(&window);
        ExpectBox(square.Bound(), 100, 100, 300, 300);
    }
    {
        SCOPED_TRACE("a null window does nothing");
        FitProbe square({ 0, 0, 100, 0, 100, 100 }, 50, 50);
        square.AdjustToWnd(nullptr);
        EXPECT_EQ(square.m_aryPoints[2], 100);
        EXPECT_EQ(square.m_aryBulge.GetSize(), 0); // not even padded
    }
}

TEST(Fitting, BoundCountsArcMidpointsAndTheReferencePoint)
{
    FitProbe shape({ 10, 10, 110, 10, 110, 60 }, 60, 30);
    shape.m_aryBulge.Add(1); // a half circle over side 0, bulging upwards
    const FloatRect box = shape.Bound();
    ExpectBox(box, 10, -40, 110, 60);
    EXPECT_EQ(shape.m_aryBulge.GetSize(), 3); // padded to the vertex count

    // A reference point far away stretches the box, wherever it is flagged.
    FitProbe far({ 100, 100, 200, 100, 200, 200 }, 0, 0);
    far.m_bRefSet = false;
    ExpectBox(far.Bound(), 0, 0, 200, 200);

    // No vertices: the caller's box, widened by the reference point.
    FitProbe none({}, 5, -5);
    FloatRect box2(1, 1, 2, 2);
    none.GetBound(box2);
    ExpectBox(box2, 1, -5, 5, 2);
}

TEST(Fitting, RatioKeepsTheMiddleHalfOfTheRectangle)
{
    FitProbe square({ 0, 0, 10, 0, 10, 10 }, 0, 0);
    CRect rect(0, 0, 101, 200);
    const double k = square.GetRatio(rect);
    EXPECT_EQ(rect, CRect(25, 50, 76, 150)); // the quarter of 101 truncates to 25
    EXPECT_DOUBLE_EQ(k, 5.1);
}

TEST(Fitting, DegenerateBoxesKeepFiniteCoordinates)
{
    ClientWindow window(400, 200);
    {
        SCOPED_TRACE("a single vertex on the reference point");
        FitProbe dot({ 30, 40 }, 30, 40);
        dot.AdjustToWnd(&window);
        EXPECT_EQ(dot.m_aryPoints[0], 200);
        EXPECT_EQ(dot.m_aryPoints[1], 100);
    }
    {
        SCOPED_TRACE("a horizontal line: the width decides");
        FitProbe line({ 0, 50, 100, 50, 50, 50 }, 50, 50);
        line.AdjustToWnd(&window);
        for (INT_PTR i = 0; i < line.m_aryPoints.GetSize(); ++i)
            EXPECT_TRUE(std::isfinite(line.m_aryPoints[i]));
        ExpectBox(line.Bound(), 100, 100, 300, 100);
    }
    {
        SCOPED_TRACE("an empty client area");
        ClientWindow empty(0, 0);
        FitProbe square({ 0, 0, 10, 0, 10, 10 }, 0, 0);
        square.AdjustToWnd(&empty);
        for (INT_PTR i = 0; i < square.m_aryPoints.GetSize(); ++i)
            EXPECT_TRUE(std::isfinite(square.m_aryPoints[i]));
        const FloatRect box = square.Bound();
        EXPECT_NEAR(box.right - box.left, 10, 1e-9);
    }
}
