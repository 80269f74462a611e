// shapix import / export and cut drawings, checked against an independent
// DXF reader and writer (Python's ezdxf) and an independent SVG renderer
// (rsvg-convert).
#include "ToolRun.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <fstream>

using namespace tool_test;

namespace {

bool Available(const std::string& check)
{
    return std::system((check + " >/dev/null 2>&1").c_str()) == 0;
}

#define REQUIRE_EZDXF()                                                                                        \
    if (!Available("/usr/bin/python3 -c 'import ezdxf'"))                                                      \
    GTEST_SKIP() << "python3-ezdxf is not installed"

// Runs a Python script in the folder; its stdout.
std::string Python(const ScratchFolder& folder, const std::string& script)
{
    folder.Write("check.py", "import ezdxf, sys\n" + script);
    const std::string command = "cd '" + folder.Path().string() + "' && /usr/bin/python3 check.py";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        pclose(pipe);
    }
    return out;
}

// Every polyline as "LAYER closed x,y,bulge ..." per line, and lines by layer.
const char* const kDumpDxf = R"(
doc = ezdxf.readfile(sys.argv[1] if len(sys.argv) > 1 else 'out.dxf')
lines = {}
for e in doc.modelspace():
    if e.dxftype() == 'LWPOLYLINE':
        print(e.dxf.layer, e.closed, ' '.join('%g,%g,%g' % p for p in e.get_points('xyb')))
    elif e.dxftype() == 'LINE':
        lines[e.dxf.layer] = lines.get(e.dxf.layer, 0) + 1
    else:
        print('other', e.dxftype())
for layer in sorted(lines):
    print('LINE', layer, lines[layer])
)";

nlohmann::json Outlines(const ScratchFolder& folder, const std::string& name)
{
    return nlohmann::json::parse(folder.Read(name))["outlines"];
}

} // namespace

TEST(CadExport, EzdxfReadsThePlateFlippedToYUpWithCounterClockwiseBulges)
{
    REQUIRE_EZDXF();
    ScratchFolder folder;
    const ToolResult run = RunTool({ "export", (kSamples / "plate.json").string(), "-o", "out.dxf" }, folder.Path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "wrote out.dxf\n");
    // Clockwise corners on the y-down screen stay clockwise in the y-up
    // drawing, which DXF writes as negative bulges; the layer is the most
    // common side type, 直边, escaped for R2000.
    EXPECT_EQ(Python(folder, kDumpDxf),
        "\\U+76F4\\U+8FB9 True 80,0,0 920,0,-0.41421 1000,-80,0 1000,-520,-0.41421 920,-600,0 80,-600,-0.41421 "
        "0,-520,0 0,-80,-0.41421\n");
}

TEST(CadImport, AnEzdxfDrawingBecomesOutlinesAndGoesBackUnchanged)
{
    REQUIRE_EZDXF();
    ScratchFolder folder;
    Python(folder, R"(
doc = ezdxf.new('R2000', units=4)
m = doc.modelspace()
m.add_lwpolyline([(0, 0, 0), (600, 0, 0.5), (600, 500, 0), (0, 500, -0.12345)], format='xyb', close=True, dxfattribs={'layer': 'PLATE'})
m.add_lwpolyline([(100, 100, 0), (200, 100, 0), (200, 200, 0)], format='xyb', close=False, dxfattribs={'layer': 'PLATE'})
p = m.add_polyline2d([(300, 100), (400, 100), (350, 180)], close=True, dxfattribs={'layer': 'HOLE'})
m.add_spline([(0, 0), (50, 80), (100, 0)], dxfattribs={'layer': 'PLATE'})
m.add_ellipse((300, 250), major_axis=(50, 0), ratio=0.5, dxfattribs={'layer': 'PLATE'})
m.add_ellipse((300, 250), major_axis=(40, 0), ratio=0.5, dxfattribs={'layer': 'PLATE'})
doc.saveas('in.dxf')
)");
    const ToolResult all = RunTool({ "import", "in.dxf", "-o", "all.json", "--fit", "800x600" }, folder.Path());
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, "in.dxf: 2 outlines in millimetres\nskipped 2 ELLIPSE\nskipped 1 SPLINE\nskipped 1 open polyline\nwrote all.json\n");
    const auto outlines = Outlines(folder, "all.json");
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0]["model"], nlohmann::json::parse("[[0,0],[600,0],[600,-500],[0,-500]]"));
    EXPECT_EQ(outlines[0]["bulges"], nlohmann::json::parse("[0,-0.5,0,0.12345]"));
    EXPECT_EQ(outlines[0]["sideTypeNames"], nlohmann::json::parse(R"(["PLATE"])"));
    EXPECT_EQ(outlines[1]["sideTypeNames"], nlohmann::json::parse(R"(["HOLE"])"));
    // 600 x 500 fills 80% of 800 x 600 (the height binds: 0.96 per unit),
    // centred; y = 0 is the drawing's bottom.
    EXPECT_EQ(outlines[0]["points"], nlohmann::json::parse("[[112,540],[688,540],[688,60],[112,60]]"));

    const ToolResult plate = RunTool({ "import", "in.dxf", "--layer", "PLATE", "-o", "plate.json" }, folder.Path());
    ASSERT_EQ(plate.status, 0) << plate.err;
    EXPECT_EQ(Outlines(folder, "plate.json").size(), 1u);
    EXPECT_NE(plate.out.find("skipped 1 on other layers"), std::string::npos) << plate.out;

    ASSERT_EQ(RunTool({ "export", "plate.json", "-o", "back.dxf" }, folder.Path()).status, 0);
    EXPECT_EQ(Python(folder, std::string("sys.argv.append('back.dxf')\n") + kDumpDxf
                  + "print(doc.header.get('$INSUNITS'))\n"),
        "PLATE True 0,0,0 600,0,0.5 600,500,0 0,500,-0.12345\n4\n");
}

TEST(CadImport, DeclaredUnitsBecomeMillimetresAndARepeatedClosingVertexGoes)
{
    ScratchFolder folder;
    // A 4 x 2 rectangle closed by an arc from (0, 2) down to (0, 0), then
    // (0, 0) once more, as many CAD programs write a closed outline.
    auto drawing = [](const std::string& units) {
        return "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n" + units + "\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
            "0\nLWPOLYLINE\n8\nL\n90\n5\n70\n1\n10\n0\n20\n0\n10\n4\n20\n0\n10\n4\n20\n2\n10\n0\n20\n2\n42\n0.5\n"
            "10\n0.0000001\n20\n-0.0000001\n0\nENDSEC\n0\nEOF\n";
    };
    folder.Write("inch.dxf", drawing("1"));
    folder.Write("none.dxf", drawing("0"));
    const ToolResult inch = RunTool({ "import", "inch.dxf", "-o", "inch.json" }, folder.Path());
    ASSERT_EQ(inch.status, 0) << inch.err;
    EXPECT_EQ(inch.out.substr(0, inch.out.find('\n')), "inch.dxf: 1 outlines, inches converted to millimetres (x 25.4)");
    const auto inches = nlohmann::json::parse(folder.Read("inch.json"));
    EXPECT_EQ(inches["units"], "mm");
    EXPECT_EQ(inches["outlines"][0]["model"], nlohmann::json::parse("[[0,0],[101.6,0],[101.6,-50.8],[0,-50.8]]"));
    EXPECT_EQ(inches["outlines"][0]["bulges"], nlohmann::json::parse("[0,0,0,-0.5]"));

    const ToolResult none = RunTool({ "import", "none.dxf", "-o", "none.json" }, folder.Path());
    ASSERT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out.substr(0, none.out.find('\n')), "none.dxf: 1 outlines");
    const auto plain = nlohmann::json::parse(folder.Read("none.json"));
    EXPECT_FALSE(plain.contains("units"));
    EXPECT_EQ(plain["outlines"][0]["model"], nlohmann::json::parse("[[0,0],[4,0],[4,-2],[0,-2]]"));

    // Back out, each in the unit it now has.
    ASSERT_EQ(RunTool({ "export", "inch.json", "-o", "mm.dxf" }, folder.Path()).status, 0);
    ASSERT_EQ(RunTool({ "export", "none.json", "-o", "none-back.dxf" }, folder.Path()).status, 0);
    EXPECT_NE(folder.Read("mm.dxf").find("$INSUNITS\n 70\n4\n"), std::string::npos);
    EXPECT_NE(folder.Read("none-back.dxf").find("$INSUNITS\n 70\n0\n"), std::string::npos);
}

TEST(CadRoundTrip, ShapesThroughDxfComeBackToTheFiveDecimals)
{
    ScratchFolder folder;
    folder.Write("in.json", R"({"units": "mm", "outlines": [{"id": 7, "points": [[10, 10], [300, 10], [300, 200], [10, 200]],
        "model": [[-12.34567, 0.5], [987.65432, 0.25], [1000.00001, 777.77777], [3.1, 800]],
        "bulges": [0.12345, -2.5, 0, 1], "sideTypes": [1, 1, 0, 1], "sideTypeNames": ["line", "arc"]}]})");
    ASSERT_EQ(RunTool({ "export", "in.json", "-o", "a.dxf" }, folder.Path()).status, 0);
    ASSERT_EQ(RunTool({ "import", "a.dxf", "-o", "b.json" }, folder.Path()).status, 0);
    const auto back = Outlines(folder, "b.json");
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0]["model"],
        nlohmann::json::parse("[[-12.34567,0.5],[987.65432,0.25],[1000.00001,777.77777],[3.1,800]]"));
    EXPECT_EQ(back[0]["bulges"], nlohmann::json::parse("[0.12345,-2.5,0,1]"));
    EXPECT_EQ(back[0]["sideTypeNames"], nlohmann::json::parse(R"(["arc"])"));
    EXPECT_EQ(nlohmann::json::parse(folder.Read("b.json"))["units"], "mm");
    // And the file written from the imported shapes is the same file.
    ASSERT_EQ(RunTool({ "export", "b.json", "-o", "c.dxf" }, folder.Path()).status, 0);
    EXPECT_EQ(folder.Read("a.dxf"), folder.Read("c.dxf"));
}

TEST(CadExport, SvgRenderedByRsvgMatchesTheToolsPicture)
{
    if (!Available("rsvg-convert --version"))
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    ScratchFolder folder;
    const std::string plate = (kSamples / "plate.json").string();
    ASSERT_EQ(RunTool({ "export", plate, "-o", "plate.svg" }, folder.Path()).status, 0);
    ASSERT_EQ(RunTool({ "render", plate, "-o", "tool.png" }, folder.Path()).status, 0);
    // The view box is the model box with 11 units around it; at 0.5 pixel
    // per unit it lines up with the sample's window points, 70 px in.
    ASSERT_EQ(std::system(("cd '" + folder.Path().string() + "' && rsvg-convert -w 511 plate.svg -o svg.png").c_str()), 0);
    platform::Image tool, svg;
    ASSERT_TRUE(tool.LoadPng((folder / "tool.png").string()));
    ASSERT_TRUE(svg.LoadPng((folder / "svg.png").string()));
    auto drawn = [](COLORREF c) { return c != RGB(255, 255, 255); };
    auto toolSide = [](COLORREF c) { return GetGValue(c) > 128 && GetRValue(c) < 128; };
    auto near = [](const platform::Image& image, double x, double y, auto test) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (test(image.Pixel(static_cast<int>(x) + dx, static_cast<int>(y) + dy)))
                    return true;
        return false;
    };
    // Model points: the middle of a corner arc, a straight side, a cut-off
    // corner and the inside.
    const struct { double x, y; bool onSide; } probes[] = {
        { 23.43, 23.43, true }, { 976.57, 576.57, true }, { 600, 0, true }, { 0, 300, true },
        { 6, 6, false }, { 994, 594, false }, { 400, 200, false },
    };
    for (const auto& p : probes) {
        EXPECT_EQ(near(svg, (p.x + 11) / 2, (p.y + 11) / 2, drawn), p.onSide) << p.x << "," << p.y;
        EXPECT_EQ(near(tool, 70 + p.x / 2, 70 + p.y / 2, toolSide), p.onSide) << p.x << "," << p.y;
    }
    const std::string text = folder.Read("plate.svg");
    EXPECT_NE(text.find("A 80.00049 80.00049 0 0 1 1000 80"), std::string::npos);
    EXPECT_NE(text.find("class=\"直边\""), std::string::npos);
}

TEST(CadImport, BadDrawingsNameFileEntityAndFieldAndWriteNothing)
{
    ScratchFolder folder;
    folder.Write("out.json", "previous");
    const std::string head = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n5\n2A\n8\nL\n90\n3\n70\n1\n";
    const std::string tail = "0\nENDSEC\n0\nEOF\n";
    folder.Write("text.dxf", "hello, this is not a drawing\n");
    folder.Write("cut.dxf", head + "10\n0\n20\n0\n10\n5\n20\n");
    folder.Write("two.dxf", head + "10\n0\n20\n0\n10\n5\n20\n0\n" + tail);
    folder.Write("nan.dxf", head + "10\n0\n20\n0\n42\nnan\n10\n5\n20\n0\n10\n5\n20\n5\n" + tail);
    folder.Write("huge.dxf", head + "10\n0\n20\n0\n10\n5e300\n20\n0\n10\n5\n20\n5\n" + tail);
    folder.Write("loop.dxf", head + "10\n0\n20\n0\n10\n5\n20\n5\n10\n0.000004\n20\n0\n" + tail);
    const std::string inHeader = "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n";
    folder.Write("unit.dxf", inHeader + "99\n0\nENDSEC\n" + head + "10\n0\n20\n0\n10\n5\n20\n0\n10\n5\n20\n5\n" + tail);
    folder.Write("far.dxf", inHeader + "6\n0\nENDSEC\n" + head + "10\n0\n20\n0\n10\n2e6\n20\n0\n10\n5\n20\n5\n" + tail);
    const std::pair<const char*, const char*> cases[] = {
        { "text.dxf", "text.dxf: not a DXF file" },
        { "cut.dxf", "cut.dxf: truncated" },
        { "two.dxf", "two.dxf: polyline 1 (handle 2A) on layer \"L\": field vertices: a closed outline needs at least 3, got 2" },
        { "nan.dxf", "nan.dxf: LWPOLYLINE handle 2A (line 20): field bulge (group 42): \"nan\" is not a finite number" },
        { "huge.dxf", "huge.dxf: LWPOLYLINE handle 2A (line 20): field x (group 10): \"5e300\"" },
        { "loop.dxf", "loop.dxf: polyline 1 (handle 2A) on layer \"L\": field vertices: a closed outline needs at least 3, "
                      "got 2 distinct (the last repeats the first)" },
        { "unit.dxf", "unit.dxf: HEADER (line 8): field $INSUNITS (group 70): \"99\" is not a unit code" },
        { "far.dxf", "far.dxf: polyline 1 (handle 2A) on layer \"L\": field vertices: 2e+06 metres is 2e+09 mm" },
        { "missing.dxf", "missing.dxf: cannot open the file" },
    };
    for (const auto& [file, message] : cases) {
        const ToolResult run = RunTool({ "import", file, "-o", "out.json" }, folder.Path());
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    EXPECT_EQ(folder.Read("out.json"), "previous");
    const ToolResult wrong = RunTool({ "export", (kSamples / "plate.json").string(), "-o", "out.pdf" }, folder.Path());
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("expected a .dxf or .svg file"), std::string::npos) << wrong.err;
}

TEST(CadCut, TheDrawingHasTheOutlineAndOneLinePerPieceOnCountedLayers)
{
    REQUIRE_EZDXF();
    ScratchFolder folder;
    const std::vector<std::string> cut { "cut", (kSamples / "lshape.json").string(), "--id", "7", "--margin", "20",
        "--angle", "0", "--spacing", "100", "--merge" };
    auto withArgs = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = cut;
        args.insert(args.end(), extra.begin(), extra.end());
        return RunTool(args, folder.Path());
    };
    const ToolResult json = withArgs({ "--json" });
    ASSERT_EQ(json.status, 0) << json.err;
    ASSERT_EQ(withArgs({ "-o", "out.dxf" }).status, 0);
    std::string expected;
    const auto groups = nlohmann::json::parse(json.out)["groups"];
    ASSERT_GT(groups.size(), 0u);
    std::map<std::string, size_t> pieces;
    for (size_t g = 0; g < groups.size(); ++g)
        pieces["group-" + std::to_string(g + 1) + "-x" + std::to_string(groups[g]["count"].get<int>())]
            = groups[g]["pieces"].size();
    for (const auto& [layer, count] : pieces)
        expected += "LINE " + layer + " " + std::to_string(count) + "\n";
    const std::string dump = Python(folder, kDumpDxf);
    EXPECT_EQ(dump.substr(dump.find("LINE ")), expected);
    EXPECT_EQ(dump.find("other"), std::string::npos);
    EXPECT_NE(dump.find(" True "), std::string::npos);
}

TEST(CadCut, AnImportedDrawingAboveTheOriginIsCutLikeTheSameShapeBelowIt)
{
    ScratchFolder folder;
    // The sample plate as drawn, and the same plate moved 1000 units up,
    // where an imported y-up drawing's model y lies.
    std::ifstream in(kSamples / "plate.json");
    nlohmann::json plate = nlohmann::json::parse(in);
    for (auto& vertex : plate["outlines"][0]["model"])
        vertex[1] = vertex[1].get<double>() - 1000;
    plate["outlines"][0]["modelRef"][1] = plate["outlines"][0]["modelRef"][1].get<double>() - 1000;
    folder.Write("up.json", plate.dump());
    auto cut = [&](const std::string& file) {
        return RunTool({ "cut", file, "--id", "1", "--margin", "20", "--angle", "90", "--spacing", "100", "--json" },
            folder.Path());
    };
    const ToolResult below = cut((kSamples / "plate.json").string());
    const ToolResult above = cut("up.json");
    ASSERT_EQ(above.status, 0) << above.err;
    const auto a = nlohmann::json::parse(below.out)["groups"], b = nlohmann::json::parse(above.out)["groups"];
    ASSERT_EQ(a.size(), b.size());
    ASSERT_GT(a.size(), 2u);
    for (size_t g = 0; g < a.size(); ++g) {
        EXPECT_EQ(a[g]["pieces"], b[g]["pieces"]) << g;
        EXPECT_EQ(a[g]["crossings"][0][0], b[g]["crossings"][0][0]) << g;
        EXPECT_EQ(a[g]["crossings"][0][1].get<int>() - 1000, b[g]["crossings"][0][1].get<int>()) << g;
    }
}
