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

} // namespace

GdiObject::GdiObject(GdiKind kind)
    : m_kind(kind)
{
    LiveObjects().insert(this);
}

GdiObject::~GdiObject()
{
    if (s_recent[RecentSlot(this)] == this)
        s_recent[RecentSlot(this)] = nullptr;
    LiveObjects().erase(this);
    ForgetWrappers(this);
}

GdiObject* GdiObject::FindLive(GdiObject* object)
{
    if (!object || !LiveObjects().count(object))
        return nullptr;
    s_recent[RecentSlot(object)] = object;
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
