// Dialog data exchange: CDataExchange and the DDX_ routines that move
// values between a dialog's members and its controls, both ways.
//
// Loading (m_bSaveAndValidate FALSE) writes each member into its control.
// Saving reads the controls back and checks them: a value the control's
// text cannot give is refused with the framework's prompt (AfxMessageBox)
// and CDataExchange::Fail, which ends the exchange; UpdateData then
// returns FALSE.
#pragma once

#include "platform/AfxException.h"
#include "platform/AfxString.h"
#include "platform/wnd/AfxWnd.h"

// Thrown by Fail: the user has been told already, nothing more to report.
class CUserException : public CSimpleException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException();
};

class CNotSupportedException : public CSimpleException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE);
};

[[noreturn]] void AFXAPI AfxThrowUserException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The dialog's control with this id; a missing control is a
    // programming error, reported with CNotSupportedException.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange with CUserException. (Windows would also put the
    // focus back on the last prepared control; this system has no focus.)
    [[noreturn]] void Fail();

    UINT m_idLastControl;
    BOOL m_bEditLastControl;
};

// Edit text as "%.15g"; read back with the runtime's wcstod, blanks (space,
// tab) allowed around the number and nothing else. A result of 0 counts
// only when the first non-blank character is '0', so "", ".0", "-0" and
// "abc" are refused while "0", "0.0" and "00" are accepted.
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// Edit text as "%d"; read back with wcstol (32 bits, clamped), the same
// rules for blanks and for 0 as for doubles.
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// The radio buttons of the group that starts at nIDC, up to the next
// control with WS_GROUP: index of the checked one (-1 for none), or check
// the one at the index and clear the others.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// The list box's selection (LB_GETCURSEL / LB_SETCURSEL).
void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
// Subclasses the control into rControl, once: while rControl has a window
// this does nothing.
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
