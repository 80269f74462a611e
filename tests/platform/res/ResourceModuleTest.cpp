// Modules, FindResource, the current resource handle, the library chain
// that AfxFindResourceHandle searches, and the library's own registration.
#include "platform/res/AfxModule.h"
#include "res/ShapixResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

platform::DialogTemplate Dialog(WORD id)
{
    platform::DialogTemplate dialog;
    dialog.id = id;
    return dialog;
}

CDynLinkLibrary* LinkOf(HMODULE hResource)
{
    for (CDynLinkLibrary* library : platform::LibraryChain()) {
        if (library->m_hResource == hResource)
            return library;
    }
    return nullptr;
}

// A module registered as an extension library, as its DllMain would.
struct Library {
    explicit Library(const wchar_t* name, BOOL system = FALSE)
        : module(name)
    {
        AfxInitExtensionModule(state, module.Handle());
        new CDynLinkLibrary(state, system);
    }
    ~Library() { AfxTermExtensionModule(state); }
    platform::ResourceModule module;
    AFX_EXTENSION_MODULE state {};
};

} // namespace

TEST(ResourceModule, FindsIntegerNamesOfTheRightTypeWhileTheModuleLives)
{
    HRSRC stale = nullptr;
    {
        platform::ResourceModule module(L"find");
        ASSERT_TRUE(module.AddDialog(Dialog(1002)));
        EXPECT_FALSE(module.AddDialog(Dialog(1002))) << "ids are unique per type";
        const HRSRC dialog = FindResource(module.Handle(), MAKEINTRESOURCE(1002), RT_DIALOG);
        ASSERT_NE(platform::DialogTemplateOf(dialog), nullptr);
        EXPECT_EQ(platform::CursorResourceOf(dialog), nullptr);
        EXPECT_EQ(FindResource(module.Handle(), L"#1002", L"#5"), dialog);
        EXPECT_EQ(FindResource(module.Handle(), L"1002", RT_DIALOG), nullptr);
        EXPECT_EQ(FindResource(module.Handle(), MAKEINTRESOURCE(1002), RT_GROUP_CURSOR), nullptr);

        SCOPED_TRACE("a null module is the application's");
        EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(1002), RT_DIALOG), nullptr);
        ASSERT_TRUE(platform::ApplicationModule().AddDialog(Dialog(1002)));
        EXPECT_EQ(FindResource(nullptr, MAKEINTRESOURCE(1002), RT_DIALOG),
            FindResource(AfxGetInstanceHandle(), MAKEINTRESOURCE(1002), RT_DIALOG));
        EXPECT_NE(FindResource(nullptr, MAKEINTRESOURCE(1002), RT_DIALOG), nullptr);
        platform::ApplicationModule().Remove(RT_DIALOG, 1002);
        stale = dialog;
    }
    EXPECT_EQ(platform::DialogTemplateOf(stale), nullptr);
}

TEST(AfxFindResourceHandle, SearchesTheCurrentHandleThenTheChainThenFallsBack)
{
    const HINSTANCE current = AfxGetResourceHandle();
    Library older(L"older");
    Library system(L"system", TRUE);
    Library newer(L"newer");
    platform::ResourceModule outside(L"outside");
    older.module.AddDialog(Dialog(3001));
    newer.module.AddDialog(Dialog(3001));
    system.module.AddDialog(Dialog(3002));
    older.module.AddDialog(Dialog(3002));
    outside.AddDialog(Dialog(3003));
    outside.AddDialog(Dialog(3001));

    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(3001), RT_DIALOG), newer.module.Handle())
        << "the library registered last is searched first";
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(3002), RT_DIALOG), older.module.Handle())
        << "system libraries come after all others";
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(3003), RT_DIALOG), current) << "outside the chain";

    AfxSetResourceHandle(outside.Handle());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(3003), RT_DIALOG), outside.Handle());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(3001), RT_DIALOG), outside.Handle())
        << "the current handle comes before the chain";
    AfxSetResourceHandle(current);
}

TEST(AfxTermExtensionModule, UnregistersOnlyThatModulesLibraries)
{
    const HINSTANCE current = AfxGetResourceHandle();
    Library kept(L"kept");
    platform::ResourceModule module(L"terminated");
    module.AddDialog(Dialog(3101));
    AFX_EXTENSION_MODULE state {};
    AfxInitExtensionModule(state, module.Handle());
    AfxInitExtensionModule(state, kept.module.Handle());
    EXPECT_EQ(state.hResource, module.Handle()) << "a second initialisation changes nothing";
    new CDynLinkLibrary(state);
    new CDynLinkLibrary(state);
    const size_t chainLength = platform::LibraryChain().size();
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(3101), RT_DIALOG), module.Handle());

    AfxTermExtensionModule(state);
    EXPECT_EQ(platform::LibraryChain().size(), chainLength - 2);
    EXPECT_EQ(LinkOf(module.Handle()), nullptr);
    EXPECT_NE(LinkOf(kept.module.Handle()), nullptr);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(3101), RT_DIALOG), current);
    AfxSetResourceHandle(module.Handle());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(3101), RT_DIALOG), module.Handle());
    AfxSetResourceHandle(current);
}

TEST(ShapixResources, TheLibraryRegistersItselfAndItsScopeSwitchesTheHandle)
{
    const HINSTANCE library = ShapixResourceHandle();
    ASSERT_NE(library, AfxGetInstanceHandle());
    ASSERT_NE(LinkOf(library), nullptr);
    EXPECT_FALSE(LinkOf(library)->m_bSystem);
    platform::ResourceModule* module = platform::ResourceModule::FromHandle(library);
    ASSERT_TRUE(module && module->AddDialog(Dialog(0xFFF0)));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(0xFFF0), RT_DIALOG), library);
    module->Remove(RT_DIALOG, 0xFFF0);

    const HINSTANCE before = AfxGetResourceHandle();
    try {
        ShapixResourceScope scope;
        EXPECT_EQ(AfxGetResourceHandle(), library);
        throw std::runtime_error("way out");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
}
