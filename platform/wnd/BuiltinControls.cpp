// The procedures of the built-in window classes: what Windows' own button,
// edit, static, list box and dialog classes do with the messages the
// library sends them.
#include "WindowRecord.h"

#include "Win32Window.h"
#include "platform/gdi/DeviceContext.h"

#include <algorithm>
#include <cwchar>

namespace platform {

namespace {

bool IsAutoRadio(const WindowRecord& window)
{
    return window.windowClass && window.windowClass->builtin == BuiltinClass::Button
        && (window.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// The radio buttons of the group around a button: back to the sibling that
// starts the group (WS_GROUP), forward up to the next one that starts another.
std::vector<WindowRecord*> RadioGroup(WindowRecord& button)
{
    std::vector<WindowRecord*> group;
    if (!button.parent)
        return group;
    const auto& siblings = button.parent->children;
    auto it = std::find(siblings.begin(), siblings.end(), &button);
    while (it != siblings.begin() && !((*it)->style & WS_GROUP))
        --it;
    for (auto member = it; member != siblings.end(); ++member) {
        if (member != it && ((*member)->style & WS_GROUP))
            break;
        if (IsAutoRadio(**member))
            group.push_back(*member);
    }
    return group;
}

void NotifyParent(WindowRecord& window, WORD code)
{
    if (window.parent)
        SendMessageW(window.parent->Handle(), WM_COMMAND, MAKEWPARAM(window.id, code),
            reinterpret_cast<LPARAM>(window.Handle()));
}

LRESULT ButtonProc(WindowRecord& window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case BM_GETCHECK:
        return window.check;
    case BM_SETCHECK:
        window.check = static_cast<int>(wParam);
        return 0;
    case BM_CLICK:
        if (window.style & WS_DISABLED)
            return 0;
        // An auto radio button checks itself and clears the rest of its group.
        if (IsAutoRadio(window)) {
            for (WindowRecord* member : RadioGroup(window))
                member->check = (member == &window) ? BST_CHECKED : BST_UNCHECKED;
        } else if ((window.style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            window.check = window.check ? BST_UNCHECKED : BST_CHECKED;
        }
        NotifyParent(window, BN_CLICKED);
        return 0;
    default:
        return 0;
    }
}

LRESULT ListBoxProc(WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& items = window.listItems;
    const auto count = static_cast<LRESULT>(items.size());
    const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
    switch (message) {
    case LB_ADDSTRING:
        items.emplace_back(lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"");
        return count;
    case LB_DELETESTRING:
        if (index < 0 || index >= count)
            return LB_ERR;
        items.erase(items.begin() + index);
        if (window.listSelection == index)
            window.listSelection = -1;
        else if (window.listSelection > index)
            --window.listSelection;
        return count - 1;
    case LB_RESETCONTENT:
        items.clear();
        window.listSelection = -1;
        return 0;
    case LB_GETCOUNT:
        return count;
    case LB_SETCURSEL:
        // An index outside the list clears the selection and reports LB_ERR.
        if (index < 0 || index >= count) {
            window.listSelection = -1;
            return LB_ERR;
        }
        window.listSelection = static_cast<int>(index);
        return index;
    case LB_GETCURSEL:
        return window.listSelection;
    case LB_GETTEXTLEN:
        if (index < 0 || index >= count)
            return LB_ERR;
        return static_cast<LRESULT>(items[static_cast<size_t>(index)].size());
    case LB_GETTEXT:
        if (index < 0 || index >= count || !lParam)
            return LB_ERR;
        std::wcscpy(reinterpret_cast<LPWSTR>(lParam), items[static_cast<size_t>(index)].c_str());
        return static_cast<LRESULT>(items[static_cast<size_t>(index)].size());
    default:
        return 0;
    }
}

// DefDlgProc: closing a dialog clicks its Cancel button, unless that button
// is disabled, so the dialog decides in OnCancel.
LRESULT DialogProc(WindowRecord& window, UINT message)
{
    if (message == WM_CLOSE) {
        HWND cancel = GetDlgItem(window.Handle(), IDCANCEL);
        if (!cancel || IsWindowEnabled(cancel))
            SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    }
    return 0;
}

} // namespace

LRESULT BuiltinWindowProc(WindowRecord& window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        window.text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"";
        return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        const auto maxCount = static_cast<size_t>(wParam);
        if (!buffer || maxCount == 0)
            return 0;
        const size_t n = std::min(window.text.size(), maxCount - 1);
        std::wmemcpy(buffer, window.text.c_str(), n);
        buffer[n] = L'\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window.text.size());
    case WM_PAINT: {
        // A window that does not paint is validated all the same.
        PAINTSTRUCT paint;
        BeginPaint(window.Handle(), &paint);
        EndPaint(window.Handle(), &paint);
        return 0;
    }
    case WM_ERASEBKGND: {
        if (!window.windowClass || !window.windowClass->background)
            return 0;
        HDC hdc = reinterpret_cast<HDC>(wParam);
        DeviceContext* dc = DeviceContext::FromHandle(hdc);
        if (raster::Surface* target = dc ? dc->Target() : nullptr) {
            const RECT client = window.ClientRect();
            raster::FillSolidRect(*target, client, BrushSpecOf(window.windowClass->background).color);
        }
        return 1;
    }
    default:
        break;
    }
    if (!window.windowClass)
        return 0;
    switch (window.windowClass->builtin) {
    case BuiltinClass::Button:
        return ButtonProc(window, message, wParam, lParam);
    case BuiltinClass::ListBox:
        return ListBoxProc(window, message, wParam, lParam);
    case BuiltinClass::Dialog:
        return DialogProc(window, message);
    default:
        return 0;
    }
}

} // namespace platform
