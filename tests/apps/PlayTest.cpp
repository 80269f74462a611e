// shapix play: the bundled scripts, and what a failing script reports.
#include "ToolRun.h"

#include "ShapesFile.h"

#include <sstream>

using namespace tool_test;

namespace {

std::string Script(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\n";
    return text;
}

} // namespace

TEST(Play, TheSampleScriptsPlayAndWriteTheirFiles)
{
    const struct {
        const char* script;
        std::vector<std::string> files;
    } samples[] = {
        { "lshape.shapix",
            { "lshape-01-loaded.png", "lshape-02-moved.png", "lshape-03-dimensions.png", "lshape-edited.json" } },
        { "frame.shapix",
            { "frame-01-loaded.png", "frame-02-selected.png", "frame-03-dimensions.png", "frame-edited.json" } },
        { "fit.shapix", { "plate-fitted.png" } },
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.script);
        ScratchFolder folder;
        const ToolResult result
            = RunTool({ "play", (kSamples / sample.script).string(), "--out", "out" }, folder.Path());
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        for (const std::string& file : sample.files)
            EXPECT_TRUE(std::filesystem::is_regular_file(folder / "out" / file)) << file;
        EXPECT_NE(result.out.find("played, "), std::string::npos);
    }

    SCOPED_TRACE("the saved L-shape reads back with its typed legs");
    ScratchFolder folder;
    ASSERT_EQ(RunTool({ "play", (kSamples / "lshape.shapix").string() }, folder.Path()).status, 0);
    const auto saved = shapix_tool::ReadShapesFile(folder / "lshape-edited.json");
    ASSERT_EQ(saved.outlines.size(), 1u);
    EXPECT_EQ(saved.outlines[0].model, (std::vector<double> { 0, 0, 200, 0, 200, 400, 800, 400, 800, 600, 0, 600 }));
    EXPECT_EQ(saved.outlines[0].points[0], 140) << "moved by the drag";
}

TEST(Play, TheBundledDemoEditsThePlateWithEveryTool)
{
    ScratchFolder folder;
    const ToolResult bundled = RunTool({ "play", "--out", "demo" }, folder.Path());
    ASSERT_EQ(bundled.status, 0) << bundled.err;
    for (const char* file : { "01-loaded.png", "02-selected.png", "03-edited.png", "04-dimensions.png", "05-final.png",
             "plate-edited.json" })
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / "demo" / file)) << file;
    const auto edited = shapix_tool::ReadShapesFile(folder / "demo" / "plate-edited.json");
    EXPECT_EQ(edited.outlines.at(0).VertexCount(), 12) << "four slot vertices added";
    EXPECT_EQ(edited.comment, shapix_tool::ReadShapesFile(kSamples / "plate.json").comment) << "the comment travels on";

    SCOPED_TRACE("the file in samples/ is the bundled one");
    const ToolResult fromFile
        = RunTool({ "play", (kSamples / "demo.shapix").string(), "--out", "again" }, folder.Path());
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(folder.Read("demo/plate-edited.json"), folder.Read("again/plate-edited.json"));
}

TEST(Play, AFailingExpectStopsTheRunAndWritesNothing)
{
    ScratchFolder folder;
    std::filesystem::copy_file(kSamples / "lshape.json", folder / "lshape.json");
    folder.Write("before.png", "older picture");
    folder.Write("s.shapix",
        Script({ "load lshape.json", "render before.png", "render after.png", "select 7", "expect vertex 7 0 120 80",
            "expect vertex 7 1 196 80", "save after.json" }));
    const ToolResult result = RunTool({ "play", "s.shapix" }, folder.Path());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
        "shapix: s.shapix:6: expected outline 7 vertex 1 at (196, 80), got (195, 80)\n"
        "shapix: no files were written, none were replaced\n");
    EXPECT_EQ(folder.Read("before.png"), "older picture");
    EXPECT_FALSE(std::filesystem::exists(folder / "after.png"));
    EXPECT_FALSE(std::filesystem::exists(folder / "after.json"));
}

TEST(Play, MistakesAreFoundBeforeAnythingPlaysAndDialogsNeedTheirAnswers)
{
    ScratchFolder folder;
    std::filesystem::copy_file(kSamples / "lshape.json", folder / "lshape.json");
    folder.Write("broken.json", R"({"outlines": [{"id": 5, "points": [[0,0],[9,0],[9,9]], "model": [[0,0]]}]})");
    // The x chain's first label ("80") is at (140, 453) on the dim page.
    const struct {
        const char* label;
        std::string script;
        std::string message;
        bool beforePlaying;
    } cases[] = {
        { "unknown command", Script({ "load lshape.json", "render a.png", "jump 1 2" }),
            "s.shapix:3: unknown command \"jump\"", true },
        { "bad number", Script({ "load lshape.json", "render a.png", "click 10 ten" }),
            "s.shapix:3: y: expected a whole number, got \"ten\"", true },
        { "bad shapes file", Script({ "render a.png", "load broken.json" }),
            "s.shapix:2: broken.json: outline 1 (id 5): field \"model\": expected 3 pairs", true },
        { "size too late", Script({ "load lshape.json", "size 320x200" }),
            "s.shapix:2: size must come before the first line that uses the control", true },
        { "unknown expect", Script({ "load lshape.json", "expect colour 1 2" }),
            "s.shapix:2: unknown expect \"colour\"", true },
        { "no answer", Script({ "load lshape.json", "tool dim", "click 140 453" }),
            "s.shapix:3: the dialog \"输入尺寸\" opened, but no answer line was given for it", false },
        { "unused answer", Script({ "load lshape.json", "answer dim 5", "tool dim", "click 300 200" }),
            "s.shapix:2: this answer was never used: no dialog opened after it", false },
        { "refused value", Script({ "load lshape.json", "tool dim", "answer dim abc", "click 140 453" }),
            "s.shapix:4: the dialog \"输入尺寸\" refused the answer (answer from line 3)", false },
        { "answer for the other dialog",
            Script({ "load lshape.json", "tool dim", "answer side angle 5", "click 140 453" }),
            "s.shapix:4: the dialog \"输入尺寸\" opened, but the next answer (answer from line 3) is for "
            "\"当前边属性编辑\"",
            false },
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.label);
        folder.Write("s.shapix", bad.script);
        const ToolResult result = RunTool({ "play", "s.shapix" }, folder.Path());
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(bad.message), std::string::npos) << result.err;
        if (bad.beforePlaying) {
            EXPECT_EQ(result.out, "") << "nothing played";
        }
        EXPECT_FALSE(std::filesystem::exists(folder / "a.png"));
    }

    SCOPED_TRACE("answered");
    folder.Write("s.shapix",
        Script({ "load lshape.json", "tool dim", "answer dim 90", "click 140 453", "expect dim 140 453 90",
            "expect changes 1" }));
    const ToolResult answered = RunTool({ "play", "s.shapix" }, folder.Path());
    EXPECT_EQ(answered.status, 0) << answered.err;
    EXPECT_NE(answered.out.find("line 4: dialog \"输入尺寸\" showed \"80\"; answered 90 (answer from line 3)"),
        std::string::npos)
        << answered.out;
}

TEST(Help, EveryCommandExplainsItself)
{
    ScratchFolder folder;
    const ToolResult main = RunTool({ "--help" }, folder.Path());
    EXPECT_EQ(main.status, 0);
    for (const char* word : { "shapix render", "shapix play", "shapix cut", "\"sideTypeNames\"", "Exit status" })
        EXPECT_NE(main.out.find(word), std::string::npos) << word;
    for (const char* command : { "render", "play", "cut" }) {
        SCOPED_TRACE(command);
        const ToolResult help = RunTool({ command, "--help" }, folder.Path());
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind(std::string("usage: shapix ") + command, 0), 0u) << help.out;
        EXPECT_EQ(RunTool({ "help", command }, folder.Path()).out, help.out);
    }
    const std::string playHelp = RunTool({ "play", "--help" }, folder.Path()).out;
    for (const char* word : { "answer side", "expect ...", "dims x|y", "example (" })
        EXPECT_NE(playHelp.find(word), std::string::npos) << word;
    const ToolResult unknown = RunTool({ "draw" }, folder.Path());
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "shapix: unknown command \"draw\"; try 'shapix --help'\n");
    EXPECT_EQ(RunTool({}, folder.Path()).status, 2);
}

TEST(Help, ThePlayExamplePlays)
{
    ScratchFolder folder;
    const std::string help = RunTool({ "play", "--help" }, folder.Path()).out;
    const auto example = help.find("\n", help.find("\nexample (") + 1);
    ASSERT_NE(example, std::string::npos);
    std::string script;
    std::istringstream lines(help.substr(example + 1));
    for (std::string line; std::getline(lines, line);)
        script += line.substr(std::min<std::size_t>(2, line.size())) + "\n";
    folder.Write("example.shapix", script);
    std::filesystem::copy_file(kSamples / "plate.json", folder / "plate.json");
    const ToolResult result = RunTool({ "play", "example.shapix" }, folder.Path());
    EXPECT_EQ(result.status, 0) << result.err << "\n" << script;
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "edited.json"));
}
