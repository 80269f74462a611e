// CDrawObjAry: the drawing document behind one control. It owns the draw
// objects, the six tools and the relation manager, remembers which window
// shows which page, which tool is current and which object is selected,
// keeps the dimension value texts from which labels are made, and batches
// repaints through a pending flag that the control flushes after each
// mouse message.
//
// Objects are drawn from the last to the first (the first ends on top) and
// hit-tested from the last to the first (the last wins).
#pragma once

#include "DrawObj.h"

class CDrawTool;
class CRelationMng;

namespace SHAPIX_NAME {
class CMyDrawPoly;
}
using SHAPIX_NAME::CDrawObj;
using SHAPIX_NAME::CMyDrawPoly;

class AFX_EXT_CLASS CDrawObjAry {
public:
    CDrawObjAry();
    virtual ~CDrawObjAry();
    CDrawObjAry(const CDrawObjAry&) = delete;
    CDrawObjAry& operator=(const CDrawObjAry&) = delete;

    void SetCtrPtr(int page, CWnd* pWnd);
    int SelectTool(int tool);
    void Clear();
    void Draw(CDC* pDC);
    CDrawObj* HitObject(const CPoint& point);
    void Select(CDrawObj* pObj);
    bool IsSelected(CDrawObj* pObj);
    CDrawObj* GetObjByID(int id);
    int FindObj(CDrawObj* pObj);
    void AddObjs(CObArray* objs);
    void RemoveObjs(CObArray* objs);
    bool GetObjData(int id, CShapixCtrl::CPicDerData* data);
    void CreateDimText();
    void ComputeDimTexts(CTypedPtrArray<CObArray, CMyPoint*>& points, CStringArray& dimX, CStringArray& dimY);
    void MakeDims();
    bool GetSnapObj(CMyDrawPoly* pPoly, CMyPoint** ptX, CMyPoint** ptY, CDrawObj** objX, CDrawObj** objY,
        CWnd* pWnd);
    void MakeSelDims(CDrawObj* pObj, CWnd* pWnd);
    void SetRedraw() { m_bRedraw = true; }
    void FlushRedraw();
    CWnd* GetCurWnd() const { return m_pCurWnd; }
    bool IsDimTool() const { return m_nCurTool == CShapixCtrl::toolDim; }
    CRelationMng* GetRelMng();
    int GetDrawHeight() const;
    int GetDrawWidth() const;
    void ClearSnap();
    void ClearDims();
    void DelPointRel(CMyPoint* pPoint);
    static bool IsSameCoord(bool xAxis, CMyPoint* a, CMyPoint* b);
    // Coordinates up to 4 pixels apart are near.
    static bool IsNear(int a, int b);

    // For hosts and tests that look at the document's state.
    CDrawObj* GetSelObj() const { return m_pSelObj; }
    int GetCurPage() const { return m_nCurTool; }
    CDrawTool* GetCurTool() const { return m_pCurTool; }
    CDrawTool* GetTool(int tool) { return m_tools[tool]; }
    bool IsRedrawPending() const { return m_bRedraw; }

    CTypedPtrArray<CObArray, CDrawObj*> m_objs; // owned
    CRelationMng* m_pRelMng; // owned
    LOGBRUSH m_lbSnap;
    LOGPEN m_lpSnap;
    CPtrArray m_wnds; // CWnd* per page 0 to 2
    CWnd* m_pCurWnd;
    CDrawObj* m_pSelObj;
    CMyPoint* m_pSnapPtX;
    CMyPoint* m_pSnapPtY;
    CDrawObj* m_pSnapObjX;
    CDrawObj* m_pSnapObjY;
    int m_nHeight; // -1: the client height of the current window
    int m_nWidth; // -1: the client width of the current window
    CDrawTool* m_pCurTool;
    bool m_bRedraw;
    int m_nCurTool; // the page: 0, 1 or 2
    CStringArray m_saDimX;
    CStringArray m_saDimY;
    CTypedPtrArray<CObArray, CDrawTool*> m_tools; // owned, indexed by ToolType

private:
    // RemoveObjs for objects without dimension points; false, having done
    // nothing, when some object has them.
    bool RemovePlainObjs(CObArray& objs);
    // Deletes an object after clearing the selection, snap and side-tool
    // pointers that name it.
    void DeleteObj(CDrawObj* obj);
    // GetSnapObj for any object, which MakeSelDims needs.
    bool FindSnapPartners(CDrawObj* moving, CMyPoint** ptX, CMyPoint** ptY, CDrawObj** objX, CDrawObj** objY,
        CWnd* pWnd);
};
