// Text placement, measure and ink for both fonts. Text pixels differ from
// Windows' anyway, so these check where ink may go, not what it looks like.
#include "platform/raster/TextRenderers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace platform::raster;

namespace {

constexpr COLORREF kPaper = 0xFFFFFF, kInk = 0x000000, kBack = 0x00FFFF;

struct Renderers {
    std::unique_ptr<TextRenderer> builtin = CreateBuiltinTextRenderer();
    std::unique_ptr<TextRenderer> system = CreateSystemTextRenderer();
};

const Renderers& Fonts()
{
    static const Renderers fonts;
    return fonts;
}

std::vector<std::pair<const char*, const TextRenderer*>> Available()
{
    std::vector<std::pair<const char*, const TextRenderer*>> list { { "builtin", Fonts().builtin.get() } };
    if (Fonts().system)
        list.emplace_back("system", Fonts().system.get());
    return list;
}

// Pixels of `color` inside and outside the cell at (x, y) of size `extent`.
std::pair<int, int> Count(const Surface& s, int x, int y, SIZE extent, COLORREF color)
{
    int inside = 0, outside = 0;
    for (int py = 0; py < s.Height(); ++py)
        for (int px = 0; px < s.Width(); ++px)
            if (s.Pixel(px, py) == color)
                (px >= x && px < x + extent.cx && py >= y && py < y + extent.cy ? inside : outside)++;
    return { inside, outside };
}

TEST(Text, TransparentInkStaysInTheCellAndOpaqueFillsExactlyIt)
{
    for (const auto& [name, font] : Available()) {
        SCOPED_TRACE(name);
        const std::wstring text = L"Hgjy|[_] 中文";
        const SIZE extent = font->Measure(text);
        Surface s(extent.cx + 20, 40, kPaper);
        font->Draw(s, 7, 11, text, kInk, false, kBack);
        const auto [ink, stray] = Count(s, 7, 11, extent, kInk);
        EXPECT_GT(ink, 40);
        EXPECT_EQ(stray, 0);
        // Transparent: the rest of the cell keeps the paper.
        EXPECT_EQ(Count(s, 7, 11, extent, kPaper).first, extent.cx * extent.cy - ink);

        font->Draw(s, 7, 11, text, kInk, true, kBack);
        const auto [back, backOutside] = Count(s, 7, 11, extent, kBack);
        EXPECT_EQ(back + ink, extent.cx * extent.cy);
        EXPECT_EQ(backOutside, 0);
        // Partly off the surface: no crash, and what is visible is still the cell.
        Surface edge(6, 6, kPaper);
        font->Draw(edge, -4, -9, text, kInk, true, kBack);
        EXPECT_EQ(Count(edge, -4, -9, extent, kPaper).first, 0);
    }
}

TEST(Text, Measure)
{
    const TextRenderer& builtin = *Fonts().builtin;
    EXPECT_EQ(builtin.Measure(L"").cx, 0);
    EXPECT_EQ(builtin.Measure(L"Shapix 1.0").cx, 80);
    EXPECT_EQ(builtin.Measure(L"中").cx, 8); // a box in the ASCII font
    for (const auto& [name, font] : Available()) {
        SCOPED_TRACE(name);
        const TextMetrics m = font->Metrics();
        EXPECT_EQ(m.height, 16);
        EXPECT_EQ(m.ascent, 13);
        EXPECT_GE(m.averageWidth, 6);
        EXPECT_LE(m.averageWidth, 8);
        EXPECT_EQ(font->Measure(L"Wi").cy, 16);
        EXPECT_EQ(font->Measure(L"Wi中").cx, font->Measure(L"W").cx + font->Measure(L"i").cx + font->Measure(L"中").cx);
    }
}

TEST(Text, ChineseGlyphsHaveTheirOwnInk)
{
    if (!Fonts().system)
        GTEST_SKIP() << "no font with Chinese installed (Debian: fonts-wqy-microhei)";
    const TextRenderer& font = *Fonts().system;
    const SIZE zhong = font.Measure(L"中");
    EXPECT_GE(zhong.cx, 12); // a full-width character, about the em
    EXPECT_LE(zhong.cx, 16);
    EXPECT_GT(zhong.cx, font.Measure(L"i").cx);
    // 中, 文 and a character no font has (its missing-glyph box) differ.
    const auto bitmap = [&](const std::wstring& ch) {
        Surface s(20, 16, kPaper);
        font.Draw(s, 0, 0, ch, kInk, false, kPaper);
        return s.Pixels();
    };
    const auto zhongBits = bitmap(L"中");
    const auto wenBits = bitmap(L"文");
    const auto missingBits = bitmap(std::wstring(1, static_cast<wchar_t>(0x10FFFD)));
    EXPECT_NE(zhongBits, wenBits);
    EXPECT_NE(zhongBits, missingBits);
    EXPECT_NE(wenBits, missingBits);
    EXPECT_GT(std::count(zhongBits.begin(), zhongBits.end(), kInk), 20);
}

TEST(Text, EnvironmentSelectsTheBuiltinFont)
{
    // Default() chooses once per process, so look at it in a fresh one.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv(kFontEnvironmentVariable, "builtin", 1);
            std::exit(TextRenderer::Default().Measure(L"中i").cx == 16 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
