// Window records, classes, geometry, invalidation and capture.
#include "WindowRecord.h"

#include "AfxWnd.h"
#include "Win32Window.h"
#include "platform/gdi/DeviceContext.h"

#include <algorithm>
#include <map>
#include <unordered_set>

namespace platform {

namespace {

std::vector<WindowRecord*>& Windows()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* windows = new std::vector<WindowRecord*>;
    return *windows;
}

std::unordered_set<const WindowRecord*>& LiveWindows()
{
    // Never destroyed: windows, objects and wrappers may outlive static destruction.
    static auto* live = new std::unordered_set<const WindowRecord*>;
    return *live;
}

std::map<std::wstring, WindowClass>& Classes()
{
    // Never destroyed: windows point at their class.
    static auto* classes = [] {
        auto* builtins = new std::map<std::wstring, WindowClass>;
        for (const auto& [name, kind] : { std::pair { L"Button", BuiltinClass::Button },
                 std::pair { L"Edit", BuiltinClass::Edit }, std::pair { L"Static", BuiltinClass::Static },
                 std::pair { L"ListBox", BuiltinClass::ListBox }, std::pair { L"#32770", BuiltinClass::Dialog } }) {
            WindowClass cls;
            cls.name = name;
            cls.builtin = kind;
            (*builtins)[name] = cls;
        }
        return builtins;
    }();
    return *classes;
}

HWND g_capture = nullptr;

std::wstring Lower(const std::wstring& s)
{
    std::wstring out(s);
    for (wchar_t& ch : out) {
        if (ch >= L'A' && ch <= L'Z')
            ch = static_cast<wchar_t>(ch - L'A' + L'a');
    }
    return out;
}

} // namespace

WindowRecord* WindowRecord::FromHandle(HWND hwnd)
{
    auto* window = reinterpret_cast<WindowRecord*>(hwnd);
    return LiveWindows().count(window) ? window : nullptr;
}

// Non-client edges, each on every side: a client edge is 2 pixels, a static
// edge and a thin border 1 pixel.
int WindowRecord::Border() const
{
    int border = 0;
    if (exStyle & WS_EX_CLIENTEDGE)
        border += 2;
    if (exStyle & WS_EX_STATICEDGE)
        border += 1;
    if (style & WS_BORDER)
        border += 1;
    return border;
}

RECT WindowRecord::ClientRect() const
{
    const int border = Border();
    const int width = std::max(0, static_cast<int>(rect.right - rect.left) - 2 * border);
    const int height = std::max(0, static_cast<int>(rect.bottom - rect.top) - 2 * border);
    return RECT { 0, 0, width, height };
}

POINT WindowRecord::ClientOriginOnScreen() const
{
    POINT origin { rect.left + Border(), rect.top + Border() };
    if (parent && (style & WS_CHILD)) {
        const POINT parentOrigin = parent->ClientOriginOnScreen();
        origin.x += parentOrigin.x;
        origin.y += parentOrigin.y;
    }
    return origin;
}

const std::vector<WindowRecord*>& AllWindows()
{
    return Windows();
}

// Class names compare without regard to case, as Windows compares them.
const WindowClass* FindWindowClass(const std::wstring& name)
{
    for (const auto& [key, cls] : Classes()) {
        if (Lower(key) == Lower(name))
            return &cls;
    }
    return nullptr;
}

const WindowClass* RegisterWindowClass(const WindowClass& windowClass)
{
    if (const WindowClass* existing = FindWindowClass(windowClass.name))
        return existing;
    WindowClass& stored = Classes()[windowClass.name];
    stored = windowClass;
    return &stored;
}

WindowRecord* CreateWindowRecord(const WindowClass* windowClass, DWORD exStyle, const std::wstring& text,
    DWORD style, const RECT& rect, WindowRecord* parent, int id)
{
    auto* window = new WindowRecord;
    window->windowClass = windowClass;
    window->exStyle = exStyle;
    window->text = text;
    window->style = style;
    window->rect = rect;
    window->parent = parent;
    window->id = id;
    const RECT client = window->ClientRect();
    window->client = raster::Surface(client.right, client.bottom, 0xFFFFFF);
    Windows().push_back(window);
    LiveWindows().insert(window);
    if (parent)
        parent->children.push_back(window);
    return window;
}

void DestroyWindowRecord(WindowRecord* window)
{
    if (!window || !LiveWindows().count(window))
        return;
    // Children go first, last created first.
    while (!window->children.empty())
        ::DestroyWindow(window->children.back()->Handle());
    if (g_capture == window->Handle())
        g_capture = nullptr;
    if (window->parent) {
        auto& siblings = window->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    auto& all = Windows();
    all.erase(std::remove(all.begin(), all.end(), window), all.end());
    LiveWindows().erase(window);
    if (window->temporary)
        window->temporary->m_hWnd = nullptr;
    delete window;
}

void PumpMessages()
{
    // Copy: a paint may create or destroy windows.
    const std::vector<WindowRecord*> windows = Windows();
    for (WindowRecord* window : windows) {
        if (LiveWindows().count(window) && window->updatePending)
            ::UpdateWindow(window->Handle());
    }
}

HWND& CaptureHandle()
{
    return g_capture;
}

} // namespace platform

using platform::WindowRecord;

namespace {

WindowRecord* Record(HWND hwnd)
{
    return WindowRecord::FromHandle(hwnd);
}

} // namespace

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return 0;
    if (window->permanent)
        return window->permanent->WindowProc(message, wParam, lParam);
    return platform::BuiltinWindowProc(*window, message, wParam, lParam);
}

BOOL IsWindow(HWND hwnd)
{
    return Record(hwnd) != nullptr;
}

BOOL DestroyWindow(HWND hwnd)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return FALSE;
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    if (!Record(hwnd))
        return TRUE;
    while (!window->children.empty())
        DestroyWindow(window->children.back()->Handle());
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    platform::DestroyWindowRecord(Record(hwnd));
    return TRUE;
}

HWND GetParent(HWND hwnd)
{
    WindowRecord* window = Record(hwnd);
    return window && window->parent ? window->parent->Handle() : nullptr;
}

HWND GetDlgItem(HWND hDlg, int id)
{
    WindowRecord* dialog = Record(hDlg);
    if (!dialog)
        return nullptr;
    for (WindowRecord* child : dialog->children) {
        if (child->id == id)
            return child->Handle();
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd)
{
    WindowRecord* window = Record(hwnd);
    return window ? window->id : 0;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    WindowRecord* window = Record(hwnd);
    if (!window || !rect)
        return FALSE;
    *rect = window->ClientRect();
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    WindowRecord* window = Record(hwnd);
    if (!window || !rect)
        return FALSE;
    const POINT origin = window->ClientOriginOnScreen();
    const int border = window->Border();
    *rect = RECT { origin.x - border, origin.y - border, origin.x - border + (window->rect.right - window->rect.left),
        origin.y - border + (window->rect.bottom - window->rect.top) };
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point)
{
    WindowRecord* window = Record(hwnd);
    if (!window || !point)
        return FALSE;
    const POINT origin = window->ClientOriginOnScreen();
    point->x = platform::WrapAdd(point->x, origin.x);
    point->y = platform::WrapAdd(point->y, origin.y);
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point)
{
    WindowRecord* window = Record(hwnd);
    if (!window || !point)
        return FALSE;
    const POINT origin = window->ClientOriginOnScreen();
    point->x = platform::WrapSub(point->x, origin.x);
    point->y = platform::WrapSub(point->y, origin.y);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return FALSE;
    window->rect = RECT { x, y, x + width, y + height };
    const RECT client = window->ClientRect();
    if (client.right != window->client.Width() || client.bottom != window->client.Height())
        window->client = platform::raster::Surface(client.right, client.bottom, 0xFFFFFF);
    SendMessageW(hwnd, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    if (repaint)
        InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

// The update region is kept as its bounding box, which is what
// GetUpdateRect reports and what a paint DC clips to.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return FALSE;
    RECT area = window->ClientRect();
    if (rect)
        IntersectRect(&area, &area, rect);
    if (!IsRectEmpty(&area)) {
        if (window->updatePending)
            UnionRect(&window->update, &window->update, &area);
        else
            window->update = area;
        window->updatePending = true;
    }
    if (erase && window->updatePending)
        window->erasePending = true;
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return FALSE;
    // Only a validation that covers the whole box can be kept exactly.
    RECT covered;
    if (!rect || (IntersectRect(&covered, &window->update, rect) && EqualRect(&covered, &window->update))) {
        window->updatePending = false;
        window->erasePending = false;
        SetRectEmpty(&window->update);
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return FALSE;
    if (rect)
        *rect = window->updatePending ? window->update : RECT { 0, 0, 0, 0 };
    if (erase && window->updatePending && window->erasePending) {
        window->erasePending = false;
        HDC hdc = GetDC(hwnd);
        SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
        ReleaseDC(hwnd, hdc);
    }
    return window->updatePending ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return FALSE;
    if (window->updatePending)
        SendMessageW(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

HWND SetCapture(HWND hwnd)
{
    HWND previous = platform::CaptureHandle();
    if (!Record(hwnd))
        return previous;
    platform::CaptureHandle() = hwnd;
    if (previous && previous != hwnd)
        SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

HWND GetCapture()
{
    return platform::CaptureHandle();
}

BOOL ReleaseCapture()
{
    HWND previous = platform::CaptureHandle();
    platform::CaptureHandle() = nullptr;
    if (previous)
        SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return FALSE;
    const BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable)
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    else
        window->style |= static_cast<DWORD>(WS_DISABLED);
    if (wasDisabled != (enable ? FALSE : TRUE))
        SendMessageW(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    WindowRecord* window = Record(hwnd);
    return window && !(window->style & WS_DISABLED);
}

BOOL IsWindowVisible(HWND hwnd)
{
    for (WindowRecord* window = Record(hwnd); window; window = window->parent) {
        if (!(window->style & WS_VISIBLE))
            return FALSE;
    }
    return Record(hwnd) != nullptr;
}

BOOL ShowWindow(HWND hwnd, int command)
{
    WindowRecord* window = Record(hwnd);
    if (!window)
        return FALSE;
    const BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
    if (command == SW_HIDE)
        window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    else
        window->style |= static_cast<DWORD>(WS_VISIBLE);
    return wasVisible;
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text)
{
    return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND hwnd, LPWSTR buffer, int maxCount)
{
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND hwnd)
{
    return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL CheckDlgButton(HWND hDlg, int id, UINT check)
{
    HWND button = GetDlgItem(hDlg, id);
    if (!button)
        return FALSE;
    SendMessageW(button, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int id)
{
    HWND button = GetDlgItem(hDlg, id);
    return button ? static_cast<UINT>(SendMessageW(button, BM_GETCHECK, 0, 0)) : 0;
}
