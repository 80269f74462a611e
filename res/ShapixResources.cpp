// The library's load and unload. On Windows the library is an extension
// DLL whose DllMain registers it at process attach (AfxInitExtensionModule
// and a CDynLinkLibrary) and unregisters it at detach. Here the library is
// static: a static object of this file stands for DllMain. It lives in the
// same file as ShapixResourceHandle, so every program that uses the
// library's resources links it in.
#include "ShapixResources.h"

#include "ShapixResourceTables.h"

namespace {

platform::ResourceModule& LibraryModule()
{
    static platform::ResourceModule module(L"shapix");
    return module;
}

AFX_EXTENSION_MODULE g_extensionModule { FALSE, nullptr, nullptr, nullptr, nullptr };

// NOTE: The module is built inside the constructor, so it is destroyed
// after the destructor has unregistered the library.
struct LibraryRegistration {
    LibraryRegistration()
    {
        platform::ResourceModule& module = LibraryModule();
        for (platform::DialogTemplate& dialog : shapix_resources::DialogTemplates())
            module.AddDialog(std::move(dialog));
        for (platform::CursorResource& cursor : shapix_resources::Cursors())
            module.AddCursor(std::move(cursor));
        AfxInitExtensionModule(g_extensionModule, module.Handle());
        new CDynLinkLibrary(g_extensionModule); // the chain owns it until AfxTermExtensionModule
    }
    ~LibraryRegistration() { AfxTermExtensionModule(g_extensionModule); }
};

const LibraryRegistration g_registration;

} // namespace

HINSTANCE ShapixResourceHandle()
{
    return LibraryModule().Handle();
}

ShapixResourceScope::ShapixResourceScope()
    : m_previous(AfxGetResourceHandle())
{
    AfxSetResourceHandle(ShapixResourceHandle());
}

ShapixResourceScope::~ShapixResourceScope()
{
    AfxSetResourceHandle(m_previous);
}
