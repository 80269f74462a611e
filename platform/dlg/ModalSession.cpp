#include "ModalSession.h"

#include "Dialog.h"

#include <utility>

namespace platform {

namespace {

std::function<void(ModalSession&)>& Driver()
{
    static std::function<void(ModalSession&)> driver;
    return driver;
}

ModalSession*& Innermost()
{
    static ModalSession* innermost = nullptr;
    return innermost;
}

std::vector<std::wstring>& ProcessPromptList()
{
    static std::vector<std::wstring> prompts;
    return prompts;
}

} // namespace

ModalSession::ModalSession(CDialog& dialog, UINT templateId)
    : m_dialog(dialog)
    , m_templateId(templateId)
    , m_outer(Innermost())
{
    Innermost() = this;
}

ModalSession::~ModalSession()
{
    Innermost() = m_outer;
}

void ModalSession::Run()
{
    // A copy: the driver may replace itself while it runs.
    const std::function<void(ModalSession&)> driver = Driver();
    if (driver)
        driver(*this);
}

std::wstring ModalSession::Caption() const
{
    CString caption;
    m_dialog.GetWindowText(caption);
    return caption.Str();
}

bool ModalSession::Ended() const
{
    return !m_dialog.ContinueModal();
}

HWND ModalSession::Control(int id) const
{
    return ::GetDlgItem(m_dialog.GetSafeHwnd(), id);
}

HWND ModalSession::UsableControl(int id) const
{
    HWND control = Control(id);
    return control && !Ended() && ::IsWindowEnabled(control) ? control : nullptr;
}

std::wstring ModalSession::GetText(int id) const
{
    CWnd* control = CWnd::FromHandle(Control(id));
    if (!control)
        return std::wstring();
    CString text;
    control->GetWindowText(text);
    return text.Str();
}

bool ModalSession::IsEnabled(int id) const
{
    HWND control = Control(id);
    return control && ::IsWindowEnabled(control);
}

bool ModalSession::IsChecked(int id) const
{
    HWND control = Control(id);
    return control && ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int ModalSession::ListSelection(int id) const
{
    HWND control = Control(id);
    return control ? static_cast<int>(::SendMessageW(control, LB_GETCURSEL, 0, 0)) : LB_ERR;
}

std::vector<std::wstring> ModalSession::ListItems(int id) const
{
    std::vector<std::wstring> items;
    HWND control = Control(id);
    if (!control)
        return items;
    const int count = static_cast<int>(::SendMessageW(control, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = ::SendMessageW(control, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring item(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        ::SendMessageW(control, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<size_t>(length > 0 ? length : 0));
        items.push_back(std::move(item));
    }
    return items;
}

void ModalSession::SetText(int id, const std::wstring& text)
{
    if (HWND control = UsableControl(id))
        ::SetWindowTextW(control, text.c_str());
}

void ModalSession::Click(int id)
{
    if (HWND control = UsableControl(id))
        ::SendMessageW(control, BM_CLICK, 0, 0);
}

void ModalSession::SelectListItem(int id, int index)
{
    HWND control = UsableControl(id);
    if (!control || index < 0 || index >= static_cast<int>(::SendMessageW(control, LB_GETCOUNT, 0, 0)))
        return;
    ::SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (CWnd::FromHandle(control)->GetStyle() & LBS_NOTIFY)
        m_dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
}

void SetModalDriver(std::function<void(ModalSession&)> driver)
{
    Driver() = std::move(driver);
}

ModalSession* RunningSession()
{
    return Innermost();
}

const std::vector<std::wstring>& ProcessPrompts()
{
    return ProcessPromptList();
}

void ClearProcessPrompts()
{
    ProcessPromptList().clear();
}

} // namespace platform

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT, UINT)
{
    std::wstring text = lpszText ? lpszText : L"";
    if (platform::ModalSession* session = platform::RunningSession())
        session->m_prompts.push_back(std::move(text));
    else
        platform::ProcessPromptList().push_back(std::move(text));
    return IDOK;
}
