// The drawing document: objects, tools, pages, selection, batched repaint.
#include "DrawObjAry.h"

#include "DrawTool.h"
#include "EdgeDistance.h"
#include "dims/RelationMng.h"
#include "platform/wnd/Cursor.h"
#include "poly/MyDrawPoly.h"
#include "shape/PicDerData.h"

#include <cstdlib>
#include <unordered_map>
#include <vector>

namespace {

inline constexpr int kHitHalf = 2; // HitObject probes the square 2 pixels around the point
inline constexpr int kSnapMarkHalf = 3; // the snap marker is a 6 x 6 square
inline constexpr int kNearLimit = 5; // coordinates less than 5 apart are near

// A size set by the host wins; otherwise the window's client extent, or -1 without a window.
int DrawExtent(int fixed, CWnd* wnd, LONG RECT::*edge)
{
    if (fixed != -1)
        return fixed;
    if (!wnd)
        return -1;
    CRect client;
    wnd->GetClientRect(&client);
    return client.*edge;
}

} // namespace

CDrawObjAry::CDrawObjAry()
    : m_pRelMng(nullptr)
    , m_lbSnap { BS_SOLID, 0x0000FF, 0 }
    , m_lpSnap { PS_SOLID, { 1, 0 }, 0x00FFFF }
    , m_pCurWnd(nullptr)
    , m_pSelObj(nullptr)
    , m_pSnapPtX(nullptr)
    , m_pSnapPtY(nullptr)
    , m_pSnapObjX(nullptr)
    , m_pSnapObjY(nullptr)
    , m_nHeight(-1)
    , m_nWidth(-1)
    , m_pCurTool(nullptr)
    , m_bRedraw(false)
    , m_nCurTool(0)
{
    m_pRelMng = new CRelationMng(this);
    m_wnds.SetSize(3);
    // Indexed by ToolType.
    m_tools.Add(new CSelectTool);
    m_tools.Add(new CReadTool);
    m_tools.Add(new CDimTool);
    m_tools.Add(new CSideTool(0));
    m_tools.Add(new CSideTool(1));
    m_tools.Add(new CSideTool(2));
    m_pCurTool = m_tools[0];
}

CDrawObjAry::~CDrawObjAry()
{
    for (INT_PTR i = m_tools.GetSize() - 1; i >= 0; --i)
        delete m_tools[i];
    m_tools.RemoveAll();
    m_pCurTool = nullptr;
    Clear();
    delete m_pRelMng;
    m_pRelMng = nullptr;
}

void CDrawObjAry::SetCtrPtr(int page, CWnd* pWnd)
{
    m_wnds.SetAtGrow(page, pWnd);
    m_pCurWnd = pWnd;
}

int CDrawObjAry::SelectTool(int tool)
{
    m_pCurTool = m_tools[tool];
    // The side tools work on the page that is showing.
    if (tool >= CShapixCtrl::toolAddSide)
        return m_nCurTool;
    m_pCurWnd = static_cast<CWnd*>(m_wnds[tool]);
    if (tool != m_nCurTool) {
        if (m_nCurTool == CShapixCtrl::toolDim) {
            GetRelMng()->Apply();
            GetRelMng()->SaveHistory();
        }
        ClearDims();
        m_pSelObj = nullptr;
        m_nCurTool = tool;
        if (tool == CShapixCtrl::toolDim) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
            MakeDims();
            GetRelMng()->RestoreHistory();
            return m_nCurTool;
        }
    }
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return m_nCurTool;
}

void CDrawObjAry::Clear()
{
    m_nHeight = -1;
    m_nWidth = -1;
    m_pSelObj = nullptr;
    delete m_pRelMng;
    m_pRelMng = nullptr;
    m_pCurWnd = nullptr;
    m_bRedraw = false;
    m_nCurTool = 0;
    // The side tool's remembered object goes with the objects.
    CDrawTool::s_pSideObj = nullptr;
    for (INT_PTR i = m_objs.GetSize() - 1; i >= 0; --i)
        delete m_objs[i];
    m_objs.RemoveAll();
    ClearSnap();
    ClearDims();
    m_saDimX.RemoveAll();
    m_saDimY.RemoveAll();
}

void CDrawObjAry::Draw(CDC* pDC)
{
    GetRelMng()->Draw(pDC, this);
    for (INT_PTR i = m_objs.GetSize() - 1; i >= 0; --i) {
        CDrawObj* obj = m_objs[i];
        obj->Draw(pDC, this);
        if (obj == m_pSelObj)
            obj->DrawTracker(pDC, CDrawObj::trackSelected);
    }

    CMyPoint* mark = m_pSnapObjX ? m_pSnapPtX : (m_pSnapObjY ? m_pSnapPtY : nullptr);
    if (mark && pDC) {
        CPen pen;
        CBrush brush;
        if (pen.CreatePenIndirect(&m_lpSnap) && brush.CreateBrushIndirect(&m_lbSnap)) {
            CPen* oldPen = pDC->SelectObject(&pen);
            CBrush* oldBrush = pDC->SelectObject(&brush);
            const int x = SHAPIX_NAME::RoundToPixel(mark->m_x);
            const int y = SHAPIX_NAME::RoundToPixel(mark->m_y);
            pDC->Rectangle(x - kSnapMarkHalf, y - kSnapMarkHalf, x + kSnapMarkHalf, y + kSnapMarkHalf);
            pDC->SelectObject(oldBrush);
            pDC->SelectObject(oldPen);
        }
    }
}

CDrawObj* CDrawObjAry::HitObject(const CPoint& point)
{
    const CRect probe(point.x - kHitHalf, point.y - kHitHalf, point.x + kHitHalf, point.y + kHitHalf);
    for (INT_PTR i = m_objs.GetSize() - 1; i >= 0; --i) {
        CDrawObj* obj = m_objs[i];
        if (obj->Intersects(probe) != 0 && obj->ObjType() == m_nCurTool && obj->Visible())
            return obj;
    }
    return nullptr;
}

void CDrawObjAry::Select(CDrawObj* pObj)
{
    ClearSnap();
    ClearDims();
    // A label is deleted with the dimensions it belongs to: the side tools
    // on the dimension page hand one in. Selecting it would leave the
    // selection pointing at a deleted object, so it selects nothing.
    if (pObj && FindObj(pObj) < 0)
        pObj = nullptr;
    if (!pObj) {
        m_pSelObj = nullptr;
        SetRedraw();
        return;
    }
    if (pObj != m_pSelObj) {
        m_pSelObj = pObj;
        SetRedraw();
    }
}

bool CDrawObjAry::IsSelected(CDrawObj* pObj)
{
    return m_pSelObj && m_pSelObj == pObj;
}

CDrawObj* CDrawObjAry::GetObjByID(int id)
{
    for (INT_PTR i = m_objs.GetSize() - 1; i >= 0; --i) {
        if (m_objs[i]->GetID() == id)
            return m_objs[i];
    }
    return nullptr;
}

int CDrawObjAry::FindObj(CDrawObj* pObj)
{
    for (INT_PTR i = m_objs.GetSize() - 1; i >= 0; --i) {
        if (m_objs[i] == pObj)
            return static_cast<int>(i);
    }
    return -1;
}

void CDrawObjAry::AddObjs(CObArray* objs)
{
    if (!objs)
        return;
    for (INT_PTR i = 0; i < objs->GetSize(); ++i) {
        if (auto* obj = static_cast<CDrawObj*>((*objs)[i]))
            m_objs.Add(obj);
    }
}

// Labels, which have no dimension points, leave in one pass: the chains of
// a large outline hand thousands of them at once, and looking each one up
// and closing its gap on its own was quadratic. Objects with points, or a
// null or twice-listed element of m_objs, take the general path, where
// forgetting an object's points can remove further labels on the way.
bool CDrawObjAry::RemovePlainObjs(CObArray& objs)
{
    std::unordered_map<CObject*, INT_PTR> index;
    index.reserve(static_cast<size_t>(m_objs.GetSize()));
    for (INT_PTR i = 0; i < m_objs.GetSize(); ++i) {
        if (!m_objs[i] || !index.emplace(m_objs[i], i).second)
            return false;
    }
    std::vector<INT_PTR> slots; // in the order they go: the list's last element first
    for (INT_PTR i = objs.GetSize() - 1; i >= 0; --i) {
        const auto found = index.find(objs[i]);
        if (found == index.end())
            continue;
        CTypedPtrArray<CObArray, CMyPoint*> points;
        m_objs[found->second]->GetAllDimPoint(points);
        if (points.GetSize() > 0)
            return false;
        slots.push_back(found->second);
        index.erase(found); // listed twice: only the first removal finds it
    }
    for (const INT_PTR slot : slots) {
        DeleteObj(m_objs[slot]);
        m_objs[slot] = nullptr;
    }
    INT_PTR kept = 0;
    for (INT_PTR i = 0; i < m_objs.GetSize(); ++i) {
        if (m_objs[i])
            m_objs[kept++] = m_objs[i];
    }
    m_objs.SetSize(kept);
    return true;
}

void CDrawObjAry::DeleteObj(CDrawObj* obj)
{
    // Nothing may keep pointing at an object that is gone.
    if (m_pSelObj == obj)
        m_pSelObj = nullptr;
    if (m_pSnapObjX == obj || m_pSnapObjY == obj)
        ClearSnap();
    if (CDrawTool::s_pSideObj == obj)
        CDrawTool::s_pSideObj = nullptr;
    delete obj;
}

void CDrawObjAry::RemoveObjs(CObArray* objs)
{
    if (!objs || RemovePlainObjs(*objs))
        return;
    for (INT_PTR i = objs->GetSize() - 1; i >= 0; --i) {
        auto* obj = static_cast<CDrawObj*>((*objs)[i]);
        if (FindObj(obj) < 0)
            continue;
        // The dimension chains and their history must not keep its points.
        // Forgetting them can remove labels, so the index is taken after.
        if (m_pRelMng) {
            CTypedPtrArray<CObArray, CMyPoint*> points;
            obj->GetAllDimPoint(points);
            for (INT_PTR k = 0; k < points.GetSize(); ++k)
                m_pRelMng->ForgetPoint(points[k]);
        }
        const int index = FindObj(obj);
        DeleteObj(obj);
        m_objs.RemoveAt(index);
    }
}

bool CDrawObjAry::GetObjData(int id, CShapixCtrl::CPicDerData* data)
{
    CDrawObj* obj = GetObjByID(id);
    if (!obj || !obj->Visible())
        return false;
    if (m_nCurTool != CShapixCtrl::toolDim)
        GetRelMng()->RestoreHistory();
    GetRelMng()->Apply();
    GetRelMng()->GetTexts(m_saDimX, m_saDimY);
    obj->FillRetData(data);
    return true;
}

void CDrawObjAry::CreateDimText()
{
    CTypedPtrArray<CObArray, CMyPoint*> points; // borrowed from the objects
    for (INT_PTR i = m_objs.GetSize() - 1; i >= 0; --i)
        m_objs[i]->GetAllDimPoint(points);
    ComputeDimTexts(points, m_saDimX, m_saDimY);
    MakeDims();
    GetRelMng()->Apply();
    GetRelMng()->SaveHistory();
}

// The inverse of applying the chains, so it lives with them.
void CDrawObjAry::ComputeDimTexts(CTypedPtrArray<CObArray, CMyPoint*>& points, CStringArray& dimX, CStringArray& dimY)
{
    CRelationMng::ComputeDimTexts(points, dimX, dimY);
}

void CDrawObjAry::MakeDims()
{
    CTypedPtrArray<CObArray, CMyPoint*> points;
    for (INT_PTR i = m_objs.GetSize() - 1; i >= 0; --i)
        m_objs[i]->GetDimPoint(points);
    GetRelMng()->Build(m_saDimX, m_saDimY, points);
    ClearSnap();
}

bool CDrawObjAry::GetSnapObj(
    CMyDrawPoly* pPoly, CMyPoint** ptX, CMyPoint** ptY, CDrawObj** objX, CDrawObj** objY, CWnd* pWnd)
{
    return FindSnapPartners(pPoly, ptX, ptY, objX, objY, pWnd);
}

bool CDrawObjAry::FindSnapPartners(
    CDrawObj* moving, CMyPoint** ptX, CMyPoint** ptY, CDrawObj** objX, CDrawObj** objY, CWnd* pWnd)
{
    CRect rect = moving->GetObjRect();
    *ptX = *ptY = nullptr;
    *objX = *objY = nullptr;
    if (m_objs.GetSize() < 2)
        return false;

    CDrawObj* first = (m_objs[0] == moving) ? m_objs[1] : m_objs[0];
    first->GetNearXY(rect, ptX, ptY, pWnd);
    *objX = *objY = first;
    if (!*ptX || !*ptY)
        return false;

    auto xDistance = [&rect](CMyPoint* p) { return SHAPIX_NAME::XEdgeDistance(rect, p); };
    auto yDistance = [&rect](CMyPoint* p) { return SHAPIX_NAME::YEdgeDistance(rect, p); };
    long long bestX = xDistance(*ptX);
    long long bestY = yDistance(*ptY);
    for (INT_PTR i = 0; i < m_objs.GetSize(); ++i) {
        CDrawObj* obj = m_objs[i];
        if (obj == moving)
            continue;
        CMyPoint* cx = nullptr;
        CMyPoint* cy = nullptr;
        obj->GetNearXY(rect, &cx, &cy, pWnd);
        if (!cx || !cy)
            continue;
        const long long dx = xDistance(cx);
        const long long dy = yDistance(cy);
        if (dx < bestX) {
            *objX = obj;
            *ptX = cx;
            bestX = dx;
        }
        if (dy < bestY) {
            *objY = obj;
            *ptY = cy;
            bestY = dy;
        }
    }
    return true;
}

void CDrawObjAry::MakeSelDims(CDrawObj* pObj, CWnd* pWnd)
{
    if (!pObj)
        return;
    CMyPoint* ptX = nullptr;
    CMyPoint* ptY = nullptr;
    CDrawObj* objX = nullptr;
    CDrawObj* objY = nullptr;
    FindSnapPartners(pObj, &ptX, &ptY, &objX, &objY, pWnd);
    // A partner held by the snap marker takes precedence on its axis.
    if (m_pSnapObjX && m_pSnapPtX)
        ptX = m_pSnapPtX;
    if (m_pSnapObjY && m_pSnapPtY)
        ptY = m_pSnapPtY;
    CTypedPtrArray<CObArray, CMyPoint*> points;
    pObj->GetDimPoint(points);
    GetRelMng()->BuildWithAnchors(m_saDimX, m_saDimY, points, ptX, ptY);
    ClearSnap();
}

void CDrawObjAry::FlushRedraw()
{
    if (!m_bRedraw || !m_pCurWnd)
        return;
    m_pCurWnd->InvalidateRect(nullptr, TRUE);
    m_bRedraw = false;
}

CRelationMng* CDrawObjAry::GetRelMng()
{
    if (!m_pRelMng)
        m_pRelMng = new CRelationMng(this);
    return m_pRelMng;
}

int CDrawObjAry::GetDrawHeight() const
{
    return DrawExtent(m_nHeight, m_pCurWnd, &RECT::bottom);
}

int CDrawObjAry::GetDrawWidth() const
{
    return DrawExtent(m_nWidth, m_pCurWnd, &RECT::right);
}

void CDrawObjAry::ClearSnap()
{
    m_pSnapPtX = nullptr;
    m_pSnapPtY = nullptr;
    m_pSnapObjX = nullptr;
    m_pSnapObjY = nullptr;
}

void CDrawObjAry::ClearDims()
{
    GetRelMng()->Clear();
    SetRedraw();
}

void CDrawObjAry::DelPointRel(CMyPoint* pPoint)
{
    GetRelMng()->ForgetPoint(pPoint);
}

bool CDrawObjAry::IsSameCoord(bool xAxis, CMyPoint* a, CMyPoint* b)
{
    if (xAxis)
        return SHAPIX_NAME::RoundToPixel(a->m_x) == SHAPIX_NAME::RoundToPixel(b->m_x);
    return SHAPIX_NAME::RoundToPixel(a->m_y) == SHAPIX_NAME::RoundToPixel(b->m_y);
}

bool CDrawObjAry::IsNear(int a, int b)
{
    return std::llabs(static_cast<long long>(a) - b) < kNearLimit;
}
