#include "ImpDigital.h"

#include "platform/AfxRuntime.h"

CImpDigital::CImpDigital(const CString& text, CWnd* pParent)
    : CDialog(IDD, pParent)
    , m_dValue(0.0)
{
    m_dValue = _wtof(text);
}

void CImpDigital::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kValueEdit, m_dValue);
}
