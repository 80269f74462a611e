#include "EditSideDlg.h"

#include "platform/AfxMessages.h"

CEditSideDlg::CEditSideDlg(CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_dAngle(0.0)
    , m_nSideType(-1)
    , m_dArch(0.0)
    , m_dRadius(0.0)
    , m_nValueType(valueAngle)
{
}

// All three numbers are exchanged whatever the value type: a disabled edit
// still holds its last valid number, and the caller ignores the two that do
// not belong to the chosen type.
void CEditSideDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kSideTypeList, m_lbSideType);
    DDX_Text(pDX, kAngleEdit, m_dAngle);
    DDX_LBIndex(pDX, kSideTypeList, m_nSideType);
    DDX_Text(pDX, kArchEdit, m_dArch);
    DDX_Text(pDX, kRadiusEdit, m_dRadius);
    DDX_Radio(pDX, kRadiusRadio, m_nValueType);
}

BOOL CEditSideDlg::OnInitDialog()
{
    // The list is still empty when the base loads the members, so the
    // selection is made again once the names are in.
    if (!CDialog::OnInitDialog())
        return FALSE;

    for (int i = m_lbSideType.GetCount() - 1; i >= 0; --i)
        m_lbSideType.DeleteString(static_cast<UINT>(i));
    for (INT_PTR i = 0; i < m_saSideTypes.GetSize(); ++i)
        m_lbSideType.AddString(m_saSideTypes[i]);

    // A side without a type opens on the first name. An index past the end
    // leaves the list without selection, and reading back turns it into -1.
    if (m_nSideType == -1)
        m_nSideType = 0;
    m_lbSideType.SetCurSel(m_nSideType);
    UpdateData(TRUE);
    EnableValueEdit();
    return TRUE;
}

BOOL CEditSideDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (id == kRadiusRadio || id == kArchRadio || id == kAngleRadio)) {
        OnValueType();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

// When reading back fails (text that is no number), the radio group is not
// read and m_nValueType keeps the type whose edit holds the bad text, so
// that edit stays enabled and the user can correct it.
void CEditSideDlg::OnValueType()
{
    UpdateData(TRUE);
    EnableValueEdit();
}

void CEditSideDlg::EnableValueEdit()
{
    GetDlgItem(kRadiusEdit)->EnableWindow(m_nValueType == valueRadius);
    GetDlgItem(kArchEdit)->EnableWindow(m_nValueType == valueArch);
    GetDlgItem(kAngleEdit)->EnableWindow(m_nValueType == valueAngle);
}
