// The orders of the crossings, the dimension stations and the history
// matches, transcribed step by step from their rules: a selection of the
// smallest crossing again and again, a sorted insertion of each point, a
// scan of every saved entry with every pair of points. They are quadratic;
// the library computes the same orders by sorting and hashing, and the
// equivalence tests and the benchmarks hold it against these.
#pragma once

#include "Shapix.h"
#include "dims/DimStations.h"

#include <vector>

namespace direct_rules {

// FindMinIdx: pair 0's value is the candidate, the pairs are visited from
// the last down to the first and a strictly smaller value replaces it.
inline int FindMinIdx(const CDWordArray& points, int key)
{
    const INT_PTR n = points.GetSize() / 2;
    if (n == 0)
        return -1;
    DWORD best = points[key];
    int bestIndex = 0;
    for (INT_PTR i = n - 1; i >= 0; --i) {
        if (points[2 * i + key] < best) {
            best = points[2 * i + key];
            bestIndex = static_cast<int>(i);
        }
    }
    return bestIndex;
}

// SortPoints: take FindMinIdx's pair out of a copy until none is left.
inline void SortPoints(CDWordArray& points, double angle)
{
    CDWordArray remaining;
    remaining.Copy(points);
    if (remaining.GetSize() / 2 < 2)
        return;
    const int key = ((angle > 45 && angle < 135) || (angle > 225 && angle < 315) || angle > 360) ? 1 : 0;
    points.RemoveAll();
    for (;;) {
        const int i = FindMinIdx(remaining, key);
        if (i == -1)
            break;
        points.Add(remaining[2 * i]);
        points.Add(remaining[2 * i + 1]);
        remaining.RemoveAt(2 * i, 2);
    }
}

// Station order: each point that takes part goes before the first one with
// a greater key; then a point joins the current station when its key
// equals that of the station's first point.
inline std::vector<dims::Station> SortIntoStations(CMyPoint* anchor, const dims::PointArray& points, dims::Axis axis)
{
    std::vector<CMyPoint*> sorted;
    auto insert = [&](CMyPoint* point) {
        if (!point || !dims::TakesPart(*point, axis))
            return;
        const int key = dims::StationKey(*point, axis);
        auto at = sorted.begin();
        while (at != sorted.end() && dims::StationKey(**at, axis) <= key)
            ++at;
        sorted.insert(at, point);
    };
    insert(anchor);
    for (INT_PTR i = 0; i < points.GetSize(); ++i)
        insert(points[i]);
    std::vector<dims::Station> stations;
    for (CMyPoint* point : sorted) {
        if (stations.empty() || dims::StationKey(*stations.back().front(), axis) != dims::StationKey(*point, axis))
            stations.emplace_back();
        stations.back().push_back(point);
    }
    return stations;
}

inline bool SharesPointByScan(const CTypedPtrArray<CObArray, CMyPoint*>& a, const CTypedPtrArray<CObArray, CMyPoint*>& b)
{
    for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        for (INT_PTR j = 0; j < b.GetSize(); ++j) {
            if (a[i] == b[j])
                return true;
        }
    }
    return false;
}

// The newest saved entry that shares a point with the link at its end
// station and one at its start station.
inline CSaveRel* FindMatch(const CTypedPtrArray<CObArray, CSaveRel*>& saved, const CRelation& relation)
{
    for (INT_PTR i = saved.GetSize() - 1; i >= 0; --i) {
        if (SharesPointByScan(saved[i]->m_aTo, relation.m_aTo) && SharesPointByScan(saved[i]->m_aFrom, relation.m_aFrom))
            return saved[i];
    }
    return nullptr;
}

// Saving one chain, links from the last to the first.
inline void Save(const CTypedPtrArray<CObArray, CRelation*>& chain, CTypedPtrArray<CObArray, CSaveRel*>& saved)
{
    for (INT_PTR i = chain.GetSize() - 1; i >= 0; --i) {
        if (CSaveRel* entry = FindMatch(saved, *chain[i]))
            entry->CopyFrom(*chain[i]);
        else
            saved.Add(new CSaveRel(*chain[i]));
    }
}

// Restoring one chain, links from the last to the first.
inline void Restore(CTypedPtrArray<CObArray, CRelation*>& chain, const CTypedPtrArray<CObArray, CSaveRel*>& saved)
{
    for (INT_PTR i = chain.GetSize() - 1; i >= 0; --i) {
        if (const CSaveRel* entry = FindMatch(saved, *chain[i])) {
            chain[i]->m_strValue = entry->m_strValue;
            chain[i]->m_bHorz = entry->m_bHorz;
        }
    }
}

} // namespace direct_rules
