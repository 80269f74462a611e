// Who answers a modal dialog.
//
// While CDialog::DoModal runs, the modal driver gets a ModalSession: a thin
// view of the dialog's windows through which it plays the user (reads and
// types texts, clicks buttons, picks list items) until the dialog ends.
// Tests install a driver that scripts the user; a desktop backend installs
// one that shows the dialog and returns when the dialog has ended. Without
// a driver a dialog ends at once with IDCANCEL, and a driver that returns
// before the dialog has ended cancels it (EndDialog(IDCANCEL)).
//
// A driver may run further dialogs (a nested DoModal calls the driver
// again with the inner dialog's session).
#pragma once

#include "MessageBox.h"

#include "platform/AfxTypes.h"

#include <functional>
#include <string>
#include <vector>

class CDialog;

namespace platform {

class ModalSession {
public:
    ModalSession(const ModalSession&) = delete;
    ModalSession& operator=(const ModalSession&) = delete;

    CDialog& Dialog() const { return m_dialog; }
    UINT TemplateId() const { return m_templateId; }
    std::wstring Caption() const;
    bool Ended() const;
    // Message boxes shown while this dialog ran, oldest first.
    const std::vector<std::wstring>& Prompts() const { return m_prompts; }

    // What the user sees of a control. A missing control reads as empty,
    // disabled and unchecked, with no items and no selection (LB_ERR).
    std::wstring GetText(int id) const;
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    int ListSelection(int id) const;
    std::vector<std::wstring> ListItems(int id) const;

    // What the user does. Nothing happens on a missing or disabled control,
    // nor after the dialog has ended (it is hidden then).
    //   SetText: types the text into the control, replacing what it held.
    //   Click: BM_CLICK, so the dialog gets BN_CLICKED (IDOK runs OnOK,
    //     IDCANCEL OnCancel) and an auto radio button checks itself.
    //   SelectListItem: selects an existing item and, for a list with
    //     LBS_NOTIFY, sends LBN_SELCHANGE to the dialog.
    void SetText(int id, const std::wstring& text);
    void Click(int id);
    void SelectListItem(int id, int index);

private:
    friend class ::CDialog;
    friend int AFXAPI ::AfxMessageBox(LPCTSTR, UINT, UINT);

    ModalSession(CDialog& dialog, UINT templateId);
    ~ModalSession();
    void Run();
    HWND Control(int id) const;
    HWND UsableControl(int id) const;

    CDialog& m_dialog;
    UINT m_templateId;
    std::vector<std::wstring> m_prompts;
    ModalSession* m_outer; // the session this one runs inside, or null
};

// Replaces the driver; an empty function removes it.
void SetModalDriver(std::function<void(ModalSession&)> driver);

// The innermost running dialog's session, or null.
ModalSession* RunningSession();

} // namespace platform
