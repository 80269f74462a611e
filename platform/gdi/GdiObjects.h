// The objects behind pen, brush and bitmap handles.
#pragma once

#include "GdiTypes.h"
#include "platform/GdiObject.h"
#include "platform/raster/Raster.h"

namespace platform {

class PenObject : public GdiObject {
public:
    explicit PenObject(const LOGPEN& log)
        : GdiObject(GdiKind::Pen)
        , m_log(log)
    {
    }
    const LOGPEN& Log() const { return m_log; }

private:
    LOGPEN m_log;
};

class BrushObject : public GdiObject {
public:
    explicit BrushObject(const LOGBRUSH& log)
        : GdiObject(GdiKind::Brush)
        , m_log(log)
    {
    }
    const LOGBRUSH& Log() const { return m_log; }

private:
    LOGBRUSH m_log;
};

class BitmapObject : public GdiObject {
public:
    BitmapObject(int width, int height, bool monochrome);
    raster::Surface& Surface() { return m_surface; }
    bool Monochrome() const { return m_monochrome; }
    // A bitmap is selected into at most one memory DC at a time.
    HDC SelectedInto() const { return m_selectedInto; }
    void SetSelectedInto(HDC hdc) { m_selectedInto = hdc; }

private:
    raster::Surface m_surface;
    bool m_monochrome;
    HDC m_selectedInto = nullptr;
};

// The font behind SYSTEM_FONT: the device context's default font.
class FontObject : public GdiObject {
public:
    FontObject()
        : GdiObject(GdiKind::Font)
    {
    }
};

// Stock bitmap: the one-pixel monochrome bitmap every new memory DC holds.
HBITMAP StockBitmap();

// Pen and brush of a handle, as they draw (a stale handle draws nothing).
raster::PenSpec PenSpecOf(HGDIOBJ pen);
raster::BrushSpec BrushSpecOf(HGDIOBJ brush);

} // namespace platform
