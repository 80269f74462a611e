// The tables the library's module is filled from when the library loads.
#pragma once

#include "platform/res/ResourceTypes.h"

#include <vector>

namespace shapix_resources {

// Dialog templates 1002 ("输入尺寸") and 1004 ("当前边属性编辑").
std::vector<platform::DialogTemplate> DialogTemplates();
platform::DialogTemplate SideDialogTemplate(); // 1004, in SideDialogTemplate.cpp
// Cursors 129, 1003, 1004 and 1006.
std::vector<platform::CursorResource> Cursors();

} // namespace shapix_resources
