#include "GdiObject.h"

#include <cstdint>
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
// pen and brush it draws with and the ones it puts back), and an outline
// makes its pens afresh on every paint. Objects found are remembered in a
// small table in front of the set, one slot per handle picked by the
// handle's bits, so a lookup is one compare. A slot is emptied when its
// object dies, so a hit is always a live object.
constexpr size_t kRecentSlots = 256;
const GdiObject* g_recent[kRecentSlots] = {};

size_t RecentSlot(const GdiObject* object)
{
    // Heap objects are at least 16-byte aligned; the bits above that spread them.
    const auto bits = reinterpret_cast<std::uintptr_t>(object);
    return ((bits >> 4) ^ (bits >> 12)) % kRecentSlots;
}

} // namespace

GdiObject::GdiObject(GdiKind kind)
    : m_kind(kind)
{
    LiveObjects().insert(this);
}

GdiObject::~GdiObject()
{
    if (g_recent[RecentSlot(this)] == this)
        g_recent[RecentSlot(this)] = nullptr;
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
    const GdiObject*& recent = g_recent[RecentSlot(object)];
    if (recent == object)
        return object;
    if (!LiveObjects().count(object))
        return nullptr;
    recent = object;
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
