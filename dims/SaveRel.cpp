#include "SaveRel.h"

#include "Relation.h"

#include <algorithm>
#include <functional>
#include <vector>

bool SharesPoint(const CTypedPtrArray<CObArray, CMyPoint*>& a, const CTypedPtrArray<CObArray, CMyPoint*>& b)
{
    constexpr INT_PTR kDirectLimit = 64; // pairs up to which comparing each with each is cheapest
    if (a.GetSize() * b.GetSize() <= kDirectLimit) {
        for (INT_PTR i = 0; i < a.GetSize(); ++i) {
            for (INT_PTR j = 0; j < b.GetSize(); ++j) {
                if (a[i] == b[j])
                    return true;
            }
        }
        return false;
    }
    // A station where many vertices share one column holds hundreds of
    // points; sorting one side once beats comparing every pair.
    std::vector<CMyPoint*> sorted(b.GetData(), b.GetData() + b.GetSize());
    std::sort(sorted.begin(), sorted.end(), std::less<CMyPoint*>());
    for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        if (std::binary_search(sorted.begin(), sorted.end(), a[i], std::less<CMyPoint*>()))
            return true;
    }
    return false;
}

namespace {

void RemoveLast(CTypedPtrArray<CObArray, CMyPoint*>& points, CMyPoint* pPoint)
{
    for (INT_PTR i = points.GetSize() - 1; i >= 0; --i) {
        if (points[i] == pPoint) {
            points.RemoveAt(i);
            return;
        }
    }
}

} // namespace

CSaveRel::CSaveRel(const CRelation& relation)
    : m_bHorz(relation.m_bHorz)
{
    CopyFrom(relation);
}

CSaveRel::~CSaveRel() = default;

void CSaveRel::CopyFrom(const CRelation& relation)
{
    m_aFrom.Copy(relation.m_aFrom);
    m_aTo.Copy(relation.m_aTo);
    m_strValue = relation.m_strValue;
    m_bHorz = relation.m_bHorz;
}

bool CSaveRel::Matches(const CRelation& relation) const
{
    return SharesPoint(m_aTo, relation.m_aTo) && SharesPoint(m_aFrom, relation.m_aFrom);
}

void CSaveRel::RemovePoint(CMyPoint* pPoint)
{
    RemoveLast(m_aFrom, pPoint);
    RemoveLast(m_aTo, pPoint);
}
