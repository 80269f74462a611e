// Turning a dialog template into windows, as the dialog manager does.
#pragma once

#include "platform/res/ResourceTypes.h"

class CWnd;

namespace platform {

// The dialog font's base units in pixels at 96 DPI: cx the average
// character width, cy the character height. A horizontal dialog unit is
// cx / 4 pixels, a vertical one cy / 8.
//   - SimSun (宋体) and NSimSun (新宋体): the height is the point size at
//     96 DPI and every Latin glyph is half as wide, so 9 pt gives 6 x 12.
//   - MS Shell Dlg and its usual faces at 8 pt: 6 x 13.
//   - A template without DS_SETFONT uses the system font: 8 x 16.
// Other faces are not measured; they are taken as SimSun-like, which is
// close for CJK fonts and may be off by a pixel for Latin ones.
SIZE DialogBaseUnits(const DialogTemplate& dialogTemplate);

// Dialog units to pixels, each coordinate on its own, rounded half away
// from zero as MulDiv rounds: x px = MulDiv(x, cx, 4), y px = MulDiv(y, cy, 8).
RECT DialogUnitsToPixels(short x, short y, short cx, short cy, SIZE baseUnits);

// Creates the dialog window (class "#32770", the template's caption and
// styles; its client area is the template's size) attached to `dialog`,
// sends it WM_CREATE, then creates the controls in template order. The
// window is placed relative to the owner's client area, or the screen.
// False, with nothing left behind, when a control's class does not exist
// or the dialog refuses WM_CREATE.
bool CreateDialogWindow(CWnd& dialog, const DialogTemplate& dialogTemplate, HWND owner);

} // namespace platform
