// Template 1004, "当前边属性编辑": the side dialog (CEditSideDlg), as the
// resource compiler gives it. Positions and sizes are dialog units of the
// template's font.
#include "ShapixResourceTables.h"

#include "platform/AfxMessages.h"

namespace shapix_resources {

namespace {

// The styles that the resource compiler gives the statements used here.
constexpr DWORD kModalDialog = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kGroupBox = BS_GROUPBOX | WS_VISIBLE;
constexpr DWORD kAutoRadio = BS_AUTORADIOBUTTON | WS_VISIBLE;
constexpr DWORD kLText = SS_LEFT | WS_GROUP | WS_VISIBLE;
constexpr DWORD kEditText = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
// Unsorted: the side types must keep the host's order, because the list
// index is what the outline stores as a side's type.
constexpr DWORD kSideTypeList = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kDefPushButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kPushButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;

} // namespace

// The three radio buttons form one group from 1006 to the next WS_GROUP
// control (the first label), so their indices follow the template order:
// 1006 "半径" 0, 1005 "拱高" 1, 1007 "角度" 2.
platform::DialogTemplate SideDialogTemplate()
{
    return { 1004, kModalDialog, 0, L"当前边属性编辑", 9, L"宋体", 0, 0, 209, 169,
        {
            { -1, L"Button", kGroupBox, 0, L"选择输入值类型", 7, 3, 190, 26 },
            { 1006, L"Button", kAutoRadio | WS_GROUP, 0, L"半径", 21, 14, 32, 10 },
            { 1005, L"Button", kAutoRadio, 0, L"拱高", 86, 14, 32, 10 },
            { 1007, L"Button", kAutoRadio, 0, L"角度", 155, 14, 32, 10 },
            { -1, L"Button", kGroupBox, 0, L"属性值", 7, 30, 190, 117 },
            { -1, L"Static", kLText, 0, L"半径:", 54, 41, 21, 8 },
            { 1004, L"Edit", kEditText, 0, L"", 80, 39, 107, 13 },
            { -1, L"Static", kLText, 0, L"拱高:", 54, 57, 21, 8 },
            { 1003, L"Edit", kEditText, 0, L"", 80, 55, 107, 13 },
            { -1, L"Static", kLText, 0, L"起点到终点角度:", 14, 73, 61, 8 },
            { 1001, L"Edit", kEditText, 0, L"", 80, 71, 107, 13 },
            { -1, L"Static", kLText, 0, L"选择边类型:", 30, 96, 45, 8 },
            { 1002, L"ListBox", kSideTypeList, 0, L"", 80, 87, 107, 55 },
            { IDOK, L"Button", kDefPushButton, 0, L"确认", 83, 149, 50, 15 },
            { IDCANCEL, L"Button", kPushButton, 0, L"取消", 138, 149, 50, 15 },
        } };
}

} // namespace shapix_resources
