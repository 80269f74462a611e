// CShapixCtrl: the outline editing control that a host embeds.
//
// It owns one drawing document for its whole life, paints it double
// buffered on a black background, hands the mouse to the document's current
// tool and is the host's entry point: outlines in (AddDrawObj) and out
// (GetObjData), pages and tools, visibility, rendering into a DC of the
// host's choice and two host callbacks.
//
// The shape record and the cut results are nested in the control, as the
// host knows them (CShapixCtrl::CPicDerData, CRetLines, CRetLinesMng); they
// are defined in shape/.
#pragma once

#include "platform/AfxCollections.h"
#include "platform/gdi/AfxDC.h"
#include "platform/qorlink/CtrlBase.h"
#include "platform/wnd/AfxWnd.h"

class CDrawObjAry;

class AFX_EXT_CLASS CShapixCtrl : public CWnd, public CCtrlBase {
public:
    class CPicDerData;
    class CRetLines;
    class CRetLinesMng;

    // The index of a tool in the document's tool array; 0 to 2 are pages.
    enum ToolType {
        toolSelect = 0, // select, drag an outline or a handle
        toolRead = 1, // look only
        toolDim = 2, // dimension labels: click one to type a value
        toolAddSide = 3, // add a vertex on the clicked side
        toolDelSide = 4, // delete the clicked vertex
        toolEditSide = 5, // edit the clicked side in the side dialog
    };

    CShapixCtrl();
    explicit CShapixCtrl(ToolType initialPage);
    ~CShapixCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    void SetCtrPtr(ToolType tool, CWnd* pWnd);
    int SelectTool(ToolType tool);
    CDrawObjAry* GetPtrData() const { return m_pDoc; }

    void AddDrawObj(CShapixCtrl::CPicDerData& data);
    bool GetObjData(int id, CShapixCtrl::CPicDerData& data);
    void SetObjVisible(int id, bool visible);
    bool GetObjVisible(int id, bool& visible);
    void ClearData();
    void CreateDimText();

    void InvalidateCtrl();
    void InvalidateCtrl(CWnd* pWnd);
    void GetDrawMemDc(CWnd* pWnd, ToolType tool, CDC& dc);

    void SetCBFun(void* pfn) { m_pfnCB = pfn; }
    void RunCBFun(CStringArray* args);
    void SetClickClientCB(void** pfn) { m_pfnClickCB = pfn; }
    typedef bool (*ClickCallback)();
    ClickCallback GetClickCB() const { return reinterpret_cast<ClickCallback>(m_pfnClickCB); }

protected:
    void SetPage(ToolType page, bool noRepaint);

    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;

    void* m_pfnCB = nullptr; // called by RunCBFun as void (*)(int)
    void** m_pfnClickCB = nullptr; // called as bool (*)() on a click on empty space
    ToolType m_nInitPage;
    CDrawObjAry* m_pDoc;

private:
    // CWnd's own Create overloads stay out of reach, as the control's Create
    // hides them; named here only so that compilers do not warn of it.
    using CWnd::Create;

    // Paints the document double buffered into the DC of a window.
    void PaintInto(CDC& target, const CRect& client);
};
