// Plays a user on a real control: mouse messages, page and tool switches,
// the host's calls, and the answers to the two dialogs. The soak test draws
// its events from a seeded generator, the session fuzzer from its input.
#pragma once

#include "Shapix.h"
#include "platform/dlg/ModalSession.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace robustness {

enum class EventKind {
    Press, // left button down
    Drag, // move with the left button held
    Release,
    Hover, // move with no button
    DoubleClick,
    RightClick,
    Tool, // SelectTool(param % 6)
    CreateDims, // the host's CreateDimText
    Read, // the host's GetObjData of outline param
    Visibility, // the host shows or hides outline param
    Paint, // the message loop paints what is invalid
    Count
};

// How the user answers the next dialogs: OK or cancel, the text typed into
// "输入尺寸" or the side dialog's edit boxes, the radio button and list item
// picked in the side dialog.
struct Answer {
    bool ok = true;
    std::wstring text = L"100";
    int radio = 0; // 0 radius, 1 arch height, 2 angle
    int listItem = 0;
};

struct Event {
    EventKind kind = EventKind::Hover;
    int x = 0;
    int y = 0;
    int param = 0;
};

class SessionDriver {
    CWnd m_host; // first: the control is destroyed before its parent

public:
    static constexpr int kValueDialog = 1002;
    static constexpr int kValueEdit = 1000;
    static constexpr int kRadios[3] = { 1006, 1005, 1007 };
    static constexpr int kSideEdits[3] = { 1004, 1003, 1001 };
    static constexpr int kSideTypeList = 1002;

    SessionDriver(int clientWidth, int clientHeight)
    {
        ReleaseCapture();
        ClipCursor(nullptr);
        CDrawTool::s_pSideObj = nullptr;
        m_host.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 0, 0, clientWidth + 40,
            clientHeight + 40, nullptr, nullptr);
        // The client edge takes 3 pixels on each side.
        ctrl.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, clientWidth + 6, clientHeight + 6), &m_host, 7);
        for (auto page : { CShapixCtrl::toolDim, CShapixCtrl::toolRead, CShapixCtrl::toolSelect })
            ctrl.SetCtrPtr(page, &ctrl);
        platform::SetModalDriver([this](platform::ModalSession& session) { AnswerDialog(session); });
    }
    ~SessionDriver()
    {
        platform::SetModalDriver(nullptr);
        ReleaseCapture();
        ClipCursor(nullptr);
        CDrawTool::s_pSideObj = nullptr;
    }
    SessionDriver(const SessionDriver&) = delete;
    SessionDriver& operator=(const SessionDriver&) = delete;

    CDrawObjAry& Doc() { return *ctrl.GetPtrData(); }

    // Window and model points as x, y pairs, one bulge per side.
    void AddOutline(long id, const std::vector<double>& window, const std::vector<double>& model,
        const std::vector<double>& bulges, double refX, double refY)
    {
        auto tabbed = [](const std::vector<double>& values) {
            CString text;
            for (double v : values)
                text.AppendFormat(L"%.5lf\t", v);
            return text;
        };
        const CString points = tabbed(window), modelPoints = tabbed(model), arcs = tabbed(bulges);
        const CString types = L"";
        const CString names = L"直线\t圆弧\t";
        const double ref[2] = { refX, refY };
        const double modelRef[2] = { refX * 10, refY * 10 };
        CShapixCtrl::CPicDerData record;
        record.SetData(id, &points, &modelPoints, &types, &names, &arcs, ref, modelRef);
        ctrl.AddDrawObj(record);
        m_ids.push_back(id);
    }

    void Apply(const Event& e, const Answer& answer)
    {
        m_answer = answer;
        auto send = [&](UINT message, WPARAM keys) { ctrl.SendMessage(message, keys, MAKELPARAM(e.x, e.y)); };
        const long id = m_ids.empty() ? 0 : m_ids[static_cast<size_t>(e.param) % m_ids.size()];
        switch (e.kind) {
        case EventKind::DoubleClick:
            send(WM_LBUTTONDOWN, MK_LBUTTON);
            send(WM_LBUTTONUP, 0);
            send(WM_LBUTTONDBLCLK, MK_LBUTTON);
            [[fallthrough]];
        case EventKind::Release:
            send(WM_LBUTTONUP, 0);
            break;
        case EventKind::Press:
            send(WM_LBUTTONDOWN, MK_LBUTTON);
            break;
        case EventKind::Drag:
        case EventKind::Hover:
            send(WM_MOUSEMOVE, e.kind == EventKind::Drag ? MK_LBUTTON : 0);
            break;
        case EventKind::RightClick:
            send(WM_RBUTTONDOWN, MK_RBUTTON);
            break;
        case EventKind::Tool:
            ctrl.SelectTool(static_cast<CShapixCtrl::ToolType>(std::abs(e.param % 6)));
            break;
        case EventKind::CreateDims:
            ctrl.CreateDimText();
            break;
        case EventKind::Read:
            if (CShapixCtrl::CPicDerData record; !m_ids.empty() && ctrl.GetObjData(static_cast<int>(id), record)) {
                CString points, model, types, names, bulges;
                double ref[2] = {};
                double modelRef[2] = {};
                record.GetData(&points, &model, &types, &names, &bulges, ref, modelRef);
            }
            break;
        case EventKind::Visibility:
            if (!m_ids.empty())
                ctrl.SetObjVisible(static_cast<int>(id), e.x % 4 != 0);
            break;
        case EventKind::Paint:
            platform::PumpMessages();
            break;
        case EventKind::Count:
            break;
        }
    }

    int DialogsAnswered() const { return m_dialogs; }

    CShapixCtrl ctrl;

private:
    void AnswerDialog(platform::ModalSession& session)
    {
        ++m_dialogs;
        if (session.TemplateId() == kValueDialog) {
            session.SetText(kValueEdit, m_answer.text);
        } else {
            session.Click(kRadios[std::clamp(m_answer.radio, 0, 2)]);
            for (int edit : kSideEdits)
                session.SetText(edit, m_answer.text);
            session.SelectListItem(kSideTypeList, m_answer.listItem);
        }
        session.Click(m_answer.ok ? IDOK : IDCANCEL);
        // A prompt about a bad value leaves the dialog open: give up then.
        if (!session.Ended())
            session.Click(IDCANCEL);
    }

    std::vector<long> m_ids;
    Answer m_answer;
    int m_dialogs = 0;
};

} // namespace robustness
