// CEditSideDlg: "当前边属性编辑", the dialog in which the user sets a side's
// sweep angle directly or through a radius or an arch height, and picks the
// side's type from the names the host supplied.
#pragma once

#include "platform/AfxCollections.h"
#include "platform/dlg/DataExchange.h"
#include "platform/dlg/Dialog.h"
#include "platform/dlg/ListBox.h"

class CEditSideDlg : public CDialog {
public:
    enum { IDD = 1004 };
    static constexpr int kAngleEdit = 1001;
    static constexpr int kSideTypeList = 1002;
    static constexpr int kArchEdit = 1003;
    static constexpr int kRadiusEdit = 1004;
    static constexpr int kArchRadio = 1005;
    static constexpr int kRadiusRadio = 1006; // first of the radio group
    static constexpr int kAngleRadio = 1007;

    // What m_nValueType holds: the radio index in template order.
    enum ValueType { valueRadius = 0, valueArch = 1, valueAngle = 2 };

    explicit CEditSideDlg(CWnd* pParent = nullptr);

    // Declaration order is exchange order (see DoDataExchange).
    CListBox m_lbSideType;
    double m_dAngle; // sweep in degrees, start to end
    int m_nSideType; // index into m_saSideTypes; -1 for none
    double m_dArch;
    double m_dRadius;
    int m_nValueType; // ValueType; opens on the angle
    CStringArray m_saSideTypes;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The message map: BN_CLICKED of the three radio buttons goes to
    // OnValueType, everything else to CDialog (OK, Cancel).
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnValueType();

private:
    void EnableValueEdit();
};
