// A short user session on a sample outline, rendered to a PNG and read back:
// the picture must show the outline where the drag left it.
#include "ControlHarness.h"

#include <cstdio>

using namespace control_test;

TEST(ScriptedSession, PictureShowsTheOutlineWhereTheDragLeftIt)
{
    constexpr COLORREF kGreen = 0x00FF00; // an ordinary side
    constexpr COLORREF kYellow = 0x00FFFF; // a vertex handle square
    constexpr COLORREF kBlack = 0x000000;

    ControlHarness h;
    h.Add(1, { 60, 60, 160, 60, 160, 140, 60, 140 }, {}, 110, 100);
    platform::PumpMessages();
    // Press on the top side, drag by (40, 50) in five steps, release.
    h.Down(110, 60);
    for (int step = 1; step <= 5; ++step)
        h.Drag(110 + 8 * step, 60 + 10 * step);
    h.Up(150, 110);
    platform::PumpMessages();

    const std::string path = testing::TempDir() + "shapix_drag_session.png";
    ASSERT_TRUE(platform::CaptureClient(&h.ctrl).SavePng(path));
    platform::Image picture;
    ASSERT_TRUE(picture.LoadPng(path));
    std::remove(path.c_str());
    ASSERT_EQ(picture.Width(), kClientWidth);
    ASSERT_EQ(picture.Height(), kClientHeight);

    // Now (100, 110) (200, 110) (200, 190) (100, 190); the handle squares
    // reach 6 pixels round each vertex.
    const struct {
        const char* label;
        POINT at;
        COLORREF colour;
    } probes[] = {
        { "new top side", { 150, 110 }, kGreen },
        { "new right side", { 200, 150 }, kGreen },
        { "new bottom side", { 150, 190 }, kGreen },
        { "new left side", { 100, 150 }, kGreen },
        { "left edge of the first vertex's square", { 94, 110 }, kYellow },
        { "old top side", { 110, 60 }, kBlack },
        { "old left side", { 60, 100 }, kBlack },
        { "old bottom side", { 110, 140 }, kBlack },
        { "old first vertex", { 60, 60 }, kBlack },
    };
    for (const auto& probe : probes) {
        SCOPED_TRACE(probe.label);
        EXPECT_EQ(picture.Pixel(probe.at.x, probe.at.y), probe.colour);
    }
}
