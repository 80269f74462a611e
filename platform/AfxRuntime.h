// The parts of the Windows C runtime that the library relies on, with the
// Windows runtime's behaviour whatever the process locale is.
#pragma once

#include "AfxTypes.h"

#include <cstdarg>
#include <string>

// Leading white space is skipped; the number is decimal (no hexadecimal,
// no "inf" or "nan"); conversion stops at the first character that cannot
// continue it; text without a number gives 0.0.
double _wtof(const wchar_t* str);

// Leading white space and one sign, then decimal digits. The value is a
// 32-bit int: out-of-range values are clamped as strtol clamps a 32-bit long.
int _wtoi(const wchar_t* str);
long long _wtoi64(const wchar_t* str);

namespace platform {

// The Windows runtime's decimal reader behind _wtof and wcstod:
//   [space] [sign] [digits] [.digits] [{e | E | d | D} [sign] digits]
// (d and D are the runtime's old Fortran-style exponent letters). *end is
// where reading stopped: the start of the text when there is no number.
// Overflow gives an infinity, underflow zero.
double ParseDecimal(const wchar_t* text, const wchar_t** end);
// Base-10 integer as wcstol with Windows' 32-bit long: out-of-range values
// clamp. *end as for ParseDecimal.
long ParseLong32(const wchar_t* text, const wchar_t** end);

// printf-style formatting with the Windows runtime's wide conventions:
// %s and %c take wide arguments, %S, %hs and %hc narrow ones; a plain 'l'
// on an integer conversion means 32 bits (Windows' long), I64 and ll mean
// 64 bits, and I means pointer size. The decimal point is always '.',
// whatever locale the host has set.
std::wstring FormatV(const wchar_t* format, va_list args);
std::wstring Format(const wchar_t* format, ...);

} // namespace platform
