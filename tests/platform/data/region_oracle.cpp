// Records how GDI scan-converts polygon regions, for RegionTest.cpp.
//
// This is a Windows program: it asks GDI itself (Wine's GDI here) which
// pixels CreatePolygonRgn puts into a region and prints them, so the test can
// hold platform/Region.cpp to the same pixels. To regenerate regions.txt,
// from this folder, with mingw-w64 and Wine (recorded with Wine 8.0):
//
//   x86_64-w64-mingw32-g++ -std=c++17 -static -O2 -o /tmp/region_oracle.exe region_oracle.cpp -lgdi32
//   WINEDEBUG=-all wine /tmp/region_oracle.exe | tr -d '\r' > regions.txt
//
// Format, one record per line:
//   case NAME MODE              MODE is ALTERNATE or WINDING
//   points X,Y X,Y ...
//   pixels LEFT TOP WIDTH HEIGHT, then HEIGHT rows of PtInRegion results,
//                               '#' inside and '.' outside
//   rects4 LEFT TOP STRIDE COLUMNS ROWS, then ROWS rows of RectInRegion
//                               results for the 4x4 rectangle whose top-left
//                               corner is (LEFT + STRIDE * column,
//                               TOP + STRIDE * row)
//   end
//   probe NAME VALUE            single answers: handles (null/region) and
//                               BOOL results
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::vector<POINT> points;
    RECT window; // the pixels to print; holds the polygon with a margin
};

const char* ModeName(int mode)
{
    return mode == ALTERNATE ? "ALTERNATE" : "WINDING";
}

void PrintCase(const Case& c, int mode)
{
    HRGN region = CreatePolygonRgn(c.points.data(), static_cast<int>(c.points.size()), mode);
    std::printf("case %s %s\npoints", c.name, ModeName(mode));
    for (const POINT& p : c.points)
        std::printf(" %ld,%ld", p.x, p.y);
    const RECT& w = c.window;
    std::printf("\npixels %ld %ld %ld %ld\n", w.left, w.top, w.right - w.left, w.bottom - w.top);
    for (LONG y = w.top; y < w.bottom; ++y) {
        for (LONG x = w.left; x < w.right; ++x)
            std::putchar(PtInRegion(region, x, y) ? '#' : '.');
        std::putchar('\n');
    }

    // 4x4 rectangles every 3 pixels, starting 3 pixels out so that the first
    // row and column only just reach into the window.
    const int stride = 3;
    const LONG left = w.left - 3;
    const LONG top = w.top - 3;
    const int columns = static_cast<int>((w.right - left) / stride) + 1;
    const int rows = static_cast<int>((w.bottom - top) / stride) + 1;
    std::printf("rects4 %ld %ld %d %d %d\n", left, top, stride, columns, rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const LONG x = left + stride * column;
            const LONG y = top + stride * row;
            const RECT r { x, y, x + 4, y + 4 };
            std::putchar(RectInRegion(region, &r) ? '#' : '.');
        }
        std::putchar('\n');
    }
    std::printf("end\n");
    DeleteObject(region);
}

void PrintProbes()
{
    const POINT triangle[] = { { 0, 0 }, { 10, 0 }, { 0, 10 } };
    std::printf("probe one_point %s\n", CreatePolygonRgn(triangle, 1, ALTERNATE) ? "region" : "null");
    std::printf("probe bad_mode %s\n", CreatePolygonRgn(triangle, 3, 0) ? "region" : "null");

    HRGN line = CreatePolygonRgn(triangle, 2, ALTERNATE);
    std::printf("probe two_points %s\n", line ? "region" : "null");
    const RECT around { -5, -5, 15, 15 };
    std::printf("probe two_points_rect %d\n", line ? RectInRegion(line, &around) : -1);
    DeleteObject(line);

    HRGN region = CreatePolygonRgn(triangle, 3, ALTERNATE);
    const RECT inverted { 4, 4, 2, 2 }; // right < left, bottom < top
    const RECT flat { 2, 2, 6, 2 }; // no height
    const RECT cornerOut { 9, 9, 12, 12 }; // beyond the hypotenuse
    const RECT rightEdge { 10, 0, 13, 3 }; // starts on the right end point
    std::printf("probe rect_inverted %d\n", RectInRegion(region, &inverted));
    std::printf("probe rect_flat %d\n", RectInRegion(region, &flat));
    std::printf("probe rect_corner_out %d\n", RectInRegion(region, &cornerOut));
    std::printf("probe rect_right_edge %d\n", RectInRegion(region, &rightEdge));
    std::printf("probe delete_first %d\n", DeleteObject(region));
    std::printf("probe delete_second %d\n", DeleteObject(region));
}

} // namespace

int main()
{
    const std::vector<Case> cases = {
        // An extra point on the top side keeps GDI off its rectangle shortcut.
        { "rectangle", { { 2, 1 }, { 5, 1 }, { 9, 1 }, { 9, 6 }, { 2, 6 } }, { 0, 0, 12, 8 } },
        // Offset lines one pixel either side of the segment (3,2)-(19,12).
        { "band", { { 4, 1 }, { 20, 11 }, { 18, 13 }, { 2, 3 } }, { 0, 0, 23, 15 } },
        { "triangle", { { 1, 1 }, { 17, 6 }, { 5, 14 } }, { 0, 0, 19, 16 } },
        { "star", { { 10, 0 }, { 16, 19 }, { 0, 7 }, { 20, 7 }, { 4, 19 } }, { -1, -1, 22, 21 } },
        // Horizontal edges at the top, at a concave step and at the bottom.
        { "step", { { 2, 2 }, { 10, 2 }, { 10, 6 }, { 16, 6 }, { 12, 12 }, { 2, 12 } }, { 0, 0, 18, 14 } },
        // The two lobes run in opposite directions and meet in one crossing.
        { "bowtie", { { 1, 1 }, { 13, 11 }, { 13, 1 }, { 1, 11 } }, { 0, 0, 15, 13 } },
        { "negative", { { -7, -5 }, { 4, -2 }, { -3, 6 } }, { -9, -7, 6, 8 } },
        // The long edge passes by the origin, where row offset times width
        // no longer fits in 32 bits; only the window around it is printed.
        { "large", { { -300001, -200000 }, { 300000, 200001 }, { -300000, 200000 } }, { -8, -6, 8, 6 } },
    };
    for (const Case& c : cases) {
        PrintCase(c, ALTERNATE);
        PrintCase(c, WINDING);
    }
    PrintProbes();
    return 0;
}
