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
    LiveObjects().erase(this);
    ForgetWrappers(this);
}

GdiObject* GdiObject::FromHandle(HGDIOBJ handle)
{
    auto* object = static_cast<GdiObject*>(handle);
    return LiveObjects().count(object) ? object : nullptr;
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
