#include "HisRel.h"

#include "Relation.h"

namespace {

bool Holds(const CTypedPtrArray<CObArray, CMyPoint*>& points, CMyPoint* pPoint)
{
    for (INT_PTR i = 0; i < points.GetSize(); ++i) {
        if (points[i] == pPoint)
            return true;
    }
    return false;
}

// RemovePoint takes one occurrence per station; a point can be in a station
// twice when it came both as an anchor and among the points.
void ForgetIn(CTypedPtrArray<CObArray, CSaveRel*>& saved, CMyPoint* pPoint)
{
    for (INT_PTR i = saved.GetSize() - 1; i >= 0; --i) {
        CSaveRel& entry = *saved[i];
        do
            entry.RemovePoint(pPoint);
        while (Holds(entry.m_aFrom, pPoint) || Holds(entry.m_aTo, pPoint));
    }
}

void DeleteEntries(CTypedPtrArray<CObArray, CSaveRel*>& saved)
{
    for (INT_PTR i = saved.GetSize() - 1; i >= 0; --i)
        delete saved[i];
    saved.RemoveAll();
}

} // namespace

CHisRel::~CHisRel()
{
    DeleteEntries(m_aSaveHorz);
    DeleteEntries(m_aSaveVert);
}

CSaveRel* CHisRel::FindMatch(const CTypedPtrArray<CObArray, CSaveRel*>& saved, const CRelation& relation)
{
    // The newest entry wins when several match.
    for (INT_PTR i = saved.GetSize() - 1; i >= 0; --i) {
        if (saved[i]->Matches(relation))
            return saved[i];
    }
    return nullptr;
}

void CHisRel::SaveChain(const CTypedPtrArray<CObArray, CRelation*>& chain, CTypedPtrArray<CObArray, CSaveRel*>& saved)
{
    for (INT_PTR i = chain.GetSize() - 1; i >= 0; --i) {
        const CRelation& relation = *chain[i];
        if (CSaveRel* entry = FindMatch(saved, relation))
            entry->CopyFrom(relation);
        else
            saved.Add(new CSaveRel(relation));
    }
}

void CHisRel::RestoreChain(CTypedPtrArray<CObArray, CRelation*>& chain, const CTypedPtrArray<CObArray, CSaveRel*>& saved)
{
    for (INT_PTR i = chain.GetSize() - 1; i >= 0; --i) {
        CRelation& relation = *chain[i];
        if (const CSaveRel* entry = FindMatch(saved, relation)) {
            relation.m_strValue = entry->m_strValue;
            relation.m_bHorz = entry->m_bHorz;
        }
    }
}

void CHisRel::Save(const CTypedPtrArray<CObArray, CRelation*>& horz, const CTypedPtrArray<CObArray, CRelation*>& vert)
{
    SaveChain(horz, m_aSaveHorz);
    SaveChain(vert, m_aSaveVert);
}

void CHisRel::Restore(CTypedPtrArray<CObArray, CRelation*>& horz, CTypedPtrArray<CObArray, CRelation*>& vert)
{
    RestoreChain(horz, m_aSaveHorz);
    RestoreChain(vert, m_aSaveVert);
}

void CHisRel::ForgetPoint(CMyPoint* pPoint)
{
    ForgetIn(m_aSaveHorz, pPoint);
    ForgetIn(m_aSaveVert, pPoint);
}
