#include "CutPicture.h"

#include "Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace shapix_tool {

namespace {

    constexpr COLORREF kOutlineColour = RGB(0, 255, 0); // as the control draws a side
    constexpr COLORREF kPieceColour = RGB(255, 128, 0);
    constexpr COLORREF kCrossingColour = RGB(255, 255, 255);
    constexpr COLORREF kTextColour = RGB(255, 255, 0);
    constexpr int kPadding = 24;
    constexpr int kHeader = 20; // room for the caption line

    constexpr double kPi = 3.141592653585793; // the library's value, so sweeps match its own
    double SweepDegrees(double bulge) { return std::atan(bulge) * 4.0 * 180.0 / kPi; }

    // Model box of the outline, arcs included up to their midpoints.
    FloatRect ModelBox(const Outline& outline)
    {
        const int n = outline.VertexCount();
        FloatRect box(outline.model[0], outline.model[1], outline.model[0], outline.model[1]);
        for (int k = 0; k < n; ++k) {
            const int next = (k + 1) % n;
            const CArc side(Floatpt(outline.model[2 * k], outline.model[2 * k + 1]),
                Floatpt(outline.model[2 * next], outline.model[2 * next + 1]), SweepDegrees(outline.bulges[k]));
            const FloatRect arc = side.GetArcRect();
            box.left = std::min({ box.left, arc.left, arc.right });
            box.right = std::max({ box.right, arc.left, arc.right });
            box.top = std::min({ box.top, arc.top, arc.bottom });
            box.bottom = std::max({ box.bottom, arc.top, arc.bottom });
        }
        return box;
    }

} // namespace

platform::Image DrawCut(
    const Outline& outline, CShapixCtrl::CRetLinesMng& cuts, const std::string& caption, int width, int height)
{
    const FloatRect box = ModelBox(outline);
    const double spanX = std::max(box.right - box.left, 1e-9);
    const double spanY = std::max(box.bottom - box.top, 1e-9);
    const double scale = std::min((width - 2.0 * kPadding) / spanX, (height - 2.0 * kPadding - kHeader) / spanY);
    const double originX = (width - spanX * scale) / 2.0;
    const double originY = kHeader + (height - kHeader - spanY * scale) / 2.0;
    auto toPixels = [&](double x, double y) {
        return Floatpt(originX + (x - box.left) * scale, originY + (y - box.top) * scale);
    };

    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    CBitmap* oldBitmap = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, 0);
    CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);

    // A uniform scale without a flip keeps every sweep angle as it is.
    CPen outlinePen(PS_SOLID, 1, kOutlineColour);
    CPen* oldPen = dc.SelectObject(&outlinePen);
    const int n = outline.VertexCount();
    for (int k = 0; k < n; ++k) {
        const int next = (k + 1) % n;
        CArc side(toPixels(outline.model[2 * k], outline.model[2 * k + 1]),
            toPixels(outline.model[2 * next], outline.model[2 * next + 1]), SweepDegrees(outline.bulges[k]));
        side.Draw(&dc);
    }

    CPen piecePen(PS_SOLID, 1, kPieceColour);
    dc.SelectObject(&piecePen);
    for (INT_PTR g = 0; g < cuts.m_aryLines.GetSize(); ++g) {
        CShapixCtrl::CRetLines* group = cuts.m_aryLines[g];
        const CDWordArray& points = group->m_aryPts;
        // Coordinates are stored as DWORDs; negative model values come back
        // through the signed 32-bit reading.
        auto at = [&](INT_PTR i) {
            return toPixels(static_cast<std::int32_t>(points[i]), static_cast<std::int32_t>(points[i + 1]));
        };
        for (INT_PTR i = 0; i + 3 < points.GetSize(); i += 4) {
            const Floatpt from = at(i);
            const Floatpt to = at(i + 2);
            dc.MoveTo(static_cast<int>(std::lround(from.x)), static_cast<int>(std::lround(from.y)));
            dc.LineTo(static_cast<int>(std::lround(to.x)), static_cast<int>(std::lround(to.y)));
        }
        for (INT_PTR i = 0; i + 1 < points.GetSize(); i += 2) {
            const Floatpt point = at(i);
            dc.FillSolidRect(static_cast<int>(std::lround(point.x)) - 1, static_cast<int>(std::lround(point.y)) - 1, 3,
                3, kCrossingColour);
        }
    }

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kTextColour);
    dc.TextOut(4, 2, FromUtf8(caption));

    platform::Image picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, dc.GetPixel(x, y));
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldBitmap);
    return picture;
}

} // namespace shapix_tool
