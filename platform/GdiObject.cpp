#include "GdiObject.h"

#include <unordered_set>

namespace platform {

namespace {

std::unordered_set<const GdiObject*>& LiveObjects()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* objects = new std::unordered_set<const GdiObject*>;
    return *objects;
}

// Every drawing call looks up the same few handles (the DC's bitmap, the
// pen and brush it draws with and the ones it puts back); the last few found
// of each kind are remembered in front of the table, so that the many
// short-lived pens do not push out the bitmap. A slot is emptied when its
// object dies, so a hit is always a live object.
constexpr size_t kKinds = 5;
constexpr size_t kSlotsPerKind = 4;
const GdiObject* g_recent[kKinds * kSlotsPerKind] = {};
size_t g_nextSlot[kKinds] = {};

} // namespace

GdiObject::GdiObject(GdiKind kind)
    : m_kind(kind)
{
    LiveObjects().insert(this);
}

GdiObject::~GdiObject()
{
    for (const GdiObject*& recent : g_recent) {
        if (recent == this)
            recent = nullptr;
    }
    if (s_lastOfKind[static_cast<size_t>(m_kind)] == this)
        s_lastOfKind[static_cast<size_t>(m_kind)] = nullptr;
    LiveObjects().erase(this);
    ForgetWrappers(this);
}

GdiObject* GdiObject::FromHandle(HGDIOBJ handle)
{
    auto* object = static_cast<GdiObject*>(handle);
    if (!object)
        return nullptr;
    for (const GdiObject* recent : g_recent) {
        if (recent == object)
            return object;
    }
    if (!LiveObjects().count(object))
        return nullptr;
    const size_t kind = static_cast<size_t>(object->m_kind);
    g_recent[kind * kSlotsPerKind + g_nextSlot[kind]] = object;
    g_nextSlot[kind] = (g_nextSlot[kind] + 1) % kSlotsPerKind;
    return object;
}

int GdiObject::LiveCount()
{
    return static_cast<int>(LiveObjects().size());
}

} // namespace platform

BOOL DeleteObject(HGDIOBJ hObject)
{
    platform::GdiObject* object = platform::GdiObject::FromHandle(hObject);
    if (!object)
        return FALSE;
    if (!object->IsStock())
        delete object;
    return TRUE;
}
