// The DDX_ routines' parsing and formatting rules, run through UpdateData
// on a live dialog.
#include "DialogTestSupport.h"

#include <climits>
#include <cmath>

using dialog_test::CExchangeTestDlg;
using dialog_test::ModalDialogTest;
using platform::ModalSession;

namespace {

// Runs `body` inside a modal side dialog whose exchange is `exchange`.
void WithDialog(std::function<void(CDataExchange*)> exchange, std::function<void(ModalSession&, CDialog&)> body)
{
    platform::SetModalDriver([&](ModalSession& session) { body(session, session.Dialog()); });
    CExchangeTestDlg dlg(dialog_test::kSideDialog);
    dlg.exchange = std::move(exchange);
    dlg.DoModal();
}

} // namespace

TEST_F(ModalDialogTest, DoublesShowAsPercentGFifteenAndAreReadAsMfcReadsThem)
{
    struct Case {
        const wchar_t* text;
        bool accepted;
        double value;
    };
    const Case cases[] = {
        { L"0", true, 0 },
        { L"0e5", true, 0 },
        { L"", false, 0 },
        { L".0", false, 0 }, // zero, and the first character is not '0'
        { L"-0", false, 0 },
        { L"-.5", true, -0.5 }, // not zero: the first character does not matter
        { L" \t1.5 \t", true, 1.5 },
        { L"1d2", true, 100 }, // the Windows runtime takes d as an exponent too
        { L"1e", false, 0 }, // the 'e' is left over
        { L"5\n", false, 0 }, // only spaces and tabs may follow
        { L"1e-400", false, 0 }, // underflows to 0 from text that starts with '1'
        { L"1e400", true, HUGE_VAL },
    };
    double member = -7;
    WithDialog([&](CDataExchange* pDX) { DDX_Text(pDX, 1001, member); },
        [&](ModalSession& session, CDialog& dlg) {
            for (const auto& [value, shown] : { std::pair { 1200.0, L"1200" }, { 0.1, L"0.1" },
                     { 1.0 / 3, L"0.333333333333333" }, { -2.5e20, L"-2.5e+20" } }) {
                member = value;
                ASSERT_TRUE(dlg.UpdateData(FALSE));
                EXPECT_EQ(session.GetText(1001), shown);
            }
            for (const Case& c : cases) {
                SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
                member = -7;
                const size_t promptsBefore = session.Prompts().size();
                session.SetText(1001, c.text);
                EXPECT_EQ(dlg.UpdateData(TRUE), c.accepted ? TRUE : FALSE);
                EXPECT_EQ(member, c.accepted ? c.value : -7);
                EXPECT_EQ(session.Prompts().size(), promptsBefore + (c.accepted ? 0 : 1));
            }
        });
}

TEST_F(ModalDialogTest, IntegersAndStringsExchangeBothWays)
{
    int number = -42;
    CString text = L" 边 1 ";
    WithDialog(
        [&](CDataExchange* pDX) {
            DDX_Text(pDX, 1003, number);
            DDX_Text(pDX, 1004, text);
        },
        [&](ModalSession& session, CDialog& dlg) {
            EXPECT_EQ(session.GetText(1003), L"-42");
            EXPECT_EQ(session.GetText(1004), L" 边 1 ");
            session.SetText(1003, L" 99999999999\t"); // wcstol clamps to Windows' 32-bit long
            session.SetText(1004, L"新的");
            EXPECT_TRUE(dlg.UpdateData(TRUE));
            EXPECT_EQ(number, INT_MAX);
            EXPECT_EQ(text, L"新的");
            for (const wchar_t* refused : { L"3.5", L"-", L"-0" }) {
                SCOPED_TRACE(testing::PrintToString(std::wstring(refused)));
                session.SetText(1003, refused);
                EXPECT_FALSE(dlg.UpdateData(TRUE));
                EXPECT_EQ(number, INT_MAX);
                EXPECT_EQ(session.Prompts().back(), L"请输入一个整数。");
            }
        });
}

TEST_F(ModalDialogTest, RadioGroupsStopAtTheNextGroupAndAMissingControlFailsTheExchange)
{
    int valueType = 2;
    int other = 1;
    bool exchangeMissing = false;
    WithDialog(
        [&](CDataExchange* pDX) {
            DDX_Radio(pDX, 1006, valueType);
            DDX_Radio(pDX, 1008, other);
            if (exchangeMissing)
                DDX_Text(pDX, 4321, valueType);
        },
        [&](ModalSession& session, CDialog& dlg) {
            EXPECT_TRUE(session.IsChecked(1007) && session.IsChecked(1009));
            EXPECT_FALSE(session.IsChecked(1006) || session.IsChecked(1005));
            session.Click(1006);
            EXPECT_TRUE(dlg.UpdateData(TRUE));
            EXPECT_EQ(valueType, 0);
            EXPECT_EQ(other, 1) << "the click must not reach the next group";

            valueType = 7; // no such button: loading clears the group
            ASSERT_TRUE(dlg.UpdateData(FALSE));
            EXPECT_FALSE(session.IsChecked(1006) || session.IsChecked(1005) || session.IsChecked(1007));
            EXPECT_TRUE(session.IsChecked(1009));
            EXPECT_TRUE(dlg.UpdateData(TRUE));
            EXPECT_EQ(valueType, -1);

            exchangeMissing = true;
            const size_t promptsBefore = session.Prompts().size();
            EXPECT_FALSE(dlg.UpdateData(TRUE));
            EXPECT_EQ(session.Prompts().size(), promptsBefore + 1);
        });
}
