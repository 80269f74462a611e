// Modules and their resource tables: what an HINSTANCE stands for.
//
// On Windows a module is a loaded executable or DLL and its resources are
// compiled into it. Here a module is a ResourceModule object whose address
// is its handle; it holds resources by integer id and type until it is
// destroyed (FreeLibrary), after which its handle finds nothing.
#pragma once

#include "ResourceTypes.h"

#include "platform/AfxMessages.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>

namespace platform {

class ResourceModule {
public:
    explicit ResourceModule(std::wstring name);
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    HMODULE Handle() const;
    const std::wstring& Name() const { return m_name; }
    static ResourceModule* FromHandle(HMODULE hModule);

    // A dialog template (RT_DIALOG) or a cursor (RT_GROUP_CURSOR) under its
    // own id. Resource ids are unique per type, as the resource compiler
    // insists: adding a second one under a taken id is refused (false).
    bool AddDialog(DialogTemplate dialog);
    bool AddCursor(CursorResource cursor);
    // Handles found for the resource, and cursors loaded from it, go stale.
    bool Remove(LPCWSTR type, WORD id);

    HRSRC Find(WORD type, WORD id) const;

private:
    struct Entry;
    friend const DialogTemplate* DialogTemplateOf(HRSRC hResource);
    friend const CursorResource* CursorResourceOf(HRSRC hResource);
    bool Add(WORD type, WORD id, std::variant<DialogTemplate, CursorResource> data);

    std::wstring m_name;
    std::map<std::pair<WORD, WORD>, std::unique_ptr<Entry>> m_entries; // by (type, id)
};

// The template or cursor behind a live resource handle of that type, else null.
const DialogTemplate* DialogTemplateOf(HRSRC hResource);
const CursorResource* CursorResourceOf(HRSRC hResource);

// The executable's own module: what AfxGetInstanceHandle returns and what a
// null module handle means to FindResource. It lives as long as the process
// and holds no resources unless someone adds them.
ResourceModule& ApplicationModule();

} // namespace platform

// Names and types are integer resources (MAKEINTRESOURCE) or, as on
// Windows, strings of the form "#123" that stand for them; a module here
// holds no resources under other string names, so those are never found.
// A null module means the application's module.
HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);
#define FindResource FindResourceW
