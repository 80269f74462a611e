// The library's cursors, drawn below as 32 x 32 pictures and turned into
// the AND and XOR masks of a monochrome cursor when the library loads.
//
// Legend: ' ' the screen shows through, '#' black, '.' white, 'x' the
// screen inverted. Rows and pictures may stop short; the rest is ' '.
#include "ShapixResourceTables.h"

#include <initializer_list>
#include <stdexcept>
#include <string_view>

namespace shapix_resources {

namespace {

constexpr int kCursorSize = 32;

platform::CursorResource MakeCursor(WORD id, POINT hotSpot, std::initializer_list<std::string_view> picture)
{
    if (picture.size() > kCursorSize)
        throw std::logic_error("cursor picture taller than 32 rows");
    platform::CursorResource cursor;
    cursor.id = id;
    cursor.hotSpot = hotSpot;
    cursor.andMask.fill(0xFFFFFFFFu); // transparent where nothing is drawn
    int y = 0;
    for (std::string_view row : picture) {
        if (row.size() > kCursorSize)
            throw std::logic_error("cursor picture wider than 32 columns");
        for (size_t x = 0; x < row.size(); ++x) {
            const std::uint32_t bit = 0x80000000u >> x; // bit 31 is the leftmost pixel
            switch (row[x]) {
            case ' ':
                break;
            case '#':
                cursor.andMask[y] &= ~bit;
                break;
            case '.':
                cursor.andMask[y] &= ~bit;
                cursor.xorMask[y] |= bit;
                break;
            case 'x':
                cursor.xorMask[y] |= bit;
                break;
            default:
                throw std::logic_error("unknown pixel in a cursor picture");
            }
        }
        ++y;
    }
    return cursor;
}

} // namespace

std::vector<platform::CursorResource> Cursors()
{
    std::vector<platform::CursorResource> cursors;

    // 129: the dimension tool over a label. A white hand with a black
    // outline pointing up; the hot spot is the fingertip.
    cursors.push_back(MakeCursor(129, POINT { 6, 0 }, {
        "      ##",
        "     #..#",
        "     #..#",
        "     #..#",
        "     #..#",
        "     #..###",
        "     #..#..###",
        "     #..#..#..##",
        "     #..#..#..#.#",
        " ### #..#..#..#..#",
        " #..##..#..#..#..#",
        " #...#...........#",
        "  #..............#",
        "  #..............#",
        "   #.............#",
        "   #............#",
        "    #...........#",
        "    #...........#",
        "     #.........#",
        "     #.........#",
        "     ###########",
    }));

    // 1003: the side tool that adds a vertex. A cross-hair with a square
    // ring round its centre, the hot spot, and a plus sign above right.
    cursors.push_back(MakeCursor(1003, POINT { 15, 16 }, {
        "",
        "",
        "",
        "",
        "                        x",
        "               x        x",
        "               x        x",
        "               x     xxxxxxx",
        "               x        x",
        "               x        x",
        "               x        x",
        "               x",
        "               x",
        "            xxxxxxx",
        "            x     x",
        "            x     x",
        "    xxxxxxxxx  x  xxxxxxxxx",
        "            x     x",
        "            x     x",
        "            xxxxxxx",
        "               x",
        "               x",
        "               x",
        "               x",
        "               x",
        "               x",
        "               x",
        "               x",
    }));

    // 1004: the side tool that deletes a vertex: the same cross-hair with
    // an x sign above right.
    cursors.push_back(MakeCursor(1004, POINT { 15, 16 }, {
        "",
        "",
        "",
        "",
        "                     x     x",
        "               x      x   x",
        "               x       x x",
        "               x        x",
        "               x       x x",
        "               x      x   x",
        "               x     x     x",
        "               x",
        "               x",
        "            xxxxxxx",
        "            x     x",
        "            x     x",
        "    xxxxxxxxx  x  xxxxxxxxx",
        "            x     x",
        "            x     x",
        "            xxxxxxx",
        "               x",
        "               x",
        "               x",
        "               x",
        "               x",
        "               x",
        "               x",
        "               x",
    }));

    // 1006: the side tool that edits a side. A hollow 14 x 13 rectangle of
    // two-pixel lines in the corner; the hot spot is its top-left pixel.
    cursors.push_back(MakeCursor(1006, POINT { 0, 0 }, {
        "xxxxxxxxxxxxxx",
        "xxxxxxxxxxxxxx",
        "xx          xx",
        "xx          xx",
        "xx          xx",
        "xx          xx",
        "xx          xx",
        "xx          xx",
        "xx          xx",
        "xx          xx",
        "xx          xx",
        "xxxxxxxxxxxxxx",
        "xxxxxxxxxxxxxx",
    }));

    return cursors;
}

} // namespace shapix_resources
