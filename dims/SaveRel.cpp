#include "SaveRel.h"

#include "Relation.h"

bool SharesPoint(const CTypedPtrArray<CObArray, CMyPoint*>& a, const CTypedPtrArray<CObArray, CMyPoint*>& b)
{
    for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        for (INT_PTR j = 0; j < b.GetSize(); ++j) {
            if (a[i] == b[j])
                return true;
        }
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
