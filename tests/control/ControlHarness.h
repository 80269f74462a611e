// A host window with a real CShapixCtrl in it, driven by window messages as
// a user would drive it, and outlines handed in and read back through the
// host's TAB-separated strings.
#pragma once

#include "Shapix.h"
#include "control/DrawObjAry.h"
#include "control/DrawTool.h"
#include "poly/MyDrawPoly.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace control_test {

inline constexpr UINT kCtrlId = 42;
inline constexpr UINT kDoubleClickNotice = WM_USER + 111;
inline constexpr int kArrow = 32512;
inline constexpr int kCross = 32515;
// The host's client area starts at its corner (a popup without border);
// the control sits at (10, 20) in it and loses 3 pixels to each edge, so
// its client origin is (113, 73) on the screen and its client 394 x 294.
inline constexpr POINT kClientOnScreen { 113, 73 };
inline constexpr int kClientWidth = 394;
inline constexpr int kClientHeight = 294;

// The parent: logs the control's double-click notices into a log that the
// test may share with other observers, to see what came first.
class HostWindow : public CWnd {
public:
    std::vector<std::string>* log = nullptr;

    HostWindow()
    {
        CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 100, 50, 600, 400, nullptr, nullptr);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kDoubleClickNotice && log)
            log->push_back("1135 wParam " + std::to_string(wParam) + " id " + std::to_string(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A rectangle-shaped object that logs the side and label operations the
// tools call on it, so the routing shows without the outline's side editing.
class ProbeObj : public SHAPIX_NAME::CDrawObj {
public:
    ProbeObj(const CRect& area, std::vector<std::string>* log, int page = 0)
        : CDrawObj(area)
        , m_log(log)
        , m_page(page)
    {
    }

    CMyPoint m_removed { 1.0, 2.0, 0 }; // what DelSide hands back

    int ObjType() override { return m_page; }
    int GetPtInterSideIndex(const CPoint&) override { return 3; }
    void AddSide(const CPoint& point, CWnd*) override { Log("AddSide", point); }
    CMyPoint* DelSide(const CPoint& point) override
    {
        Log("DelSide", point);
        return &m_removed;
    }
    void EditSide(const CPoint& point, CWnd*) override { Log("EditSide", point); }
    void EditProp(CWnd*) override { m_log->push_back("EditProp"); }

private:
    void Log(const char* what, const CPoint& point)
    {
        m_log->push_back(std::string(what) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
    }

    std::vector<std::string>* m_log;
    int m_page;
};

inline CString TabList(const std::vector<double>& values)
{
    CString text;
    for (double value : values)
        text.AppendFormat(L"%g\t", value);
    return text;
}

inline std::vector<double> ToVector(const CArray<double, const double&>& values)
{
    std::vector<double> out;
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        out.push_back(values[i]);
    return out;
}

// What the host reads back of one outline.
struct Readback {
    std::vector<double> points;
    std::vector<double> bulges;
    std::vector<double> model; // the corners, then the reference point
};

class ControlHarness {
public:
    HostWindow host;
    CShapixCtrl ctrl;

    ControlHarness()
    {
        // The tools' drag state and the cursor are process-wide: start
        // every test from a released mouse and a free cursor.
        ReleaseCapture();
        ClipCursor(nullptr);
        CDrawTool::s_pSideObj = nullptr;
        ctrl.Create(WS_CHILD | WS_VISIBLE, CRect(10, 20, 410, 320), &host, kCtrlId);
    }
    ~ControlHarness()
    {
        ReleaseCapture();
        ClipCursor(nullptr);
    }

    CDrawObjAry& Doc() { return *ctrl.GetPtrData(); }

    // Window and model points as x, y pairs. Model points do not move with
    // the mouse: outlines for the select page go without.
    void Add(long id, const std::vector<double>& points, const std::vector<double>& bulges, double refX, double refY,
        const std::vector<double>& model = {}, double modelRefX = 0, double modelRefY = 0)
    {
        CShapixCtrl::CPicDerData record;
        const CString window = TabList(points);
        const CString modelPoints = TabList(model);
        const CString arcs = TabList(bulges);
        const double ref[2] = { refX, refY };
        const double modelRef[2] = { modelRefX, modelRefY };
        record.SetData(id, &window, &modelPoints, nullptr, nullptr, &arcs, ref, modelRef);
        ctrl.AddDrawObj(record);
    }

    Readback Read(int id)
    {
        Readback back;
        CShapixCtrl::CPicDerData record;
        ctrl.GetObjData(id, record);
        CString points, model, bulges;
        double ref[2] = {};
        double modelRef[2] = {};
        record.GetData(&points, &model, nullptr, nullptr, &bulges, ref, modelRef);
        auto values = [&record](const CString& text) {
            CArray<double, const double&> out;
            record.GetPointsFromStr(text, out);
            return ToVector(out);
        };
        back.points = values(points);
        back.bulges = values(bulges);
        back.model = values(model);
        back.model.insert(back.model.end(), { modelRef[0], modelRef[1] });
        return back;
    }

    CMyDrawPoly* Poly(int id) { return dynamic_cast<CMyDrawPoly*>(Doc().GetObjByID(id)); }

    void Down(int x, int y) { ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Drag(int x, int y) { ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Hover(int x, int y) { ctrl.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Up(int x, int y) { ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    void Click(int x, int y)
    {
        Down(x, y);
        Up(x, y);
    }
    void DoubleClick(int x, int y)
    {
        Click(x, y);
        ctrl.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
        Up(x, y);
    }
    void RightClick(int x, int y) { ctrl.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y)); }

    static int Cursor() { return platform::CursorId(GetCursor()); }
    bool RepaintPending()
    {
        CRect update;
        return ctrl.GetUpdateRect(&update);
    }
};

// Two outlines, apart from each other and from the edges: square 1 with
// the reference point (110, 100) and box 2 with (300, 180).
inline const std::vector<double> kSquareOutline { 60, 60, 160, 60, 160, 140, 60, 140 };
inline const std::vector<double> kBoxOutline { 240, 80, 320, 80, 320, 200, 240, 200 };

inline void AddSquareAndBox(ControlHarness& h)
{
    h.Add(1, kSquareOutline, { 0, 0, 0, 0 }, 110, 100);
    h.Add(2, kBoxOutline, { 0, 0, 0, 0 }, 300, 180);
}

} // namespace control_test
