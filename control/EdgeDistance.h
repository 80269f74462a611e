// Pixel distance from a point to the nearer vertical or horizontal edge of a rectangle.
#pragma once

#include "MyPoint.h"
#include "shape/ShapixMath.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace SHAPIX_NAME {

// 64-bit: coordinates can be anywhere in the int range, so the difference may not fit.
inline long long XEdgeDistance(const CRect& rect, const CMyPoint* p)
{
    const std::int64_t x = RoundToPixel(p->m_x);
    return std::min(std::llabs(x - rect.left), std::llabs(x - rect.right));
}

inline long long YEdgeDistance(const CRect& rect, const CMyPoint* p)
{
    const std::int64_t y = RoundToPixel(p->m_y);
    return std::min(std::llabs(y - rect.top), std::llabs(y - rect.bottom));
}

} // namespace SHAPIX_NAME
