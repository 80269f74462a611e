// Pixel storage, solid fills and block copies.
#include "platform/raster/Raster.h"
#include "platform/raster/RasterDetail.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform::raster {

Surface::Surface(int width, int height, COLORREF fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(std::make_shared<std::vector<COLORREF>>(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), fill))
    , m_data(m_pixels->data())
    , m_uniform(true)
    , m_uniformColor(fill)
{
}

Surface::Surface(const Surface& other)
    : m_width(other.m_width)
    , m_height(other.m_height)
    , m_pixels(other.m_pixels ? std::make_shared<std::vector<COLORREF>>(*other.m_pixels) : nullptr)
    , m_data(m_pixels ? m_pixels->data() : nullptr)
    , m_uniform(other.m_uniform)
    , m_uniformColor(other.m_uniformColor)
{
}

Surface& Surface::operator=(const Surface& other)
{
    if (this != &other)
        *this = Surface(other);
    return *this;
}

Surface::Surface(Surface&& other) noexcept
{
    *this = std::move(other);
}

// The surface moved from is left empty, as a moved-from vector was.
Surface& Surface::operator=(Surface&& other) noexcept
{
    if (this != &other) {
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_pixels = std::move(other.m_pixels);
        m_data = std::exchange(other.m_data, nullptr);
        m_uniform = std::exchange(other.m_uniform, false);
        m_uniformColor = other.m_uniformColor;
    }
    return *this;
}

const std::vector<COLORREF>& Surface::Pixels() const
{
    static const std::vector<COLORREF> none;
    return m_pixels ? *m_pixels : none;
}

void Surface::AdoptPixels(const Surface& source)
{
    if (this == &source || m_width != source.m_width || m_height != source.m_height)
        return;
    m_pixels = source.m_pixels;
    m_data = source.m_data;
    m_uniform = source.m_uniform;
    m_uniformColor = source.m_uniformColor;
}

void Surface::Own()
{
    m_uniform = false;
    if (m_pixels && m_pixels.use_count() > 1) {
        m_pixels = std::make_shared<std::vector<COLORREF>>(*m_pixels);
        m_data = m_pixels->data();
    }
}

COLORREF Surface::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return m_data[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

void Surface::FillSpan(int y, int x0, int x1, COLORREF color)
{
    if (y < 0 || y >= m_height)
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, m_width);
    if (x0 >= x1)
        return;
    COLORREF* row = Row(y);
    std::fill(row + x0, row + x1, color);
}

void FillSolidRect(Surface& surface, const RECT& rect, COLORREF color)
{
    // ExtTextOut(ETO_OPAQUE) puts a reversed rectangle the right way round
    // first, like the shape calls.
    const RECT r = detail::Normalized(rect);
    const LONG top = std::max<LONG>(r.top, 0);
    const LONG bottom = std::min<LONG>(r.bottom, surface.Height());
    for (LONG y = top; y < bottom; ++y)
        surface.FillSpan(y, r.left, r.right, color);
    if (CoversSurface(r, surface))
        surface.MarkAll(color);
}

bool CoversSurface(const RECT& rect, const Surface& surface)
{
    const RECT r = detail::Normalized(rect);
    return r.left <= 0 && r.top <= 0 && r.right >= surface.Width() && r.bottom >= surface.Height();
}

void CopyRect(Surface& dst, int x, int y, int width, int height, const Surface& src, int srcX, int srcY)
{
    if (width <= 0 || height <= 0)
        return;
    dst.Own();
    // Clip the block against both surfaces at once, in 64 bits so that far
    // away coordinates cannot wrap round.
    int64_t x0 = 0, y0 = 0, x1 = width, y1 = height;
    x0 = std::max<int64_t>({ x0, -int64_t { x }, -int64_t { srcX } });
    y0 = std::max<int64_t>({ y0, -int64_t { y }, -int64_t { srcY } });
    x1 = std::min<int64_t>({ x1, int64_t { dst.Width() } - x, int64_t { src.Width() } - srcX });
    y1 = std::min<int64_t>({ y1, int64_t { dst.Height() } - y, int64_t { src.Height() } - srcY });
    if (x0 >= x1 || y0 >= y1)
        return;
    // Copying a surface onto itself must read every source pixel before it
    // is overwritten, as BitBlt does: a block that moves down is copied
    // from its last row up, and memmove takes care of overlap within a row.
    const size_t rowBytes = static_cast<size_t>(x1 - x0) * sizeof(COLORREF);
    const bool bottomUp = &dst == &src && y > srcY;
    for (int64_t n = 0; n < y1 - y0; ++n) {
        const int64_t j = bottomUp ? y1 - 1 - n : y0 + n;
        std::memmove(dst.Row(static_cast<int>(y + j)) + (x + x0), src.Row(static_cast<int>(srcY + j)) + (srcX + x0),
            rowBytes);
    }
}

namespace detail {

RECT Normalized(const RECT& box)
{
    RECT r = box;
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

RECT FigureBox(const RECT& box, const PenSpec& pen)
{
    RECT r = Normalized(box);
    if (pen.style != kPenInsideFrame || !IsWide(pen))
        return r;
    const LONG topLeft = pen.width / 2;
    const LONG bottomRight = (pen.width - 1) / 2;
    r.left += topLeft;
    r.top += topLeft;
    r.right = std::max(r.left, r.right - bottomRight);
    r.bottom = std::max(r.top, r.bottom - bottomRight);
    return r;
}

} // namespace detail

} // namespace platform::raster
