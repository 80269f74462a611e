// CGdiObject, CPen, CBrush, CBitmap, CDC, CPaintDC, CClientDC, CRecordDC.
#include "AfxDC.h"

#include "platform/wnd/AfxWnd.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)

namespace {

// MFC's handle maps. A permanent wrapper is one the program made and
// attached; FromHandle hands out a temporary one for any other handle,
// owned here until its handle goes away.
std::unordered_map<HGDIOBJ, CGdiObject*>& PermanentObjects()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* map = new std::unordered_map<HGDIOBJ, CGdiObject*>;
    return *map;
}

std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>>& TemporaryObjects()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* map = new std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>>;
    return *map;
}

std::unordered_map<HDC, CDC*>& PermanentDcs()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* map = new std::unordered_map<HDC, CDC*>;
    return *map;
}

std::unordered_map<HDC, std::unique_ptr<CDC>>& TemporaryDcs()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* map = new std::unordered_map<HDC, std::unique_ptr<CDC>>;
    return *map;
}

// Every SelectObject hands back the wrapper of the object it replaces, so
// the same few handles are looked up again and again: the ones found are
// remembered in front of the maps, one slot per handle picked by the
// handle's bits, and forgotten whenever a map entry for their handle is made
// or goes.
struct RecentWrapper {
    HGDIOBJ handle = nullptr;
    CGdiObject* wrapper = nullptr;
};
constexpr size_t kRecentWrappers = 64;
RecentWrapper g_recentWrappers[kRecentWrappers];

RecentWrapper& RecentSlot(HGDIOBJ handle)
{
    // Handles are heap addresses, at least 16-byte aligned.
    const auto bits = reinterpret_cast<std::uintptr_t>(handle);
    return g_recentWrappers[((bits >> 4) ^ (bits >> 10)) % kRecentWrappers];
}

void ForgetRecentWrapper(HGDIOBJ handle)
{
    RecentWrapper& recent = RecentSlot(handle);
    if (recent.handle == handle)
        recent = RecentWrapper {};
}

template <class T>
T* WrapperFor(HGDIOBJ hObject)
{
    if (!hObject)
        return nullptr;
    RecentWrapper& recent = RecentSlot(hObject);
    if (recent.handle == hObject)
        return static_cast<T*>(recent.wrapper);
    CGdiObject* wrapper = nullptr;
    auto permanent = PermanentObjects().find(hObject);
    if (permanent != PermanentObjects().end()) {
        wrapper = permanent->second;
    } else {
        auto& temporary = TemporaryObjects()[hObject];
        if (!temporary) {
            temporary = std::make_unique<T>();
            temporary->m_hObject = hObject;
        }
        wrapper = temporary.get();
    }
    recent = RecentWrapper { hObject, wrapper };
    return static_cast<T*>(wrapper);
}

// The wrapper class that matches the kind of object behind a handle.
CGdiObject* TypedWrapperFor(HGDIOBJ hObject)
{
    platform::GdiObject* object = platform::GdiObject::FromHandle(hObject);
    if (!object)
        return nullptr;
    switch (object->Kind()) {
    case platform::GdiKind::Pen:
        return WrapperFor<CPen>(hObject);
    case platform::GdiKind::Brush:
        return WrapperFor<CBrush>(hObject);
    case platform::GdiKind::Bitmap:
        return WrapperFor<CBitmap>(hObject);
    default:
        return WrapperFor<CGdiObject>(hObject);
    }
}

} // namespace

void platform::ForgetWrappers(HGDIOBJ handle)
{
    ForgetRecentWrapper(handle);
    auto temporary = TemporaryObjects().find(handle);
    if (temporary != TemporaryObjects().end()) {
        temporary->second->m_hObject = nullptr;
        TemporaryObjects().erase(temporary);
    }
    auto permanent = PermanentObjects().find(handle);
    if (permanent != PermanentObjects().end()) {
        permanent->second->m_hObject = nullptr;
        PermanentObjects().erase(permanent);
    }
}

void platform::ForgetDcWrappers(HDC hdc)
{
    auto temporary = TemporaryDcs().find(hdc);
    if (temporary != TemporaryDcs().end()) {
        temporary->second->m_hDC = temporary->second->m_hAttribDC = nullptr;
        TemporaryDcs().erase(temporary);
    }
}

// CGdiObject ----------------------------------------------------------------

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return TypedWrapperFor(hObject);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject || m_hObject || !platform::GdiObject::FromHandle(hObject))
        return FALSE;
    m_hObject = hObject;
    ForgetRecentWrapper(hObject);
    PermanentObjects()[hObject] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject) {
        auto permanent = PermanentObjects().find(hObject);
        if (permanent != PermanentObjects().end() && permanent->second == this) {
            ForgetRecentWrapper(hObject);
            PermanentObjects().erase(permanent);
        }
    }
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectW(m_hObject, nCount, lpObject);
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen* PASCAL CPen::FromHandle(HPEN hPen)
{
    return static_cast<CPen*>(CGdiObject::FromHandle(hPen));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    return Attach(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen)
{
    return GetObject(sizeof(LOGPEN), pLogPen);
}

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush)
{
    return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return Attach(::CreateBrushIndirect(lpLogBrush));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush)
{
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap)
{
    return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC ? pDC->m_hDC : nullptr, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap)
{
    return GetObject(sizeof(BITMAP), pBitMap);
}

// CDC -------------------------------------------------------------------------

CDC::~CDC()
{
    if (m_hDC)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    if (!hDC || !platform::DeviceContext::FromHandle(hDC))
        return nullptr;
    auto permanent = PermanentDcs().find(hDC);
    if (permanent != PermanentDcs().end())
        return permanent->second;
    auto& temporary = TemporaryDcs()[hDC];
    if (!temporary) {
        temporary = std::make_unique<CDC>();
        temporary->m_hDC = temporary->m_hAttribDC = hDC;
    }
    return temporary.get();
}

BOOL CDC::Attach(HDC hDC)
{
    if (!hDC || m_hDC)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    PermanentDcs()[hDC] = this;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC) {
        auto permanent = PermanentDcs().find(hDC);
        if (permanent != PermanentDcs().end() && permanent->second == this)
            PermanentDcs().erase(permanent);
    }
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = nullptr;
}

void CDC::ReleaseOutputDC()
{
    m_hDC = nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous { 0, 0 };
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

CPoint CDC::GetCurrentPosition() const
{
    POINT position { 0, 0 };
    ::GetCurrentPositionEx(m_hDC, &position);
    return position;
}

BOOL CDC::LineTo(int x, int y)
{
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return ::Arc(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
        ptEnd.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return ::Ellipse(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (lpRect)
        platform::FillSolidRectDc(m_hDC, *lpRect, clr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    const RECT rect { x, y, x + cx, y + cy };
    platform::FillSolidRectDc(m_hDC, rect, clr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, str.GetString(), static_cast<UINT>(str.GetLength()), lpDxWidths);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOutW(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, str.GetString(), str.GetLength());
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size { 0, 0 };
    ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent(str.GetString(), str.GetLength());
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    SIZE size { 0, 0 };
    ::GetTextExtentPoint32W(m_hDC, str.GetString(), str.GetLength(), &size);
    return size;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (!pObject)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ stock = ::GetStockObject(nIndex);
    return stock ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ::SetTextColor(m_hDC, crColor);
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ::SetBkColor(m_hDC, crColor);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode)
{
    return ::SetBkMode(m_hDC, nBkMode);
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return ::SetTextAlign(m_hDC, nFlags);
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

// CPaintDC, CClientDC -----------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd)
    : m_ps {}
    , m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hDC) {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
}

CClientDC::CClientDC(CWnd* pWnd)
    : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}

// CRecordDC ---------------------------------------------------------------------

namespace platform {

CRecordDC::CRecordDC()
{
    Attach((new DeviceContext(DeviceContext::Kind::Record, nullptr))->Handle());
}

CRecordDC::~CRecordDC() = default;

const std::vector<GdiCall>& CRecordDC::Calls() const
{
    static const std::vector<GdiCall> none;
    DeviceContext* dc = DeviceContext::FromHandle(m_hDC);
    return dc ? dc->calls : none;
}

void CRecordDC::ClearCalls()
{
    if (DeviceContext* dc = DeviceContext::FromHandle(m_hDC))
        dc->calls.clear();
}

} // namespace platform
