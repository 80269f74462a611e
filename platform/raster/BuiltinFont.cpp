// The built-in bitmap font: used when no system font covers Chinese, and
// selectable for tests. Printable ASCII in 8 x 16 cells with the baseline
// 13 pixels down, the metrics of Windows' System font; the glyphs are 5 x 7
// with two rows of descenders, drawn for this project.
#include "platform/raster/TextCell.h"
#include "platform/raster/TextRenderers.h"

#include <array>

namespace platform::raster {

namespace {

constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;
constexpr int kAscent = 13;
constexpr int kGlyphWidth = 5;
constexpr int kGlyphRows = 9; // 7 above the baseline, 2 below
constexpr int kGlyphLeft = 1; // column of the glyph in its cell
constexpr int kGlyphTop = kAscent - 7; // cell row of the glyph's top row
constexpr wchar_t kFirst = 32, kLast = 126;

// Font sheet: six bands of sixteen characters each, from the space on; one
// 5-column glyph per character, glyphs separated by a blank column.
constexpr const char* kSheet[] = {
    //       !     "     #     $     %     &     '     (     )     *     +     ,     -     .     /
    "..... ..#.. .#.#. .#.#. ..#.. ##... .##.. ..#.. ...#. .#... ..... ..... ..... ..... ..... ....#",
    "..... ..#.. .#.#. .#.#. .#### ##..# #..#. ..#.. ..#.. ..#.. ..#.. ..#.. ..... ..... ..... ....#",
    "..... ..#.. ..... ##### #.#.. ...#. #.#.. .#... .#... ...#. #.#.# ..#.. ..... ..... ..... ...#.",
    "..... ..#.. ..... .#.#. .###. ..#.. .#... ..... .#... ...#. .###. ##### ..... ##### ..... ..#..",
    "..... ..#.. ..... ##### ..#.# .#... #.#.# ..... .#... ...#. #.#.# ..#.. ..... ..... ..... .#...",
    "..... ..... ..... .#.#. ####. #..## #..#. ..... ..#.. ..#.. ..#.. ..#.. .##.. ..... .##.. #....",
    "..... ..#.. ..... .#.#. ..#.. ...## .##.# ..... ...#. .#... ..... ..... ..#.. ..... .##.. #....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .#... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // 0     1     2     3     4     5     6     7     8     9     :     ;     <     =     >     ?
    ".###. ..#.. .###. ##### ...#. ##### ..##. ##### .###. .###. ..... ..... ...#. ..... .#... .###.",
    "#...# .##.. #...# ...#. ..##. #.... .#... ....# #...# #...# .##.. .##.. ..#.. ..... ..#.. #...#",
    "#..## ..#.. ....# ..#.. .#.#. ####. #.... ...#. #...# #...# .##.. .##.. .#... ##### ...#. ....#",
    "#.#.# ..#.. ...#. ...#. #..#. ....# ####. ..#.. .###. .#### ..... ..... #.... ..... ....# ...#.",
    "##..# ..#.. ..#.. ....# ##### ....# #...# .#... #...# ....# .##.. .##.. .#... ##### ...#. ..#..",
    "#...# ..#.. .#... #...# ...#. #...# #...# .#... #...# ...#. .##.. ..#.. ..#.. ..... ..#.. .....",
    ".###. .###. ##### .###. ...#. .###. .###. .#... .###. .##.. ..... .#... ...#. ..... .#... ..#..",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // @     A     B     C     D     E     F     G     H     I     J     K     L     M     N     O
    ".###. .###. ####. .###. ###.. ##### ##### .###. #...# .###. ..### #...# #.... #...# #...# .###.",
    "#...# #...# #...# #...# #..#. #.... #.... #...# #...# ..#.. ...#. #..#. #.... ##.## #...# #...#",
    "....# #...# #...# #.... #...# #.... #.... #.... #...# ..#.. ...#. #.#.. #.... #.#.# ##..# #...#",
    ".##.# ##### ####. #.... #...# ####. ####. #.### ##### ..#.. ...#. ##... #.... #.#.# #.#.# #...#",
    "#.#.# #...# #...# #.... #...# #.... #.... #...# #...# ..#.. ...#. #.#.. #.... #...# #..## #...#",
    "#.#.# #...# #...# #...# #..#. #.... #.... #...# #...# ..#.. #..#. #..#. #.... #...# #...# #...#",
    ".###. #...# ####. .###. ###.. ##### #.... .#### #...# .###. .##.. #...# ##### #...# #...# .###.",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // P     Q     R     S     T     U     V     W     X     Y     Z     [     \     ]     ^     _
    "####. .###. ####. .#### ##### #...# #...# #...# #...# #...# ##### .###. #.... .###. ..#.. .....",
    "#...# #...# #...# #.... ..#.. #...# #...# #...# #...# #...# ....# .#... #.... ...#. .#.#. .....",
    "#...# #...# #...# #.... ..#.. #...# #...# #...# .#.#. .#.#. ...#. .#... .#... ...#. #...# .....",
    "####. #...# ####. .###. ..#.. #...# #...# #.#.# ..#.. ..#.. ..#.. .#... ..#.. ...#. ..... .....",
    "#.... #.#.# #.#.. ....# ..#.. #...# #...# #.#.# .#.#. ..#.. .#... .#... ...#. ...#. ..... .....",
    "#.... #..#. #..#. ....# ..#.. #...# .#.#. #.#.# #...# ..#.. #.... .#... ....# ...#. ..... .....",
    "#.... .##.# #...# ####. ..#.. .###. ..#.. .#.#. #...# ..#.. ##### .###. ....# .###. ..... .....",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... #####",
    "..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....",
    // `     a     b     c     d     e     f     g     h     i     j     k     l     m     n     o
    ".#... ..... #.... ..... ....# ..... ..##. ..... #.... ..#.. ...#. #.... .##.. ..... ..... .....",
    "..#.. ..... #.... ..... ....# ..... .#..# ..... #.... ..... ..... #.... ..#.. ..... ..... .....",
    "...#. .###. #.##. .###. .##.# .###. .#... .#### #.##. .##.. ..##. #..#. ..#.. ##.#. #.##. .###.",
    "..... ....# ##..# #.... #..## #...# ###.. #...# ##..# ..#.. ...#. #.#.. ..#.. #.#.# ##..# #...#",
    "..... .#### #...# #.... #...# ##### .#... #...# #...# ..#.. ...#. ##... ..#.. #.#.# #...# #...#",
    "..... #...# #...# #...# #...# #.... .#... #...# #...# ..#.. ...#. #.#.. ..#.. #...# #...# #...#",
    "..... .#### ####. .###. .#### .###. .#... .#### #...# .###. ...#. #..#. .###. #...# #...# .###.",
    "..... ..... ..... ..... ..... ..... ..... ....# ..... ..... #..#. ..... ..... ..... ..... .....",
    "..... ..... ..... ..... ..... ..... ..... .###. ..... ..... .##.. ..... ..... ..... ..... .....",
    // p     q     r     s     t     u     v     w     x     y     z     {     |     }     ~
    "..... ..... ..... ..... .#... ..... ..... ..... ..... ..... ..... ...#. ..#.. .#... .....",
    "..... ..... ..... ..... .#... ..... ..... ..... ..... ..... ..... ..#.. ..#.. ..#.. .....",
    "####. .#### #.##. .#### ###.. #...# #...# #...# #...# #...# ##### ..#.. ..#.. ..#.. .#...",
    "#...# #...# ##..# #.... .#... #...# #...# #...# .#.#. #...# ...#. .#... ..#.. ...#. #.#.#",
    "#...# #...# #.... .###. .#... #...# #...# #.#.# ..#.. #...# ..#.. ..#.. ..#.. ..#.. ...#.",
    "#...# #...# #.... ....# .#..# #..## .#.#. #.#.# .#.#. #...# .#... ..#.. ..#.. ..#.. .....",
    "####. .#### #.... ####. ..##. .##.# ..#.. .#.#. #...# .#### ##### ...#. ..#.. .#... .....",
    "#.... ....# ..... ..... ..... ..... ..... ..... ..... ....# ..... ..... ..#.. ..... .....",
    "#.... ....# ..... ..... ..... ..... ..... ..... ..... .###. ..... ..... ..#.. ..... .....",
};
constexpr int kBands = sizeof kSheet / sizeof kSheet[0] / kGlyphRows;
static_assert(kBands * 16 >= kLast - kFirst + 1);

// Row bit masks, bit 4 the leftmost column.
using GlyphBits = std::array<unsigned char, kGlyphRows>;

GlyphBits SheetGlyph(wchar_t ch)
{
    GlyphBits bits {};
    const int index = static_cast<int>(ch - kFirst);
    const int band = index / 16, column = (index % 16) * (kGlyphWidth + 1);
    for (int row = 0; row < kGlyphRows; ++row) {
        const char* line = kSheet[band * kGlyphRows + row];
        for (int i = 0; i < kGlyphWidth; ++i)
            if (line[column + i] == '#')
                bits[static_cast<size_t>(row)] |= static_cast<unsigned char>(1u << (kGlyphWidth - 1 - i));
    }
    return bits;
}

// Anything outside printable ASCII: an empty box, as GDI shows a missing glyph.
constexpr GlyphBits kMissing { 0x1F, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1F, 0, 0 };

class BuiltinTextRenderer final : public TextRenderer {
public:
    BuiltinTextRenderer()
    {
        for (wchar_t ch = kFirst; ch <= kLast; ++ch)
            m_glyphs[static_cast<size_t>(ch - kFirst)] = SheetGlyph(ch);
    }

    TextMetrics Metrics() const override { return TextMetrics { kCellHeight, kAscent, kCellWidth }; }

    SIZE Measure(const std::wstring& text) const override
    {
        return SIZE { static_cast<LONG>(text.size() * kCellWidth), kCellHeight };
    }

    void Draw(Surface& surface, int x, int y, const std::wstring& text, COLORREF color, bool opaque,
        COLORREF background) const override
    {
        const detail::TextCell cell = detail::CellAt(x, y, Measure(text));
        if (opaque)
            detail::PaintBackground(surface, cell, background);
        int left = x;
        for (const wchar_t ch : text) {
            const GlyphBits& bits = ch >= kFirst && ch <= kLast ? m_glyphs[static_cast<size_t>(ch - kFirst)] : kMissing;
            for (int row = 0; row < kGlyphRows; ++row)
                for (int i = 0; i < kGlyphWidth; ++i) {
                    const int px = left + kGlyphLeft + i, py = y + kGlyphTop + row;
                    if ((bits[static_cast<size_t>(row)] >> (kGlyphWidth - 1 - i) & 1) && cell.Contains(px, py))
                        surface.SetPixel(px, py, color);
                }
            left += kCellWidth;
        }
    }

private:
    std::array<GlyphBits, kLast - kFirst + 1> m_glyphs {};
};

} // namespace

std::unique_ptr<TextRenderer> CreateBuiltinTextRenderer() { return std::make_unique<BuiltinTextRenderer>(); }

} // namespace platform::raster
