#include "ResourceModule.h"

#include <unordered_set>

namespace platform {

struct ResourceModule::Entry {
    WORD type;
    WORD id;
    std::variant<DialogTemplate, CursorResource> data;
};

namespace {

// Never destroyed: modules are destroyed during static destruction, in an
// order this file does not control.
std::unordered_set<const ResourceModule*>& LiveModules()
{
    static auto* modules = new std::unordered_set<const ResourceModule*>;
    return *modules;
}

std::unordered_set<const void*>& LiveEntries()
{
    static auto* entries = new std::unordered_set<const void*>;
    return *entries;
}

// The integer behind an integer resource or a "#123" string; 0 when the
// name is neither (no resource has id 0).
WORD ResourceNumber(LPCWSTR name)
{
    if (!name)
        return 0;
    if (IS_INTRESOURCE(name))
        return LOWORD(reinterpret_cast<ULONG_PTR>(name));
    if (name[0] != L'#' || name[1] == L'\0')
        return 0;
    unsigned long value = 0;
    for (const wchar_t* p = name + 1; *p; ++p) {
        if (*p < L'0' || *p > L'9')
            return 0;
        value = value * 10 + static_cast<unsigned long>(*p - L'0');
        if (value > 0xFFFF)
            return 0;
    }
    return static_cast<WORD>(value);
}

} // namespace

ResourceModule::ResourceModule(std::wstring name)
    : m_name(std::move(name))
{
    LiveModules().insert(this);
}

ResourceModule::~ResourceModule()
{
    for (const auto& [key, entry] : m_entries)
        LiveEntries().erase(entry.get());
    LiveModules().erase(this);
}

HMODULE ResourceModule::Handle() const
{
    return reinterpret_cast<HMODULE>(const_cast<ResourceModule*>(this));
}

ResourceModule* ResourceModule::FromHandle(HMODULE hModule)
{
    auto* module = reinterpret_cast<ResourceModule*>(hModule);
    return LiveModules().count(module) ? module : nullptr;
}

bool ResourceModule::Add(WORD type, WORD id, std::variant<DialogTemplate, CursorResource> data)
{
    if (id == 0 || m_entries.count({ type, id }))
        return false;
    auto entry = std::make_unique<Entry>(Entry { type, id, std::move(data) });
    LiveEntries().insert(entry.get());
    m_entries[{ type, id }] = std::move(entry);
    return true;
}

bool ResourceModule::AddDialog(DialogTemplate dialog)
{
    const WORD id = dialog.id;
    return Add(ResourceNumber(RT_DIALOG), id, std::move(dialog));
}

bool ResourceModule::AddCursor(CursorResource cursor)
{
    const WORD id = cursor.id;
    return Add(ResourceNumber(RT_GROUP_CURSOR), id, std::move(cursor));
}

bool ResourceModule::Remove(LPCWSTR type, WORD id)
{
    auto it = m_entries.find({ ResourceNumber(type), id });
    if (it == m_entries.end())
        return false;
    LiveEntries().erase(it->second.get());
    m_entries.erase(it);
    return true;
}

HRSRC ResourceModule::Find(WORD type, WORD id) const
{
    auto it = m_entries.find({ type, id });
    return it == m_entries.end() ? nullptr : reinterpret_cast<HRSRC>(it->second.get());
}

const DialogTemplate* DialogTemplateOf(HRSRC hResource)
{
    if (!LiveEntries().count(hResource))
        return nullptr;
    return std::get_if<DialogTemplate>(&reinterpret_cast<const ResourceModule::Entry*>(hResource)->data);
}

const CursorResource* CursorResourceOf(HRSRC hResource)
{
    if (!LiveEntries().count(hResource))
        return nullptr;
    return std::get_if<CursorResource>(&reinterpret_cast<const ResourceModule::Entry*>(hResource)->data);
}

ResourceModule& ApplicationModule()
{
    // Never destroyed: the process's own image outlives every library in it.
    static auto* module = new ResourceModule(L"application");
    return *module;
}

} // namespace platform

HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType)
{
    const platform::ResourceModule* module
        = hModule ? platform::ResourceModule::FromHandle(hModule) : &platform::ApplicationModule();
    if (!module)
        return nullptr;
    const WORD id = platform::ResourceNumber(lpName);
    const WORD type = platform::ResourceNumber(lpType);
    return id && type ? module->Find(type, id) : nullptr;
}
