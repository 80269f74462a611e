// The resources a module holds: dialog templates and cursors, in the form
// the resource compiler would have given them, kept as plain data.
#pragma once

#include "platform/AfxTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// One control of a dialog template. Positions and sizes are dialog units
// (see DialogTemplate); the class is one of the built-in window classes
// ("Button", "Edit", "Static", "ListBox") or any registered one.
struct DialogItem {
    int id = 0; // -1 for controls nobody addresses, as the resource editor writes them
    std::wstring className;
    DWORD style = 0; // WS_CHILD is added at creation, as the dialog manager does
    DWORD exStyle = 0;
    std::wstring text;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
};

// A dialog template (DIALOGEX). cx and cy give the client area in dialog
// units: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its height. x and y place the dialog
// relative to its owner's client area (the screen when it has none).
struct DialogTemplate {
    WORD id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::wstring caption;
    WORD pointSize = 0; // with DS_SETFONT
    std::wstring faceName; // with DS_SETFONT
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    std::vector<DialogItem> items; // in template (tab and z) order
};

// A 32 x 32 monochrome cursor. Row r of a mask is element r; bit 31 is the
// leftmost pixel (x = 0), bit 0 the rightmost, as in a monochrome bitmap.
// A pixel shows, from its AND and XOR bits:
//   AND 0, XOR 0: black        AND 1, XOR 0: the screen (transparent)
//   AND 0, XOR 1: white        AND 1, XOR 1: the screen inverted
struct CursorResource {
    WORD id = 0;
    POINT hotSpot { 0, 0 };
    std::array<std::uint32_t, 32> andMask {};
    std::array<std::uint32_t, 32> xorMask {};
};

} // namespace platform
