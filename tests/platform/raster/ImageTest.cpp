// PNG writing and reading of platform::Image.
#include "platform/Image.h"
#include "platform/raster/Raster.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

std::string TempPath(const char* name)
{
    return ::testing::TempDir() + name + std::to_string(getpid()) + ".png";
}

TEST(Image, PngRoundTrip)
{
    platform::raster::Surface surface(37, 5, 0x123456);
    for (int x = 0; x < 37; ++x)
        surface.SetPixel(x, x % 5, RGB(x * 7, 255 - x, x * 3));
    surface.SetPixel(0, 4, 0xFF000000 | RGB(1, 2, 3)); // stray high byte: not colour
    const platform::Image original = platform::Image::FromSurface(surface);
    ASSERT_EQ(original.Width(), 37);
    ASSERT_EQ(original.Height(), 5);
    EXPECT_EQ(original.Pixel(0, 4), RGB(1, 2, 3));
    const std::string path = TempPath("shapix-image");
    ASSERT_TRUE(original.SavePng(path));

    // An 8-bit RGB PNG: signature, then IHDR with bit depth 8, colour type 2.
    std::ifstream file(path, std::ios::binary);
    unsigned char head[26] = {};
    file.read(reinterpret_cast<char*>(head), sizeof head);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(head) + 1, 3), "PNG");
    EXPECT_EQ(head[24], 8);
    EXPECT_EQ(head[25], 2);

    platform::Image loaded;
    ASSERT_TRUE(loaded.LoadPng(path));
    ASSERT_EQ(loaded.Width(), 37);
    ASSERT_EQ(loaded.Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x)
            ASSERT_EQ(loaded.Pixel(x, y), original.Pixel(x, y)) << x << "," << y;
    std::remove(path.c_str());
}

TEST(Image, FailuresLeaveTheImageAlone)
{
    platform::Image image(3, 2, 0x00FF00);
    EXPECT_FALSE(image.LoadPng(TempPath("shapix-missing")));
    const std::string notPng = TempPath("shapix-not-png");
    std::ofstream(notPng) << "not a picture";
    EXPECT_FALSE(image.LoadPng(notPng));
    std::remove(notPng.c_str());
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Pixel(2, 1), 0x00FF00u);
    EXPECT_EQ(image.Pixel(3, 1), 0u);
    EXPECT_FALSE(platform::Image().SavePng(TempPath("shapix-empty")));
    EXPECT_FALSE(image.SavePng("/nonexistent-dir/x.png"));
}

} // namespace
