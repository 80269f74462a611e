// The library's dialog templates, as the resource compiler gives them.
// Positions and sizes are dialog units of the template's font.
#include "ShapixResourceTables.h"

#include "platform/AfxMessages.h"

namespace shapix_resources {

namespace {

// The styles that the resource compiler gives the statements used here.
constexpr DWORD kModalDialog = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kEditText = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kDefPushButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kPushButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kLText = SS_LEFT | WS_GROUP | WS_VISIBLE;

// 1002: the value of a dimension link (CImpDigital).
platform::DialogTemplate ValueDialog()
{
    return { 1002, kModalDialog, 0, L"输入尺寸", 9, L"宋体", 0, 0, 122, 75,
        {
            { 1000, L"Edit", kEditText, 0, L"", 66, 19, 48, 12 },
            { IDOK, L"Button", kDefPushButton, 0, L"确定", 7, 54, 50, 14 },
            { IDCANCEL, L"Button", kPushButton, 0, L"取消", 65, 54, 50, 14 },
            { -1, L"Static", kLText, 0, L"输入新尺寸:", 8, 21, 45, 8 },
        } };
}

} // namespace

std::vector<platform::DialogTemplate> DialogTemplates()
{
    return { ValueDialog(), SideDialogTemplate() };
}

} // namespace shapix_resources
