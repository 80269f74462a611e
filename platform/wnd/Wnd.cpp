#include "AfxWnd.h"

#include "WindowRecord.h"
#include "platform/gdi/AfxDC.h"

#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

using platform::WindowRecord;

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {

struct MessageInFlight {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The messages being handled, innermost last: Default() passes the
// innermost one on, as MFC's thread state remembers the last sent message.
std::vector<MessageInFlight>& MessageStack()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* stack = new std::vector<MessageInFlight>;
    return *stack;
}

struct MessageScope {
    MessageScope(UINT message, WPARAM wParam, LPARAM lParam) { MessageStack().push_back({ message, wParam, lParam }); }
    ~MessageScope() { MessageStack().pop_back(); }
};

CPoint PointOf(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd) {
        WindowRecord* window = WindowRecord::FromHandle(m_hWnd);
        if (window && window->permanent == this) {
            // A window outliving its object would send messages to freed memory.
            DestroyWindow();
        }
    }
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    WindowRecord* window = WindowRecord::FromHandle(hWnd);
    return window ? window->permanent : nullptr;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    WindowRecord* window = WindowRecord::FromHandle(hWnd);
    if (!window)
        return nullptr;
    if (window->permanent)
        return window->permanent;
    if (!window->temporary) {
        window->temporary = std::make_unique<CWnd>();
        window->temporary->m_hWnd = hWnd;
    }
    return window->temporary.get();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    WindowRecord* window = WindowRecord::FromHandle(hWndNew);
    if (!window || m_hWnd || window->permanent)
        return FALSE;
    window->permanent = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (WindowRecord* window = WindowRecord::FromHandle(hWnd)) {
        if (window->permanent == this)
            window->permanent = nullptr;
    }
    m_hWnd = nullptr;
    return hWnd;
}

// From here on the window's messages reach this object's WindowProc; what
// it does not handle still goes to the class's procedure.
BOOL CWnd::SubclassWindow(HWND hWnd)
{
    return Attach(hWnd);
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (!pParent)
        return FALSE;
    HWND item = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    return Detach();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    const platform::WindowClass* windowClass = platform::FindWindowClass(lpszClassName ? lpszClassName : L"");
    if (!windowClass)
        return FALSE;
    WindowRecord* parent = WindowRecord::FromHandle(hWndParent);
    if (hWndParent && !parent)
        return FALSE;
    const int id = (dwStyle & WS_CHILD) ? static_cast<int>(reinterpret_cast<INT_PTR>(nIDorHMenu)) : 0;
    WindowRecord* window = platform::CreateWindowRecord(windowClass, dwExStyle, lpszWindowName ? lpszWindowName : L"",
        dwStyle, RECT { x, y, x + nWidth, y + nHeight }, parent, id);
    window->permanent = this;
    m_hWnd = window->Handle();

    CREATESTRUCT create {};
    create.lpCreateParams = lpParam;
    create.hMenu = nIDorHMenu;
    create.hwndParent = hWndParent;
    create.cx = nWidth;
    create.cy = nHeight;
    create.x = x;
    create.y = y;
    create.style = static_cast<LONG>(dwStyle);
    create.lpszName = lpszWindowName;
    create.lpszClass = lpszClassName;
    create.dwExStyle = dwExStyle;
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
    UINT nID, CCreateContext*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

DWORD CWnd::GetStyle() const
{
    WindowRecord* window = WindowRecord::FromHandle(m_hWnd);
    return window ? window->style : 0;
}

DWORD CWnd::GetExStyle() const
{
    WindowRecord* window = WindowRecord::FromHandle(m_hWnd);
    return window ? window->exStyle : 0;
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
    ::ValidateRect(m_hWnd, lpRect);
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase)
{
    return ::GetUpdateRect(m_hWnd, lpRect, bErase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

CDC* CWnd::GetDC()
{
    HDC hdc = ::GetDC(m_hWnd);
    return hdc ? CDC::FromHandle(hdc) : nullptr;
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* PASCAL CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    ::SetWindowTextW(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    ::GetWindowTextW(m_hWnd, buffer.data(), length + 1);
    rString = buffer.data();
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLengthW(m_hWnd);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageScope scope(message, wParam, lParam);
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY: {
        DefWindowProc(message, wParam, lParam);
        Detach();
        PostNcDestroy();
        return 0;
    }
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND: {
        CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        return OnEraseBkgnd(dc);
    }
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, PointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, PointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, PointOf(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(FromHandle(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    default:
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* window = WindowRecord::FromHandle(m_hWnd);
    return window ? platform::BuiltinWindowProc(*window, message, wParam, lParam) : 0;
}

LRESULT CWnd::Default()
{
    if (MessageStack().empty())
        return 0;
    const MessageInFlight current = MessageStack().back();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

void CWnd::PostNcDestroy() { }

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}

namespace {

int g_classRegistrations = 0;

} // namespace

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // MFC names the class after its attributes, so the same attributes
    // always give the same, already registered class.
    static thread_local wchar_t name[128];
    std::swprintf(name, 128, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(nullptr), nClassStyle,
        static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    if (!platform::FindWindowClass(name)) {
        platform::WindowClass cls;
        cls.name = name;
        cls.style = nClassStyle;
        cls.cursor = hCursor;
        cls.background = hbrBackground;
        cls.icon = hIcon;
        platform::RegisterWindowClass(cls);
        ++g_classRegistrations;
    }
    return name;
}

int platform::WndClassRegistrations()
{
    return g_classRegistrations;
}
