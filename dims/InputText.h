// CInputText: the label of one dimension link. It shows the link's value
// on the dimension page and lets the user type a new one in "输入尺寸".
//
// The text lives in the relation, not here, so label and link can never
// disagree. The label only stores it; the outline changes when the
// relation manager applies the chains.
#pragma once

#include "control/DrawObj.h"

class CRelation;

// Shares CDrawObj's run-time class: the label is not serialised.
class AFX_EXT_CLASS CInputText : public SHAPIX_NAME::CDrawObj {
public:
    static constexpr unsigned int kAlignLeftTop = 0; // TA_LEFT | TA_TOP: labels of vertical links
    static constexpr unsigned int kAlignCentred = 6; // TA_CENTER | TA_TOP: labels of horizontal links

    // No relation: such a label has no text and must not be drawn or edited.
    CInputText();
    // The position's left and top are the text's reference point; right
    // and bottom come from the first Draw.
    CInputText(int x, int y, CRelation* pRelation, unsigned int align);
    ~CInputText() override;

    // Labels are active only on the dimension page.
    int ObjType() override;
    unsigned int GetAlign() const { return m_nAlign; }
    CString& GetText();
    void SetText(CString& text);

    // Only while the document is on the dimension page.
    void Draw(CDC* pDC, const CDrawObjAry* pDoc) override;
    // A centred label's box is kept from its reference point; the test
    // moves it back by half its width and widens the probe by 2 pixels to
    // the left.
    int Intersects(const CRect& rect) override;
    // pWnd is the control that holds the document.
    void EditProp(CWnd* pWnd) override;

    CRelation* m_pRelation; // owned by the relation manager
    unsigned int m_nAlign; // kAlignLeftTop or kAlignCentred
};
