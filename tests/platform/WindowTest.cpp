#include "Shapix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Logs the messages its handlers see, in order.
class LoggingWnd : public CWnd {
public:
    std::vector<std::string> log;
    BOOL eraseResult = FALSE;

    BOOL Make(CWnd* parent, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0, UINT id = 7)
    {
        const CString cls = AfxRegisterWndClass(CS_DBLCLKS);
        if (parent)
            return CreateEx(exStyle, cls, L"", style, rect, parent, id);
        return CreateEx(exStyle, cls, L"", style, rect.left, rect.top, rect.right - rect.left,
            rect.bottom - rect.top, nullptr, nullptr);
    }

protected:
    int OnCreate(LPCREATESTRUCT create) override
    {
        log.push_back("create " + std::to_string(create->cx) + "x" + std::to_string(create->cy));
        return CWnd::OnCreate(create);
    }
    void OnPaint() override
    {
        log.push_back("paint");
        CPaintDC dc(this);
        log.push_back(dc.m_ps.fErase ? "paint:erase" : "paint:noerase");
    }
    BOOL OnEraseBkgnd(CDC* dc) override
    {
        log.push_back(dc ? "erase" : "erase:nodc");
        return eraseResult;
    }
    void OnLButtonDown(UINT flags, CPoint point) override
    {
        log.push_back("down " + std::to_string(flags) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    void OnMouseMove(UINT, CPoint point) override
    {
        log.push_back("move " + std::to_string(point.x) + "," + std::to_string(point.y));
        Default();
    }
    void OnCaptureChanged(CWnd*) override { log.push_back("capturechanged"); }
    void OnDestroy() override
    {
        log.push_back("destroy");
        CWnd::OnDestroy();
    }
};

RECT Rect(int l, int t, int r, int b)
{
    return RECT { l, t, r, b };
}

} // namespace

TEST(Window, MessagesReachTheHandlersWithWin32Packing)
{
    LoggingWnd parent;
    ASSERT_TRUE(parent.Make(nullptr, Rect(0, 0, 300, 200), WS_POPUP | WS_VISIBLE));
    EXPECT_EQ(parent.log, std::vector<std::string>({ "create 300x200" }));

    parent.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
    parent.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(-3, 70000)); // coordinates are signed 16-bit
    EXPECT_EQ(parent.log[1], "down 1 12,34");
    EXPECT_EQ(parent.log[2], "move -3,4464");
}

TEST(Window, ClientAreaShrinksByTheEdgesAndMapsToTheScreen)
{
    LoggingWnd top;
    ASSERT_TRUE(top.Make(nullptr, Rect(100, 50, 500, 350), WS_POPUP | WS_BORDER));
    CRect client;
    top.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 398, 298));

    LoggingWnd child;
    ASSERT_TRUE(child.Make(&top, Rect(10, 20, 110, 120), WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, 42));
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 94, 94)); // 2 + 1 pixels on every side

    CPoint origin(0, 0);
    child.ClientToScreen(&origin);
    // top-level at (100, 50) + 1 border; child at (10, 20) + 3 edge pixels
    EXPECT_EQ(origin, CPoint(114, 74));
    CPoint back = origin;
    child.ScreenToClient(&back);
    EXPECT_EQ(back, CPoint(0, 0));

    EXPECT_EQ(child.GetDlgCtrlID(), 42);
    EXPECT_EQ(child.GetParent(), &top);
    EXPECT_EQ(top.GetDlgItem(42), &child);
    EXPECT_EQ(top.GetDlgItem(43), nullptr);
}

TEST(Window, InvalidationPaintsOnceWithTheEraseFirst)
{
    LoggingWnd window;
    ASSERT_TRUE(window.Make(nullptr, Rect(0, 0, 100, 100), WS_POPUP));
    window.log.clear();

    CRect update;
    EXPECT_FALSE(window.GetUpdateRect(&update));
    window.UpdateWindow();
    EXPECT_TRUE(window.log.empty()); // nothing to paint

    const RECT part = Rect(10, 10, 20, 20);
    window.InvalidateRect(&part, FALSE);
    const RECT other = Rect(50, 5, 60, 30);
    window.InvalidateRect(&other, TRUE);
    EXPECT_TRUE(window.GetUpdateRect(&update));
    EXPECT_EQ(update, CRect(10, 5, 60, 30));

    window.UpdateWindow();
    EXPECT_EQ(window.log, std::vector<std::string>({ "paint", "erase", "paint:erase" }));
    EXPECT_FALSE(window.GetUpdateRect(&update));

    window.log.clear();
    window.eraseResult = TRUE;
    window.Invalidate(TRUE);
    platform::PumpMessages();
    EXPECT_EQ(window.log, std::vector<std::string>({ "paint", "erase", "paint:noerase" }));

    window.log.clear();
    window.Invalidate(FALSE);
    platform::PumpMessages();
    platform::PumpMessages(); // nothing left to paint the second time
    EXPECT_EQ(window.log, std::vector<std::string>({ "paint", "paint:noerase" }));

    // Outside the client area nothing is invalid.
    const RECT outside = Rect(200, 200, 300, 300);
    window.InvalidateRect(&outside, TRUE);
    EXPECT_FALSE(window.GetUpdateRect(&update));
}

TEST(Window, CaptureMovesBetweenWindowsAndIsReleased)
{
    LoggingWnd a;
    LoggingWnd b;
    ASSERT_TRUE(a.Make(nullptr, Rect(0, 0, 10, 10), WS_POPUP));
    ASSERT_TRUE(b.Make(nullptr, Rect(0, 0, 10, 10), WS_POPUP));
    a.log.clear();
    b.log.clear();

    EXPECT_EQ(a.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), &a);
    EXPECT_EQ(b.SetCapture(), &a);
    EXPECT_EQ(a.log, std::vector<std::string>({ "capturechanged" }));
    EXPECT_EQ(CWnd::GetCapture(), &b);
    ReleaseCapture();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(b.log, std::vector<std::string>({ "capturechanged" }));

    // A destroyed window gives the capture up.
    a.SetCapture();
    a.DestroyWindow();
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST(Window, ClassesRegisterOncePerDistinctAttributes)
{
    const int before = platform::WndClassRegistrations();
    const CString first = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
    EXPECT_EQ(AfxRegisterWndClass(11), first);
    EXPECT_NE(AfxRegisterWndClass(11, reinterpret_cast<HCURSOR>(0x1234)), first);
    EXPECT_LE(platform::WndClassRegistrations() - before, 2) << "a repeated registration added a class";
}

TEST(Window, TextEnableAndDestructionOfChildren)
{
    LoggingWnd parent;
    ASSERT_TRUE(parent.Make(nullptr, Rect(0, 0, 100, 100), WS_POPUP));
    auto* child = new LoggingWnd;
    ASSERT_TRUE(child->Make(&parent, Rect(0, 0, 10, 10)));
    const HWND childHandle = child->m_hWnd;

    child->SetWindowText(L"输入尺寸");
    CString text;
    child->GetWindowText(text);
    EXPECT_EQ(text, L"输入尺寸");
    EXPECT_EQ(child->GetWindowTextLength(), 4);
    WCHAR small[3];
    EXPECT_EQ(child->GetWindowText(small, 3), 2);
    EXPECT_STREQ(small, L"输入");

    EXPECT_TRUE(child->IsWindowEnabled());
    EXPECT_FALSE(child->EnableWindow(FALSE)); // it was enabled
    EXPECT_FALSE(child->IsWindowEnabled());
    EXPECT_TRUE(child->EnableWindow(TRUE));

    parent.DestroyWindow();
    EXPECT_FALSE(IsWindow(childHandle));
    EXPECT_EQ(child->m_hWnd, nullptr);
    EXPECT_EQ(child->log.back(), "destroy");
    delete child;
}

namespace {

// Paints its whole client area in one colour, whatever the update area.
class SolidWnd : public CWnd {
public:
    COLORREF colour = RGB(255, 0, 0);

protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, colour);
    }
};

} // namespace

TEST(Window, PaintReachesTheScreenOnlyInsideTheUpdateArea)
{
    SolidWnd window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr));
    window.Invalidate(FALSE);
    window.UpdateWindow();
    platform::Image shown = platform::CaptureClient(&window);
    ASSERT_EQ(shown.Width(), 40);
    ASSERT_EQ(shown.Height(), 30);
    EXPECT_EQ(shown.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(shown.Pixel(39, 29), RGB(255, 0, 0));

    window.colour = RGB(0, 0, 255);
    const RECT part { 10, 5, 20, 15 };
    window.InvalidateRect(&part, FALSE);
    window.UpdateWindow();
    shown = platform::CaptureClient(&window);
    EXPECT_EQ(shown.Pixel(10, 5), RGB(0, 0, 255));
    EXPECT_EQ(shown.Pixel(19, 14), RGB(0, 0, 255));
    EXPECT_EQ(shown.Pixel(20, 14), RGB(255, 0, 0)); // right and bottom edges are outside
    EXPECT_EQ(shown.Pixel(19, 15), RGB(255, 0, 0));

    // A client DC draws at once, without an update area.
    {
        CClientDC dc(&window);
        dc.FillSolidRect(0, 0, 1, 1, RGB(0, 255, 0));
    }
    EXPECT_EQ(platform::CaptureClient(&window).Pixel(0, 0), RGB(0, 255, 0));
}
