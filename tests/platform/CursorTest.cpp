// Loading cursors, the current cursor and its confinement.
#include "platform/res/AfxModule.h"
#include "platform/wnd/Cursor.h"

#include <gtest/gtest.h>

TEST(Cursor, SystemCursorsByIdModuleCursorsOnlyFromTheirOwnModuleAndSetCursorSwaps)
{
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    const HCURSOR cross = LoadCursor(nullptr, IDC_CROSS);
    {
        SCOPED_TRACE("system cursors");
        EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), arrow);
        EXPECT_EQ(platform::CursorId(arrow), 32512);
        EXPECT_EQ(platform::CursorId(cross), 32515);
        EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1003)), nullptr);
        EXPECT_EQ(platform::CursorImage(arrow), nullptr);
    }
    HCURSOR stale = nullptr;
    {
        platform::ResourceModule module(L"cursors");
        platform::CursorResource crosshair;
        crosshair.id = 1003;
        module.AddCursor(crosshair);
        AFX_EXTENSION_MODULE state {};
        AfxInitExtensionModule(state, module.Handle());
        new CDynLinkLibrary(state);

        const HCURSOR side = LoadCursor(module.Handle(), MAKEINTRESOURCE(1003));
        EXPECT_EQ(LoadCursor(module.Handle(), MAKEINTRESOURCE(1003)), side);
        EXPECT_EQ(platform::CursorId(side), 1003);
        EXPECT_NE(platform::CursorImage(side), nullptr); // its pixels: LibraryCursors

        SCOPED_TRACE("no fallback to other modules, even with the cursor's module registered");
        EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(1003), RT_GROUP_CURSOR), module.Handle());
        EXPECT_EQ(LoadCursor(AfxGetInstanceHandle(), MAKEINTRESOURCE(1003)), nullptr);
        EXPECT_EQ(LoadCursor(module.Handle(), IDC_ARROW), nullptr);
        AfxTermExtensionModule(state);
        stale = side;
    }
    EXPECT_EQ(platform::CursorId(stale), 0);
    EXPECT_EQ(platform::CursorImage(stale), nullptr);

    SCOPED_TRACE("SetCursor returns the previous cursor");
    const HCURSOR original = SetCursor(arrow);
    EXPECT_EQ(SetCursor(cross), arrow);
    EXPECT_EQ(GetCursor(), cross);
    EXPECT_EQ(SetCursor(nullptr), cross);
    SetCursor(original);
}

TEST(ClipCursor, ConfinesFreesAndRefusesInvertedRectangles)
{
    CRect clip;
    const RECT area { 10, 20, 110, 220 };
    ASSERT_TRUE(ClipCursor(&area));
    ASSERT_TRUE(platform::CursorClip(&clip));
    EXPECT_EQ(clip, CRect(10, 20, 110, 220));
    {
        SCOPED_TRACE("an inverted rectangle fails and keeps the confinement");
        const RECT inverted { 110, 20, 10, 220 };
        EXPECT_FALSE(ClipCursor(&inverted));
        RECT reported;
        ASSERT_TRUE(GetClipCursor(&reported));
        EXPECT_TRUE(EqualRect(&reported, &area));
    }
    {
        SCOPED_TRACE("an empty rectangle pins the cursor");
        const RECT point { 5, 5, 5, 5 };
        EXPECT_TRUE(ClipCursor(&point));
        ASSERT_TRUE(platform::CursorClip(&clip));
        EXPECT_EQ(clip, CRect(5, 5, 5, 5));
    }
    EXPECT_TRUE(ClipCursor(nullptr));
    EXPECT_FALSE(platform::CursorClip(&clip));
    RECT reported;
    ASSERT_TRUE(GetClipCursor(&reported));
    EXPECT_TRUE(EqualRect(&reported, &platform::kScreenRect));
}
