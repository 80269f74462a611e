// Shapes files in and out of a real control through the exchange strings,
// and the messages a bad file gets.
#include "ShapesFile.h"
#include "ControlHost.h"
#include "ToolError.h"

#include <gtest/gtest.h>

using namespace shapix_tool;

namespace {

// Every field set to a value that would show a mix-up of SetData's string
// arguments (bulges, codes and names all differ in kind and count). The
// triangle's model is its window drawing at 2 mm/px from the origin, so the
// dimension chains that loading applies leave it as it is.
const char* const kTriangleAndSquare = R"({
  "units": "mm", "comment": "2 mm/px, \"三角\" first",
  "outlines": [
    { "id": 4, "name": "三角", "points": [[100, 100], [300, 100], [200, 250.5]],
      "model": [[0, 0], [400, 0], [200, 301.25]], "bulges": [0, -0.25, 0.41421],
      "sideTypes": [2, 0, -1], "sideTypeNames": ["直边", "", "圆角"],
      "ref": [200, 150], "modelRef": [200, 100], "comment": { "drawn": 2026 } },
    { "id": -9, "points": [[350, 300], [450, 300], [450, 400], [350, 400]], "refSet": false }
  ]
})";

} // namespace

TEST(ShapesFile, EveryFieldSurvivesTheTripThroughTheControl)
{
    ShapesDocument in = ParseShapes(kTriangleAndSquare, "two.json");
    // Apart: the chains of one drawing run over all its outlines.
    ShapesDocument squareOnly;
    squareOnly.outlines.push_back(in.outlines[1]);
    in.outlines.pop_back();
    ControlHost host({ 640, 480 });
    host.AddOutlines(in, false);
    ControlHost squareHost({ 640, 480 });
    squareHost.AddOutlines(squareOnly, false);
    ShapesDocument out = host.ReadAll();
    out.outlines.push_back(squareHost.Read(-9));
    EXPECT_EQ(out.units, "mm");

    const Outline& triangle = out.outlines[0];
    EXPECT_EQ(triangle.id, 4);
    EXPECT_EQ(triangle.name, "三角");
    EXPECT_EQ(triangle.points, (std::vector<double> { 100, 100, 300, 100, 200, 251 })) << "window points round";
    EXPECT_EQ(triangle.model, (std::vector<double> { 0, 0, 400, 0, 200, 301.25 }));
    EXPECT_EQ(triangle.bulges, (std::vector<double> { 0, -0.25, 0.41421 }));
    EXPECT_EQ(triangle.sideTypes, (std::vector<long> { 2, 0, -1 }));
    EXPECT_EQ(triangle.sideTypeNames, (std::vector<std::string> { "直边", "", "圆角" }));
    EXPECT_EQ(triangle.ref, (std::array<double, 2> { 200, 150 }));
    EXPECT_EQ(triangle.modelRef, (std::array<double, 2> { 200, 100 }));

    const Outline& square = out.outlines[1];
    EXPECT_EQ(square.id, -9);
    EXPECT_EQ(square.bulges, std::vector<double>(4, 0.0));
    EXPECT_EQ(square.sideTypes, std::vector<long>(4, 0));
    // refSet false reached the record: the control centred the point in the
    // box of the vertices and its old place, (0, 0).
    EXPECT_EQ(square.ref, (std::array<double, 2> { 225, 200 }));

    SCOPED_TRACE("written and read again");
    // The control holds outlines only: the host keeps the comments.
    EXPECT_EQ(out.comment, in.comment);
    EXPECT_EQ(triangle.comment, R"({"drawn":2026})");
    const ShapesDocument again = ParseShapes(FormatShapes(out), "again.json");
    ASSERT_EQ(again.outlines.size(), 2u);
    EXPECT_EQ(again.outlines[0].points, triangle.points);
    EXPECT_EQ(again.outlines[0].model, triangle.model);
    EXPECT_EQ(again.outlines[0].sideTypeNames, triangle.sideTypeNames);
    EXPECT_EQ(again.outlines[1].ref, square.ref);
    EXPECT_TRUE(again.outlines[1].refSet);
    EXPECT_EQ(again.comment, R"("2 mm/px, \"三角\" first")");
    EXPECT_EQ(again.outlines[0].comment, triangle.comment);
    EXPECT_EQ(again.outlines[1].comment, "");
}

TEST(ShapesFile, BadFilesNameTheFileTheOutlineAndTheField)
{
    const std::string square = R"("points": [[0, 0], [10, 0], [10, 10], [0, 10]])";
    auto wrap
        = [&](const std::string& fields) { return "{\"outlines\": [{\"id\": 1, " + square + "}, {" + fields + "}]}"; };
    const struct {
        const char* label;
        std::string text;
        std::string message;
    } cases[] = {
        { "not JSON", "{\"outlines\": [", "bad.json: not valid JSON: parse error at line 1, column 15" },
        { "no list", "{\"shapes\": []}", "bad.json: unknown field \"shapes\"" },
        { "empty list", "{\"outlines\": []}", "bad.json: the list \"outlines\" is empty" },
        { "missing id", wrap(square), "bad.json: outline 2: field \"id\": missing" },
        { "duplicate id", wrap("\"id\": 1, " + square),
            "outline 2 (id 1): field \"id\": the id 1 is used by an earlier outline" },
        { "two points", wrap("\"id\": 2, \"points\": [[0, 0], [1, 1]]"),
            "outline 2 (id 2): field \"points\": a closed outline needs at least 3 points, got 2" },
        { "text in a pair", wrap("\"id\": 2, \"points\": [[0, 0], [1, \"a\"], [2, 2]]"),
            "outline 2 (id 2): field \"points[1]\": expected a number, got \"a\"" },
        { "short model", wrap("\"id\": 2, " + square + ", \"model\": [[0, 0]]"),
            "field \"model\": expected 4 pairs (as many as points), got 1" },
        { "short bulges", wrap("\"id\": 2, " + square + ", \"bulges\": [0, 0, 0]"),
            "field \"bulges\": expected 4 entries (one per side, as many as points), got 3" },
        { "bad side type", wrap("\"id\": 2, " + square + ", \"sideTypes\": [0, 1, -2, 0]"),
            "field \"sideTypes[2]\": expected a side-type index (-1 or more), got -2" },
        { "TAB in a name", wrap("\"id\": 2, " + square + ", \"sideTypeNames\": [\"a\\tb\"]"),
            "field \"sideTypeNames[0]\": a side-type name cannot hold a TAB" },
        { "typo", wrap("\"id\": 2, " + square + ", \"bulge\": [0, 0, 0, 0]"), "field \"bulge\": unknown field" },
        { "refSet without ref", wrap("\"id\": 2, " + square + ", \"refSet\": true"),
            "field \"refSet\": is true but the outline has no \"ref\"" },
        { "huge coordinate", wrap("\"id\": 2, \"points\": [[0, 0], [1e9, 0], [0, 5]]"),
            "field \"points[1]\": the number 1000000000.0 is out of range" },
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.label);
        try {
            ParseShapes(bad.text, "bad.json");
            ADD_FAILURE() << "accepted";
        } catch (const ToolError& error) {
            EXPECT_NE(std::string(error.what()).find(bad.message), std::string::npos) << error.what();
        }
    }
}
