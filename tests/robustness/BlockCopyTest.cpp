// Block copies now move whole rows at once: copies within one surface must
// still read every source pixel before it is overwritten, in both
// directions and along both axes, as BitBlt does.
#include "platform/raster/Raster.h"

#include <gtest/gtest.h>

#include <vector>

using platform::raster::CopyRect;
using platform::raster::Surface;

TEST(BlockCopy, OverlappingCopiesOnOneSurfaceReadTheOldPixels)
{
    constexpr int kSize = 6;
    auto numbered = [] {
        Surface s(kSize, kSize);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                s.SetPixel(x, y, static_cast<COLORREF>(10 * y + x));
        return s;
    };
    const struct {
        int x, y, srcX, srcY;
    } moves[] = { { 1, 1, 0, 0 }, { 0, 0, 1, 1 }, { 2, 0, 0, 1 }, { 0, 2, 1, 0 }, { 0, 1, 0, 0 }, { 1, 0, 0, 0 } };
    for (const auto& move : moves) {
        SCOPED_TRACE(testing::Message() << "to (" << move.x << ", " << move.y << ") from (" << move.srcX << ", "
                                        << move.srcY << ")");
        Surface s = numbered();
        const Surface before = numbered();
        CopyRect(s, move.x, move.y, 4, 4, s, move.srcX, move.srcY);
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const int i = x - move.x;
                const int j = y - move.y;
                const bool copied = i >= 0 && j >= 0 && i < 4 && j < 4;
                const COLORREF expected = copied ? before.Pixel(move.srcX + i, move.srcY + j) : before.Pixel(x, y);
                ASSERT_EQ(s.Pixel(x, y), expected) << "pixel (" << x << ", " << y << ")";
            }
        }
    }

    // Clipped at the far edges: only the part inside both surfaces moves.
    Surface s = numbered();
    CopyRect(s, 4, 4, 4, 4, s, 0, 0);
    EXPECT_EQ(s.Pixel(5, 5), 11u);
    EXPECT_EQ(s.Pixel(4, 4), 0u);
    EXPECT_EQ(s.Pixel(3, 3), 33u);
}
