// Points and rectangles in doubles, for geometry in window pixels before it
// is rounded to device coordinates.
#pragma once

#include "ShapixMath.h"

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

} // namespace SHAPIX_NAME

using SHAPIX_NAME::Floatpt;
using SHAPIX_NAME::FloatRect;
