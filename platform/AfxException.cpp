#include "AfxException.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)

CException::CException(BOOL bAutoDelete)
    : m_bAutoDelete(bAutoDelete)
{
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError > 0)
        *lpszError = L'\0';
    return FALSE;
}

CSimpleException::CSimpleException(BOOL bAutoDelete, LPCWSTR lpszMessage)
    : CException(bAutoDelete)
    , m_lpszMessage(lpszMessage)
{
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    std::wcsncpy(lpszError, m_lpszMessage, nMaxError - 1);
    lpszError[nMaxError - 1] = L'\0';
    return TRUE;
}

CInvalidArgException::CInvalidArgException(BOOL bAutoDelete)
    : CSimpleException(bAutoDelete, L"Encountered an improper argument.")
{
}

CMemoryException::CMemoryException(BOOL bAutoDelete)
    : CSimpleException(bAutoDelete, L"Out of memory.")
{
}

void AFXAPI AfxThrowInvalidArgException()
{
    static CInvalidArgException shared(FALSE);
    throw static_cast<CInvalidArgException*>(&shared);
}

void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException shared(FALSE);
    throw static_cast<CMemoryException*>(&shared);
}
