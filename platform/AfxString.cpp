#include "AfxString.h"

#include "AfxException.h"
#include "AfxRuntime.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdarg>
#include <cwctype>

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

CString::CString(LPCWSTR psz)
    : m_str(psz ? psz : L"")
{
}

CString::CString(LPCWSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(LPCSTR psz)
    : m_str(platform::FromUtf8(psz))
{
}

CString::CString(WCHAR ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(static_cast<size_t>(nRepeat), ch);
}

CString& CString::operator=(LPCWSTR psz)
{
    m_str = psz ? psz : L"";
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    m_str = platform::FromUtf8(psz);
    return *this;
}

CString& CString::operator=(WCHAR ch)
{
    m_str.assign(1, ch);
    return *this;
}

WCHAR CString::GetAt(int iChar) const
{
    if (iChar < 0 || iChar > GetLength())
        AfxThrowInvalidArgException();
    return m_str.c_str()[iChar];
}

void CString::SetAt(int iChar, WCHAR ch)
{
    if (iChar < 0 || iChar >= GetLength())
        AfxThrowInvalidArgException();
    m_str[static_cast<size_t>(iChar)] = ch;
}

CString& CString::operator+=(const CString& str)
{
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(LPCWSTR psz)
{
    Append(psz);
    return *this;
}

CString& CString::operator+=(WCHAR ch)
{
    m_str.push_back(ch);
    return *this;
}

void CString::Append(LPCWSTR psz)
{
    if (psz)
        m_str += psz;
}

int CString::Compare(LPCWSTR psz) const
{
    return Sign(std::wcscmp(m_str.c_str(), psz ? psz : L""));
}

int CString::CompareNoCase(LPCWSTR psz) const
{
    const wchar_t* a = m_str.c_str();
    const wchar_t* b = psz ? psz : L"";
    for (;; ++a, ++b) {
        const wint_t ca = std::towlower(static_cast<wint_t>(*a));
        const wint_t cb = std::towlower(static_cast<wint_t>(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (!ca)
            return 0;
    }
}

void CString::Format(LPCWSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    m_str = platform::FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(LPCWSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    m_str += platform::FormatV(pszFormat, args);
    va_end(args);
}

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return CString();
    return CString(m_str.c_str(), std::min(nCount, GetLength()));
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    nCount = std::min(nCount, GetLength());
    return CString(m_str.c_str() + (GetLength() - nCount), nCount);
}

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength());
}

CString CString::Mid(int iFirst, int nCount) const
{
    if (iFirst < 0)
        iFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (iFirst >= GetLength())
        return CString();
    nCount = std::min(nCount, GetLength() - iFirst);
    return CString(m_str.c_str() + iFirst, nCount);
}

int CString::Find(WCHAR ch, int iStart) const
{
    if (iStart < 0 || iStart > GetLength())
        return -1;
    const size_t pos = m_str.find(ch, static_cast<size_t>(iStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCWSTR pszSub, int iStart) const
{
    if (!pszSub || iStart < 0 || iStart > GetLength())
        return -1;
    const size_t pos = m_str.find(pszSub, static_cast<size_t>(iStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(WCHAR ch) const
{
    const size_t pos = m_str.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(LPCWSTR pszOld, LPCWSTR pszNew)
{
    if (!pszOld || !*pszOld)
        return 0;
    const std::wstring from(pszOld);
    const std::wstring to(pszNew ? pszNew : L"");
    int count = 0;
    for (size_t pos = m_str.find(from); pos != std::wstring::npos; pos = m_str.find(from, pos + to.size())) {
        m_str.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

int CString::Insert(int iIndex, LPCWSTR psz)
{
    iIndex = std::clamp(iIndex, 0, GetLength());
    if (psz)
        m_str.insert(static_cast<size_t>(iIndex), psz);
    return GetLength();
}

int CString::Delete(int iIndex, int nCount)
{
    if (iIndex < 0)
        iIndex = 0;
    if (nCount > 0 && iIndex < GetLength())
        m_str.erase(static_cast<size_t>(iIndex), static_cast<size_t>(nCount));
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    size_t first = 0;
    while (first < m_str.size() && std::iswspace(static_cast<wint_t>(m_str[first])))
        ++first;
    m_str.erase(0, first);
    return *this;
}

CString& CString::TrimRight()
{
    size_t end = m_str.size();
    while (end > 0 && std::iswspace(static_cast<wint_t>(m_str[end - 1])))
        --end;
    m_str.erase(end);
    return *this;
}

CString& CString::MakeUpper()
{
    for (wchar_t& ch : m_str)
        ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
    return *this;
}

CString& CString::MakeLower()
{
    for (wchar_t& ch : m_str)
        ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, LPCWSTR b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(LPCWSTR a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, WCHAR b)
{
    CString result(a);
    result += b;
    return result;
}

CString operator+(WCHAR a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}

bool operator==(const CString& a, LPCWSTR b)
{
    return a.Compare(b) == 0;
}

bool operator==(LPCWSTR a, const CString& b)
{
    return b.Compare(a) == 0;
}

bool operator!=(const CString& a, const CString& b)
{
    return !(a == b);
}

bool operator!=(const CString& a, LPCWSTR b)
{
    return !(a == b);
}

bool operator!=(LPCWSTR a, const CString& b)
{
    return !(a == b);
}

bool operator<(const CString& a, const CString& b)
{
    return a.Compare(b) < 0;
}

bool operator>(const CString& a, const CString& b)
{
    return a.Compare(b) > 0;
}

bool operator<=(const CString& a, const CString& b)
{
    return a.Compare(b) <= 0;
}

bool operator>=(const CString& a, const CString& b)
{
    return a.Compare(b) >= 0;
}
