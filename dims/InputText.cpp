#include "InputText.h"

#include "Relation.h"

#include "control/DrawObjAry.h"
#include "dialogs/ImpDigital.h"
#include "res/ShapixResources.h"

namespace {

inline constexpr COLORREF kLabelColour = RGB(255, 255, 0); // yellow
inline constexpr int kProbeWidening = 2; // pixels added to the left of a hit probe

} // namespace

CInputText::CInputText()
    : m_pRelation(nullptr)
    , m_nAlign(kAlignCentred)
{
}

CInputText::CInputText(int x, int y, CRelation* pRelation, unsigned int align)
    : m_pRelation(pRelation)
    , m_nAlign(align)
{
    m_rcPosition.left = x;
    m_rcPosition.top = y;
}

CInputText::~CInputText() = default;

int CInputText::ObjType()
{
    return CShapixCtrl::toolDim;
}

CString& CInputText::GetText()
{
    return m_pRelation->m_strValue;
}

void CInputText::SetText(CString& text)
{
    m_pRelation->m_strValue = text;
}

void CInputText::Draw(CDC* pDC, const CDrawObjAry* pDoc)
{
    if (!pDC || !pDoc || !pDoc->IsDimTool() || !m_pRelation)
        return;
    const COLORREF oldColour = pDC->SetTextColor(kLabelColour);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const UINT oldAlign = pDC->SetTextAlign(m_nAlign);

    // No font of our own: the label uses whatever the DC carries.
    const CString& text = GetText();
    pDC->ExtTextOut(m_rcPosition.left, m_rcPosition.top, ETO_OPAQUE, nullptr, text, nullptr);
    const CSize size = pDC->GetTextExtent(text);
    m_rcPosition.right = m_rcPosition.left + size.cx;
    m_rcPosition.bottom = m_rcPosition.top + size.cy;
    m_rcPosition.NormalizeRect();

    pDC->SetTextAlign(oldAlign);
    pDC->SetTextColor(oldColour);
    pDC->SetBkMode(oldMode);
}

int CInputText::Intersects(const CRect& rect)
{
    CRect probe(rect);
    probe.NormalizeRect();
    probe.left -= kProbeWidening;
    // Not normalised: before the first Draw the box is inverted and meets
    // nothing.
    CRect box(m_rcPosition);
    if (m_nAlign == kAlignCentred)
        box.OffsetRect(-((box.right - box.left) / 2), 0);
    CRect common;
    return common.IntersectRect(&probe, &box) ? 1 : 0;
}

void CInputText::EditProp(CWnd* pWnd)
{
    if (!m_pRelation)
        return;
    // Template 1002 must come from the library even when the host has one
    // of the same number.
    const ShapixResourceScope libraryResources;
    const CString oldText = GetText();
    CImpDigital dialog(oldText, nullptr);
    if (dialog.DoModal() != IDOK)
        return;

    CString newText;
    newText.Format(L"%g", dialog.m_dValue);
    if (newText == oldText)
        return;
    CDrawObjAry* pDoc = SHAPIX_NAME::DocumentOf(pWnd);
    if (!pDoc)
        return;
    // The dialog has no owner, so the control kept taking messages while it
    // ran; if they rebuilt the chains this label is gone.
    if (pDoc->FindObj(this) < 0)
        return;
    SetText(newText);
    pDoc->SetRedraw();
    pDoc->FlushRedraw();
    if (auto* pHost = dynamic_cast<CCtrlBase*>(pDoc->GetCurWnd()))
        pHost->Change(nullptr);
}
