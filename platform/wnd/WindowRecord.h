// The headless window system: the record behind every HWND, the window
// classes, the mouse capture and the virtual screen.
//
// Windows are synchronous: SendMessage calls the window's procedure at
// once. A window created through a CWnd sends its messages to that CWnd's
// WindowProc; a control created from a dialog template has no CWnd until
// one subclasses it, and is served by its class's own procedure (button,
// edit, static, list box), as Windows' built-in classes are.
#pragma once

#include "platform/AfxGeometry.h"
#include "platform/AfxMessages.h"
#include "platform/raster/Raster.h"

#include <memory>
#include <string>
#include <vector>

class CWnd;

namespace platform {

enum class BuiltinClass { None, Button, Edit, Static, ListBox, Dialog };

struct WindowClass {
    std::wstring name;
    UINT style = 0;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
    BuiltinClass builtin = BuiltinClass::None;
};

struct WindowRecord {
    HWND Handle() { return reinterpret_cast<HWND>(this); }
    static WindowRecord* FromHandle(HWND hwnd);

    const WindowClass* windowClass = nullptr;
    CWnd* permanent = nullptr; // the CWnd that owns the window, or that subclassed it
    std::unique_ptr<CWnd> temporary; // what CWnd::FromHandle hands out otherwise
    WindowRecord* parent = nullptr;
    std::vector<WindowRecord*> children; // in creation (z) order
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    std::wstring text;
    RECT rect { 0, 0, 0, 0 }; // window rectangle: parent's client coordinates, or the screen's
    raster::Surface client; // the client area as last painted

    bool updatePending = false;
    RECT update { 0, 0, 0, 0 }; // bounding box of the invalid area
    bool erasePending = false;

    // Built-in control state.
    int check = 0; // BST_UNCHECKED / BST_CHECKED
    std::vector<std::wstring> listItems;
    int listSelection = -1;

    int Border() const;
    RECT ClientRect() const; // (0, 0, width, height)
    POINT ClientOriginOnScreen() const;
};

// Every live window, in creation order.
const std::vector<WindowRecord*>& AllWindows();

const WindowClass* FindWindowClass(const std::wstring& name);
const WindowClass* RegisterWindowClass(const WindowClass& windowClass);

// The procedure of the window's class, for messages no CWnd handles.
LRESULT BuiltinWindowProc(WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam);

// The window that holds the mouse capture, or null.
HWND& CaptureHandle();

WindowRecord* CreateWindowRecord(const WindowClass* windowClass, DWORD exStyle, const std::wstring& text,
    DWORD style, const RECT& rect, WindowRecord* parent, int id);
void DestroyWindowRecord(WindowRecord* window);

} // namespace platform
