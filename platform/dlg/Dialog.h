// CDialog: a modal dialog made from a dialog template resource.
//
// DoModal loads the template, creates the dialog window and its controls,
// sends WM_INITDIALOG (OnInitDialog) and then hands the dialog to the modal
// driver (ModalSession.h), which plays the user. EndDialog, usually from
// OnOK or OnCancel, ends the modal loop; DoModal then destroys the window
// and returns the code given to EndDialog.
#pragma once

#include "platform/wnd/AfxWnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or another EndDialog code; -1 when the template is
    // found in no module or the window cannot be created.
    virtual INT_PTR DoModal();
    // Loads the members into the controls (UpdateData(FALSE)).
    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);
    // Runs DoDataExchange; FALSE when a check failed, the user having been
    // told with a message box.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Whether the modal loop is still to run: no EndDialog yet.
    virtual BOOL ContinueModal();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    LPCTSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

protected:
    // Saves and checks the members (UpdateData(TRUE)); ends with IDOK only
    // when that succeeded.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // BN_CLICKED of IDOK and IDCANCEL go to OnOK and OnCancel, as the
    // dialog's message map sends them. A derived dialog that handles other
    // commands overrides this and passes the rest on.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    int m_nModalResult;

private:
    bool m_continueModal = false; // EndDialog not called yet
    bool m_modalRunning = false; // inside DoModal, window created or not
};
