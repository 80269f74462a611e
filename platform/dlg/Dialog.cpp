#include "Dialog.h"

#include "DataExchange.h"
#include "DialogBuilder.h"
#include "MessageBox.h"
#include "ModalSession.h"
#include "platform/res/AfxModule.h"

#include <vector>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

// A popup cannot be owned by a child window: the owner is the first
// ancestor of the parent that is not a child, as MFC's GetSafeOwner finds it.
HWND OwnerFor(CWnd* parent)
{
    HWND owner = parent ? parent->GetSafeHwnd() : nullptr;
    while (owner && (CWnd::FromHandle(owner)->GetStyle() & WS_CHILD))
        owner = ::GetParent(owner);
    return owner;
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate))
    , m_nIDHelp(nIDTemplate)
    , m_pParentWnd(pParentWnd)
    , m_nModalResult(-1)
{
}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal()
{
    if (m_hWnd)
        return -1;
    // As MFC: the module that has the template, else the current resource
    // handle, whose FindResource then fails.
    const HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    const platform::DialogTemplate* found
        = platform::DialogTemplateOf(::FindResourceW(hInst, m_lpszTemplateName, RT_DIALOG));
    if (!found)
        return -1;
    // Copied: a driver may unload the module while the dialog runs.
    const platform::DialogTemplate dialogTemplate = *found;

    const HWND owner = OwnerFor(m_pParentWnd);
    const bool enableOwner = owner && ::IsWindowEnabled(owner);
    if (enableOwner)
        ::EnableWindow(owner, FALSE);

    // Undoes the modal state on every way out, a driver's exception included.
    struct ModalScope {
        CDialog& dialog;
        HWND owner;
        bool enableOwner;
        ~ModalScope()
        {
            dialog.m_continueModal = false;
            dialog.m_modalRunning = false;
            if (enableOwner)
                ::EnableWindow(owner, TRUE);
            dialog.DestroyWindow();
        }
    } scope { *this, owner, enableOwner };

    platform::ModalSession session(*this, dialogTemplate.id);
    m_nModalResult = -1;
    m_continueModal = true;
    m_modalRunning = true;
    try {
        if (platform::CreateDialogWindow(*this, dialogTemplate, owner)) {
            SendMessage(WM_INITDIALOG, 0, 0);
            if (ContinueModal()) {
                ShowWindow(SW_SHOW);
                session.Run();
                // A driver that leaves without ending the dialog cancels it.
                if (ContinueModal())
                    EndDialog(IDCANCEL);
            }
        }
    } catch (CException* e) {
        e->Delete();
        m_nModalResult = -1;
    }
    return m_nModalResult;
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    // Until DoModal's loop has returned, a later EndDialog overrides an
    // earlier one, as MFC's EndModalLoop does.
    if (m_modalRunning) {
        m_nModalResult = nResult;
        m_continueModal = false;
    }
    // ::EndDialog hides the dialog; DoModal destroys it afterwards.
    if (m_hWnd)
        ShowWindow(SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
        return TRUE;
    } catch (CUserException* e) {
        // The check that failed has told the user already.
        e->Delete();
    } catch (CException* e) {
        wchar_t message[256];
        AfxMessageBox(e->GetErrorMessage(message, 256) ? message : L"Internal application error.", MB_ICONEXCLAMATION);
        e->Delete();
    }
    return FALSE;
}

BOOL CDialog::ContinueModal()
{
    return m_continueModal ? TRUE : FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) { }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}
