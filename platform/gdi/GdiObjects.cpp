// Pens, brushes, bitmaps and stock objects.
#include "GdiObjects.h"

#include "DeviceContext.h"

#include <cstring>
#include <memory>

namespace platform {

BitmapObject::BitmapObject(int width, int height, bool monochrome)
    : GdiObject(GdiKind::Bitmap)
    , m_surface(width, height, 0)
    , m_monochrome(monochrome)
{
}

namespace {

GdiObject* MakeStock(int index)
{
    switch (index) {
    case WHITE_BRUSH:
        return new BrushObject(LOGBRUSH { BS_SOLID, 0xFFFFFF, 0 });
    case LTGRAY_BRUSH:
        return new BrushObject(LOGBRUSH { BS_SOLID, 0xC0C0C0, 0 });
    case GRAY_BRUSH:
        return new BrushObject(LOGBRUSH { BS_SOLID, 0x808080, 0 });
    case DKGRAY_BRUSH:
        return new BrushObject(LOGBRUSH { BS_SOLID, 0x404040, 0 });
    case BLACK_BRUSH:
        return new BrushObject(LOGBRUSH { BS_SOLID, 0x000000, 0 });
    case NULL_BRUSH:
        return new BrushObject(LOGBRUSH { BS_NULL, 0, 0 });
    case WHITE_PEN:
        return new PenObject(LOGPEN { PS_SOLID, { 0, 0 }, 0xFFFFFF });
    case BLACK_PEN:
        return new PenObject(LOGPEN { PS_SOLID, { 0, 0 }, 0x000000 });
    case NULL_PEN:
        return new PenObject(LOGPEN { PS_NULL, { 0, 0 }, 0x000000 });
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        return new FontObject;
    default:
        return nullptr;
    }
}

} // namespace

HBITMAP StockBitmap()
{
    static BitmapObject* bitmap = [] {
        auto* stock = new BitmapObject(1, 1, true);
        stock->MarkStock();
        return stock;
    }();
    return static_cast<HBITMAP>(bitmap->Handle());
}

raster::PenSpec PenSpecOf(HGDIOBJ pen)
{
    raster::PenSpec drawn;
    const auto* object = GdiObject::FromHandleAs<PenObject>(pen, GdiKind::Pen);
    if (!object) {
        drawn.style = PS_NULL;
        return drawn;
    }
    drawn.style = object->Log().lopnStyle & PS_STYLE_MASK;
    drawn.width = object->Log().lopnWidth.x;
    drawn.color = object->Log().lopnColor;
    return drawn;
}

raster::BrushSpec BrushSpecOf(HGDIOBJ brush)
{
    raster::BrushSpec drawn;
    const auto* object = GdiObject::FromHandleAs<BrushObject>(brush, GdiKind::Brush);
    if (!object) {
        drawn.style = BS_NULL;
        return drawn;
    }
    drawn.style = object->Log().lbStyle;
    drawn.color = object->Log().lbColor;
    return drawn;
}

} // namespace platform

using namespace platform;

HGDIOBJ GetStockObject(int object)
{
    // Stock objects are made once and never freed.
    static std::unique_ptr<HGDIOBJ[]> table = [] {
        std::unique_ptr<HGDIOBJ[]> stock(new HGDIOBJ[DEFAULT_GUI_FONT + 1]);
        for (int i = 0; i <= DEFAULT_GUI_FONT; ++i) {
            GdiObject* made = MakeStock(i);
            if (made)
                made->MarkStock();
            stock[static_cast<size_t>(i)] = made ? made->Handle() : nullptr;
        }
        return stock;
    }();
    if (object < 0 || object > DEFAULT_GUI_FONT)
        return nullptr;
    return table[static_cast<size_t>(object)];
}

HPEN CreatePenIndirect(const LOGPEN* logPen)
{
    if (!logPen)
        return nullptr;
    return static_cast<HPEN>((new PenObject(*logPen))->Handle());
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    const LOGPEN log { static_cast<UINT>(style), { width, 0 }, color };
    return CreatePenIndirect(&log);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush)
{
    if (!logBrush)
        return nullptr;
    return static_cast<HBRUSH>((new BrushObject(*logBrush))->Handle());
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    const LOGBRUSH log { BS_SOLID, color, 0 };
    return CreateBrushIndirect(&log);
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc || width < 0 || height < 0)
        return nullptr;
    bool monochrome = false;
    if (dc->kind == DeviceContext::Kind::Memory) {
        const auto* selected = GdiObject::FromHandleAs<BitmapObject>(dc->bitmap, GdiKind::Bitmap);
        monochrome = !selected || selected->Monochrome();
    }
    return static_cast<HBITMAP>((new BitmapObject(width, height, monochrome))->Handle());
}

int GetObjectW(HGDIOBJ handle, int size, LPVOID buffer)
{
    GdiObject* object = GdiObject::FromHandle(handle);
    if (!object)
        return 0;
    switch (object->Kind()) {
    case GdiKind::Pen:
        if (buffer && size >= static_cast<int>(sizeof(LOGPEN)))
            std::memcpy(buffer, &static_cast<PenObject*>(object)->Log(), sizeof(LOGPEN));
        return sizeof(LOGPEN);
    case GdiKind::Brush:
        if (buffer && size >= static_cast<int>(sizeof(LOGBRUSH)))
            std::memcpy(buffer, &static_cast<BrushObject*>(object)->Log(), sizeof(LOGBRUSH));
        return sizeof(LOGBRUSH);
    case GdiKind::Bitmap: {
        auto* bitmap = static_cast<BitmapObject*>(object);
        BITMAP info {};
        info.bmWidth = bitmap->Surface().Width();
        info.bmHeight = bitmap->Surface().Height();
        info.bmPlanes = 1;
        info.bmBitsPixel = bitmap->Monochrome() ? 1 : 32;
        info.bmWidthBytes = bitmap->Monochrome() ? ((info.bmWidth + 15) / 16) * 2 : info.bmWidth * 4;
        if (buffer && size >= static_cast<int>(sizeof(BITMAP)))
            std::memcpy(buffer, &info, sizeof(BITMAP));
        return sizeof(BITMAP);
    }
    default:
        return 0;
    }
}
