// AfxMessageBox in the headless system: nobody reads the box, so its text
// is recorded where a test or a driver can see it, and the box answers
// IDOK at once.
#pragma once

#include "platform/AfxMessages.h"

#include <string>
#include <vector>

// The text goes to the prompts of the innermost running modal dialog
// (platform::ModalSession::Prompts), or to the process's list when no
// dialog runs.
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

namespace platform {

// Message boxes shown while no modal dialog ran, oldest first.
const std::vector<std::wstring>& ProcessPrompts();
void ClearProcessPrompts();

} // namespace platform
