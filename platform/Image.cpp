#include "platform/Image.h"

#include "platform/raster/Raster.h"

#include <png.h>

#include <algorithm>

namespace platform {

Image::Image(int width, int height, COLORREF fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), fill)
{
}

COLORREF Image::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

void Image::SetPixel(int x, int y, COLORREF color)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] = color & 0xFFFFFF;
}

bool Image::SavePng(const std::string& path) const
{
    if (m_width == 0 || m_height == 0)
        return false;
    std::vector<png_byte> rgb;
    rgb.reserve(m_pixels.size() * 3);
    for (const COLORREF c : m_pixels) {
        rgb.push_back(GetRValue(c));
        rgb.push_back(GetGValue(c));
        rgb.push_back(GetBValue(c));
    }
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(m_width);
    image.height = static_cast<png_uint_32>(m_height);
    image.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

bool Image::LoadPng(const std::string& path)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    // Transparent pixels are composed over black (the background argument).
    const png_color black { 0, 0, 0 };
    if (!png_image_finish_read(&image, &black, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    Image loaded(static_cast<int>(image.width), static_cast<int>(image.height));
    for (size_t i = 0; i < loaded.m_pixels.size(); ++i)
        loaded.m_pixels[i] = RGB(rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]);
    *this = std::move(loaded);
    return true;
}

Image Image::FromSurface(const raster::Surface& surface)
{
    Image image(surface.Width(), surface.Height());
    const std::vector<COLORREF>& pixels = surface.Pixels();
    for (size_t i = 0; i < pixels.size(); ++i)
        image.m_pixels[i] = pixels[i] & 0xFFFFFF;
    return image;
}

} // namespace platform
