// Text in the system's Chinese font, found with fontconfig and drawn with
// FreeType as one-bit glyphs: GDI's default font is not anti-aliased.
#include "platform/raster/TextCell.h"
#include "platform/raster/TextRenderers.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform::raster {

namespace {

// Windows' System font, the DC's default, has 16-pixel line cells with the
// baseline 13 pixels down. WenQuanYi Micro Hei (and CJK fonts of its build)
// reach that ascent at a 13-pixel em, which also gives Latin letters about
// System's 7-pixel average width and Chinese characters 13 pixels square.
// Its descent at that size is 4, one more than System's 3: the cell stays 16
// pixels, and the few descenders that reach the fourth row are cut off.
constexpr int kPixelSize = 13;
constexpr int kCellHeight = 16;

bool FindChineseFont(std::string& file, int& index)
{
    // A configuration of our own, dropped once the file is known: the
    // library-wide one of FcInit() is never freed, which leak checkers flag.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config)
        return false;
    bool found = false;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(":lang=zh-cn"));
    FcCharSet* wanted = FcCharSetCreate();
    if (pattern && wanted) {
        FcCharSetAddChar(wanted, 0x4E2D); // 中
        FcCharSetAddChar(wanted, 0x6587); // 文
        FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
            // fontconfig always offers its best font, Chinese or not.
            FcCharSet* has = nullptr;
            FcChar8* path = nullptr;
            if (FcPatternGetCharSet(match, FC_CHARSET, 0, &has) == FcResultMatch && FcCharSetIsSubset(wanted, has)
                && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
                file = reinterpret_cast<const char*>(path);
                if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch)
                    index = 0;
                found = true;
            }
            FcPatternDestroy(match);
        }
    }
    if (wanted)
        FcCharSetDestroy(wanted);
    if (pattern)
        FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return found;
}

class FreeTypeTextRenderer final : public TextRenderer {
public:
    ~FreeTypeTextRenderer() override
    {
        if (m_face)
            FT_Done_Face(m_face);
        if (m_library)
            FT_Done_FreeType(m_library);
    }

    bool Open(const std::string& file, int index)
    {
        if (FT_Init_FreeType(&m_library) != 0 || FT_New_Face(m_library, file.c_str(), index, &m_face) != 0
            || FT_Set_Pixel_Sizes(m_face, 0, kPixelSize) != 0)
            return false;
        m_ascent = static_cast<int>((m_face->size->metrics.ascender + 63) / 64);
        m_averageWidth = GlyphFor(L'x').advance;
        return m_ascent > 0 && m_ascent < kCellHeight;
    }

    TextMetrics Metrics() const override { return TextMetrics { kCellHeight, m_ascent, m_averageWidth }; }

    SIZE Measure(const std::wstring& text) const override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        LONG width = 0;
        for (const wchar_t ch : text)
            width += GlyphFor(ch).advance;
        return SIZE { width, kCellHeight };
    }

    void Draw(Surface& surface, int x, int y, const std::wstring& text, COLORREF color, bool opaque,
        COLORREF background) const override
    {
        const detail::TextCell cell = detail::CellAt(x, y, Measure(text));
        if (opaque)
            detail::PaintBackground(surface, cell, background);
        const std::lock_guard<std::mutex> lock(m_mutex);
        int origin = x;
        const int baseline = y + m_ascent;
        for (const wchar_t ch : text) {
            const Glyph& glyph = GlyphFor(ch);
            for (int row = 0; row < glyph.rows; ++row)
                for (int col = 0; col < glyph.width; ++col) {
                    const int px = origin + glyph.left + col, py = baseline - glyph.top + row;
                    if (glyph.ink[static_cast<size_t>(row * glyph.width + col)] && cell.Contains(px, py))
                        surface.SetPixel(px, py, color);
                }
            origin += glyph.advance;
        }
    }

private:
    struct Glyph {
        int advance = 0;
        int left = 0, top = 0; // bitmap origin from the pen position, y up
        int width = 0, rows = 0;
        std::vector<unsigned char> ink; // one byte per pixel
    };

    // Callers hold m_mutex (or have the object to themselves): FreeType's
    // faces are not thread-safe and the cache grows as text comes.
    const Glyph& GlyphFor(wchar_t ch) const
    {
        const auto found = m_cache.find(ch);
        if (found != m_cache.end())
            return found->second;
        Glyph glyph;
        // Hinted for one-bit output and rendered as one-bit, like GDI's
        // non-antialiased text. A character the font lacks comes out as its
        // missing-glyph box, as in GDI.
        if (FT_Load_Char(m_face, static_cast<FT_ULong>(ch), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME)
            == 0) {
            const FT_GlyphSlot slot = m_face->glyph;
            const FT_Bitmap& bitmap = slot->bitmap;
            glyph.advance = static_cast<int>((slot->advance.x + 32) / 64);
            glyph.left = slot->bitmap_left;
            glyph.top = slot->bitmap_top;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                glyph.width = static_cast<int>(bitmap.width);
                glyph.rows = static_cast<int>(bitmap.rows);
                glyph.ink.resize(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.rows));
                for (int row = 0; row < glyph.rows; ++row) {
                    const unsigned char* bits = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
                    for (int col = 0; col < glyph.width; ++col)
                        glyph.ink[static_cast<size_t>(row * glyph.width + col)] = (bits[col / 8] >> (7 - col % 8)) & 1;
                }
            }
        }
        return m_cache.emplace(ch, std::move(glyph)).first->second;
    }

    FT_Library m_library = nullptr;
    FT_Face m_face = nullptr;
    int m_ascent = 0;
    int m_averageWidth = 0;
    mutable std::mutex m_mutex;
    mutable std::unordered_map<wchar_t, Glyph> m_cache;
};

} // namespace

std::unique_ptr<TextRenderer> CreateSystemTextRenderer()
{
    std::string file;
    int index = 0;
    if (!FindChineseFont(file, index))
        return nullptr;
    auto renderer = std::make_unique<FreeTypeTextRenderer>();
    if (!renderer->Open(file, index))
        return nullptr;
    return renderer;
}

} // namespace platform::raster
