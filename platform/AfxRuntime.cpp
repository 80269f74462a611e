#include "AfxRuntime.h"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <cstdio>
#include <cwctype>
#include <wchar.h>
#include <locale.h>
#include <string>
#include <vector>

namespace {

// "C" for numbers; UTF-8 for characters where the system has it, so that
// narrow strings passed to %S and %hs with non-ASCII text still convert.
locale_t ClassicLocale()
{
    static locale_t locale = [] {
        locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", classic);
        return utf8 ? utf8 : classic;
    }();
    return locale;
}

// Switches the calling thread to the "C" locale for one conversion, so a
// host that called setlocale (GTK does) still reads and writes "1.5".
class ClassicLocaleScope {
public:
    ClassicLocaleScope()
        : m_previous(uselocale(ClassicLocale()))
    {
    }
    ~ClassicLocaleScope() { uselocale(m_previous); }
    ClassicLocaleScope(const ClassicLocaleScope&) = delete;
    ClassicLocaleScope& operator=(const ClassicLocaleScope&) = delete;

private:
    locale_t m_previous;
};

// White space as the Windows runtime's iswspace sees it for ASCII text.
bool IsSpace(wchar_t ch)
{
    return ch == L' ' || (ch >= L'\t' && ch <= L'\r');
}

bool IsDigit(wchar_t ch)
{
    return ch >= L'0' && ch <= L'9';
}

} // namespace

double platform::ParseDecimal(const wchar_t* text, const wchar_t** end)
{
    const wchar_t* p = text;
    while (IsSpace(*p))
        ++p;

    // Copy the longest prefix that forms a decimal number, then let strtod
    // round it: the copy holds only ASCII characters it understands.
    std::string number;
    if (*p == L'+' || *p == L'-')
        number.push_back(static_cast<char>(*p++));
    bool anyDigit = false;
    while (IsDigit(*p)) {
        number.push_back(static_cast<char>(*p++));
        anyDigit = true;
    }
    if (*p == L'.') {
        number.push_back('.');
        ++p;
        while (IsDigit(*p)) {
            number.push_back(static_cast<char>(*p++));
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        *end = text;
        return 0.0;
    }
    if (*p == L'e' || *p == L'E' || *p == L'd' || *p == L'D') {
        const wchar_t* q = p + 1;
        std::string exponent = "e";
        if (*q == L'+' || *q == L'-')
            exponent.push_back(static_cast<char>(*q++));
        if (IsDigit(*q)) {
            while (IsDigit(*q))
                exponent.push_back(static_cast<char>(*q++));
            number += exponent;
            p = q;
        }
    }
    *end = p;
    return strtod_l(number.c_str(), nullptr, ClassicLocale());
}

long platform::ParseLong32(const wchar_t* text, const wchar_t** end)
{
    const wchar_t* p = text;
    while (IsSpace(*p))
        ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-')
        negative = *p++ == L'-';
    if (!IsDigit(*p)) {
        *end = text;
        return 0;
    }
    // Saturate just past the 32-bit range; the clamp below does the rest.
    long long magnitude = 0;
    while (IsDigit(*p)) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1)
            magnitude = magnitude * 10 + (*p - L'0');
        ++p;
    }
    *end = p;
    if (negative)
        return magnitude > static_cast<long long>(INT_MAX) + 1 ? INT_MIN : static_cast<long>(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : static_cast<long>(magnitude);
}

double _wtof(const wchar_t* str)
{
    if (!str)
        return 0.0;
    const wchar_t* end = str;
    return platform::ParseDecimal(str, &end);
}

int _wtoi(const wchar_t* str)
{
    if (!str)
        return 0;
    const wchar_t* end = str;
    return static_cast<int>(platform::ParseLong32(str, &end));
}

long long _wtoi64(const wchar_t* str)
{
    if (!str)
        return 0;
    const wchar_t* p = str;
    while (IsSpace(*p))
        ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-')
        negative = *p++ == L'-';
    // Accumulate in unsigned 64 bits and saturate; the callers clamp further.
    unsigned long long magnitude = 0;
    bool overflow = false;
    while (IsDigit(*p)) {
        const unsigned digit = static_cast<unsigned>(*p++ - L'0');
        if (magnitude > (ULLONG_MAX - digit) / 10)
            overflow = true;
        else
            magnitude = magnitude * 10 + digit;
    }
    if (negative) {
        if (overflow || magnitude > static_cast<unsigned long long>(LLONG_MAX) + 1)
            return LLONG_MIN;
        return magnitude == static_cast<unsigned long long>(LLONG_MAX) + 1 ? LLONG_MIN
                                                                           : -static_cast<long long>(magnitude);
    }
    if (overflow || magnitude > static_cast<unsigned long long>(LLONG_MAX))
        return LLONG_MAX;
    return static_cast<long long>(magnitude);
}


namespace platform {

namespace {

// Rewrites one Windows-style format string into the glibc wide-printf
// dialect. Only the length modifiers and the string/character conversions
// differ; flags, widths and precisions pass through unchanged.
std::wstring TranslateFormat(const wchar_t* format)
{
    std::wstring out;
    const wchar_t* p = format;
    while (*p) {
        if (*p != L'%') {
            out.push_back(*p++);
            continue;
        }
        const size_t specStart = out.size();
        out.push_back(*p++);
        if (*p == L'%') {
            out.push_back(*p++);
            continue;
        }
        while (*p && std::wcschr(L"-+ #0", *p))
            out.push_back(*p++);
        while (*p == L'*' || IsDigit(*p))
            out.push_back(*p++);
        if (*p == L'.') {
            out.push_back(*p++);
            while (*p == L'*' || IsDigit(*p))
                out.push_back(*p++);
        }

        enum class Size { Default, Short, Char, Long, LongLong, Pointer, LongDouble } size = Size::Default;
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            size = Size::LongLong;
            p += 3;
        } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
            p += 3;
        } else if (p[0] == L'I') {
            size = Size::Pointer;
            ++p;
        } else if (p[0] == L'l' && p[1] == L'l') {
            size = Size::LongLong;
            p += 2;
        } else if (p[0] == L'h' && p[1] == L'h') {
            size = Size::Char;
            p += 2;
        } else if (p[0] == L'l' || p[0] == L'w') {
            size = Size::Long;
            ++p;
        } else if (p[0] == L'h') {
            size = Size::Short;
            ++p;
        } else if (p[0] == L'L') {
            size = Size::LongDouble;
            ++p;
        } else if (p[0] == L'z' || p[0] == L't' || p[0] == L'j') {
            size = Size::Pointer;
            ++p;
        }

        const wchar_t conversion = *p;
        if (!conversion)
            break;
        ++p;
        switch (conversion) {
        case L'd':
        case L'i':
        case L'u':
        case L'x':
        case L'X':
        case L'o':
            // Windows' long is 32 bits: 'l' adds nothing to int.
            if (size == Size::LongLong)
                out += L"ll";
            else if (size == Size::Pointer)
                out += L"z";
            else if (size == Size::Short)
                out += L"h";
            else if (size == Size::Char)
                out += L"hh";
            out.push_back(conversion);
            break;
        case L'e':
        case L'E':
        case L'f':
        case L'F':
        case L'g':
        case L'G':
        case L'a':
        case L'A':
            // Windows' long double is a double: 'L' and 'l' both take one.
            out.push_back(conversion);
            break;
        case L's':
            out += (size == Size::Short) ? L"s" : L"ls";
            break;
        case L'S':
            out += (size == Size::Long) ? L"ls" : L"s";
            break;
        case L'c':
            out += (size == Size::Short) ? L"c" : L"lc";
            break;
        case L'C':
            out += (size == Size::Long) ? L"lc" : L"c";
            break;
        case L'p':
            out.push_back(L'p');
            break;
        default:
            // Unknown conversions (and %n, which would write through an
            // argument) are printed as plain text.
            out.erase(specStart);
            out += L"%%";
            out.push_back(conversion);
            break;
        }
    }
    return out;
}

} // namespace

std::wstring FormatV(const wchar_t* format, va_list args)
{
    if (!format)
        return std::wstring();
    const std::wstring translated = TranslateFormat(format);
    ClassicLocaleScope classic;
    // A growing memory stream tells a conversion error (an argument that
    // cannot be converted) apart from a short buffer, which vswprintf cannot.
    wchar_t* buffer = nullptr;
    size_t length = 0;
    FILE* stream = open_wmemstream(&buffer, &length);
    if (!stream)
        return std::wstring();
    va_list copy;
    va_copy(copy, args);
    const int written = std::vfwprintf(stream, translated.c_str(), copy);
    va_end(copy);
    std::fclose(stream);
    std::wstring result;
    if (written >= 0 && buffer)
        result.assign(buffer, length);
    std::free(buffer);
    return result;
}

std::wstring Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    std::wstring result = FormatV(format, args);
    va_end(args);
    return result;
}

} // namespace platform
