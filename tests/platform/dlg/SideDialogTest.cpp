// A notifying list box exchanged with DDX_Control and DDX_LBIndex, its
// LBN_SELCHANGE handled by a derived dialog through OnCommand.
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
    int m_nSideType = -1;
    CStringArray m_saSideTypes;
    int m_selectionChanges = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_lbSideType.ResetContent();
        for (INT_PTR i = 0; i < m_saSideTypes.GetSize(); ++i)
            m_lbSideType.AddString(m_saSideTypes[i]);
        m_lbSideType.SetCurSel(m_nSideType);
        UpdateData(TRUE);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, 1002, m_lbSideType);
        DDX_LBIndex(pDX, 1002, m_nSideType);
    }

    // The message-map pattern: this dialog's own notice here, the rest to the base.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == LBN_SELCHANGE && LOWORD(wParam) == 1002) {
            ++m_selectionChanges;
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

} // namespace

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
