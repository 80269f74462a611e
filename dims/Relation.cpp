#include "Relation.h"

#include "InputText.h"

#include "platform/AfxRuntime.h"
#include "shape/ShapixMath.h"

namespace {

inline constexpr int kAboveLine = -7; // odd links: the label's top 7 pixels above the base
inline constexpr int kBelowLine = 8; // even links: 8 pixels below it
inline constexpr int kHalfTextHeight = 7; // vertical labels centre roughly on their middle

int Pixel(double v)
{
    return SHAPIX_NAME::RoundToPixel(v);
}

} // namespace

CRelation::CRelation(int k, const CTypedPtrArray<CObArray, CMyPoint*>& from,
    const CTypedPtrArray<CObArray, CMyPoint*>& to, bool horz, const CString& value, int labelX, int baseY)
    : m_strValue(value)
    , m_bHorz(horz)
    , m_pText(nullptr)
{
    m_aFrom.Copy(from);
    m_aTo.Copy(to);
    if (m_aFrom.GetSize() == 0 || m_aTo.GetSize() == 0)
        return;
    m_pText = new CInputText(0, 0, this, horz ? CInputText::kAlignCentred : CInputText::kAlignLeftTop);
    PlaceLabel(k, labelX, baseY);
}

CRelation::~CRelation() = default;

void CRelation::PlaceLabel(int k, int labelX, int baseY)
{
    if (!m_pText || m_aFrom.GetSize() == 0 || m_aTo.GetSize() == 0)
        return;
    int x = labelX;
    int y = 0;
    // The halves are added as doubles and truncated, so an odd sum of two
    // pixels loses its half toward zero.
    if (m_bHorz) {
        x = SHAPIX_NAME::TruncToInt(0.5 * Pixel(m_aTo[0]->m_x) + 0.5 * Pixel(m_aFrom[0]->m_x));
        y = baseY + (k % 2 == 0 ? kBelowLine : kAboveLine);
    } else {
        y = SHAPIX_NAME::TruncToInt(0.5 * Pixel(m_aTo[0]->m_y) + 0.5 * Pixel(m_aFrom[0]->m_y) - kHalfTextHeight);
    }
    CRect& box = m_pText->m_rcPosition;
    if (box.right == 0 && box.bottom == 0) {
        // Not drawn yet: the size stays the base default until Draw measures.
        box.left = x;
        box.top = y;
    } else {
        box.OffsetRect(x - box.left, y - box.top);
    }
}

void CRelation::Apply(bool first, bool horz)
{
    if (m_aFrom.GetSize() == 0)
        return;
    if (first) {
        for (INT_PTR i = 0; i < m_aFrom.GetSize(); ++i)
            (horz ? m_aFrom[i]->m_auxX : m_aFrom[i]->m_auxY) = 0.0;
    }
    const double start = horz ? m_aFrom[0]->m_auxX : m_aFrom[0]->m_auxY;
    const double end = start + _wtof(m_strValue);
    for (INT_PTR i = 0; i < m_aTo.GetSize(); ++i)
        (horz ? m_aTo[i]->m_auxX : m_aTo[i]->m_auxY) = end;
}

CMyPoint* CRelation::GetFromPoint()
{
    return dims::RepresentativePoint(m_aFrom);
}

CMyPoint* CRelation::GetToPoint()
{
    return dims::RepresentativePoint(m_aTo);
}
