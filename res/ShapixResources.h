// The library's own resources: its module, registered with the framework
// as an extension module for as long as the library is loaded.
#pragma once

#include "platform/res/AfxModule.h"

// The library's module, which holds its dialog templates and cursors.
HINSTANCE ShapixResourceHandle();

// Makes the library's module the current resource handle for the scope's
// lifetime and restores the previous one on every way out, for code that
// loads the library's own templates or cursors.
class ShapixResourceScope {
public:
    ShapixResourceScope();
    ~ShapixResourceScope();
    ShapixResourceScope(const ShapixResourceScope&) = delete;
    ShapixResourceScope& operator=(const ShapixResourceScope&) = delete;

private:
    HINSTANCE m_previous;
};
