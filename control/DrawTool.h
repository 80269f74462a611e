// The mouse tools. The document owns one of each, indexed by ToolType; the
// control hands every mouse message to the current one, which finds objects
// through the document, drives them, sets the cursor and marks the document
// for repaint.
//
// The drag state is shared by every tool of the process, as the one mouse
// capture of the system allows only one drag at a time.
#pragma once

#include "DrawObj.h"

class CDrawTool : public CObject {
public:
    CDrawTool() = default;
    ~CDrawTool() override = default;

    virtual void OnLButtonDown(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point);
    virtual void OnLButtonDblClk(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point);
    virtual void OnLButtonUp(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point);
    virtual void OnMouseMove(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point);
    virtual void OnRButtonDown(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point);

    static int s_nSelMode; // 0 nothing, 1 move the selected object, 2 move one of its handles
    static int s_nHandle; // handle hit at the press, 1-based; 0 = none
    static CPoint s_ptSelLast; // last point the select tool processed
    static HCURSOR s_hCursor; // cursor last loaded by a tool
    static SHAPIX_NAME::CDrawObj* s_pSideObj; // object under the pointer as a side tool last saw it
};

class CSelectTool : public CDrawTool {
public:
    CSelectTool();
    void OnLButtonDown(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;
    void OnLButtonDblClk(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;
    void OnLButtonUp(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;
    void OnMouseMove(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;
};

class CReadTool : public CDrawTool {
public:
    CReadTool() = default;
};

class CDimTool : public CDrawTool {
public:
    CDimTool() = default;
    void OnLButtonDown(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;
    void OnMouseMove(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;
};

class CSideTool : public CDrawTool {
public:
    explicit CSideTool(int mode);
    void OnLButtonDown(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;
    void OnMouseMove(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;
    void OnRButtonDown(CShapixCtrl* pCtrl, UINT nFlags, const CPoint& point) override;

    int m_nMode; // 0 add a vertex, 1 delete a vertex, 2 edit the side
};
