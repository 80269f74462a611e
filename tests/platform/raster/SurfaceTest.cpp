// Raster behaviour the oracle does not cover: surface bounds, clipped block copies,
// null pens and coordinates far off the surface.
#include "platform/raster/Raster.h"

#include <gtest/gtest.h>

using namespace platform::raster;

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

int CountColor(const Surface& s, COLORREF c)
{
    int n = 0;
    for (COLORREF p : s.Pixels())
        n += p == c;
    return n;
}

TEST(RasterSurface, PixelsOutsideAreIgnored)
{
    Surface s(4, 3, kWhite);
    s.SetPixel(-1, 0, kRed);
    s.SetPixel(4, 0, kRed);
    s.SetPixel(0, 3, kRed);
    EXPECT_EQ(CountColor(s, kWhite), 12);
    EXPECT_EQ(s.Pixel(-1, 0), 0u);
    EXPECT_EQ(s.Pixel(0, 3), 0u);
    s.FillSpan(1, -5, 2, kRed); // clipped to x 0..1
    s.FillSpan(2, 3, 99, kBlue);
    s.FillSpan(5, 0, 4, kBlue); // off the surface
    EXPECT_EQ(s.Pixel(0, 1), kRed);
    EXPECT_EQ(s.Pixel(1, 1), kRed);
    EXPECT_EQ(s.Pixel(2, 1), kWhite);
    EXPECT_EQ(s.Pixel(3, 2), kBlue);
    EXPECT_EQ(CountColor(s, kWhite), 9);
}

TEST(RasterCopyRect, ClipsToBothSurfaces)
{
    Surface src(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            src.SetPixel(x, y, RGB(x, y, 1));
    Surface dst(5, 5, kWhite);
    // Starts left of the destination and runs past the source's right edge.
    CopyRect(dst, -1, 2, 6, 9, src, 1, 1);
    EXPECT_EQ(dst.Pixel(0, 2), RGB(2, 1, 1));
    EXPECT_EQ(dst.Pixel(1, 4), RGB(3, 3, 1));
    EXPECT_EQ(dst.Pixel(2, 2), kWhite); // source column 4 does not exist
    EXPECT_EQ(CountColor(dst, kWhite), 25 - 6);
    Surface untouched(3, 3, kWhite);
    CopyRect(untouched, 0, 0, -2, 2, src, 0, 0);
    CopyRect(untouched, 0, 0, 2, 2, src, 10, 0);
    EXPECT_EQ(CountColor(untouched, kWhite), 9);
}

TEST(RasterPens, NullPenAndNullBrushDrawNothing)
{
    Surface s(20, 20, kWhite);
    const PenSpec none { 5, 1, kRed };
    DrawLine(s, { 1, 1 }, { 15, 9 }, none);
    DrawArc(s, { 2, 2, 18, 18 }, { 18, 10 }, { 10, 2 }, none);
    DrawEllipse(s, { 2, 2, 18, 18 }, none, { 1, kRed });
    DrawRectangle(s, { 2, 2, 18, 18 }, none, { 1, kRed });
    EXPECT_EQ(CountColor(s, kWhite), 400);
}

TEST(RasterPens, FarAwayEndsStillDrawTheVisiblePart)
{
    for (int width : { 1, 2, 3 }) {
        SCOPED_TRACE("width " + std::to_string(width));
        Surface s(16, 16, kWhite);
        DrawLine(s, { -2000000000, 5 }, { 2000000000, 5 }, { 0, width, kRed });
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(s.Pixel(x, 5), kRed) << "x=" << x;
        Surface big(8, 8, kWhite);
        DrawEllipse(big, { -100000, -100000, 100000, 100000 }, { 0, width, kRed }, { 0, kBlue });
        EXPECT_EQ(CountColor(big, kBlue), 64) << "the surface lies inside the huge circle";
    }
}

} // namespace
