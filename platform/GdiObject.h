// The GDI object table. Every pen, brush, bitmap and region handle points at
// a GdiObject; DeleteObject only frees handles that the table knows, so a
// stale or foreign handle is refused (FALSE) instead of freed twice.
#pragma once

#include "AfxTypes.h"

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

    // The live object behind a handle, or null for an unknown handle or one
    // of another kind.
    static GdiObject* FromHandle(HGDIOBJ handle);
    template <class T>
    static T* FromHandleAs(HGDIOBJ handle, GdiKind kind)
    {
        // Every drawing call asks for the DC's bitmap and pen: the last
        // object found of each kind is checked first, without a call. The
        // destructor clears it, so a match is always alive.
        HGDIOBJ& last = s_lastOfKind[static_cast<size_t>(kind)];
        if (handle && handle == last)
            return static_cast<T*>(static_cast<GdiObject*>(handle));
        GdiObject* object = FromHandle(handle);
        if (!object || object->m_kind != kind)
            return nullptr;
        last = handle;
        return static_cast<T*>(object);
    }

    // Stock objects live for the whole process and survive DeleteObject.
    bool IsStock() const { return m_stock; }
    void MarkStock() { m_stock = true; }

    static int LiveCount();

private:
    static inline HGDIOBJ s_lastOfKind[5] = {};
    GdiKind m_kind;
    bool m_stock = false;
};

// Drops the MFC wrappers (CPen, CBrush, ...) that stand for an object about
// to be freed; defined with the wrappers.
void ForgetWrappers(HGDIOBJ handle);

} // namespace platform

BOOL DeleteObject(HGDIOBJ hObject);
