// The GTK backend's translations that need no display: which presses are
// double clicks, and how a cursor confinement maps onto client points.
#include "platform/gtk/GtkBackend.h"

#include "platform/wnd/Cursor.h"

#include <gtest/gtest.h>

namespace {

using platform::gtk::ClickSequence;

TEST(ClickSequence, SecondPressInTimeAndPlaceIsADoubleClick)
{
    ClickSequence clicks(400, 4);
    EXPECT_FALSE(clicks.Press(1000, 50, 50));
    EXPECT_TRUE(clicks.Press(1300, 52, 49));
}

TEST(ClickSequence, ThirdPressStartsOverAsAPlainDown)
{
    ClickSequence clicks(400, 4);
    EXPECT_FALSE(clicks.Press(1000, 50, 50));
    EXPECT_TRUE(clicks.Press(1100, 50, 50));
    EXPECT_FALSE(clicks.Press(1200, 50, 50));
    EXPECT_TRUE(clicks.Press(1300, 50, 50));
}

TEST(ClickSequence, LateOrDistantSecondPressIsAPlainDown)
{
    ClickSequence clicks(400, 4);
    EXPECT_FALSE(clicks.Press(1000, 50, 50));
    EXPECT_FALSE(clicks.Press(1401, 50, 50)) << "after the double-click time";
    EXPECT_FALSE(clicks.Press(1500, 55, 50)) << "beyond the double-click distance";
    EXPECT_TRUE(clicks.Press(1600, 55, 54));
}

class ConfineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClipCursor(nullptr);
        // A bordered popup at (100, 200) on the headless screen.
        m_window.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 200, 300, 200,
            nullptr, nullptr);
        CRect client(0, 0, 0, 0);
        m_window.ClientToScreen(&client);
        m_origin = client.TopLeft();
    }
    void TearDown() override
    {
        ClipCursor(nullptr);
        m_window.DestroyWindow();
    }

    CWnd m_window;
    CPoint m_origin;
};

TEST_F(ConfineTest, FreeCursorLeavesPointsAlone)
{
    int x = -40;
    int y = 900;
    EXPECT_FALSE(platform::gtk::ConfinePoint(&m_window, x, y));
    EXPECT_EQ(x, -40);
    EXPECT_EQ(y, 900);
}

TEST_F(ConfineTest, PointsAreClampedToTheScreenRectangleInClientCoordinates)
{
    const RECT clip { m_origin.x + 10, m_origin.y + 20, m_origin.x + 110, m_origin.y + 70 };
    ASSERT_TRUE(ClipCursor(&clip));
    int x = 500;
    int y = 5;
    EXPECT_TRUE(platform::gtk::ConfinePoint(&m_window, x, y));
    EXPECT_EQ(x, 109) << "right edge is outside the confinement";
    EXPECT_EQ(y, 20);
    x = 50;
    y = 40;
    EXPECT_FALSE(platform::gtk::ConfinePoint(&m_window, x, y));
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 40);
}

TEST_F(ConfineTest, EmptyConfinementPinsToItsPoint)
{
    const RECT clip { m_origin.x + 30, m_origin.y + 30, m_origin.x + 30, m_origin.y + 30 };
    ASSERT_TRUE(ClipCursor(&clip));
    int x = 0;
    int y = 100;
    platform::gtk::ConfinePoint(&m_window, x, y);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 30);
}

TEST(Utf8, ChineseCaptionsSurviveTheRoundTrip)
{
    const std::wstring caption = L"当前边属性编辑 (R=5)";
    EXPECT_EQ(platform::ToUtf8(caption), "当前边属性编辑 (R=5)");
    EXPECT_EQ(platform::FromUtf8(platform::ToUtf8(caption).c_str()), caption);
}

} // namespace
