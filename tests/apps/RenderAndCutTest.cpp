// shapix render and shapix cut, run as a user runs them.
#include "ToolRun.h"

#include <nlohmann/json.hpp>

using namespace tool_test;

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0); // a side
constexpr COLORREF kYellow = RGB(255, 255, 0); // a vertex square, label text
constexpr COLORREF kCyan = RGB(0, 255, 255); // the reference point's square
constexpr COLORREF kBlack = 0;

int CountColour(const platform::Image& picture, COLORREF colour, int top, int bottom)
{
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < picture.Width(); ++x)
            count += picture.Pixel(x, y) == colour;
    }
    return count;
}

} // namespace

TEST(Render, ThePictureIsTheControlsPaintOfTheSample)
{
    ScratchFolder folder;
    const std::string plate = (kSamples / "plate.json").string();
    ASSERT_EQ(RunTool({ "render", plate, "-o", "plain.png" }, folder.Path()).status, 0);
    ASSERT_EQ(RunTool({ "render", plate, "-o", "sub/selected.png", "--select", "1" }, folder.Path()).status, 0);
    ASSERT_EQ(RunTool({ "render", plate, "-o", "dims.png", "--page", "dim" }, folder.Path()).status, 0);
    const ToolResult small
        = RunTool({ "render", plate, "-o", "small.png", "--size", "400x300", "--fit" }, folder.Path());
    ASSERT_EQ(small.status, 0) << small.err;
    EXPECT_EQ(small.out, "wrote small.png (400x300, select page)\n");

    platform::Image plain, selected, dims, fitted;
    ASSERT_TRUE(plain.LoadPng((folder / "plain.png").string()));
    ASSERT_TRUE(selected.LoadPng((folder / "sub/selected.png").string()));
    ASSERT_TRUE(dims.LoadPng((folder / "dims.png").string()));
    ASSERT_TRUE(fitted.LoadPng((folder / "small.png").string()));
    EXPECT_EQ(plain.Width(), 640);
    EXPECT_EQ(plain.Height(), 480);
    EXPECT_EQ(fitted.Width(), 400) << "the client area, without the control's edges";
    EXPECT_EQ(fitted.Height(), 300);

    EXPECT_EQ(plain.Pixel(320, 70), kGreen) << "top side";
    EXPECT_EQ(plain.Pixel(570, 220), kGreen) << "right side";
    EXPECT_EQ(plain.Pixel(320, 150), kBlack) << "inside";
    EXPECT_EQ(plain.Pixel(104, 66), kBlack) << "no handle squares without a selection";
    EXPECT_EQ(selected.Pixel(104, 66), kYellow) << "left edge of vertex 0's square";
    EXPECT_EQ(selected.Pixel(314, 220), kCyan) << "left edge of the reference point's square";
    EXPECT_EQ(CountColour(plain, kYellow, 380, 480), 0) << "no labels on the select page";
    EXPECT_GT(CountColour(dims, kYellow, 440, 480), 20) << "the x chain's labels on the dim page";
    EXPECT_EQ(fitted.Pixel(200, 90), kGreen) << "the fitted top side";
}

TEST(Render, ErrorsExplainThemselvesAndLeaveOutputsAlone)
{
    ScratchFolder folder;
    folder.Write("out.png", "previous picture");
    folder.Write("bad.json", R"({"outlines": [{"id": 3, "points": [[0,0],[9,0],[9,9]], "bulges": [0, "x", 0]}]})");
    const std::string plate = (kSamples / "plate.json").string();
    const std::string tryHelp = "try 'shapix render --help'\n";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        { { "bad.json", "-o", "out.png" }, 1,
            "shapix: bad.json: outline 1 (id 3): field \"bulges[1]\": expected a number, got \"x\"\n" },
        { { "nowhere.json", "-o", "out.png" }, 1, "shapix: nowhere.json: cannot open the file\n" },
        { { "bad.json" }, 2, "shapix render: missing -o OUT.png\n" + tryHelp },
        { { plate, "-o", "out.png", "--page", "dim", "--select", "1" }, 2,
            "shapix render: --select shows the selection on the select page; it cannot go with --page dim\n"
                + tryHelp },
        { { "bad.json", "-o", "out.png", "--size", "640*480" }, 2,
            "shapix render: bad size \"640*480\": expected WIDTHxHEIGHT, e.g. 640x480\n" + tryHelp },
    };
    for (const auto& bad : cases) {
        std::vector<std::string> args { "render" };
        args.insert(args.end(), bad.args.begin(), bad.args.end());
        const ToolResult result = RunTool(args, folder.Path());
        EXPECT_EQ(result.status, bad.status) << bad.err;
        EXPECT_EQ(result.err, bad.err);
    }
    EXPECT_EQ(folder.Read("out.png"), "previous picture");
}

TEST(Cut, GroupsOfTheLShapeWithAndWithoutMerging)
{
    ScratchFolder folder;
    const std::string lshape = (kSamples / "lshape.json").string();
    std::vector<std::string> cut { "cut", lshape, "--id", "7", "--margin", "100", "--angle", "90", "--spacing", "200",
        "--json" };
    const ToolResult plain = RunTool(cut, folder.Path());
    ASSERT_EQ(plain.status, 0) << plain.err;
    const auto groups = nlohmann::json::parse(plain.out)["groups"];
    // Vertical lines at x = 100, 300, 500 (x = 700 ends the count): the
    // first crosses the upright leg, the others the 150 deep foot.
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0]["crossings"], nlohmann::json::parse("[[100, 0], [100, 600]]"));
    EXPECT_EQ(groups[1]["crossings"], nlohmann::json::parse("[[300, 450], [300, 600]]"));
    EXPECT_EQ(groups[2]["pieces"], nlohmann::json::parse("[150.0]"));

    std::vector<std::string> merged = cut;
    merged.push_back("--merge");
    merged.insert(merged.end(), { "-o", "cut.png" });
    const ToolResult merging = RunTool(merged, folder.Path());
    ASSERT_EQ(merging.status, 0) << merging.err;
    const auto counted = nlohmann::json::parse(merging.out)["groups"];
    ASSERT_EQ(counted.size(), 2u);
    EXPECT_EQ(counted[0]["count"], 1);
    EXPECT_EQ(counted[1]["count"], 2);
    EXPECT_EQ(counted[1]["crossings"], nlohmann::json::parse("[[500, 450], [500, 600]]")) << "the last one survives";
    EXPECT_EQ(merging.err, "wrote cut.png\n") << "stdout stays JSON";
    platform::Image picture;
    ASSERT_TRUE(picture.LoadPng((folder / "cut.png").string()));
    EXPECT_GT(CountColour(picture, RGB(255, 128, 0), 0, picture.Height()), 100) << "the pieces are drawn";
    EXPECT_GT(CountColour(picture, kGreen, 0, picture.Height()), 400) << "and the outline";

    SCOPED_TRACE("the table");
    cut.pop_back();
    const ToolResult table = RunTool(cut, folder.Path());
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(
        table.out.find("outline 7 \"L 形支架\": margin 100, angle 90, spacing 200: 3 groups\n"), std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find("    1      1          2  600 (100,0)-(100,600)\n"), std::string::npos) << table.out;
}

TEST(Cut, BadRequestsAreRefused)
{
    ScratchFolder folder;
    folder.Write("nomodel.json", R"({"outlines": [{"id": 1, "points": [[0,0],[900,0],[900,900]]}]})");
    const std::string plate = (kSamples / "plate.json").string();
    const struct {
        const char* label;
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        { "spacing 0", { "cut", plate, "--id", "1", "--margin", "10", "--angle", "0", "--spacing", "0" }, 2,
            "bad --spacing 0" },
        { "no angle", { "cut", plate, "--id", "1", "--margin", "10", "--spacing", "50" }, 2, "missing --angle" },
        { "unknown id", { "cut", plate, "--id", "99", "--margin", "10", "--angle", "0", "--spacing", "50" }, 1,
            "no outline with id 99" },
        { "no model", { "cut", "nomodel.json", "--id", "1", "--margin", "10", "--angle", "0", "--spacing", "50" }, 1,
            "nomodel.json: outline id 1: field \"model\": missing" },
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.label);
        const ToolResult result = RunTool(bad.args, folder.Path());
        EXPECT_EQ(result.status, bad.status);
        EXPECT_NE(result.err.find(bad.message), std::string::npos) << result.err;
    }
    const ToolResult small = RunTool(
        { "cut", (kSamples / "frame.json").string(), "--id", "2", "--margin", "10", "--angle", "0", "--spacing", "50" },
        folder.Path());
    EXPECT_EQ(small.status, 0);
    EXPECT_NE(small.out.find("no cut: the model box is 1080 x 180; it must exceed 480"), std::string::npos)
        << small.out;
}
