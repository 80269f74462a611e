// Our raster layer against the GDI oracle: golden/cases.txt replayed through
// it must give the oracle's images pixel for pixel.
#include "GoldenScript.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

std::string GoldenDir()
{
    const std::string here = __FILE__;
    return here.substr(0, here.find_last_of('/')) + "/golden/";
}

const std::vector<golden::Canvas>& OurCanvases()
{
    static const std::vector<golden::Canvas> canvases = [] {
        std::vector<golden::Canvas> result;
        std::ifstream script(GoldenDir() + "cases.txt");
        std::string error;
        if (!script || !golden::RunScript(script, result, error))
            ADD_FAILURE() << "cannot run " << GoldenDir() << "cases.txt: " << error;
        return result;
    }();
    return canvases;
}

// Compares every canvas whose name starts with one of the prefixes.
void ExpectMatchesGdi(std::initializer_list<const char*> prefixes)
{
    int compared = 0;
    for (const golden::Canvas& canvas : OurCanvases()) {
        bool wanted = false;
        for (const char* prefix : prefixes)
            wanted = wanted || canvas.name.rfind(prefix, 0) == 0;
        if (!wanted)
            continue;
        SCOPED_TRACE(canvas.name + " (cases.txt line " + std::to_string(canvas.line) + ")");
        platform::raster::Surface expected;
        ASSERT_TRUE(golden::ReadPpm(GoldenDir() + canvas.name + ".ppm", expected)) << "missing golden image";
        EXPECT_EQ(golden::FirstDifference(expected, canvas.surface), "");
        ++compared;
    }
    EXPECT_GT(compared, 0) << "no golden canvas for these prefixes";
}

TEST(GdiGolden, CosmeticLines) { ExpectMatchesGdi({ "line_w0_", "line_w1_" }); }

TEST(GdiGolden, TwoPixelLines) { ExpectMatchesGdi({ "line_w2_" }); }

TEST(GdiGolden, Rectangles) { ExpectMatchesGdi({ "rect_" }); }

TEST(GdiGolden, CircleOutlines) { ExpectMatchesGdi({ "ellipse_w1_", "ellipse_w2_" }); }

TEST(GdiGolden, EllipseFillsAndOddBoxes) { ExpectMatchesGdi({ "ellipse_fill_" }); }

TEST(GdiGolden, Arcs) { ExpectMatchesGdi({ "arc_" }); }

TEST(GdiGolden, SolidFillsAndInsideFrame) { ExpectMatchesGdi({ "fill_", "insideframe" }); }

} // namespace
