// Cursors: loading them from a module or from the system, the current
// cursor, and its confinement (ClipCursor).
#pragma once

#include "platform/AfxGeometry.h"
#include "platform/AfxMessages.h"
#include "platform/res/ResourceTypes.h"

// A null module loads a system cursor by its IDC_ id; any other module only
// its own cursor resources (RT_GROUP_CURSOR), never another module's. A
// cursor is shared: every load of the same cursor gives the same handle,
// which stays valid for as long as its module holds the resource.
HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
#define LoadCursor LoadCursorW

// Returns the previous cursor. The process starts with the arrow.
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();

// Confines the cursor to a rectangle in screen coordinates, or frees it
// (null). Windows refuses an inverted rectangle (left > right or top >
// bottom): the call fails and the previous confinement stays; an empty
// but not inverted one pins the cursor to a line or a point.
BOOL ClipCursor(const RECT* lpRect);
// The confinement rectangle, or the whole screen when the cursor is free.
BOOL GetClipCursor(LPRECT lpRect);

namespace platform {

// The headless screen has no edge of its own: it spans every coordinate a
// mouse message can carry (16-bit signed).
inline constexpr RECT kScreenRect { -32768, -32768, 32767, 32767 };

// The resource id of a module's cursor (129, 1003, ...) or the IDC_ id of a
// system cursor (32512 for the arrow); 0 for null or unknown handles.
int CursorId(HCURSOR hCursor);

// Whether the cursor is confined, and to which screen rectangle.
bool CursorClip(CRect* screenRect);

// The hot spot and masks of a module's cursor, for a backend that shows it;
// null for system cursors (a backend maps CursorId to its own shapes) and
// for unknown handles.
const CursorResource* CursorImage(HCURSOR hCursor);

} // namespace platform
