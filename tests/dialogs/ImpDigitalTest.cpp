// "输入尺寸": the number both ways through edit 1000, and text refused.
#include "Shapix.h"
#include "dialogs/ImpDigital.h"
#include "platform/dlg/MessageBox.h"
#include "platform/dlg/ModalSession.h"

#include <gtest/gtest.h>

using platform::ModalSession;

TEST(ValueDialog, ShowsTheNumberAndReadsBackOnlyANumber)
{
    const ShapixResourceScope libraryResources;
    platform::ClearProcessPrompts();
    CImpDigital dialog(L"1234.5mm", nullptr);
    platform::SetModalDriver([](ModalSession& session) {
        EXPECT_EQ(session.Caption(), L"输入尺寸");
        EXPECT_EQ(session.GetText(IDOK), L"确定");
        EXPECT_EQ(session.GetText(IDCANCEL), L"取消");
        CRect client;
        session.Dialog().GetClientRect(&client);
        EXPECT_EQ(client.Size(), CSize(183, 113)) << "122 x 75 units of 9-point SimSun";
        EXPECT_EQ(session.GetText(1000), L"1234.5");

        session.SetText(1000, L"12 m");
        session.Click(IDOK);
        EXPECT_EQ(session.Prompts(), std::vector<std::wstring>({ L"请输入一个数字。" }));
        EXPECT_FALSE(session.Ended());
        session.SetText(1000, L" 42.25 ");
        session.Click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_dValue, 42.25);
    EXPECT_TRUE(platform::ProcessPrompts().empty()) << "the prompt belongs to the dialog's session";

    SCOPED_TRACE("cancel keeps the value; text that is no number opens as 0");
    platform::SetModalDriver([](ModalSession& session) {
        session.SetText(1000, L"99");
        session.Click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_dValue, 42.25);
    EXPECT_EQ(CImpDigital(L"abc", nullptr).m_dValue, 0.0);
    platform::SetModalDriver(nullptr);
}
