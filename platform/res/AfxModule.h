// The framework's module state: the application's instance handle, the
// current resource handle, and the chain of extension DLLs (CDynLinkLibrary)
// that AfxFindResourceHandle searches.
#pragma once

#include "ResourceModule.h"

#include "platform/wnd/AfxWnd.h"

#include <vector>

class COleObjectFactory;

// What an extension DLL keeps about itself from DllMain's process attach to
// its detach.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    COleObjectFactory* pFirstSharedFactory;
};

// A link of the process's library chain. The constructor puts the library
// at the head of the chain, the destructor takes it out.
class CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    // A system library (bSystem) is searched only after every other one.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL;
};

HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
// As in MFC this returns nothing: a caller that switches saves
// AfxGetResourceHandle() first.
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

// The module to load a resource from: the current resource handle when it
// has the resource, else the first non-system library of the chain that
// has it, else the first system library that has it, else (nobody has it)
// the current resource handle.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Records the module once (a second call changes nothing).
BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the libraries of the chain that belong to the module (all of
// them with bAll).
void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

namespace platform {

// The library chain from its head, in search order.
std::vector<CDynLinkLibrary*> LibraryChain();

} // namespace platform
