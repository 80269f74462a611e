// Reading back what a window shows, for tests and host tools.
#pragma once

#include "platform/Image.h"

class CWnd;

namespace platform {

// The window's client area as last painted (empty for no window).
Image CaptureClient(const CWnd* window);

} // namespace platform
