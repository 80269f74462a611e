// The editor's main window: a toolbar, the control and a status line.
#pragma once

#include "Shapix.h"

#include <string>

namespace shapix_edit {

// Opens the window on `path` (may be empty: an empty control) with `tool`
// chosen and runs until it is closed. Once the window is on the screen,
// prints "control at X,Y" (the control's client origin on the screen) so a
// script driving the pointer knows where to aim. Returns the exit code.
int RunEditor(const std::string& path, int width, int height, CShapixCtrl::ToolType tool);

} // namespace shapix_edit
