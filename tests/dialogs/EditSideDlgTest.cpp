// "当前边属性编辑" on its own: what it shows when it opens, the value-type
// radio buttons, and the exchange of every field both ways.
#include "Shapix.h"
#include "dialogs/EditSideDlg.h"
#include "platform/dlg/ModalSession.h"

#include <gtest/gtest.h>

using platform::ModalSession;

namespace {

// Template 1004 must come from the library's own resource table.
class SideDialog : public testing::Test {
protected:
    ~SideDialog() override { platform::SetModalDriver(nullptr); }

    ShapixResourceScope m_libraryResources;
};

// The ids of the value edits the user can type into: radius, arch, angle.
std::vector<int> EnabledEdits(const ModalSession& session)
{
    std::vector<int> enabled;
    for (const int id : { 1004, 1003, 1001 }) {
        if (session.IsEnabled(id))
            enabled.push_back(id);
    }
    return enabled;
}

} // namespace

TEST_F(SideDialog, OpensOnTheAngleWithTheHostsNamesInTheirOrder)
{
    CEditSideDlg dlg;
    dlg.m_dAngle = 90;
    dlg.m_dArch = 20.71068;
    dlg.m_dRadius = 70.71068;
    for (const wchar_t* name : { L"圆弧", L"直线", L"折弯" })
        dlg.m_saSideTypes.Add(name);
    platform::SetModalDriver([](ModalSession& session) {
        EXPECT_EQ(session.Caption(), L"当前边属性编辑");
        CRect client;
        session.Dialog().GetClientRect(&client);
        EXPECT_EQ(client.Size(), CSize(314, 254)) << "209 x 169 units of 9-point SimSun";
        EXPECT_EQ(session.GetText(1006) + session.GetText(1005) + session.GetText(1007), L"半径拱高角度");
        EXPECT_EQ(session.GetText(IDOK) + session.GetText(IDCANCEL), L"确认取消");
        EXPECT_TRUE(session.IsChecked(1007));
        EXPECT_FALSE(session.IsChecked(1006) || session.IsChecked(1005));
        EXPECT_EQ(EnabledEdits(session), std::vector<int> { 1001 });
        EXPECT_EQ(session.GetText(1001) + L"|" + session.GetText(1003) + L"|" + session.GetText(1004),
            L"90|20.71068|70.71068");
        EXPECT_EQ(session.ListItems(1002), (std::vector<std::wstring> { L"圆弧", L"直线", L"折弯" }));
        EXPECT_EQ(session.ListSelection(1002), 0) << "a side without a type opens on the first name";
        session.Click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nSideType, 0);
    EXPECT_EQ(dlg.m_nValueType, CEditSideDlg::valueAngle);
    EXPECT_EQ(dlg.m_dArch, 20.71068);
}

TEST_F(SideDialog, EachValueTypeEnablesOnlyItsEditAndTextThatIsNoNumberStaysEditable)
{
    CEditSideDlg dlg;
    dlg.m_dArch = 4;
    platform::SetModalDriver([&](ModalSession& session) {
        for (const auto& [radio, edit] : { std::pair { 1006, 1004 }, { 1005, 1003 }, { 1007, 1001 } }) {
            SCOPED_TRACE(radio);
            session.Click(radio);
            EXPECT_TRUE(session.IsChecked(radio));
            EXPECT_EQ(EnabledEdits(session), std::vector<int> { edit });
        }

        session.Click(1006);
        session.SetText(1004, L"abc");
        session.Click(1007);
        ASSERT_EQ(session.Prompts().size(), 1u);
        EXPECT_EQ(session.Prompts()[0], L"请输入一个数字。");
        EXPECT_EQ(EnabledEdits(session), std::vector<int> { 1004 }) << "the radius can still be corrected";
        session.SetText(1003, L"9"); // disabled: nothing happens
        EXPECT_EQ(session.GetText(1003), L"4");
        session.Click(IDOK);
        EXPECT_FALSE(session.Ended()) << "OK refuses the bad radius too";

        session.SetText(1004, L" 30 ");
        session.Click(1007);
        session.SetText(1001, L"45");
        session.Click(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nValueType, CEditSideDlg::valueAngle);
    EXPECT_EQ(dlg.m_dAngle, 45.0);
    EXPECT_EQ(dlg.m_dRadius, 30.0) << "a disabled edit is exchanged like the others";
    EXPECT_EQ(dlg.m_dArch, 4.0);
}
