// The GDI object table. Every pen, brush, bitmap and region handle points at
// a GdiObject; DeleteObject only frees handles that the table knows, so a
// stale or foreign handle is refused (FALSE) instead of freed twice.
#pragma once

#include "AfxTypes.h"

#include <cstddef>
#include <cstdint>

namespace platform {

enum class GdiKind { Pen, Brush, Bitmap, Region, Font };

class GdiObject {
public:
    explicit GdiObject(GdiKind kind);
    virtual ~GdiObject();
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    GdiKind Kind() const { return m_kind; }
    HGDIOBJ Handle() { return this; }

    // The live object behind a handle, or null for an unknown handle.
    // Every drawing call asks for the DC's bitmap and pen, and an outline
    // makes its pens afresh on every paint: objects found are remembered in
    // a small table in front of the set of live objects, one slot per handle
    // picked by the handle's bits, so a lookup is one compare. A slot is
    // emptied when its object dies, so a hit is always a live object.
    static GdiObject* FromHandle(HGDIOBJ handle)
    {
        auto* object = static_cast<GdiObject*>(handle);
        if (object && s_recent[RecentSlot(object)] == object)
            return object;
        return FindLive(object);
    }
    // The same, or null also for an object of another kind.
    template <class T>
    static T* FromHandleAs(HGDIOBJ handle, GdiKind kind)
    {
        GdiObject* object = FromHandle(handle);
        return object && object->m_kind == kind ? static_cast<T*>(object) : nullptr;
    }

    // Stock objects live for the whole process and survive DeleteObject.
    bool IsStock() const { return m_stock; }
    void MarkStock() { m_stock = true; }

    static int LiveCount();

private:
    static constexpr size_t kRecentSlots = 256;
    static size_t RecentSlot(const GdiObject* object)
    {
        // Heap objects are at least 16-byte aligned; the bits above that spread them.
        const auto bits = reinterpret_cast<std::uintptr_t>(object);
        return ((bits >> 4) ^ (bits >> 12)) % kRecentSlots;
    }
    // The set lookup behind FromHandle, which also fills the object's slot.
    static GdiObject* FindLive(GdiObject* object);

    static inline const GdiObject* s_recent[kRecentSlots] = {};
    GdiKind m_kind;
    bool m_stock = false;
};

// Drops the MFC wrappers (CPen, CBrush, ...) that stand for an object about
// to be freed; defined with the wrappers.
void ForgetWrappers(HGDIOBJ handle);

} // namespace platform

BOOL DeleteObject(HGDIOBJ hObject);
