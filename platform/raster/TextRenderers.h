// The two TextRenderer implementations behind TextRenderer::Default(), for
// callers (and tests) that want a particular one.
#pragma once

#include "platform/raster/Raster.h"

#include <memory>

namespace platform::raster {

// FreeType drawing of the font fontconfig offers for Chinese (lang zh-cn, and
// it must really hold 中 and 文), or null when no such font is installed.
std::unique_ptr<TextRenderer> CreateSystemTextRenderer();

// The built-in 8 x 16 bitmap font: printable ASCII, anything else as a box.
std::unique_ptr<TextRenderer> CreateBuiltinTextRenderer();

// Default() takes the system font when there is one; SHAPIX_FONT=builtin in
// the environment (read on first use) makes it take the built-in font.
constexpr const char* kFontEnvironmentVariable = "SHAPIX_FONT";

} // namespace platform::raster
