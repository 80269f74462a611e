// A picture of a region cut: the outline in model coordinates, scaled into
// the image (y downwards, as in the control), with the cut pieces and their
// crossings drawn over it.
#pragma once

#include "ShapesFile.h"

#include "Shapix.h"

#include <string>

namespace shapix_tool {

// `cuts` should hold one group per line (not merged), so every line shows;
// the caption goes in the top-left corner.
platform::Image DrawCut(
    const Outline& outline, CShapixCtrl::CRetLinesMng& cuts, const std::string& caption, int width, int height);

} // namespace shapix_tool
