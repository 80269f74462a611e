// The control window: creation, double-buffered painting, mouse routing to
// the current tool, and the host's calls.
#include "ShapixCtrl.h"

#include "DrawObjAry.h"
#include "DrawTool.h"
#include "platform/AfxRuntime.h"
#include "poly/MyDrawPoly.h"
#include "shape/PicDerData.h"

namespace {

inline constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS; // 11
inline constexpr DWORD kExStyle = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE; // 0x20200
inline constexpr UINT kDoubleClickMessage = WM_USER + 111; // 1135, to the parent

} // namespace

CShapixCtrl::CShapixCtrl()
    // The default constructor leaves the page open; the document starts on
    // the select page, so Create takes that.
    : m_nInitPage(toolSelect)
    , m_pDoc(new CDrawObjAry)
{
}

CShapixCtrl::CShapixCtrl(ToolType initialPage)
    : m_nInitPage(initialPage)
    , m_pDoc(new CDrawObjAry)
{
    m_pDoc->SetCtrPtr(initialPage, this);
}

CShapixCtrl::~CShapixCtrl()
{
    // The window goes first, while the document its messages reach is
    // still there.
    DestroyWindow();
    delete m_pDoc;
    m_pDoc = nullptr;
}

BOOL CShapixCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    // One window class for every control of the process.
    static CString s_className;
    if (s_className.IsEmpty())
        s_className = AfxRegisterWndClass(kClassStyle, nullptr, nullptr, nullptr);
    const BOOL created = CreateEx(kExStyle, s_className, L"", dwStyle, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr);
    SetPage(m_nInitPage, true);
    InvalidateCtrl();
    return created;
}

void CShapixCtrl::SetCtrPtr(ToolType tool, CWnd* pWnd)
{
    if (m_pDoc)
        m_pDoc->SetCtrPtr(tool, pWnd);
}

void CShapixCtrl::SetPage(ToolType page, bool noRepaint)
{
    if (!m_pDoc)
        return;
    m_pDoc->SetCtrPtr(page, this);
    m_pDoc->SelectTool(page);
    if (!noRepaint) {
        m_pDoc->SetRedraw();
        m_pDoc->FlushRedraw();
    }
}

int CShapixCtrl::SelectTool(ToolType tool)
{
    return m_pDoc ? m_pDoc->SelectTool(tool) : -1;
}

void CShapixCtrl::AddDrawObj(CShapixCtrl::CPicDerData& data)
{
    m_pDoc->m_objs.Add(new CMyDrawPoly(&data));
}

bool CShapixCtrl::GetObjData(int id, CShapixCtrl::CPicDerData& data)
{
    return m_pDoc ? m_pDoc->GetObjData(id, &data) : false;
}

void CShapixCtrl::SetObjVisible(int id, bool visible)
{
    if (!m_pDoc)
        return;
    if (CDrawObj* obj = m_pDoc->GetObjByID(id)) {
        obj->Visible(visible);
        m_pDoc->Select(nullptr);
    }
}

bool CShapixCtrl::GetObjVisible(int id, bool& visible)
{
    CDrawObj* obj = m_pDoc ? m_pDoc->GetObjByID(id) : nullptr;
    if (!obj)
        return false;
    visible = obj->Visible();
    return true;
}

void CShapixCtrl::ClearData()
{
    if (m_pDoc)
        m_pDoc->Clear();
}

void CShapixCtrl::CreateDimText()
{
    if (m_pDoc)
        m_pDoc->CreateDimText();
}

void CShapixCtrl::InvalidateCtrl()
{
    CRect client;
    GetClientRect(&client);
    InvalidateRect(&client, TRUE);
}

void CShapixCtrl::PaintInto(CDC& target, const CRect& client)
{
    CDC memory;
    memory.CreateCompatibleDC(&target);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&target, client.Width(), client.Height());
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);

    memory.SetBkColor(0);
    CGdiObject* oldBrush = memory.SelectStockObject(BLACK_BRUSH);
    memory.FillSolidRect(&client, 0);
    memory.SelectObject(oldBrush);
    if (m_pDoc)
        m_pDoc->Draw(&memory);

    target.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
    memory.DeleteDC();
    bitmap.DeleteObject();
}

void CShapixCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    PaintInto(dc, client);
}

void CShapixCtrl::InvalidateCtrl(CWnd* pWnd)
{
    if (!pWnd)
        return;
    CClientDC dc(pWnd);
    CRect client;
    pWnd->GetClientRect(&client);
    PaintInto(dc, client);
}

void CShapixCtrl::GetDrawMemDc(CWnd* pWnd, ToolType tool, CDC& dc)
{
    if (!pWnd || !m_pDoc)
        return;
    for (int page = toolSelect; page <= toolDim; ++page)
        m_pDoc->SetCtrPtr(page, pWnd);
    CreateDimText();
    SelectTool(tool);

    CClientDC client(pWnd);
    CRect rect;
    pWnd->GetClientRect(&rect);
    if (!dc.GetSafeHdc()) {
        // The device context and its bitmap stay with the caller's CDC.
        dc.CreateCompatibleDC(&client);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&client, rect.Width(), rect.Height());
        dc.SelectObject(&bitmap);
        bitmap.Detach();
        dc.SetBkColor(0);
    }
    CGdiObject* oldBrush = dc.SelectStockObject(BLACK_BRUSH);
    dc.FillSolidRect(&rect, 0);
    dc.SelectObject(oldBrush);
    m_pDoc->Draw(&dc);
}

void CShapixCtrl::RunCBFun(CStringArray* args)
{
    if (!m_pfnCB || !args)
        return;
    auto callback = reinterpret_cast<void (*)(int)>(m_pfnCB);
    callback(_wtoi((*args)[0]));
}

void CShapixCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pDoc) {
        m_pDoc->GetCurTool()->OnLButtonDown(this, nFlags, point);
        m_pDoc->FlushRedraw();
    }
    Default();
}

void CShapixCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pDoc) {
        if (CDrawTool* tool = m_pDoc->GetCurTool())
            tool->OnLButtonUp(this, nFlags, point);
        if (!m_pDoc->HitObject(point)) {
            auto* ctrl = dynamic_cast<CShapixCtrl*>(m_pDoc->GetCurWnd());
            if (ctrl && ctrl->m_pfnClickCB)
                ctrl->GetClickCB()();
        }
        m_pDoc->FlushRedraw();
    }
    Default();
}

void CShapixCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_pDoc && m_pDoc->GetCurTool()) {
        m_pDoc->GetCurTool()->OnMouseMove(this, nFlags, point);
        m_pDoc->FlushRedraw();
    }
    Default();
}

void CShapixCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // The host hears of the double click before the tool acts on it.
    if (CWnd* parent = GetParent())
        parent->SendMessage(kDoubleClickMessage, 0, GetDlgCtrlID());
    if (m_pDoc) {
        m_pDoc->GetCurTool()->OnLButtonDblClk(this, nFlags, point);
        m_pDoc->FlushRedraw();
    }
    Default();
}

void CShapixCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pDoc) {
        m_pDoc->GetCurTool()->OnRButtonDown(this, nFlags, point);
        m_pDoc->FlushRedraw();
    }
    Default();
}

BOOL CShapixCtrl::OnEraseBkgnd(CDC*)
{
    // Every pixel comes from OnPaint.
    return FALSE;
}
