// UTF-8 on the tool's side (files, command line, terminal) and the
// framework's wide CString on the library's side.
#pragma once

#include "Shapix.h"
#include "platform/Utf8.h"

#include <string>

namespace shapix_tool {

using platform::ToUtf8;
inline std::string ToUtf8(const CString& text) { return ToUtf8(text.Str()); }
inline CString FromUtf8(const std::string& text) { return CString(text.c_str()); }

} // namespace shapix_tool
