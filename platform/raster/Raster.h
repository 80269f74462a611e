// The raster layer under CDC: 32-bit pixel surfaces and the GDI drawing
// primitives on them, with Windows GDI's pixel rules (MM_TEXT, R2_COPYPEN,
// no anti-aliasing). CDC keeps the state (current position, selected pen and
// brush, text colour and alignment) and calls down into these functions with
// device coordinates.
#pragma once

#include "platform/AfxTypes.h"

#include <memory>
#include <string>
#include <vector>

namespace platform::raster {

// Pixels are COLORREF values (0x00BBGGRR), row by row from the top.
//
// A double-buffered paint ends with a copy of a whole bitmap onto a window
// of the same size, and the bitmap is deleted right after. AdoptPixels
// stands for that copy: both surfaces hold the same pixels until one of
// them is about to be written, when Own() gives it pixels of its own. The
// pixel writers below do not check; whoever may hold adopted pixels (the
// device contexts) calls Own() before drawing. Copies made with the copy
// constructor or assignment never share.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, COLORREF fill = 0);
    Surface(const Surface& other);
    Surface& operator=(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Outside the surface: 0 on read, nothing on write.
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color)
    {
        if (x >= 0 && y >= 0 && x < m_width && y < m_height)
            m_data[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] = color;
    }
    // Pixels x0 <= x < x1 of row y, clipped to the surface.
    void FillSpan(int y, int x0, int x1, COLORREF color);
    const std::vector<COLORREF>& Pixels() const;
    // Row y from its first pixel, for block copies; y must lie inside.
    COLORREF* Row(int y) { return m_data + static_cast<size_t>(y) * static_cast<size_t>(m_width); }
    const COLORREF* Row(int y) const { return m_data + static_cast<size_t>(y) * static_cast<size_t>(m_width); }

    // Becomes what a copy of all of `source` would make it, without copying
    // now. Both must have the same size.
    void AdoptPixels(const Surface& source);
    // Gives the surface pixels that no other surface holds. It also forgets
    // that all pixels had one colour, as the caller is about to write.
    void Own();
    // Whether every pixel is known to have this colour: true after the
    // surface was made or filled whole with it, until the next Own().
    bool IsAll(COLORREF color) const { return m_uniform && m_uniformColor == color; }
    void MarkAll(COLORREF color)
    {
        m_uniform = true;
        m_uniformColor = color;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::shared_ptr<std::vector<COLORREF>> m_pixels;
    COLORREF* m_data = nullptr; // m_pixels' first pixel
    bool m_uniform = false;
    COLORREF m_uniformColor = 0;
};

// A pen as GDI holds it after CreatePenIndirect: style (PS_SOLID, PS_NULL,
// PS_INSIDEFRAME, ...), width in pixels (0 and 1 both draw one pixel wide)
// and colour.
struct PenSpec {
    UINT style = 0; // PS_SOLID
    int width = 1;
    COLORREF color = 0;
};

// A brush: style BS_SOLID (0) or BS_NULL (1), and colour.
struct BrushSpec {
    UINT style = 0;
    COLORREF color = 0xFFFFFF;
};

// LineTo from `from` to `to`: the last pixel is not drawn.
void DrawLine(Surface& surface, POINT from, POINT to, const PenSpec& pen);
// Rectangle(box): filled with the brush, outlined with the pen, inside
// [left, right) x [top, bottom) for a one-pixel pen.
void DrawRectangle(Surface& surface, const RECT& box, const PenSpec& pen, const BrushSpec& brush);
// Ellipse(box): the ellipse inscribed in the box, filled and outlined.
void DrawEllipse(Surface& surface, const RECT& box, const PenSpec& pen, const BrushSpec& brush);
// Arc(box, start, end): the part of the box's ellipse that runs
// counter-clockwise (as seen on the screen) from the radial through `start`
// to the radial through `end`.
void DrawArc(Surface& surface, const RECT& box, POINT start, POINT end, const PenSpec& pen);
// FillSolidRect / ExtTextOut(ETO_OPAQUE) without text: [left, right) x [top, bottom).
void FillSolidRect(Surface& surface, const RECT& rect, COLORREF color);
// Whether the rectangle, either way round, reaches over every pixel.
bool CoversSurface(const RECT& rect, const Surface& surface);
// BitBlt with SRCCOPY, clipped to both surfaces.
void CopyRect(Surface& dst, int x, int y, int width, int height, const Surface& src, int srcX, int srcY);

struct TextMetrics {
    int height = 16; // cell height of one line
    int ascent = 13; // from the top of the cell to the baseline
    int averageWidth = 8;
};

// The device context's default font: a system font that covers Chinese,
// found through fontconfig and drawn with FreeType, or a built-in bitmap
// font for ASCII when no such font is installed.
class TextRenderer {
public:
    static TextRenderer& Default();
    virtual ~TextRenderer() = default;

    virtual TextMetrics Metrics() const = 0;
    // Advance width and cell height of the text, as GetTextExtentPoint32W.
    virtual SIZE Measure(const std::wstring& text) const = 0;
    // Draws the text with its cell's top-left corner at (x, y); with
    // `opaque`, the cell is first filled with the background colour.
    virtual void Draw(Surface& surface, int x, int y, const std::wstring& text, COLORREF color, bool opaque,
        COLORREF background) const = 0;
};

} // namespace platform::raster
