// A host window with one CShapixCtrl in it, set up the way an application
// would: a parent that hears the double-click notice, a control whose
// client area is exactly the requested size, outlines handed in as shape
// records, and mouse input as window messages.
#pragma once

#include "ShapesFile.h"

#include "Shapix.h"

#include <map>
#include <string>
#include <vector>

namespace shapix_tool {

// The control's window carries a 3-pixel edge on each side
// (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE); the window is made this much
// larger in both directions so the client area is the requested size.
inline constexpr int kControlEdges = 6;
inline constexpr int kDefaultClientWidth = 640;
inline constexpr int kDefaultClientHeight = 480;
inline constexpr int kMinClientSide = 32;
inline constexpr int kMaxClientSide = 4096;

struct ClientSize {
    int width = kDefaultClientWidth;
    int height = kDefaultClientHeight;
};

// "640x480" → {640, 480}; throws UsageError (for the given command) when
// malformed or outside kMinClientSide..kMaxClientSide.
ClientSize ParseClientSize(const std::string& text, const std::string& command);

// Tool names as the tool's users write them: select, read, dim (the three
// pages), add, delete, edit (the side tools). False for any other name.
bool ParseTool(const std::string& name, CShapixCtrl::ToolType& tool);

class ControlHost {
public:
    explicit ControlHost(ClientSize size);
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    CShapixCtrl& Control();
    ClientSize Size() const { return m_size; }

    // Every outline through SetData, fitted to the control first when asked
    // (AdjustToWnd), then AddDrawObj; finally CreateDimText, so the
    // dimension values start from the model coordinates. Throws ToolError
    // when an id is already in the control.
    void AddOutlines(const ShapesDocument& document, bool fit);
    const std::vector<long>& Ids() const { return m_ids; }

    // The outline as the host reads it: GetObjData (which applies the
    // dimension chains first), then the record's strings. Throws ToolError
    // for an id the control does not show.
    Outline Read(long id);
    ShapesDocument ReadAll();
    std::string Units() const { return m_units; }

    // SelectTool, then the repaint a host asks for (the document only marks
    // it), painted at once.
    void SelectTool(CShapixCtrl::ToolType tool);
    // A window message to the control, with a point in client coordinates.
    void Send(UINT message, UINT flags, int x, int y);
    // Presses and releases the left button with the select tool on a point
    // of the outline that hits it. Throws ToolError when no vertex of the
    // outline can be hit (another outline lies over all of them).
    void ClickOutline(long id);

    // Paints what is pending, as the message loop would, and reads back the
    // client area.
    platform::Image Capture();

    int DoubleClickNotices() const;
    int ChangeNotices() const;

private:
    class HostWindow;
    class ObservedControl;

    ClientSize m_size;
    HostWindow* m_host;
    ObservedControl* m_control;
    std::vector<long> m_ids;
    std::string m_units;
    std::string m_comment; // JSON text, as ShapesDocument keeps it
    std::map<long, std::string> m_outlineComments; // by id, JSON text
};

} // namespace shapix_tool
