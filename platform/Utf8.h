// Wide text (the framework's TCHAR is wchar_t) to and from UTF-8, the
// encoding of files, terminals and GTK on this side.
#pragma once

#include <string>

namespace platform {

// A lone surrogate or a value past Unicode becomes U+FFFD, which has a
// UTF-8 form.
std::string ToUtf8(const std::wstring& text);
// A broken sequence or a stray continuation byte becomes U+FFFD; null is
// the empty text.
std::wstring FromUtf8(const char* text);

} // namespace platform
