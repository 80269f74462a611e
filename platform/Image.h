// An RGB picture in memory that can be written to and read from PNG files:
// what the host tools save the control's drawing as, and what tests read
// back.
#pragma once

#include "platform/AfxTypes.h"

#include <string>
#include <vector>

namespace platform {

namespace raster {
class Surface;
}

class Image {
public:
    Image() = default;
    // Filled with `fill` (black unless given).
    Image(int width, int height, COLORREF fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Outside the image: 0 on read, nothing on write.
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

    // 8-bit RGB PNG; false when the file cannot be written or the image is empty.
    bool SavePng(const std::string& path) const;
    // Any PNG libpng reads, converted to 8-bit RGB (alpha dropped against
    // black); false, leaving the image as it was, when it cannot be read.
    bool LoadPng(const std::string& path);

    static Image FromSurface(const raster::Surface& surface);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels; // row by row from the top
};

} // namespace platform
