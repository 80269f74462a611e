// Polygon regions against pixels recorded from Wine's GDI.
//
// data/regions.txt is the output of data/region_oracle.cpp, a Windows
// program that asks GDI itself which pixels each polygon region holds; that
// file also says how to regenerate the recording.
#include "platform/AfxWin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// '#' (TRUE) and '.' (FALSE) answers; cell (column, row) answers for the
// point or rectangle at (left + stride * column, top + stride * row).
struct Grid {
    LONG left = 0, top = 0;
    int stride = 1;
    std::vector<std::string> rows;
};

struct RecordedCase {
    std::string name;
    int mode = ALTERNATE;
    std::vector<POINT> points;
    Grid pixels;
    Grid rects4;
};

struct Recording {
    std::vector<RecordedCase> cases;
    std::map<std::string, std::string> probes;
};

Recording Load()
{
    std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "data" / "regions.txt");
    EXPECT_TRUE(in.good()) << "cannot open data/regions.txt";
    Recording recording;
    std::string line, word;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        int width = 0, height = 0;
        if (keyword == "case") {
            RecordedCase& c = recording.cases.emplace_back();
            words >> c.name >> word;
            c.mode = word == "WINDING" ? WINDING : ALTERNATE;
        } else if (keyword == "points") {
            POINT p {};
            char comma = 0;
            while (words >> p.x >> comma >> p.y)
                recording.cases.back().points.push_back(p);
        } else if (keyword == "pixels" || keyword == "rects4") {
            const bool pixels = keyword == "pixels";
            Grid& grid = pixels ? recording.cases.back().pixels : recording.cases.back().rects4;
            words >> grid.left >> grid.top;
            if (!pixels)
                words >> grid.stride;
            words >> width >> height;
            grid.rows.resize(static_cast<size_t>(height));
            for (std::string& row : grid.rows) {
                std::getline(in, row);
                EXPECT_EQ(row.size(), static_cast<size_t>(width)) << "in the grid after: " << line;
            }
        } else if (keyword == "probe") {
            words >> keyword >> word;
            recording.probes[keyword] = word;
        }
    }
    return recording;
}

const Recording& Recorded()
{
    static const Recording recording = Load();
    return recording;
}

// Counts the cells that differ and names the first, so that a failure
// points at the pixel to look at.
template <class Probe>
void ExpectGrid(const Grid& grid, Probe probe)
{
    ASSERT_FALSE(grid.rows.empty());
    int differing = 0;
    std::ostringstream first;
    for (size_t row = 0; row < grid.rows.size(); ++row) {
        for (size_t column = 0; column < grid.rows[row].size(); ++column) {
            const LONG x = grid.left + grid.stride * static_cast<LONG>(column);
            const LONG y = grid.top + grid.stride * static_cast<LONG>(row);
            const char ours = probe(x, y) ? '#' : '.';
            if (ours != grid.rows[row][column] && differing++ == 0)
                first << "(" << x << ", " << y << "): Wine '" << grid.rows[row][column] << "', ours '" << ours << "'";
        }
    }
    EXPECT_EQ(differing, 0) << "first difference at " << first.str();
}

const POINT kTriangle[] = { { 0, 0 }, { 10, 0 }, { 0, 10 } };

std::string InRegion(HRGN region, RECT rect)
{
    return std::to_string(RectInRegion(region, &rect));
}

} // namespace

TEST(PolygonRegion, MatchesWinePixelForPixel)
{
    const Recording& recording = Recorded();
    ASSERT_EQ(recording.cases.size(), 16u); // eight polygons, each in both fill modes
    for (const RecordedCase& c : recording.cases) {
        SCOPED_TRACE(c.name + (c.mode == WINDING ? " WINDING" : " ALTERNATE"));
        HRGN region = CreatePolygonRgn(c.points.data(), static_cast<int>(c.points.size()), c.mode);
        ASSERT_NE(region, nullptr);
        {
            SCOPED_TRACE("PtInRegion");
            ExpectGrid(c.pixels, [region](LONG x, LONG y) { return PtInRegion(region, x, y); });
        }
        {
            SCOPED_TRACE("RectInRegion, 4x4 rectangles");
            ExpectGrid(c.rects4, [region](LONG x, LONG y) { return InRegion(region, { x, y, x + 4, y + 4 }) == "1"; });
        }
        EXPECT_TRUE(DeleteObject(region));
    }
}

TEST(PolygonRegion, AnswersSingleQuestionsAsWineDoes)
{
    const auto& wine = Recorded().probes;
    HRGN line = CreatePolygonRgn(kTriangle, 2, ALTERNATE);
    EXPECT_EQ(line ? "region" : "null", wine.at("two_points"));
    EXPECT_EQ(InRegion(line, { -5, -5, 15, 15 }), wine.at("two_points_rect"));
    DeleteObject(line);

    HRGN region = CreatePolygonRgn(kTriangle, 3, ALTERNATE);
    EXPECT_EQ(InRegion(region, { 4, 4, 2, 2 }), wine.at("rect_inverted"));
    EXPECT_EQ(InRegion(region, { 9, 9, 12, 12 }), wine.at("rect_corner_out"));
    EXPECT_EQ(InRegion(region, { 10, 0, 13, 3 }), wine.at("rect_right_edge"));
    {
        // Wine 8 is lenient where Windows documents nothing, and no caller in
        // Shapix relies on these answers. Wine's side is checked too, so that
        // a new recording that agrees with us shows up here.
        SCOPED_TRACE("known differences");
        EXPECT_EQ(wine.at("one_point") + wine.at("bad_mode"), "regionregion");
        EXPECT_EQ(CreatePolygonRgn(kTriangle, 1, ALTERNATE), nullptr);
        EXPECT_EQ(CreatePolygonRgn(kTriangle, 3, 0), nullptr);
        // Wine hits some lines inside the region, by the pixels either side.
        EXPECT_EQ(wine.at("rect_flat"), "1");
        EXPECT_EQ(InRegion(region, { 2, 2, 6, 2 }), "0");
    }
    {
        SCOPED_TRACE("a deleted handle is refused");
        EXPECT_EQ(std::to_string(DeleteObject(region)), wine.at("delete_first"));
        EXPECT_EQ(std::to_string(DeleteObject(region)), wine.at("delete_second"));
        EXPECT_EQ(InRegion(region, { 1, 1, 2, 2 }), "0");
    }
}
