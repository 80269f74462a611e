#include "AfxGeometry.h"

#include <algorithm>

using platform::WrapAdd;
using platform::WrapSub;

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom)
{
    if (!rect)
        return FALSE;
    *rect = RECT { left, top, right, bottom };
    return TRUE;
}

BOOL SetRectEmpty(LPRECT rect)
{
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT dst, const RECT* src)
{
    if (!dst || !src)
        return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect)
{
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL EqualRect(const RECT* a, const RECT* b)
{
    if (!a || !b)
        return FALSE;
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL PtInRect(const RECT* rect, POINT pt)
{
    if (!rect)
        return FALSE;
    return pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top && pt.y < rect->bottom;
}

BOOL InflateRect(LPRECT rect, int dx, int dy)
{
    if (!rect)
        return FALSE;
    rect->left = WrapSub(rect->left, dx);
    rect->top = WrapSub(rect->top, dy);
    rect->right = WrapAdd(rect->right, dx);
    rect->bottom = WrapAdd(rect->bottom, dy);
    return TRUE;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy)
{
    if (!rect)
        return FALSE;
    rect->left = WrapAdd(rect->left, dx);
    rect->top = WrapAdd(rect->top, dy);
    rect->right = WrapAdd(rect->right, dx);
    rect->bottom = WrapAdd(rect->bottom, dy);
    return TRUE;
}

// An empty intersection, touching edges included, leaves the destination
// empty (all zero) and returns FALSE, as Win32 does.
BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b)
        return FALSE;
    if (IsRectEmpty(a) || IsRectEmpty(b) || a->left >= b->right || b->left >= a->right || a->top >= b->bottom
        || b->top >= a->bottom) {
        SetRectEmpty(dst);
        return FALSE;
    }
    RECT result { std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
        std::min(a->bottom, b->bottom) };
    *dst = result;
    return TRUE;
}

// Empty rectangles take no part in a union; two empty ones give an empty
// result and FALSE.
BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b)
{
    if (!dst || !a || !b)
        return FALSE;
    const bool aEmpty = IsRectEmpty(a);
    const bool bEmpty = IsRectEmpty(b);
    if (aEmpty && bEmpty) {
        SetRectEmpty(dst);
        return FALSE;
    }
    if (aEmpty) {
        *dst = *b;
        return TRUE;
    }
    if (bEmpty) {
        *dst = *a;
        return TRUE;
    }
    RECT result { std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
        std::max(a->bottom, b->bottom) };
    *dst = result;
    return TRUE;
}

void CRect::NormalizeRect() noexcept
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}
