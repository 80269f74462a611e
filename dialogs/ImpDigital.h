// CImpDigital: "输入尺寸", the dialog in which the user types the value of
// a dimension link.
#pragma once

#include "platform/dlg/DataExchange.h"
#include "platform/dlg/Dialog.h"

class CImpDigital : public CDialog {
public:
    enum { IDD = 1002 };
    static constexpr int kValueEdit = 1000;

    // Opens on the number the text starts with; text that is no number
    // shows 0.
    CImpDigital(const CString& text, CWnd* pParent);

    double m_dValue;

protected:
    // Text that is no number is refused by the framework's own prompt and
    // the dialog stays open.
    void DoDataExchange(CDataExchange* pDX) override;
};
