// A dialog shaped like the side dialog: radio buttons whose BN_CLICKED a
// derived dialog handles through OnCommand, a notifying list box exchanged
// with DDX_Control and DDX_LBIndex, and edits enabled by the value type.
#include "DialogTestSupport.h"

#include "platform/AfxCollections.h"

using dialog_test::ModalDialogTest;
using dialog_test::kSideDialog;
using platform::ModalSession;

namespace {

class CSideTestDlg : public CDialog {
public:
    CSideTestDlg()
        : CDialog(kSideDialog)
    {
    }

    CListBox m_lbSideType;
    double m_dAngle = 0.0;
    int m_nSideType = -1;
    double m_dArch = 0.0;
    int m_nValueType = 2;
    CStringArray m_saSideTypes;
    int m_selectionChanges = 0;
    int m_valueTypeClicks = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_lbSideType.ResetContent();
        for (INT_PTR i = 0; i < m_saSideTypes.GetSize(); ++i)
            m_lbSideType.AddString(m_saSideTypes[i]);
        m_lbSideType.SetCurSel(m_nSideType);
        UpdateData(TRUE);
        EnableEdits();
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, 1002, m_lbSideType);
        DDX_Text(pDX, 1001, m_dAngle);
        DDX_LBIndex(pDX, 1002, m_nSideType);
        DDX_Text(pDX, 1003, m_dArch);
        DDX_Radio(pDX, 1006, m_nValueType);
    }

    // The message-map pattern: this dialog's own buttons here, the rest
    // (OK, Cancel) to the base.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (code == BN_CLICKED && (id == 1006 || id == 1005 || id == 1007)) {
            ++m_valueTypeClicks;
            UpdateData(TRUE);
            EnableEdits();
            return TRUE;
        }
        if (code == LBN_SELCHANGE && id == 1002) {
            ++m_selectionChanges;
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }

private:
    void EnableEdits()
    {
        GetDlgItem(1004)->EnableWindow(m_nValueType == 0);
        GetDlgItem(1003)->EnableWindow(m_nValueType == 1);
        GetDlgItem(1001)->EnableWindow(m_nValueType == 2);
    }
};

} // namespace

TEST_F(ModalDialogTest, RadioClicksReachTheDerivedHandlerWhichEnablesTheEdits)
{
    CSideTestDlg dlg;
    dlg.m_dAngle = 90;
    platform::SetModalDriver([&](ModalSession& session) {
        {
            SCOPED_TRACE("opened on the angle");
            EXPECT_TRUE(session.IsChecked(1007));
            EXPECT_TRUE(session.IsEnabled(1001));
            EXPECT_FALSE(session.IsEnabled(1003) || session.IsEnabled(1004));
            EXPECT_EQ(session.GetText(1001), L"90");
        }
        session.Click(1005);
        {
            SCOPED_TRACE("after choosing the arch height");
            EXPECT_EQ(dlg.m_valueTypeClicks, 1);
            EXPECT_TRUE(session.IsChecked(1005));
            EXPECT_FALSE(session.IsChecked(1007));
            EXPECT_TRUE(session.IsEnabled(1003));
            EXPECT_FALSE(session.IsEnabled(1001));
        }
        session.SetText(1001, L"45"); // disabled: the user cannot type there
        session.SetText(1003, L"50");
        session.Click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nValueType, 1);
    EXPECT_EQ(dlg.m_dArch, 50.0);
    EXPECT_EQ(dlg.m_dAngle, 90.0);
}

TEST_F(ModalDialogTest, TheListIsSubclassedForTheDialogsLifeAndItsSelectionExchanged)
{
    CSideTestDlg dlg;
    for (const wchar_t* type : { L"直线", L"圆弧", L"折弯" })
        dlg.m_saSideTypes.Add(type);
    dlg.m_nSideType = 5; // beyond the list: opens without a selection
    platform::SetModalDriver([&](ModalSession& session) {
        EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(session.Dialog().m_hWnd, 1002)), &dlg.m_lbSideType);
        EXPECT_EQ(session.ListItems(1002), (std::vector<std::wstring> { L"直线", L"圆弧", L"折弯" }));
        EXPECT_EQ(session.ListSelection(1002), LB_ERR);
        EXPECT_EQ(dlg.m_nSideType, -1) << "OnInitDialog read the empty selection back";

        session.SelectListItem(1002, 7); // no such item
        EXPECT_EQ(dlg.m_selectionChanges, 0);
        session.SelectListItem(1002, 2);
        EXPECT_EQ(dlg.m_selectionChanges, 1);
        CString text;
        dlg.m_lbSideType.GetText(2, text);
        EXPECT_EQ(text, L"折弯");
        EXPECT_THROW(dlg.m_lbSideType.GetText(3, text), CInvalidArgException*);
        session.Click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nSideType, 2);
    EXPECT_EQ(dlg.m_lbSideType.m_hWnd, nullptr) << "detached when the dialog is destroyed";

    SCOPED_TRACE("a second run subclasses the new list");
    platform::SetModalDriver([&](ModalSession& session) {
        EXPECT_EQ(session.ListSelection(1002), 2);
        EXPECT_NE(dlg.m_lbSideType.m_hWnd, nullptr);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}
