// Points and rectangles in doubles, for geometry in window pixels before it
// is rounded to device coordinates.
#pragma once

#include "ShapixMath.h"
#include "platform/AfxGeometry.h"

namespace SHAPIX_NAME {

struct Floatpt {
    double x = 0.0;
    double y = 0.0;

    Floatpt() = default;
    Floatpt(double initX, double initY)
        : x(initX)
        , y(initY)
    {
    }
};

struct FloatRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    FloatRect() = default;
    FloatRect(double l, double t, double r, double b)
        : left(l)
        , top(t)
        , right(r)
        , bottom(b)
    {
    }
};

// Widens a box (left <= right, top <= bottom) so that it holds the point.
inline void IncludePoint(FloatRect& box, double x, double y)
{
    if (x < box.left)
        box.left = x;
    if (y < box.top)
        box.top = y;
    if (x > box.right)
        box.right = x;
    if (y > box.bottom)
        box.bottom = y;
}

inline void IncludePoint(CRect& box, const POINT& point)
{
    if (point.x < box.left)
        box.left = point.x;
    if (point.y < box.top)
        box.top = point.y;
    if (point.x > box.right)
        box.right = point.x;
    if (point.y > box.bottom)
        box.bottom = point.y;
}

} // namespace SHAPIX_NAME

using SHAPIX_NAME::Floatpt;
using SHAPIX_NAME::FloatRect;
