// The object behind an HDC: GDI's per-DC state and where its drawing goes.
//
// Three kinds exist. A memory DC draws into the bitmap selected into it. A
// window DC draws into the window's client pixels (a paint DC only inside
// the update rectangle it was opened for). A recording DC draws nothing and
// keeps every drawing call, with the state in force, for tests.
#pragma once

#include "GdiObjects.h"
#include "platform/AfxGeometry.h"

#include <string>
#include <vector>

namespace platform {

enum class GdiOp { MoveTo, LineTo, Arc, Ellipse, Rectangle, FillSolidRect, TextOut, BitBlt };

struct GdiCall {
    GdiOp op;
    std::vector<int> args; // the call's integer arguments in Win32 order
    std::wstring text;
    LOGPEN pen; // style PS_NULL for the stock null pen
    LOGBRUSH brush; // style BS_NULL for the stock null brush
    COLORREF textColor;
    UINT textAlign;
    int bkMode;
};

class DeviceContext {
public:
    enum class Kind { Memory, Window, Record };

    DeviceContext(Kind kind, HWND window);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    static DeviceContext* FromHandle(HDC hdc);
    HDC Handle() { return reinterpret_cast<HDC>(this); }

    Kind kind;
    HWND window; // window DCs: the window drawn on
    POINT position { 0, 0 };
    HGDIOBJ pen;
    HGDIOBJ brush;
    HGDIOBJ bitmap = nullptr; // memory DCs
    HGDIOBJ font;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = 2; // OPAQUE
    UINT textAlign = 0; // TA_LEFT | TA_TOP | TA_NOUPDATECP
    std::vector<GdiCall> calls; // recording DCs

    // A paint DC whose update area leaves part of the client out draws into
    // a copy of the window's pixels, which EndPaint writes back inside the
    // clip rectangle only.
    bool clipped = false;
    RECT clip { 0, 0, 0, 0 };
    raster::Surface scratch;

    // Where drawing goes now, or null (a recording DC, a destroyed window),
    // with pixels of its own, ready to be written.
    raster::Surface* Target();
    // The same surface for reading only: it may still share its pixels.
    raster::Surface* Source();
    // Monochrome targets take black or white, whichever is nearer.
    COLORREF MapColor(COLORREF color);
    void Record(GdiOp op, std::vector<int> args, std::wstring text = std::wstring());
    bool Recording() const { return kind == Kind::Record; }
};

// Drops the CDC wrappers that stand for a device context about to be
// deleted; defined with CDC.
void ForgetDcWrappers(HDC hdc);

} // namespace platform
