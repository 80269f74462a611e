#include "DialogBuilder.h"

#include "platform/wnd/AfxWnd.h"
#include "platform/wnd/WindowRecord.h"

#include <cstdlib>

namespace platform {

namespace {

// Win32 MulDiv: the 64-bit product divided with rounding half away from zero.
int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    long long product = static_cast<long long>(number) * numerator;
    long long divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : -((-product + half) / divisor));
}

bool IsFace(const std::wstring& face, std::initializer_list<const wchar_t*> names)
{
    for (const wchar_t* name : names) {
        if (face == name)
            return true;
    }
    return false;
}

constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;

} // namespace

SIZE DialogBaseUnits(const DialogTemplate& dialogTemplate)
{
    if (!(dialogTemplate.style & DS_SETFONT))
        return SIZE { 8, 16 };
    const int pointSize = dialogTemplate.pointSize;
    if (pointSize == 8
        && IsFace(dialogTemplate.faceName,
            { L"MS Shell Dlg", L"MS Shell Dlg 2", L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma" }))
        return SIZE { 6, 13 };
    const int height = MulDiv(pointSize, kScreenDpi, kPointsPerInch);
    return SIZE { height / 2, height };
}

RECT DialogUnitsToPixels(short x, short y, short cx, short cy, SIZE baseUnits)
{
    const int left = MulDiv(x, baseUnits.cx, 4);
    const int top = MulDiv(y, baseUnits.cy, 8);
    return RECT { left, top, left + MulDiv(cx, baseUnits.cx, 4), top + MulDiv(cy, baseUnits.cy, 8) };
}

bool CreateDialogWindow(CWnd& dialog, const DialogTemplate& dialogTemplate, HWND owner)
{
    const WindowClass* dialogClass = FindWindowClass(L"#32770");
    for (const DialogItem& item : dialogTemplate.items) {
        if (!FindWindowClass(item.className))
            return false;
    }

    const SIZE baseUnits = DialogBaseUnits(dialogTemplate);
    const DWORD style = dialogTemplate.style;
    const DWORD exStyle = dialogTemplate.exStyle | ((style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    RECT rect = DialogUnitsToPixels(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy, baseUnits);
    if (WindowRecord* ownerWindow = WindowRecord::FromHandle(owner)) {
        const POINT origin = ownerWindow->ClientOriginOnScreen();
        OffsetRect(&rect, origin.x, origin.y);
    }
    // The template sizes the client area; the frame comes on top of it.
    WindowRecord frame;
    frame.style = style;
    frame.exStyle = exStyle;
    const int border = frame.Border();
    rect.right += 2 * border;
    rect.bottom += 2 * border;

    WindowRecord* window = CreateWindowRecord(dialogClass, exStyle, dialogTemplate.caption, style, rect, nullptr, 0);
    dialog.Attach(window->Handle());

    CREATESTRUCT create {};
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.right - rect.left;
    create.cy = rect.bottom - rect.top;
    create.style = static_cast<LONG>(style);
    create.dwExStyle = exStyle;
    create.lpszName = dialogTemplate.caption.c_str();
    create.lpszClass = L"#32770";
    create.hwndParent = owner;
    if (dialog.SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        dialog.DestroyWindow();
        return false;
    }

    for (const DialogItem& item : dialogTemplate.items) {
        const RECT itemRect = DialogUnitsToPixels(item.x, item.y, item.cx, item.cy, baseUnits);
        CreateWindowRecord(FindWindowClass(item.className), item.exStyle, item.text, item.style | WS_CHILD, itemRect,
            window, item.id);
    }
    return true;
}

} // namespace platform
