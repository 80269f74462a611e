// Test templates modelled on the library's two dialogs, a module that holds
// them registered as an extension library, and a dialog whose exchange is
// given by the test.
#pragma once

#include "platform/dlg/DataExchange.h"
#include "platform/dlg/Dialog.h"
#include "platform/dlg/ListBox.h"
#include "platform/dlg/ModalSession.h"
#include "platform/res/AfxModule.h"

#include <gtest/gtest.h>

#include <functional>

namespace dialog_test {

constexpr WORD kValueDialog = 2002;
constexpr WORD kSideDialog = 2004;

// The styles the resource compiler gives these statements.
constexpr DWORD kDialogStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kEdit = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kLabel = SS_LEFT | WS_GROUP | WS_VISIBLE;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_VISIBLE;

// Like 1002 "输入尺寸": one edit, OK, Cancel, a label.
inline platform::DialogTemplate ValueTemplate()
{
    return { kValueDialog, kDialogStyle, 0, L"输入尺寸", 9, L"宋体", 0, 0, 122, 75,
        {
            { 1000, L"Edit", kEdit, 0, L"", 66, 19, 48, 12 },
            { IDOK, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, L"确定", 7, 54, 50, 14 },
            { IDCANCEL, L"Button", kPush, 0, L"取消", 65, 54, 50, 14 },
            { -1, L"Static", kLabel, 0, L"输入新尺寸:", 8, 21, 45, 8 },
        } };
}

// Like 1004 "当前边属性编辑", plus a second radio group (1008, 1009) that a
// group walk must not run into, and a disabled label.
inline platform::DialogTemplate SideTemplate()
{
    return { kSideDialog, kDialogStyle, 0, L"当前边属性编辑", 9, L"宋体", 0, 0, 209, 169,
        {
            { -1, L"Button", BS_GROUPBOX | WS_VISIBLE, 0, L"选择输入值类型", 7, 3, 190, 26 },
            { 1006, L"Button", kRadio | WS_GROUP, 0, L"半径", 21, 14, 32, 10 },
            { 1005, L"Button", kRadio, 0, L"拱高", 86, 14, 32, 10 },
            { 1007, L"Button", kRadio, 0, L"角度", 155, 14, 32, 10 },
            { -1, L"Button", BS_GROUPBOX | WS_VISIBLE, 0, L"属性值", 7, 30, 190, 117 },
            { -1, L"Static", kLabel, 0, L"半径:", 54, 41, 21, 8 },
            { 1004, L"Edit", kEdit, 0, L"", 80, 39, 107, 13 },
            { -1, L"Static", kLabel, 0, L"拱高:", 54, 57, 21, 8 },
            { 1003, L"Edit", kEdit, 0, L"", 80, 55, 107, 13 },
            { -1, L"Static", kLabel, 0, L"起点到终点角度:", 14, 73, 61, 8 },
            { 1001, L"Edit", kEdit, 0, L"", 80, 71, 107, 13 },
            { 1010, L"Static", kLabel | WS_DISABLED, 0, L"选择边类型:", 30, 96, 45, 8 },
            { 1002, L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE, 0,
                L"", 80, 87, 107, 55 },
            { 1008, L"Button", kRadio | WS_GROUP, 0, L"甲", 7, 149, 30, 10 },
            { 1009, L"Button", kRadio, 0, L"乙", 40, 149, 30, 10 },
            { IDOK, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE | WS_GROUP, 0, L"确认", 83, 149, 50, 15 },
            { IDCANCEL, L"Button", kPush, 0, L"取消", 138, 149, 50, 15 },
        } };
}

// A module holding both templates, in the library chain for the test's
// lifetime; the modal driver is removed at the end.
class ModalDialogTest : public testing::Test {
protected:
    ModalDialogTest()
    {
        m_module.AddDialog(ValueTemplate());
        m_module.AddDialog(SideTemplate());
        AfxInitExtensionModule(m_extension, m_module.Handle());
        new CDynLinkLibrary(m_extension);
    }
    ~ModalDialogTest() override
    {
        platform::SetModalDriver(nullptr);
        AfxTermExtensionModule(m_extension);
    }

    platform::ResourceModule m_module { L"dialog tests" };
    AFX_EXTENSION_MODULE m_extension {};
};

// A dialog whose DoDataExchange is the test's.
class CExchangeTestDlg : public CDialog {
public:
    explicit CExchangeTestDlg(UINT nIDTemplate, CWnd* pParent = nullptr)
        : CDialog(nIDTemplate, pParent)
    {
    }
    std::function<void(CDataExchange*)> exchange;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (exchange)
            exchange(pDX);
    }
};

} // namespace dialog_test
