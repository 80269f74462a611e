#include "Capture.h"

#include "AfxWnd.h"
#include "WindowRecord.h"

namespace platform {

Image CaptureClient(const CWnd* window)
{
    const WindowRecord* record = window ? WindowRecord::FromHandle(window->m_hWnd) : nullptr;
    return record ? Image::FromSurface(record->client) : Image();
}

} // namespace platform
