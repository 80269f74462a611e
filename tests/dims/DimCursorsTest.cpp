// The library's cursors against their descriptions.
#include "Shapix.h"

#include "platform/wnd/Cursor.h"

#include <gtest/gtest.h>

namespace {

enum class Px { Screen, Black, White, Inverted };

Px PixelOf(const platform::CursorResource& cursor, int x, int y)
{
    const std::uint32_t bit = 0x80000000u >> x;
    const bool andBit = cursor.andMask[y] & bit;
    const bool xorBit = cursor.xorMask[y] & bit;
    return andBit ? (xorBit ? Px::Inverted : Px::Screen) : (xorBit ? Px::White : Px::Black);
}

int Count(const platform::CursorResource& cursor, Px kind)
{
    int count = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            count += PixelOf(cursor, x, y) == kind;
    }
    return count;
}

const platform::CursorResource& Load(WORD id)
{
    const HCURSOR cursor = LoadCursorW(ShapixResourceHandle(), MAKEINTRESOURCE(id));
    const platform::CursorResource* image = platform::CursorImage(cursor);
    if (!image)
        throw std::runtime_error("cursor " + std::to_string(id) + " missing");
    return *image;
}

} // namespace

TEST(LibraryCursors, MatchTheirDescriptions)
{
    {
        SCOPED_TRACE("129: a white hand with a black outline, the fingertip its hot spot");
        const auto& hand = Load(129);
        EXPECT_EQ(hand.hotSpot.x, 6);
        EXPECT_EQ(hand.hotSpot.y, 0);
        EXPECT_EQ(PixelOf(hand, 6, 0), Px::Black);
        EXPECT_EQ(PixelOf(hand, 6, 2), Px::White);
        EXPECT_EQ(Count(hand, Px::Inverted), 0);
        EXPECT_GT(Count(hand, Px::White), Count(hand, Px::Black));
    }
    for (WORD id : { 1003, 1004 }) {
        SCOPED_TRACE("cross-hair " + std::to_string(id));
        const auto& cross = Load(id);
        EXPECT_EQ(cross.hotSpot.x, 15);
        EXPECT_EQ(cross.hotSpot.y, 16);
        for (const POINT p : { POINT { 15, 16 }, POINT { 15, 5 }, POINT { 15, 27 }, POINT { 4, 16 },
                 POINT { 26, 16 }, POINT { 12, 13 }, POINT { 18, 19 } })
            EXPECT_EQ(PixelOf(cross, p.x, p.y), Px::Inverted) << p.x << "," << p.y;
        EXPECT_EQ(PixelOf(cross, 15, 14), Px::Screen) << "inside the ring";
        EXPECT_EQ(Count(cross, Px::Black) + Count(cross, Px::White), 0);
        // The signs above right: a plus has its middle column, an x its corners.
        EXPECT_EQ(PixelOf(cross, 24, 4), id == 1003 ? Px::Inverted : Px::Screen);
        EXPECT_EQ(PixelOf(cross, 21, 4), id == 1004 ? Px::Inverted : Px::Screen);
    }
    {
        SCOPED_TRACE("1006: a hollow 14 x 13 rectangle of two-pixel lines at the corner");
        const auto& box = Load(1006);
        EXPECT_EQ(box.hotSpot.x, 0);
        EXPECT_EQ(box.hotSpot.y, 0);
        EXPECT_EQ(Count(box, Px::Inverted), 14 * 13 - 10 * 9);
        EXPECT_EQ(PixelOf(box, 13, 12), Px::Inverted);
        EXPECT_EQ(PixelOf(box, 2, 2), Px::Screen);
        EXPECT_EQ(PixelOf(box, 14, 0), Px::Screen);
        EXPECT_EQ(PixelOf(box, 0, 13), Px::Screen);
    }
}
