// Device contexts: their state, where they draw, and the Win32 drawing calls.
#include "DeviceContext.h"

#include "Win32Gdi.h"
#include "platform/AfxMessages.h"
#include "platform/wnd/Win32Window.h"
#include "platform/wnd/WindowRecord.h"

#include <unordered_set>

namespace platform {

namespace {

std::unordered_set<const DeviceContext*>& LiveContexts()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* live = new std::unordered_set<const DeviceContext*>;
    return *live;
}

// The DC being drawn on is looked up by every call; the last one found is
// remembered in front of the table and forgotten when it dies.
const DeviceContext* g_recentContext = nullptr;

} // namespace

DeviceContext::DeviceContext(Kind contextKind, HWND contextWindow)
    : kind(contextKind)
    , window(contextWindow)
    , pen(GetStockObject(BLACK_PEN))
    , brush(GetStockObject(WHITE_BRUSH))
    , font(GetStockObject(SYSTEM_FONT))
{
    if (kind == Kind::Memory) {
        bitmap = StockBitmap();
    }
    LiveContexts().insert(this);
}

DeviceContext::~DeviceContext()
{
    if (auto* selected = GdiObject::FromHandleAs<BitmapObject>(bitmap, GdiKind::Bitmap)) {
        if (selected->SelectedInto() == Handle())
            selected->SetSelectedInto(nullptr);
    }
    if (g_recentContext == this)
        g_recentContext = nullptr;
    LiveContexts().erase(this);
    ForgetDcWrappers(Handle());
}

DeviceContext* DeviceContext::FromHandle(HDC hdc)
{
    auto* dc = reinterpret_cast<DeviceContext*>(hdc);
    if (!dc)
        return nullptr;
    if (dc == g_recentContext)
        return dc;
    if (!LiveContexts().count(dc))
        return nullptr;
    g_recentContext = dc;
    return dc;
}

raster::Surface* DeviceContext::Target()
{
    raster::Surface* surface = Source();
    if (surface)
        surface->Own();
    return surface;
}

raster::Surface* DeviceContext::Source()
{
    switch (kind) {
    case Kind::Memory: {
        auto* selected = GdiObject::FromHandleAs<BitmapObject>(bitmap, GdiKind::Bitmap);
        return selected ? &selected->Surface() : nullptr;
    }
    case Kind::Window: {
        if (clipped)
            return &scratch;
        WindowRecord* record = WindowRecord::FromHandle(window);
        return record ? &record->client : nullptr;
    }
    case Kind::Record:
        return nullptr;
    }
    return nullptr;
}

COLORREF DeviceContext::MapColor(COLORREF color)
{
    if (kind != Kind::Memory)
        return color;
    const auto* selected = GdiObject::FromHandleAs<BitmapObject>(bitmap, GdiKind::Bitmap);
    if (!selected || !selected->Monochrome())
        return color;
    const int r = GetRValue(color);
    const int g = GetGValue(color);
    const int b = GetBValue(color);
    const int toBlack = r * r + g * g + b * b;
    const int toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
    return toWhite < toBlack ? 0xFFFFFF : 0x000000;
}

void DeviceContext::Record(GdiOp op, std::vector<int> args, std::wstring text)
{
    GdiCall call;
    call.op = op;
    call.args = std::move(args);
    call.text = std::move(text);
    if (const auto* penObject = GdiObject::FromHandleAs<PenObject>(pen, GdiKind::Pen))
        call.pen = penObject->Log();
    else
        call.pen = LOGPEN { PS_NULL, { 0, 0 }, 0 };
    if (const auto* brushObject = GdiObject::FromHandleAs<BrushObject>(brush, GdiKind::Brush))
        call.brush = brushObject->Log();
    else
        call.brush = LOGBRUSH { BS_NULL, 0, 0 };
    call.textColor = textColor;
    call.textAlign = textAlign;
    call.bkMode = bkMode;
    calls.push_back(std::move(call));
}

} // namespace platform

using platform::DeviceContext;
using platform::GdiCall;
using platform::GdiKind;
using platform::GdiObject;
using platform::GdiOp;

namespace {

inline constexpr int kRecordCharWidth = 8;
inline constexpr int kRecordCharHeight = 16;

platform::raster::PenSpec PenOf(DeviceContext& dc)
{
    platform::raster::PenSpec pen = platform::PenSpecOf(dc.pen);
    pen.color = dc.MapColor(pen.color);
    return pen;
}

platform::raster::BrushSpec BrushOf(DeviceContext& dc)
{
    platform::raster::BrushSpec brush = platform::BrushSpecOf(dc.brush);
    brush.color = dc.MapColor(brush.color);
    return brush;
}

SIZE MeasureText(DeviceContext& dc, const std::wstring& text)
{
    if (dc.Recording())
        return SIZE { static_cast<LONG>(text.size()) * kRecordCharWidth, kRecordCharHeight };
    return platform::raster::TextRenderer::Default().Measure(text);
}

int AscentOf(DeviceContext& dc)
{
    if (dc.Recording())
        return kRecordCharHeight - 3;
    return platform::raster::TextRenderer::Default().Metrics().ascent;
}

} // namespace

HDC CreateCompatibleDC(HDC hdc)
{
    if (hdc && !DeviceContext::FromHandle(hdc))
        return nullptr;
    return (new DeviceContext(DeviceContext::Kind::Memory, nullptr))->Handle();
}

BOOL DeleteDC(HDC hdc)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    delete dc;
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    GdiObject* gdiObject = GdiObject::FromHandle(object);
    if (!dc || !gdiObject)
        return nullptr;
    HGDIOBJ previous = nullptr;
    switch (gdiObject->Kind()) {
    case GdiKind::Pen:
        previous = dc->pen;
        dc->pen = object;
        break;
    case GdiKind::Brush:
        previous = dc->brush;
        dc->brush = object;
        break;
    case GdiKind::Font:
        previous = dc->font;
        dc->font = object;
        break;
    case GdiKind::Bitmap: {
        // Only memory DCs take bitmaps, and a bitmap lives in one DC at a time.
        auto* bitmap = static_cast<platform::BitmapObject*>(gdiObject);
        if (dc->kind != DeviceContext::Kind::Memory)
            return nullptr;
        if (bitmap->SelectedInto() && bitmap->SelectedInto() != hdc && !bitmap->IsStock())
            return nullptr;
        previous = dc->bitmap;
        if (auto* old = GdiObject::FromHandleAs<platform::BitmapObject>(previous, GdiKind::Bitmap))
            old->SetSelectedInto(nullptr);
        dc->bitmap = object;
        if (!bitmap->IsStock())
            bitmap->SetSelectedInto(hdc);
        break;
    }
    case GdiKind::Region:
        return nullptr;
    }
    return previous;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT previous)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->position;
    if (dc->Recording())
        dc->Record(GdiOp::MoveTo, { x, y });
    dc->position = POINT { x, y };
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT position)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc || !position)
        return FALSE;
    *position = dc->position;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    if (dc->Recording())
        dc->Record(GdiOp::LineTo, { x, y });
    else if (platform::raster::Surface* target = dc->Target())
        platform::raster::DrawLine(*target, dc->position, POINT { x, y }, PenOf(*dc));
    dc->position = POINT { x, y };
    return TRUE;
}

BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    if (dc->Recording())
        dc->Record(GdiOp::Arc, { left, top, right, bottom, xStart, yStart, xEnd, yEnd });
    else if (platform::raster::Surface* target = dc->Target())
        platform::raster::DrawArc(
            *target, RECT { left, top, right, bottom }, POINT { xStart, yStart }, POINT { xEnd, yEnd }, PenOf(*dc));
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    if (dc->Recording())
        dc->Record(GdiOp::Ellipse, { left, top, right, bottom });
    else if (platform::raster::Surface* target = dc->Target())
        platform::raster::DrawEllipse(*target, RECT { left, top, right, bottom }, PenOf(*dc), BrushOf(*dc));
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    if (dc->Recording())
        dc->Record(GdiOp::Rectangle, { left, top, right, bottom });
    else if (platform::raster::Surface* target = dc->Target())
        platform::raster::DrawRectangle(*target, RECT { left, top, right, bottom }, PenOf(*dc), BrushOf(*dc));
    return TRUE;
}

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count, const INT*)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return FALSE;
    const std::wstring str = (text && count) ? std::wstring(text, count) : std::wstring();
    if (dc->textAlign & TA_UPDATECP) {
        x = dc->position.x;
        y = dc->position.y;
    }
    if (dc->Recording()) {
        std::vector<int> args { x, y, static_cast<int>(options) };
        if (rect)
            args.insert(args.end(), { rect->left, rect->top, rect->right, rect->bottom });
        args.push_back(static_cast<int>(count));
        dc->Record(GdiOp::TextOut, std::move(args), str);
    }

    // The reference point is placed on the text's cell by the alignment.
    const SIZE extent = MeasureText(*dc, str);
    int left = x;
    if ((dc->textAlign & TA_CENTER) == TA_CENTER)
        left = x - extent.cx / 2;
    else if (dc->textAlign & TA_RIGHT)
        left = x - extent.cx;
    int top = y;
    if ((dc->textAlign & TA_BASELINE) == TA_BASELINE)
        top = y - AscentOf(*dc);
    else if (dc->textAlign & TA_BOTTOM)
        top = y - extent.cy;
    if ((dc->textAlign & TA_UPDATECP) && !(dc->textAlign & (TA_RIGHT | TA_CENTER)))
        dc->position.x = x + extent.cx;

    platform::raster::Surface* target = dc->Target();
    if (!target)
        return TRUE;
    if (rect && (options & ETO_OPAQUE))
        platform::raster::FillSolidRect(*target, *rect, dc->MapColor(dc->bkColor));
    if (!str.empty()) {
        platform::raster::TextRenderer::Default().Draw(*target, left, top, str, dc->MapColor(dc->textColor),
            dc->bkMode == OPAQUE, dc->MapColor(dc->bkColor));
    }
    return TRUE;
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR text, int count)
{
    return ExtTextOutW(hdc, x, y, 0, nullptr, text, count > 0 ? static_cast<UINT>(count) : 0, nullptr);
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, LPSIZE size)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc || !size || count < 0)
        return FALSE;
    *size = MeasureText(*dc, (text && count) ? std::wstring(text, static_cast<size_t>(count)) : std::wstring());
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int width, int height, HDC source, int xSource, int ySource, DWORD rop)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    DeviceContext* src = DeviceContext::FromHandle(source);
    if (!dc || !src)
        return FALSE;
    if (dc->Recording())
        dc->Record(GdiOp::BitBlt, { x, y, width, height, xSource, ySource, static_cast<int>(rop) });
    platform::raster::Surface* target = dc->Target();
    const platform::raster::Surface* from = src->Source();
    if (!target || !from || rop != SRCCOPY)
        return TRUE;
    // The last step of a double-buffered paint: a whole bitmap onto a window
    // of its size. The window takes the bitmap's pixels as they are and gets
    // a copy of its own only if either side is drawn on again.
    const bool whole = x == 0 && y == 0 && xSource == 0 && ySource == 0 && width == from->Width()
        && height == from->Height() && target->Width() == width && target->Height() == height;
    if (whole && target != from)
        target->AdoptPixels(*from);
    else
        platform::raster::CopyRect(*target, x, y, width, height, *from, xSource, ySource);
    return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    const platform::raster::Surface* target = dc ? dc->Source() : nullptr;
    if (!target || x < 0 || y < 0 || x >= target->Width() || y >= target->Height())
        return CLR_INVALID;
    return target->Pixel(x, y);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    platform::raster::Surface* target = dc ? dc->Target() : nullptr;
    if (!target || x < 0 || y < 0 || x >= target->Width() || y >= target->Height())
        return CLR_INVALID;
    const COLORREF mapped = dc->MapColor(color);
    target->SetPixel(x, y, mapped);
    return mapped;
}

COLORREF SetTextColor(HDC hdc, COLORREF color)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF previous = dc->textColor;
    dc->textColor = color;
    return previous;
}

COLORREF GetTextColor(HDC hdc)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF previous = dc->bkColor;
    dc->bkColor = color;
    return previous;
}

COLORREF GetBkColor(HDC hdc)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    const int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    return dc ? dc->bkMode : 0;
}

UINT SetTextAlign(HDC hdc, UINT align)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return GDI_ERROR;
    const UINT previous = dc->textAlign;
    dc->textAlign = align;
    return previous;
}

UINT GetTextAlign(HDC hdc)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    return dc ? dc->textAlign : GDI_ERROR;
}

void platform::FillSolidRectDc(HDC hdc, const RECT& rect, COLORREF color)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc)
        return;
    dc->bkColor = color;
    if (dc->Recording()) {
        dc->Record(GdiOp::FillSolidRect,
            { static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
                static_cast<int>(rect.bottom), static_cast<int>(color) });
        return;
    }
    // A paint fills its new bitmap with the black it already has: a whole
    // fill with the colour every pixel is known to have changes nothing.
    const COLORREF mapped = dc->MapColor(color);
    const platform::raster::Surface* current = dc->Source();
    if (current && current->IsAll(mapped) && platform::raster::CoversSurface(rect, *current))
        return;
    if (platform::raster::Surface* target = dc->Target())
        platform::raster::FillSolidRect(*target, rect, mapped);
}

// Paint and client DCs.

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint)
{
    platform::WindowRecord* window = platform::WindowRecord::FromHandle(hwnd);
    if (!window || !paint)
        return nullptr;
    auto* dc = new DeviceContext(DeviceContext::Kind::Window, hwnd);
    dc->clip = window->updatePending ? window->update : RECT { 0, 0, 0, 0 };
    // When the whole client area is to be painted, as after a plain
    // InvalidateRect(nullptr), the DC draws straight into the window, as on
    // Windows; only a smaller update area needs the copy that keeps the
    // drawing inside it.
    const RECT& c = dc->clip;
    dc->clipped = c.left > 0 || c.top > 0 || c.right < window->client.Width() || c.bottom < window->client.Height();
    if (dc->clipped)
        dc->scratch = window->client;
    const bool erase = window->erasePending;
    window->updatePending = false;
    window->erasePending = false;
    SetRectEmpty(&window->update);

    *paint = PAINTSTRUCT {};
    paint->hdc = dc->Handle();
    paint->rcPaint = dc->clip;
    paint->fErase = FALSE;
    if (erase)
        paint->fErase = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc->Handle()), 0) ? FALSE : TRUE;
    return dc->Handle();
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint)
{
    if (!paint)
        return FALSE;
    DeviceContext* dc = DeviceContext::FromHandle(paint->hdc);
    if (!dc)
        return FALSE;
    // Only the pixels inside the update area reach the window.
    platform::WindowRecord* window = platform::WindowRecord::FromHandle(hwnd);
    if (window && dc->clipped) {
        const RECT& clip = dc->clip;
        if (dc->scratch.Width() == window->client.Width() && dc->scratch.Height() == window->client.Height())
            platform::raster::CopyRect(window->client, clip.left, clip.top, clip.right - clip.left,
                clip.bottom - clip.top, dc->scratch, clip.left, clip.top);
    }
    delete dc;
    return TRUE;
}

HDC GetDC(HWND hwnd)
{
    if (hwnd && !platform::WindowRecord::FromHandle(hwnd))
        return nullptr;
    return (new DeviceContext(DeviceContext::Kind::Window, hwnd))->Handle();
}

int ReleaseDC(HWND, HDC hdc)
{
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (!dc || dc->kind != DeviceContext::Kind::Window)
        return 0;
    delete dc;
    return 1;
}
