// CString: the framework's wide string (Unicode build).
#pragma once

#include "AfxTypes.h"

#include <string>

class CString {
public:
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    CString(LPCWSTR psz);
    CString(LPCWSTR pch, int nLength);
    CString(LPCSTR psz); // UTF-8 text, widened
    explicit CString(WCHAR ch, int nRepeat = 1);

    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(LPCWSTR psz);
    CString& operator=(LPCSTR psz);
    CString& operator=(WCHAR ch);

    operator LPCWSTR() const noexcept { return m_str.c_str(); }
    LPCWSTR GetString() const noexcept { return m_str.c_str(); }
    int GetLength() const noexcept { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const noexcept { return m_str.empty(); }
    void Empty() noexcept { m_str.clear(); }

    // Index GetLength() reads the terminating zero, as in MFC; anything
    // further out raises the invalid-argument exception.
    WCHAR GetAt(int iChar) const;
    WCHAR operator[](int iChar) const { return GetAt(iChar); }
    void SetAt(int iChar, WCHAR ch);

    CString& operator+=(const CString& str);
    CString& operator+=(LPCWSTR psz);
    CString& operator+=(WCHAR ch);
    void Append(LPCWSTR psz);
    void Append(const CString& str) { m_str += str.m_str; }
    void AppendChar(WCHAR ch) { m_str.push_back(ch); }

    // Ordinal comparison: <0, 0 or >0.
    int Compare(LPCWSTR psz) const;
    int CompareNoCase(LPCWSTR psz) const;

    void Format(LPCWSTR pszFormat, ...);
    void AppendFormat(LPCWSTR pszFormat, ...);

    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    int Find(WCHAR ch, int iStart = 0) const;
    int Find(LPCWSTR pszSub, int iStart = 0) const;
    int ReverseFind(WCHAR ch) const;
    int Replace(LPCWSTR pszOld, LPCWSTR pszNew);
    int Insert(int iIndex, LPCWSTR psz);
    int Delete(int iIndex, int nCount = 1);
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& MakeUpper();
    CString& MakeLower();

    const std::wstring& Str() const noexcept { return m_str; }

private:
    std::wstring m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCWSTR b);
CString operator+(LPCWSTR a, const CString& b);
CString operator+(const CString& a, WCHAR b);
CString operator+(WCHAR a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCWSTR b);
bool operator==(LPCWSTR a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, LPCWSTR b);
bool operator!=(LPCWSTR a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
