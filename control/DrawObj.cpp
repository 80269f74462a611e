#include "DrawObj.h"

#include "DrawObjAry.h"
#include "EdgeDistance.h"
#include "shape/PicDerData.h"

#include <algorithm>
#include <cstdlib>

namespace SHAPIX_NAME {

IMPLEMENT_SERIAL(CDrawObj, CObject, 1)

namespace {

inline constexpr int kHandleHalf = 6; // a handle is the 12 x 12 square around its point
inline constexpr COLORREF kSideColour = 0x00FF00; // green
inline constexpr COLORREF kHotSideColour = 0x00FFFF; // yellow
inline constexpr COLORREF kFillColour = 0xC0C0C0;
inline constexpr COLORREF kTrackerColour = 0x00FFFF; // yellow

} // namespace

CDrawObjAry* DocumentOf(CWnd* pWnd)
{
    auto* ctrl = dynamic_cast<CShapixCtrl*>(pWnd);
    return ctrl ? ctrl->GetPtrData() : nullptr;
}

CDrawObj::CDrawObj()
{
    ConCom();
}

CDrawObj::CDrawObj(const CRect& position)
{
    ConCom();
    m_rcPosition = position;
}

CDrawObj::CDrawObj(CShapixCtrl::CPicDerData* data)
{
    ConCom();
    if (data) {
        m_nID = data->m_nID;
        m_strName = data->m_strName;
    }
}

CDrawObj::~CDrawObj() = default;

void CDrawObj::ConCom()
{
    m_rcPosition = CRect(0, 0, 0, 0);
    m_bDrawPen = TRUE;
    m_lpSide = LOGPEN { PS_SOLID, { 1, 0 }, kSideColour };
    m_lpHotSide = LOGPEN { PS_SOLID, { 2, 2 }, kHotSideColour };
    m_bFill = TRUE;
    m_lbFill = LOGBRUSH { BS_SOLID, kFillColour, 0 };
    m_lpTracker = LOGPEN { PS_SOLID, { 1, 0 }, kTrackerColour };
    m_bVisible = true;
    m_nHotSide = -1;
    m_nID = -1;
    m_saProps.RemoveAll();
    m_strName = L"未命名";
}

void CDrawObj::Serialize(CArchive&) { }

void CDrawObj::Draw(CDC*, const CDrawObjAry*) { }

void CDrawObj::DrawTracker(CDC* pDC, TrackerState state)
{
    if (!pDC || (state != trackSelected && state != trackActive))
        return;
    CPen pen;
    if (!pen.CreatePenIndirect(&m_lpTracker))
        return;
    CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
    CPen* oldPen = pDC->SelectObject(&pen);
    for (int n = 1; n <= GetHandleCount(); ++n) {
        if (CMyPoint* handle = GetHandle(n)) {
            const int cx = RoundToPixel(handle->m_x);
            const int cy = RoundToPixel(handle->m_y);
            pDC->Rectangle(cx - kHandleHalf, cy - kHandleHalf, cx + kHandleHalf, cy + kHandleHalf);
        }
    }
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
}

void CDrawObj::EditProp(CWnd*) { }

void CDrawObj::GetDimPoint(CTypedPtrArray<CObArray, CMyPoint*>&) { }

void CDrawObj::GetAllDimPoint(CTypedPtrArray<CObArray, CMyPoint*>&) { }

int CDrawObj::GetHandleCount()
{
    return 0;
}

CMyPoint* CDrawObj::GetHandle(int)
{
    return nullptr;
}

CRect CDrawObj::GetObjRect()
{
    return m_rcPosition;
}

int CDrawObj::HitTest(CPoint)
{
    return 0;
}

// Touching edges do not intersect; reversed rectangles are turned round first.
int CDrawObj::Intersects(const CRect& rect)
{
    CRect own(m_rcPosition);
    own.NormalizeRect();
    CRect other(rect);
    other.NormalizeRect();
    CRect common;
    return common.IntersectRect(&own, &other) ? 1 : 0;
}

void CDrawObj::MoveTo(const CRect& position, CWnd* pWnd)
{
    if (position == m_rcPosition)
        return;
    m_rcPosition = position;
    if (CDrawObjAry* doc = DocumentOf(pWnd))
        doc->SetRedraw();
}

void CDrawObj::MoveHandleTo(int nHandle, CPoint point, CWnd* pWnd)
{
    CRect position(m_rcPosition);
    switch (nHandle) {
    case 2:
        position.top = point.y;
        break;
    case 3:
        position.right = point.x;
        position.top = point.y;
        break;
    case 4:
        position.right = point.x;
        break;
    case 5:
        position.right = point.x;
        position.bottom = point.y;
        break;
    case 6:
        position.bottom = point.y;
        break;
    case 7:
        position.left = point.x;
        position.bottom = point.y;
        break;
    case 8:
        position.left = point.x;
        break;
    default: // 1, and any number that is no handle of a rectangle
        position.left = point.x;
        position.top = point.y;
        break;
    }
    MoveTo(position, pWnd);
}

int CDrawObj::ObjType()
{
    return 0;
}

CMyPoint* CDrawObj::DelSide(const CPoint&)
{
    return nullptr;
}

void CDrawObj::AddSide(const CPoint&, CWnd*) { }

int CDrawObj::GetPtInterSideIndex(const CPoint&)
{
    return -1;
}

void CDrawObj::EditSide(const CPoint&, CWnd*) { }

void CDrawObj::FillRetData(CShapixCtrl::CPicDerData* data)
{
    if (!data)
        return;
    data->m_nID = m_nID;
    data->m_strName = GetName();
}

void CDrawObj::GetProps(CStringArray* props)
{
    if (props)
        props->Append(m_saProps);
}

void CDrawObj::SetProps(CStringArray* props)
{
    if (props)
        m_saProps.Copy(*props);
}

void CDrawObj::GetPropInGrid(CStringArray* rows)
{
    if (!rows)
        return;
    rows->Add(L"名称");
    rows->Add(GetName());
    rows->Append(m_saProps);
}

void CDrawObj::SetPropInGrid(CStringArray* rows)
{
    if (!rows)
        return;
    if (rows->GetSize() >= 2 && (*rows)[0] == L"名称") {
        m_strName = (*rows)[1];
        rows->RemoveAt(0, 2);
    }
    m_saProps.Copy(*rows);
}

CRect CDrawObj::GetHandleRect(int nHandle)
{
    CMyPoint* handle = GetHandle(nHandle);
    if (!handle)
        return CRect(0, 0, 0, 0);
    const int cx = RoundToPixel(handle->m_x);
    const int cy = RoundToPixel(handle->m_y);
    CRect rect(cx - kHandleHalf, cy - kHandleHalf, cx + kHandleHalf, cy + kHandleHalf);
    rect.NormalizeRect();
    return rect;
}

void CDrawObj::GetNearXY(CRect& rect, CMyPoint** nearX, CMyPoint** nearY, CWnd*)
{
    CTypedPtrArray<CObArray, CMyPoint*> points; // borrowed, owns nothing
    GetDimPoint(points);
    if (points.GetSize() == 0) {
        *nearX = nullptr;
        *nearY = nullptr;
        return;
    }
    auto xDistance = [&rect](CMyPoint* p) { return XEdgeDistance(rect, p); };
    auto yDistance = [&rect](CMyPoint* p) { return YEdgeDistance(rect, p); };
    CMyPoint* bestX = points[0];
    CMyPoint* bestY = points[0];
    long long bestXDistance = xDistance(bestX);
    long long bestYDistance = yDistance(bestY);
    for (INT_PTR i = 1; i < points.GetSize(); ++i) {
        CMyPoint* p = points[i];
        const long long dx = xDistance(p);
        if (dx < bestXDistance) {
            bestXDistance = dx;
            bestX = p;
        }
        const long long dy = yDistance(p);
        if (dy < bestYDistance) {
            bestYDistance = dy;
            bestY = p;
        }
    }
    *nearX = bestX;
    *nearY = bestY;
}

} // namespace SHAPIX_NAME
