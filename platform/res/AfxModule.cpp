#include "AfxModule.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace {

struct ModuleState {
    HINSTANCE resourceHandle = platform::ApplicationModule().Handle();
    CDynLinkLibrary* libraries = nullptr; // head of the chain
};

ModuleState& State()
{
    // Never destroyed: libraries unregister during static destruction.
    static auto* state = new ModuleState;
    return *state;
}

void LinkAtHead(CDynLinkLibrary* library)
{
    // Extensions go in front of what is already there, as MFC inserts them.
    library->m_pNextDLL = State().libraries;
    State().libraries = library;
}

bool Holds(HMODULE hModule, LPCTSTR lpszName, LPCTSTR lpszType)
{
    return ::FindResourceW(hModule, lpszName, lpszType) != nullptr;
}

} // namespace

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule)
    , m_hResource(state.hResource)
    , m_bSystem(bSystem)
    , m_pNextDLL(nullptr)
{
    LinkAtHead(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule)
    , m_hResource(hResource)
    , m_bSystem(FALSE)
    , m_pNextDLL(nullptr)
{
    LinkAtHead(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** link = &State().libraries; *link; link = &(*link)->m_pNextDLL) {
        if (*link == this) {
            *link = m_pNextDLL;
            break;
        }
    }
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return platform::ApplicationModule().Handle();
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return State().resourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    State().resourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    const HINSTANCE current = AfxGetResourceHandle();
    if (Holds(current, lpszName, lpszType))
        return current;
    for (const BOOL systemPass : { FALSE, TRUE }) {
        for (CDynLinkLibrary* library = State().libraries; library; library = library->m_pNextDLL) {
            if (library->m_bSystem == systemPass && library->m_hResource
                && Holds(library->m_hResource, lpszName, lpszType))
                return library->m_hResource;
        }
    }
    // Nobody has it: the caller's FindResource on this handle fails too.
    return current;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    // Run-time classes are registered process-wide here, so a module has no
    // class list of its own to hand over.
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    for (CDynLinkLibrary* library = State().libraries; library;) {
        CDynLinkLibrary* next = library->m_pNextDLL;
        if (bAll || library->m_hModule == state.hModule)
            delete library;
        library = next;
    }
}

std::vector<CDynLinkLibrary*> platform::LibraryChain()
{
    std::vector<CDynLinkLibrary*> chain;
    for (CDynLinkLibrary* library = State().libraries; library; library = library->m_pNextDLL)
        chain.push_back(library);
    return chain;
}
