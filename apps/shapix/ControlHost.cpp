#include "ControlHost.h"

#include "ToolError.h"

#include <cmath>
#include <map>

namespace shapix_tool {

namespace {

    constexpr UINT kControlId = 100;
    constexpr UINT kDoubleClickNotice = WM_USER + 111; // what the control sends its parent

} // namespace

// The parent counts the control's double-click notices, as a host listens
// for them.
class ControlHost::HostWindow : public CWnd {
public:
    int doubleClickNotices = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kDoubleClickNotice)
            ++doubleClickNotices;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A host learns of a typed dimension through CCtrlBase::Change.
class ControlHost::ObservedControl : public CShapixCtrl {
public:
    int changeNotices = 0;

    // The default constructor leaves the initial page open.
    ObservedControl()
        : CShapixCtrl(CShapixCtrl::toolSelect)
    {
    }

    bool Change(CStringArray* pArray) override
    {
        ++changeNotices;
        return CShapixCtrl::Change(pArray);
    }
};

ClientSize ParseClientSize(const std::string& text, const std::string& command)
{
    ClientSize size;
    char separator = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &size.width, &separator, &size.height, &rest) != 3
        || (separator != 'x' && separator != 'X'))
        throw UsageError("bad size \"" + text + "\": expected WIDTHxHEIGHT, e.g. 640x480", command);
    if (size.width < kMinClientSide || size.height < kMinClientSide || size.width > kMaxClientSide
        || size.height > kMaxClientSide)
        throw UsageError("bad size \"" + text + "\": each side must be " + std::to_string(kMinClientSide) + " to "
                + std::to_string(kMaxClientSide) + " pixels",
            command);
    return size;
}

bool ParseTool(const std::string& name, CShapixCtrl::ToolType& tool)
{
    static const std::map<std::string, CShapixCtrl::ToolType> tools {
        { "select", CShapixCtrl::toolSelect },
        { "read", CShapixCtrl::toolRead },
        { "dim", CShapixCtrl::toolDim },
        { "add", CShapixCtrl::toolAddSide },
        { "delete", CShapixCtrl::toolDelSide },
        { "edit", CShapixCtrl::toolEditSide },
    };
    const auto found = tools.find(name);
    if (found == tools.end())
        return false;
    tool = found->second;
    return true;
}

ControlHost::ControlHost(ClientSize size)
    : m_size(size)
    , m_host(new HostWindow)
    , m_control(new ObservedControl)
{
    // Drag state and the cursor confinement are process-wide.
    ReleaseCapture();
    ClipCursor(nullptr);
    const int width = size.width + kControlEdges;
    const int height = size.height + kControlEdges;
    m_host->CreateEx(
        0, AfxRegisterWndClass(0), L"shapix", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr);
    m_control->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, width, height), m_host, kControlId);
    // One control shows all three pages: each page needs it as its window,
    // or switching to that page leaves the document without a window (no
    // drawing height, no Change notice). The select page is bound last so
    // it stays current.
    m_control->SetCtrPtr(CShapixCtrl::toolRead, m_control);
    m_control->SetCtrPtr(CShapixCtrl::toolDim, m_control);
    m_control->SetCtrPtr(CShapixCtrl::toolSelect, m_control);
    CRect client;
    m_control->GetClientRect(&client);
    if (client.Width() != size.width || client.Height() != size.height)
        throw ToolError("the control's client area came out " + std::to_string(client.Width()) + "x"
            + std::to_string(client.Height()) + " instead of " + std::to_string(size.width) + "x"
            + std::to_string(size.height));
}

ControlHost::~ControlHost()
{
    ReleaseCapture();
    ClipCursor(nullptr);
    m_control->DestroyWindow();
    delete m_control;
    m_host->DestroyWindow();
    delete m_host;
}

CShapixCtrl& ControlHost::Control() { return *m_control; }

void ControlHost::AddOutlines(const ShapesDocument& document, bool fit)
{
    for (const Outline& outline : document.outlines) {
        for (long id : m_ids) {
            if (id == outline.id)
                throw ToolError("outline id " + std::to_string(id) + " is already in the control");
        }
    }
    for (const Outline& outline : document.outlines) {
        CShapixCtrl::CPicDerData record;
        FillRecord(outline, record);
        if (fit)
            record.AdjustToWnd(m_control);
        m_control->AddDrawObj(record);
        m_ids.push_back(outline.id);
        m_outlineComments[outline.id] = outline.comment;
    }
    if (m_units.empty())
        m_units = document.units;
    // Like the units, the first file's comment travels on to what is saved.
    if (m_comment.empty())
        m_comment = document.comment;
    m_control->CreateDimText();
    m_control->InvalidateCtrl();
}

Outline ControlHost::Read(long id)
{
    CShapixCtrl::CPicDerData record;
    if (!m_control->GetObjData(static_cast<int>(id), record))
        throw ToolError("no visible outline with id " + std::to_string(id) + " in the control");
    return ReadRecord(record);
}

ShapesDocument ControlHost::ReadAll()
{
    ShapesDocument document;
    document.units = m_units;
    document.comment = m_comment;
    for (long id : m_ids) {
        document.outlines.push_back(Read(id));
        document.outlines.back().comment = m_outlineComments[id];
    }
    return document;
}

void ControlHost::SelectTool(CShapixCtrl::ToolType tool)
{
    m_control->SelectTool(tool);
    m_control->InvalidateCtrl();
    platform::PumpMessages();
}

void ControlHost::Send(UINT message, UINT flags, int x, int y)
{
    m_control->SendMessage(message, flags, MAKELPARAM(x, y));
    platform::PumpMessages();
}

void ControlHost::ClickOutline(long id)
{
    CDrawObjAry* document = m_control->GetPtrData();
    if (document->GetCurTool() != document->GetTool(CShapixCtrl::toolSelect))
        throw ToolError("selecting outline " + std::to_string(id) + " needs the select tool");
    const Outline outline = Read(id);
    for (int i = 0; i < outline.VertexCount(); ++i) {
        const CPoint at(static_cast<int>(std::floor(outline.points[2 * i] + 0.5)),
            static_cast<int>(std::floor(outline.points[2 * i + 1] + 0.5)));
        // The press goes to whatever the document finds there: only a
        // vertex where this outline is the one hit selects it.
        CDrawObj* hit = document->HitObject(at);
        if (hit && hit->GetID() == id) {
            Send(WM_LBUTTONDOWN, MK_LBUTTON, at.x, at.y);
            Send(WM_LBUTTONUP, 0, at.x, at.y);
            return;
        }
    }
    throw ToolError("outline " + std::to_string(id) + " cannot be clicked: other outlines cover all its vertices");
}

platform::Image ControlHost::Capture()
{
    platform::PumpMessages();
    return platform::CaptureClient(m_control);
}

int ControlHost::DoubleClickNotices() const { return m_host->doubleClickNotices; }
int ControlHost::ChangeNotices() const { return m_control->changeNotices; }

} // namespace shapix_tool
