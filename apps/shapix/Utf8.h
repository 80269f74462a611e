// UTF-8 on the tool's side (files, command line, terminal) and the
// framework's wide CString on the library's side.
#pragma once

#include "Shapix.h"

#include <string>

namespace shapix_tool {

std::string ToUtf8(const std::wstring& text);
inline std::string ToUtf8(const CString& text) { return ToUtf8(text.Str()); }
inline CString FromUtf8(const std::string& text) { return CString(text.c_str()); }

} // namespace shapix_tool
