// CListBox: a list box control, each call one LB_ message to the window.
#pragma once

#include "platform/AfxString.h"
#include "platform/wnd/AfxWnd.h"

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    int GetCount() const;
    // LB_ERR when nothing is selected.
    int GetCurSel() const;
    // -1 clears the selection; an index past the end does too, and gives LB_ERR.
    int SetCurSel(int nSelect);
    int GetTextLen(int nIndex) const;
    // The buffer must hold GetTextLen + 1 characters.
    int GetText(int nIndex, LPTSTR lpszBuffer) const;
    // An index outside the list raises the invalid-argument exception, as
    // MFC's string does when asked for a buffer of length LB_ERR.
    void GetText(int nIndex, CString& rString) const;

    // The new item's index (the list is unsorted: always the last).
    int AddString(LPCTSTR lpszItem);
    // The number of items left, or LB_ERR for an index outside the list.
    int DeleteString(UINT nIndex);
    void ResetContent();
};
