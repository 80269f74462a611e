#include "Cursor.h"

#include "platform/res/ResourceModule.h"

#include <algorithm>
#include <optional>

namespace {

// The system cursors by IDC_ id. Their handles are the addresses of these
// records, so they can never equal a module's cursor handle.
struct SystemCursor {
    WORD id;
};

constexpr SystemCursor kSystemCursors[] = {
    { 32512 }, // IDC_ARROW
    { 32513 }, // IDC_IBEAM
    { 32514 }, // IDC_WAIT
    { 32515 }, // IDC_CROSS
    { 32516 }, // IDC_UPARROW
    { 32642 }, // IDC_SIZENWSE
    { 32643 }, // IDC_SIZENESW
    { 32644 }, // IDC_SIZEWE
    { 32645 }, // IDC_SIZENS
    { 32646 }, // IDC_SIZEALL
    { 32648 }, // IDC_NO
    { 32649 }, // IDC_HAND
    { 32650 }, // IDC_APPSTARTING
    { 32651 }, // IDC_HELP
};

HCURSOR SystemCursorHandle(WORD id)
{
    for (const SystemCursor& cursor : kSystemCursors) {
        if (cursor.id == id)
            return reinterpret_cast<HCURSOR>(const_cast<SystemCursor*>(&cursor));
    }
    return nullptr;
}

const SystemCursor* SystemCursorOf(HCURSOR hCursor)
{
    const auto* cursor = reinterpret_cast<const SystemCursor*>(hCursor);
    const bool inTable = std::any_of(std::begin(kSystemCursors), std::end(kSystemCursors),
        [cursor](const SystemCursor& entry) { return &entry == cursor; });
    return inTable ? cursor : nullptr;
}

// A module's cursor is its resource: the handle is the resource handle, so
// repeated loads agree and the handle dies with the resource.
const platform::CursorResource* ModuleCursorOf(HCURSOR hCursor)
{
    return platform::CursorResourceOf(reinterpret_cast<HRSRC>(hCursor));
}

HCURSOR& CurrentCursor()
{
    static HCURSOR current = SystemCursorHandle(32512);
    return current;
}

std::optional<RECT>& Confinement()
{
    static std::optional<RECT> clip;
    return clip;
}

} // namespace

HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName)
{
    if (!hInstance)
        return IS_INTRESOURCE(lpCursorName) ? SystemCursorHandle(LOWORD(reinterpret_cast<ULONG_PTR>(lpCursorName)))
                                            : nullptr;
    return reinterpret_cast<HCURSOR>(::FindResourceW(hInstance, lpCursorName, RT_GROUP_CURSOR));
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    const HCURSOR previous = CurrentCursor();
    CurrentCursor() = hCursor;
    return previous;
}

HCURSOR GetCursor()
{
    return CurrentCursor();
}

BOOL ClipCursor(const RECT* lpRect)
{
    if (!lpRect) {
        Confinement().reset();
        return TRUE;
    }
    if (lpRect->left > lpRect->right || lpRect->top > lpRect->bottom)
        return FALSE;
    // Kept inside the screen, edge by edge, so that a rectangle partly off
    // the screen still confines along the edges that are on it.
    const RECT& screen = platform::kScreenRect;
    RECT clip;
    clip.left = std::clamp(lpRect->left, screen.left, screen.right);
    clip.right = std::clamp(lpRect->right, screen.left, screen.right);
    clip.top = std::clamp(lpRect->top, screen.top, screen.bottom);
    clip.bottom = std::clamp(lpRect->bottom, screen.top, screen.bottom);
    Confinement() = clip;
    return TRUE;
}

BOOL GetClipCursor(LPRECT lpRect)
{
    if (!lpRect)
        return FALSE;
    *lpRect = Confinement().value_or(platform::kScreenRect);
    return TRUE;
}

int platform::CursorId(HCURSOR hCursor)
{
    if (!hCursor)
        return 0;
    if (const SystemCursor* system = SystemCursorOf(hCursor))
        return system->id;
    const CursorResource* resource = ModuleCursorOf(hCursor);
    return resource ? resource->id : 0;
}

bool platform::CursorClip(CRect* screenRect)
{
    if (Confinement() && screenRect)
        *screenRect = *Confinement();
    return Confinement().has_value();
}

const platform::CursorResource* platform::CursorImage(HCURSOR hCursor)
{
    if (!hCursor || SystemCursorOf(hCursor))
        return nullptr;
    return ModuleCursorOf(hCursor);
}
