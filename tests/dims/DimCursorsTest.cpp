// The library's cursors against their descriptions.
#include "Shapix.h"

#include "platform/wnd/Cursor.h"

#include <gtest/gtest.h>

namespace {

enum Px { Screen, Black, White, Inverted };

// The library's cursor id as a picture, one Px per pixel.
std::vector<std::vector<Px>> Picture(WORD id, POINT& hotSpot)
{
    const platform::CursorResource* cursor
        = platform::CursorImage(LoadCursorW(ShapixResourceHandle(), MAKEINTRESOURCE(id)));
    std::vector<std::vector<Px>> picture(32, std::vector<Px>(32, Screen));
    if (!cursor)
        return picture;
    hotSpot = cursor->hotSpot;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool andBit = cursor->andMask[y] & (0x80000000u >> x);
            const bool xorBit = cursor->xorMask[y] & (0x80000000u >> x);
            picture[y][x] = andBit ? (xorBit ? Inverted : Screen) : (xorBit ? White : Black);
        }
    }
    return picture;
}

int Count(const std::vector<std::vector<Px>>& picture, Px kind)
{
    int count = 0;
    for (const auto& row : picture)
        count += static_cast<int>(std::count(row.begin(), row.end(), kind));
    return count;
}

} // namespace

TEST(LibraryCursors, MatchTheirDescriptions)
{
    POINT hot {};
    const auto hand = Picture(129, hot);
    EXPECT_TRUE(hot.x == 6 && hot.y == 0);
    EXPECT_EQ(hand[0][6], Black) << "the fingertip's outline";
    EXPECT_EQ(hand[2][6], White);
    EXPECT_GT(Count(hand, White), Count(hand, Black));
    EXPECT_EQ(Count(hand, Inverted), 0);

    for (WORD id : { 1003, 1004 }) {
        SCOPED_TRACE("cross-hair " + std::to_string(id));
        const auto cross = Picture(id, hot);
        EXPECT_TRUE(hot.x == 15 && hot.y == 16);
        // Centre, line ends, ring corners; the ring's inside shows the screen.
        for (const POINT p : { POINT { 15, 16 }, POINT { 15, 5 }, POINT { 15, 27 }, POINT { 4, 16 },
                 POINT { 26, 16 }, POINT { 12, 13 }, POINT { 18, 19 } })
            EXPECT_EQ(cross[p.y][p.x], Inverted) << p.x << "," << p.y;
        EXPECT_EQ(cross[14][15], Screen);
        EXPECT_EQ(Count(cross, Black) + Count(cross, White), 0);
        // Above right, a plus has a middle column, an x corners.
        EXPECT_EQ(cross[4][24], id == 1003 ? Inverted : Screen);
        EXPECT_EQ(cross[4][21], id == 1004 ? Inverted : Screen);
    }

    const auto box = Picture(1006, hot);
    EXPECT_TRUE(hot.x == 0 && hot.y == 0);
    EXPECT_EQ(Count(box, Inverted), 14 * 13 - 10 * 9) << "a two-pixel frame of 14 x 13";
    EXPECT_EQ(box[12][13], Inverted);
    EXPECT_EQ(box[2][2], Screen);
}
