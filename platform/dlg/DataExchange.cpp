#include "DataExchange.h"

#include "MessageBox.h"
#include "platform/AfxRuntime.h"
#include "platform/wnd/WindowRecord.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CUserException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)

CUserException::CUserException()
    : CSimpleException(TRUE, L"")
{
}

CNotSupportedException::CNotSupportedException(BOOL bAutoDelete)
    : CSimpleException(bAutoDelete, L"An unsupported operation was attempted.")
{
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

void AFXAPI AfxThrowNotSupportedException()
{
    static CNotSupportedException shared(FALSE);
    throw static_cast<CNotSupportedException*>(&shared);
}

namespace {

// The framework's prompts (AFX_IDP_PARSE_REAL, AFX_IDP_PARSE_INT) in its
// Chinese resources.
constexpr const wchar_t* kPromptNumber = L"请输入一个数字。";
constexpr const wchar_t* kPromptInteger = L"请输入一个整数。";

// What MFC reads a control's text into: longer texts are cut there.
constexpr int kFloatTextBuffer = 400;
constexpr int kIntTextBuffer = 64;

bool IsBlank(wchar_t ch)
{
    return ch == L' ' || ch == L'\t';
}

// The runtime's iswspace for the characters wcstod and wcstol skip.
double ParseDouble(const wchar_t* text, const wchar_t** end)
{
    return platform::ParseDecimal(text, end);
}

long ParseLong(const wchar_t* text, const wchar_t** end)
{
    return platform::ParseLong32(text, end);
}

// MFC's _AfxSimpleFloatParse and _AfxSimpleScanf share these rules: blanks
// around the number, nothing else, and a 0 only from text that starts with
// '0' (the runtime gives 0 both for "0" and for no number at all).
template <typename Number, typename Parse>
bool ParseWhole(const wchar_t* text, Number& value, Parse parse)
{
    while (IsBlank(*text))
        ++text;
    const wchar_t first = *text;
    const wchar_t* end = text;
    const Number parsed = parse(text, &end);
    if (parsed == 0 && first != L'0')
        return false;
    while (IsBlank(*end))
        ++end;
    if (*end != L'\0')
        return false;
    value = parsed;
    return true;
}

std::wstring ControlText(HWND hWnd, int bufferSize)
{
    std::wstring buffer(static_cast<size_t>(bufferSize), L'\0');
    const int length = ::GetWindowTextW(hWnd, buffer.data(), bufferSize);
    buffer.resize(static_cast<size_t>(length > 0 ? length : 0));
    return buffer;
}

// Only a real change is sent, so that a control does not flash on reload.
void SetTextIfChanged(HWND hWnd, const std::wstring& text)
{
    const int length = ::GetWindowTextLengthW(hWnd);
    if (length != static_cast<int>(text.size()) || ControlText(hWnd, length + 1) != text)
        ::SetWindowTextW(hWnd, text.c_str());
}

bool IsRadioButton(const platform::WindowRecord& window)
{
    const DWORD type = window.style & BS_TYPEMASK;
    return window.windowClass && window.windowClass->builtin == platform::BuiltinClass::Button
        && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

} // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate)
    , m_pDlgWnd(pDlgWnd)
    , m_idLastControl(0)
    , m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (!hWndCtrl)
        AfxThrowNotSupportedException();
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    AfxThrowUserException();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(hWndCtrl, platform::Format(L"%.*g", 15, value)); // DBL_DIG digits
        return;
    }
    const std::wstring text = ControlText(hWndCtrl, kFloatTextBuffer);
    if (!ParseWhole(text.c_str(), value, ParseDouble)) {
        AfxMessageBox(kPromptNumber);
        pDX->Fail();
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(hWndCtrl, platform::Format(L"%d", value));
        return;
    }
    const std::wstring text = ControlText(hWndCtrl, kIntTextBuffer);
    long parsed = 0;
    if (!ParseWhole(text.c_str(), parsed, ParseLong)) {
        AfxMessageBox(kPromptInteger);
        pDX->Fail();
    }
    value = static_cast<int>(parsed);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl, ::GetWindowTextLengthW(hWndCtrl) + 1).c_str();
    else
        SetTextIfChanged(hWndCtrl, value.Str());
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    platform::WindowRecord* first = platform::WindowRecord::FromHandle(hWndCtrl);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    if (!first->parent)
        return;
    // A copy: a subclassed button may create or destroy windows.
    const std::vector<platform::WindowRecord*> siblings = first->parent->children;
    const auto start = std::find(siblings.begin(), siblings.end(), first);
    int button = 0;
    for (auto it = start; it != siblings.end(); ++it) {
        if (it != start && ((*it)->style & WS_GROUP))
            break;
        if (!IsRadioButton(**it))
            continue; // MFC skips other controls inside the group
        HWND hWndButton = (*it)->Handle();
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageW(hWndButton, BM_GETCHECK, 0, 0) != 0)
                value = button;
        } else {
            ::SendMessageW(hWndButton, BM_SETCHECK, button == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++button;
    }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWndCtrl, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}
