#include "HisRel.h"

#include "Relation.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

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

namespace {

// Which saved entries hold each point, at their start and at their end
// station, so that a link finds its match from its own points instead of
// testing every entry. Built for one Save or Restore. An entry that takes
// new points gets a new version, which makes its old index items stale.
class EntryIndex {
public:
    explicit EntryIndex(const CTypedPtrArray<CObArray, CSaveRel*>& saved)
        : m_saved(saved)
    {
        size_t points = 0;
        for (INT_PTR i = 0; i < saved.GetSize(); ++i)
            points += static_cast<size_t>(saved[i]->m_aFrom.GetSize() + saved[i]->m_aTo.GetSize());
        m_atStart.reserve(points / 2 + 1);
        m_atEnd.reserve(points / 2 + 1);
        for (INT_PTR i = 0; i < saved.GetSize(); ++i)
            Add(i);
    }

    // Indexes entry i with its current points; call after appending it or
    // after it copied a link.
    void Add(INT_PTR i)
    {
        if (static_cast<size_t>(i) >= m_versions.size()) {
            m_versions.resize(static_cast<size_t>(i) + 1, 0);
            m_seen.resize(static_cast<size_t>(i) + 1, 0);
        }
        const Item item { i, ++m_versions[static_cast<size_t>(i)] };
        const CSaveRel& entry = *m_saved[i];
        for (INT_PTR k = 0; k < entry.m_aTo.GetSize(); ++k)
            m_atEnd[entry.m_aTo[k]].push_back(item);
        for (INT_PTR k = 0; k < entry.m_aFrom.GetSize(); ++k)
            m_atStart[entry.m_aFrom[k]].push_back(item);
    }

    // The newest entry sharing a point with the link at each end, as
    // FindMatch's search from the last entry gives it; -1 when none.
    INT_PTR Match(const CRelation& relation)
    {
        ++m_query;
        for (INT_PTR k = 0; k < relation.m_aTo.GetSize(); ++k) {
            if (const auto* items = Find(m_atEnd, relation.m_aTo[k])) {
                for (const Item& item : *items) {
                    if (Current(item))
                        m_seen[static_cast<size_t>(item.entry)] = m_query;
                }
            }
        }
        INT_PTR newest = -1;
        for (INT_PTR k = 0; k < relation.m_aFrom.GetSize(); ++k) {
            if (const auto* items = Find(m_atStart, relation.m_aFrom[k])) {
                for (const Item& item : *items) {
                    if (Current(item) && m_seen[static_cast<size_t>(item.entry)] == m_query)
                        newest = std::max(newest, item.entry);
                }
            }
        }
        return newest;
    }

private:
    struct Item {
        INT_PTR entry;
        unsigned version;
    };
    using PointIndex = std::unordered_map<const CMyPoint*, std::vector<Item>>;

    static const std::vector<Item>* Find(const PointIndex& index, const CMyPoint* point)
    {
        const auto found = index.find(point);
        return found == index.end() ? nullptr : &found->second;
    }
    bool Current(const Item& item) const { return m_versions[static_cast<size_t>(item.entry)] == item.version; }

    const CTypedPtrArray<CObArray, CSaveRel*>& m_saved;
    PointIndex m_atStart;
    PointIndex m_atEnd;
    std::vector<unsigned> m_versions; // per entry
    std::vector<std::uint64_t> m_seen; // per entry: the last query that found it at the end station
    std::uint64_t m_query { 0 };
};

bool SamePoints(const CSaveRel& entry, const CRelation& relation)
{
    auto same = [](const CTypedPtrArray<CObArray, CMyPoint*>& a, const CTypedPtrArray<CObArray, CMyPoint*>& b) {
        return a.GetSize() == b.GetSize() && std::equal(a.GetData(), a.GetData() + a.GetSize(), b.GetData());
    };
    return same(entry.m_aFrom, relation.m_aFrom) && same(entry.m_aTo, relation.m_aTo);
}

} // namespace

void CHisRel::SaveChain(const CTypedPtrArray<CObArray, CRelation*>& chain, CTypedPtrArray<CObArray, CSaveRel*>& saved)
{
    EntryIndex index(saved);
    for (INT_PTR i = chain.GetSize() - 1; i >= 0; --i) {
        const CRelation& relation = *chain[i];
        INT_PTR entry = index.Match(relation);
        if (entry < 0) {
            index.Add(saved.Add(new CSaveRel(relation)));
        } else if (SamePoints(*saved[entry], relation)) {
            // The usual case of a chain saved again: the index stays right.
            saved[entry]->CopyFrom(relation);
        } else {
            saved[entry]->CopyFrom(relation);
            index.Add(entry);
        }
    }
}

void CHisRel::RestoreChain(CTypedPtrArray<CObArray, CRelation*>& chain, const CTypedPtrArray<CObArray, CSaveRel*>& saved)
{
    EntryIndex index(saved);
    for (INT_PTR i = chain.GetSize() - 1; i >= 0; --i) {
        CRelation& relation = *chain[i];
        const INT_PTR entry = index.Match(relation);
        if (entry >= 0) {
            relation.m_strValue = saved[entry]->m_strValue;
            relation.m_bHorz = saved[entry]->m_bHorz;
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
