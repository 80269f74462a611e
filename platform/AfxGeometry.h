// CPoint, CSize, CRect and the Win32 rectangle helpers.
//
// Coordinates are 32-bit LONGs. Windows code compiled with MSVC wraps on
// integer overflow, and outlines with huge coordinates reach these classes,
// so every sum and difference here wraps modulo 2^32 instead of being
// undefined behaviour.
#pragma once

#include "AfxTypes.h"

namespace platform {

inline LONG WrapAdd(LONG a, LONG b)
{
    return static_cast<LONG>(static_cast<ULONG>(a) + static_cast<ULONG>(b));
}

inline LONG WrapSub(LONG a, LONG b)
{
    return static_cast<LONG>(static_cast<ULONG>(a) - static_cast<ULONG>(b));
}

inline LONG WrapNeg(LONG a)
{
    return static_cast<LONG>(0u - static_cast<ULONG>(a));
}

} // namespace platform

// Win32 USER rectangle helpers. Rectangles are half open: the left and top
// edges belong to the rectangle, the right and bottom edges do not.
BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(LPRECT rect);
BOOL CopyRect(LPRECT dst, const RECT* src);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT pt);
BOOL InflateRect(LPRECT rect, int dx, int dy);
BOOL OffsetRect(LPRECT rect, int dx, int dy);
BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b);
BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b);

class CSize;
class CRect;

class CPoint : public tagPOINT {
public:
    CPoint() noexcept : tagPOINT { 0, 0 } { }
    CPoint(int initX, int initY) noexcept : tagPOINT { initX, initY } { }
    CPoint(POINT initPt) noexcept : tagPOINT(initPt) { }
    CPoint(SIZE initSize) noexcept : tagPOINT { initSize.cx, initSize.cy } { }
    explicit CPoint(LPARAM dwPoint) noexcept
        : tagPOINT { static_cast<short>(LOWORD(dwPoint)), static_cast<short>(HIWORD(dwPoint)) }
    {
    }

    void Offset(int xOffset, int yOffset) noexcept
    {
        x = platform::WrapAdd(x, xOffset);
        y = platform::WrapAdd(y, yOffset);
    }
    void Offset(POINT point) noexcept { Offset(point.x, point.y); }
    void Offset(SIZE size) noexcept { Offset(size.cx, size.cy); }
    void SetPoint(int X, int Y) noexcept
    {
        x = X;
        y = Y;
    }

    BOOL operator==(POINT point) const noexcept { return x == point.x && y == point.y; }
    BOOL operator!=(POINT point) const noexcept { return !(*this == point); }
    // C++20 also tries a == b as b == a; with only the POINT overload both orders need one
    // derived-to-base conversion and clang calls the pair ambiguous. The exact match settles it.
    BOOL operator==(const CPoint& point) const noexcept { return *this == static_cast<const POINT&>(point); }
    BOOL operator!=(const CPoint& point) const noexcept { return !(*this == point); }
    void operator+=(SIZE size) noexcept { Offset(size); }
    void operator-=(SIZE size) noexcept { Offset(platform::WrapNeg(size.cx), platform::WrapNeg(size.cy)); }
    void operator+=(POINT point) noexcept { Offset(point); }
    void operator-=(POINT point) noexcept { Offset(platform::WrapNeg(point.x), platform::WrapNeg(point.y)); }

    CPoint operator+(SIZE size) const noexcept { return CPoint(platform::WrapAdd(x, size.cx), platform::WrapAdd(y, size.cy)); }
    CPoint operator-(SIZE size) const noexcept { return CPoint(platform::WrapSub(x, size.cx), platform::WrapSub(y, size.cy)); }
    CPoint operator-() const noexcept { return CPoint(platform::WrapNeg(x), platform::WrapNeg(y)); }
    CPoint operator+(POINT point) const noexcept { return CPoint(platform::WrapAdd(x, point.x), platform::WrapAdd(y, point.y)); }
    CSize operator-(POINT point) const noexcept;
};

class CSize : public tagSIZE {
public:
    CSize() noexcept : tagSIZE { 0, 0 } { }
    CSize(int initCX, int initCY) noexcept : tagSIZE { initCX, initCY } { }
    CSize(SIZE initSize) noexcept : tagSIZE(initSize) { }
    CSize(POINT initPt) noexcept : tagSIZE { initPt.x, initPt.y } { }

    BOOL operator==(SIZE size) const noexcept { return cx == size.cx && cy == size.cy; }
    BOOL operator!=(SIZE size) const noexcept { return !(*this == size); }
    // Exact match so that the C++20 reversed candidate is not ambiguous (see CPoint).
    BOOL operator==(const CSize& size) const noexcept { return *this == static_cast<const SIZE&>(size); }
    BOOL operator!=(const CSize& size) const noexcept { return !(*this == size); }
    void operator+=(SIZE size) noexcept
    {
        cx = platform::WrapAdd(cx, size.cx);
        cy = platform::WrapAdd(cy, size.cy);
    }
    void operator-=(SIZE size) noexcept
    {
        cx = platform::WrapSub(cx, size.cx);
        cy = platform::WrapSub(cy, size.cy);
    }
    void SetSize(int CX, int CY) noexcept
    {
        cx = CX;
        cy = CY;
    }
    CSize operator+(SIZE size) const noexcept { return CSize(platform::WrapAdd(cx, size.cx), platform::WrapAdd(cy, size.cy)); }
    CSize operator-(SIZE size) const noexcept { return CSize(platform::WrapSub(cx, size.cx), platform::WrapSub(cy, size.cy)); }
    CSize operator-() const noexcept { return CSize(platform::WrapNeg(cx), platform::WrapNeg(cy)); }
};

inline CSize CPoint::operator-(POINT point) const noexcept
{
    return CSize(platform::WrapSub(x, point.x), platform::WrapSub(y, point.y));
}

class CRect : public tagRECT {
public:
    // Zero-filled, as the later MFC versions do; MFC 9.0 left it undefined.
    CRect() noexcept : tagRECT { 0, 0, 0, 0 } { }
    CRect(int l, int t, int r, int b) noexcept : tagRECT { l, t, r, b } { }
    CRect(const RECT& srcRect) noexcept : tagRECT(srcRect) { }
    CRect(LPCRECT lpSrcRect) noexcept : tagRECT(*lpSrcRect) { }
    CRect(POINT point, SIZE size) noexcept
        : tagRECT { point.x, point.y, platform::WrapAdd(point.x, size.cx), platform::WrapAdd(point.y, size.cy) }
    {
    }
    CRect(POINT topLeft, POINT bottomRight) noexcept
        : tagRECT { topLeft.x, topLeft.y, bottomRight.x, bottomRight.y }
    {
    }

    int Width() const noexcept { return platform::WrapSub(right, left); }
    int Height() const noexcept { return platform::WrapSub(bottom, top); }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint& TopLeft() noexcept { return *reinterpret_cast<CPoint*>(this); }
    CPoint& BottomRight() noexcept { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const noexcept { return *reinterpret_cast<const CPoint*>(this); }
    const CPoint& BottomRight() const noexcept { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const noexcept
    {
        return CPoint(static_cast<int>((static_cast<std::int64_t>(left) + right) / 2),
            static_cast<int>((static_cast<std::int64_t>(top) + bottom) / 2));
    }

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    BOOL IsRectEmpty() const noexcept { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const noexcept { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const noexcept { return ::PtInRect(this, point); }
    BOOL EqualRect(LPCRECT lpRect) const noexcept { return ::EqualRect(this, lpRect); }

    void SetRect(int x1, int y1, int x2, int y2) noexcept { ::SetRect(this, x1, y1, x2, y2); }
    void SetRect(POINT topLeft, POINT bottomRight) noexcept { ::SetRect(this, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() noexcept { ::SetRectEmpty(this); }
    void CopyRect(LPCRECT lpSrcRect) noexcept { ::CopyRect(this, lpSrcRect); }

    void InflateRect(int x, int y) noexcept { ::InflateRect(this, x, y); }
    void InflateRect(SIZE size) noexcept { ::InflateRect(this, size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b) noexcept
    {
        left = platform::WrapSub(left, l);
        top = platform::WrapSub(top, t);
        right = platform::WrapAdd(right, r);
        bottom = platform::WrapAdd(bottom, b);
    }
    void DeflateRect(int x, int y) noexcept { ::InflateRect(this, platform::WrapNeg(x), platform::WrapNeg(y)); }
    void DeflateRect(SIZE size) noexcept { DeflateRect(size.cx, size.cy); }
    void OffsetRect(int x, int y) noexcept { ::OffsetRect(this, x, y); }
    void OffsetRect(POINT point) noexcept { ::OffsetRect(this, point.x, point.y); }
    void OffsetRect(SIZE size) noexcept { ::OffsetRect(this, size.cx, size.cy); }
    void MoveToXY(int x, int y) noexcept
    {
        right = platform::WrapAdd(x, Width());
        bottom = platform::WrapAdd(y, Height());
        left = x;
        top = y;
    }
    void NormalizeRect() noexcept;

    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept { return ::IntersectRect(this, lpRect1, lpRect2); }
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) noexcept { return ::UnionRect(this, lpRect1, lpRect2); }

    BOOL operator==(const RECT& rect) const noexcept { return ::EqualRect(this, &rect); }
    BOOL operator!=(const RECT& rect) const noexcept { return !::EqualRect(this, &rect); }
    // Exact match so that the C++20 reversed candidate is not ambiguous (see CPoint).
    BOOL operator==(const CRect& rect) const noexcept { return ::EqualRect(this, &rect); }
    BOOL operator!=(const CRect& rect) const noexcept { return !::EqualRect(this, &rect); }
    void operator+=(POINT point) noexcept { OffsetRect(point); }
    void operator+=(SIZE size) noexcept { OffsetRect(size); }
    void operator-=(POINT point) noexcept { OffsetRect(platform::WrapNeg(point.x), platform::WrapNeg(point.y)); }
    void operator-=(SIZE size) noexcept { OffsetRect(platform::WrapNeg(size.cx), platform::WrapNeg(size.cy)); }
    void operator&=(const RECT& rect) noexcept { ::IntersectRect(this, this, &rect); }
    void operator|=(const RECT& rect) noexcept { ::UnionRect(this, this, &rect); }
    CRect operator+(POINT point) const noexcept
    {
        CRect rect(*this);
        rect.OffsetRect(point);
        return rect;
    }
    CRect operator-(POINT point) const noexcept
    {
        CRect rect(*this);
        rect -= point;
        return rect;
    }
    CRect operator&(const RECT& rect2) const noexcept
    {
        CRect rect;
        ::IntersectRect(&rect, this, &rect2);
        return rect;
    }
    CRect operator|(const RECT& rect2) const noexcept
    {
        CRect rect;
        ::UnionRect(&rect, this, &rect2);
        return rect;
    }
};
