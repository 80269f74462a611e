#include "RetLines.h"

#include "ShapixMath.h"

#include <cmath>

using SHAPIX_NAME::TruncToDword;
using SHAPIX_NAME::TruncToInt;

CShapixCtrl::CRetLines::CRetLines()
    : m_nCount(1)
{
}

CShapixCtrl::CRetLines::~CRetLines() = default;

double CShapixCtrl::CRetLines::GetLen(int i)
{
    const double x1 = m_aryPts[i];
    const double y1 = m_aryPts[i + 1];
    const double x2 = m_aryPts[i + 2];
    const double y2 = m_aryPts[i + 3];
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

int CShapixCtrl::CRetLines::GetLenAry(CDWordArray& lens, int minLen)
{
    const INT_PTR pieces = m_aryPts.GetSize() / 4;
    for (INT_PTR k = 0; k < pieces; ++k) {
        const double len = GetLen(static_cast<int>(4 * k));
        if (len > minLen)
            lens.Add(TruncToDword(std::floor(len + 0.5)));
    }
    return m_nCount;
}

bool CShapixCtrl::CRetLines::Compare(CRetLines* other)
{
    if (!other)
        return false;
    const INT_PTR pieces = m_aryPts.GetSize() / 4;
    if (pieces != other->m_aryPts.GetSize() / 4)
        return false;
    for (INT_PTR k = 0; k < pieces; ++k) {
        if (TruncToInt(GetLen(static_cast<int>(4 * k))) != TruncToInt(other->GetLen(static_cast<int>(4 * k))))
            return false;
    }
    return true;
}

CShapixCtrl::CRetLinesMng::CRetLinesMng() = default;

CShapixCtrl::CRetLinesMng::~CRetLinesMng()
{
    for (INT_PTR i = m_aryLines.GetSize() - 1; i >= 0; --i)
        delete m_aryLines[i];
    m_aryLines.RemoveAll();
}

void CShapixCtrl::CRetLinesMng::Hebin()
{
    const INT_PTR n = m_aryLines.GetSize();
    if (n < 2)
        return;
    CRetLines* survivor = m_aryLines[n - 1];
    for (INT_PTR i = n - 2; i >= 0; --i) {
        CRetLines* group = m_aryLines[i];
        if (survivor && survivor->Compare(group)) {
            delete group;
            m_aryLines[i] = nullptr;
            survivor->m_nCount += 1;
        } else {
            survivor = group;
        }
    }
    // Close the gaps in one pass; the surviving groups keep their order.
    INT_PTR kept = 0;
    for (INT_PTR i = 0; i < n; ++i) {
        if (m_aryLines[i])
            m_aryLines[kept++] = m_aryLines[i];
    }
    m_aryLines.SetSize(kept);
}

