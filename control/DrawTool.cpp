#include "DrawTool.h"

#include "DrawObjAry.h"
#include "ShapixCtrl.h"
#include "res/ShapixResources.h"

#include "platform/res/AfxModule.h"
#include "platform/wnd/Cursor.h"

using SHAPIX_NAME::CDrawObj;

int CDrawTool::s_nSelMode = 0;
int CDrawTool::s_nHandle = 0;
CPoint CDrawTool::s_ptSelLast(0, 0);
HCURSOR CDrawTool::s_hCursor = nullptr;
CDrawObj* CDrawTool::s_pSideObj = nullptr;

namespace {

constexpr WORD kHandCursor = 129; // the dimension tool over a label
constexpr WORD kAddSideCursor = 1003;
constexpr WORD kDelSideCursor = 1004;
constexpr WORD kEditSideCursor = 1006;

CDrawObjAry* DocOf(CShapixCtrl* pCtrl)
{
    return pCtrl ? pCtrl->GetPtrData() : nullptr;
}

// The control's window class has no cursor, so whatever a tool sets here
// is what the pointer shows until the next mouse message.
void ShowSystemCursor(LPCWSTR id)
{
    CDrawTool::s_hCursor = LoadCursorW(nullptr, id);
    SetCursor(CDrawTool::s_hCursor);
}

// The library's cursors live in its own module; AfxFindResourceHandle
// picks it when the current resource handle lacks them, and the side tool
// makes it the current one so that a host's cursor of the same number
// cannot stand in for the library's.
void ShowLibraryCursor(WORD id)
{
    const LPCWSTR name = MAKEINTRESOURCE(id);
    CDrawTool::s_hCursor = LoadCursorW(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name);
    SetCursor(CDrawTool::s_hCursor);
}

bool InsideDrawingArea(const CDrawObjAry& doc, const CPoint& point)
{
    // The left and top edges are outside, the right and bottom inside.
    return point.x > 0 && point.y > 0 && point.x <= doc.GetDrawWidth() && point.y <= doc.GetDrawHeight();
}

void ConfineCursorToDrawingArea(CShapixCtrl* pCtrl, const CDrawObjAry& doc)
{
    CPoint topLeft(0, 0);
    CPoint bottomRight(doc.GetDrawWidth(), doc.GetDrawHeight());
    pCtrl->ClientToScreen(&topLeft);
    pCtrl->ClientToScreen(&bottomRight);
    // ClipCursor refuses an inverted rectangle, which a mirrored or
    // not yet sized window would give.
    CRect area(topLeft, bottomRight);
    area.NormalizeRect();
    ClipCursor(&area);
}

void Repaint(CDrawObjAry& doc)
{
    doc.SetRedraw();
    doc.FlushRedraw();
}

} // namespace

// CDrawTool ------------------------------------------------------------------

void CDrawTool::OnLButtonDown(CShapixCtrl* pCtrl, UINT, const CPoint&)
{
    if (pCtrl)
        pCtrl->SetCapture();
}

void CDrawTool::OnLButtonDblClk(CShapixCtrl*, UINT, const CPoint&)
{
}

void CDrawTool::OnLButtonUp(CShapixCtrl*, UINT, const CPoint&)
{
    ReleaseCapture();
}

void CDrawTool::OnMouseMove(CShapixCtrl*, UINT, const CPoint&)
{
    ShowSystemCursor(IDC_ARROW);
}

void CDrawTool::OnRButtonDown(CShapixCtrl*, UINT, const CPoint&)
{
}

// CSelectTool ----------------------------------------------------------------

CSelectTool::CSelectTool()
{
    s_ptSelLast = CPoint(0, 0);
}

void CSelectTool::OnLButtonDown(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point)
{
    CDrawObjAry* pDoc = DocOf(pCtrl);
    if (!pDoc)
        return;
    s_nSelMode = 0;
    // A handle of the selection wins over any object lying on top of it.
    if (CDrawObj* pSel = pDoc->GetSelObj()) {
        s_nHandle = pSel->HitTest(point);
        if (s_nHandle != 0)
            s_nSelMode = 2;
    }
    if (s_nSelMode == 0) {
        if (CDrawObj* pHit = pDoc->HitObject(point)) {
            s_nSelMode = 1;
            // Re-selecting would drop the labels the selection already has.
            if (!pDoc->IsSelected(pHit)) {
                pDoc->Select(pHit);
                pDoc->MakeSelDims(pHit, pCtrl);
            }
        }
    }
    if (s_nSelMode == 0)
        pDoc->Select(nullptr);
    s_ptSelLast = point;
    CDrawTool::OnLButtonDown(pCtrl, nFlags, point);
}

void CSelectTool::OnMouseMove(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point)
{
    CDrawObjAry* pDoc = DocOf(pCtrl);
    if (!pDoc)
        return;
    CDrawObj* pSel = pDoc->GetSelObj();
    if (CWnd::GetCapture() != pCtrl) {
        if (pSel && pSel->HitTest(point) != 0)
            ShowSystemCursor(IDC_CROSS);
        else
            CDrawTool::OnMouseMove(pCtrl, nFlags, point);
        return;
    }
    if (!InsideDrawingArea(*pDoc, point) && pSel) {
        ConfineCursorToDrawingArea(pCtrl, *pDoc);
        return;
    }
    if (pSel) {
        const int dx = point.x - s_ptSelLast.x;
        const int dy = point.y - s_ptSelLast.y;
        if (s_nSelMode == 1) {
            // An outline keeps an empty m_rcPosition, so the rectangle it
            // receives carries just the step in its left and top.
            CRect position = pSel->m_rcPosition;
            position.OffsetRect(dx, dy);
            pSel->MoveTo(position, pCtrl);
        } else if (s_nHandle != 0) {
            pSel->MoveHandleTo(s_nHandle, point, pCtrl);
        }
    }
    s_ptSelLast = point;
    if (s_nSelMode == 2)
        ShowSystemCursor(IDC_CROSS);
    else
        CDrawTool::OnMouseMove(pCtrl, nFlags, point);
}

void CSelectTool::OnLButtonUp(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point)
{
    ClipCursor(nullptr);
    if (pCtrl && CWnd::GetCapture() == pCtrl && s_nSelMode != 0) {
        CRect client;
        pCtrl->GetClientRect(&client);
        pCtrl->InvalidateRect(&client, TRUE);
    }
    CDrawTool::OnLButtonUp(pCtrl, nFlags, point);
}

void CSelectTool::OnLButtonDblClk(CShapixCtrl* pCtrl, UINT, const CPoint& point)
{
    CDrawObjAry* pDoc = DocOf(pCtrl);
    if (!pDoc)
        return;
    if (CDrawObj* pHit = pDoc->HitObject(point))
        pHit->EditSide(point, pCtrl);
}

// CDimTool -------------------------------------------------------------------

void CDimTool::OnLButtonDown(CShapixCtrl* pCtrl, UINT, const CPoint& point)
{
    CDrawObjAry* pDoc = DocOf(pCtrl);
    if (!pDoc)
        return;
    // On the dimension page only labels can be hit.
    if (CDrawObj* pLabel = pDoc->HitObject(point)) {
        pLabel->EditProp(pCtrl);
        Repaint(*pDoc);
    }
}

void CDimTool::OnMouseMove(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point)
{
    CDrawObjAry* pDoc = DocOf(pCtrl);
    if (pDoc && pDoc->HitObject(point))
        ShowLibraryCursor(kHandCursor);
    else
        CDrawTool::OnMouseMove(pCtrl, nFlags, point);
}

// CSideTool ------------------------------------------------------------------

CSideTool::CSideTool(int mode)
    : m_nMode(mode)
{
}

void CSideTool::OnMouseMove(CShapixCtrl* pCtrl, UINT, const CPoint& point)
{
    const ShapixResourceScope libraryResources;
    switch (m_nMode) {
    case 0:
        ShowLibraryCursor(kAddSideCursor);
        break;
    case 1:
        ShowLibraryCursor(kDelSideCursor);
        break;
    default:
        ShowLibraryCursor(kEditSideCursor);
        break;
    }

    CDrawObjAry* pDoc = DocOf(pCtrl);
    if (!pDoc)
        return;
    CDrawObj* pHit = pDoc->HitObject(point);
    if (!pHit) {
        // Only the move that leaves an object repaints, not every move over
        // empty space.
        if (s_pSideObj) {
            s_pSideObj->m_nHotSide = -1;
            Repaint(*pDoc);
            s_pSideObj = nullptr;
        }
        return;
    }
    s_pSideObj = pHit;
    s_pSideObj->m_nHotSide = pHit->GetPtInterSideIndex(point);
    Repaint(*pDoc);
}

void CSideTool::OnLButtonDown(CShapixCtrl* pCtrl, UINT, const CPoint& point)
{
    CDrawObjAry* pDoc = DocOf(pCtrl);
    if (!pDoc || !s_pSideObj)
        return;
    s_pSideObj->m_nHotSide = -1;
    switch (m_nMode) {
    case 0:
        s_pSideObj->AddSide(point, pCtrl);
        pDoc->Select(s_pSideObj);
        break;
    case 1:
        pDoc->DelPointRel(s_pSideObj->DelSide(point));
        break;
    case 2:
        s_pSideObj->EditSide(point, pCtrl);
        break;
    default:
        break;
    }
    Repaint(*pDoc);
}

void CSideTool::OnRButtonDown(CShapixCtrl* pCtrl, UINT, const CPoint&)
{
    if (CDrawObjAry* pDoc = DocOf(pCtrl))
        pDoc->SelectTool(CShapixCtrl::toolSelect);
}
