// CDialog::DoModal: finding the template, building the windows, the modal
// driver, OK/Cancel and nested dialogs; a refused number is in dialogs/ImpDigitalTest.
#include "DialogTestSupport.h"

#include "platform/dlg/DialogBuilder.h"
#include "platform/wnd/WindowRecord.h"

using dialog_test::CExchangeTestDlg;
using dialog_test::ModalDialogTest;
using dialog_test::kSideDialog;
using dialog_test::kValueDialog;
using platform::ModalSession;

namespace {

// The value dialog of the dimension labels: one double in edit 1000.
class CValueTestDlg : public CDialog {
public:
    explicit CValueTestDlg(double value, CWnd* pParent = nullptr)
        : CDialog(kValueDialog, pParent)
        , m_dValue(value)
    {
    }
    double m_dValue;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 1000, m_dValue); }
};

} // namespace

TEST_F(ModalDialogTest, EveryWayBesidesOkEndsWithCancelKeepsTheMemberAndLeavesNoWindow)
{
    struct Way {
        const char* label;
        std::function<void(ModalSession&)> driver;
        bool endsItself; // else DoModal cancels when the driver returns
    };
    const Way ways[] = {
        { "cancel button", [](ModalSession& s) { s.SetText(1000, L"5"); s.Click(IDCANCEL); }, true },
        { "close box", [](ModalSession& s) { s.Dialog().SendMessage(WM_CLOSE); }, true },
        { "clicks after the end", [](ModalSession& s) { s.Click(IDCANCEL); s.SetText(1000, L"5"); s.Click(IDOK); }, true },
        { "driver returns early", [](ModalSession& s) { s.SetText(1000, L"5"); }, false },
        { "no driver", nullptr, false },
    };
    const size_t windowsBefore = platform::AllWindows().size();
    for (const Way& way : ways) {
        SCOPED_TRACE(way.label);
        bool endedByDriver = false;
        platform::SetModalDriver(nullptr);
        if (way.driver) {
            platform::SetModalDriver([&](ModalSession& s) {
                way.driver(s);
                endedByDriver = s.Ended();
            });
        }
        CValueTestDlg dlg(1.5);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(endedByDriver, way.endsItself);
        EXPECT_EQ(dlg.m_dValue, 1.5);
        EXPECT_EQ(platform::AllWindows().size(), windowsBefore);
    }
}

TEST_F(ModalDialogTest, ControlsComeFromTheTemplateInDialogUnitsOfTheFont)
{
    platform::SetModalDriver([](ModalSession& session) {
        HWND dialog = session.Dialog().m_hWnd;
        const auto& children = platform::WindowRecord::FromHandle(dialog)->children;
        ASSERT_EQ(children.size(), 17u);
        EXPECT_EQ(children[12]->id, 1002);
        EXPECT_EQ(children[12]->windowClass->name, L"ListBox");
        EXPECT_EQ(children[1]->text, L"半径");
        EXPECT_EQ(children[1]->style, static_cast<DWORD>(BS_AUTORADIOBUTTON | WS_VISIBLE | WS_GROUP | WS_CHILD));
        EXPECT_FALSE(session.IsEnabled(1010)) << "WS_DISABLED in the template";
        EXPECT_TRUE(session.IsEnabled(1001));

        // 宋体 9 pt: base units 6 x 12, so 1.5 pixels a unit both ways, halves rounded up.
        const RECT edit = platform::WindowRecord::FromHandle(::GetDlgItem(dialog, 1003))->rect; // 80, 55, 107, 13
        EXPECT_EQ(edit.left, 120);
        EXPECT_EQ(edit.top, 83);
        EXPECT_EQ(edit.right - edit.left, 161);
        EXPECT_EQ(edit.bottom - edit.top, 20);
        session.Click(IDOK);
    });
    EXPECT_EQ(CExchangeTestDlg(kSideDialog).DoModal(), IDOK);

    SCOPED_TRACE("other fonts");
    platform::DialogTemplate other = dialog_test::ValueTemplate();
    other.faceName = L"MS Shell Dlg";
    other.pointSize = 8;
    EXPECT_EQ(platform::DialogBaseUnits(other).cy, 13);
    other.style &= ~static_cast<DWORD>(DS_SETFONT);
    EXPECT_EQ(platform::DialogBaseUnits(other).cx, 8); // the system font
}

TEST_F(ModalDialogTest, ATemplateNoModuleOfTheChainHoldsFailsWithoutRunningAnything)
{
    platform::ResourceModule outside(L"outside the chain");
    platform::DialogTemplate only = dialog_test::ValueTemplate();
    only.id = 2100;
    outside.AddDialog(only);
    int driverRuns = 0;
    platform::SetModalDriver([&](ModalSession& session) { ++driverRuns; session.Click(IDOK); });
    bool initialised = false;
    CExchangeTestDlg dlg(2100);
    dlg.exchange = [&](CDataExchange*) { initialised = true; };

    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(initialised);
    EXPECT_EQ(driverRuns, 0);

    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(outside.Handle());
    EXPECT_EQ(dlg.DoModal(), IDOK);
    AfxSetResourceHandle(previous);
    EXPECT_TRUE(initialised);

    SCOPED_TRACE("a control of an unknown class fails the creation");
    only.id = 2101;
    only.items[0].className = L"NoSuchClass";
    m_module.AddDialog(only);
    EXPECT_EQ(CExchangeTestDlg(2101).DoModal(), -1);
    EXPECT_EQ(driverRuns, 1);
}

TEST_F(ModalDialogTest, EndDialogDuringInitialisationSkipsTheDriver)
{
    struct CRefusingDlg : CDialog {
        CRefusingDlg()
            : CDialog(kValueDialog)
        {
        }
        BOOL OnInitDialog() override
        {
            EndDialog(7);
            return TRUE;
        }
    } dlg;
    bool driverRan = false;
    platform::SetModalDriver([&](ModalSession&) { driverRan = true; });
    EXPECT_EQ(dlg.DoModal(), 7);
    EXPECT_FALSE(driverRan);
}

TEST_F(ModalDialogTest, ANestedDialogRunsInsideTheOuterAndDisablesIt)
{
    double innerValue = 0;
    platform::SetModalDriver([&](ModalSession& session) {
        if (session.TemplateId() == kSideDialog) {
            CValueTestDlg inner(3, &session.Dialog());
            EXPECT_EQ(inner.DoModal(), IDOK);
            innerValue = inner.m_dValue;
            EXPECT_TRUE(session.Prompts().empty()) << "the inner dialog's prompt is its own";
            EXPECT_TRUE(::IsWindowEnabled(session.Dialog().m_hWnd));
            session.Click(IDOK);
            return;
        }
        EXPECT_EQ(platform::RunningSession(), &session);
        CWnd* outer = static_cast<CValueTestDlg&>(session.Dialog()).m_pParentWnd;
        EXPECT_FALSE(::IsWindowEnabled(outer->m_hWnd)) << "the owner is disabled while the inner dialog runs";
        session.SetText(1000, L"x");
        session.Click(IDOK);
        EXPECT_EQ(session.Prompts().size(), 1u);
        session.SetText(1000, L" 4.25\t");
        session.Click(IDOK);
        EXPECT_TRUE(session.Ended());
    });
    CExchangeTestDlg outer(kSideDialog);
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(outer.m_hWnd, nullptr);
    EXPECT_EQ(innerValue, 4.25);
    EXPECT_EQ(platform::RunningSession(), nullptr);
}
