#include "DimStations.h"

#include "shape/ShapixMath.h"

#include <algorithm>

namespace dims {

int StationKey(const CMyPoint& point, Axis axis)
{
    return SHAPIX_NAME::RoundToPixel(axis == Axis::X ? point.m_x : point.m_y);
}

bool TakesPart(const CMyPoint& point, Axis axis)
{
    if (axis == Axis::X)
        return point.m_nTag != 2 && point.m_nTag != 3;
    return point.m_nTag != 1 && point.m_nTag != 3;
}

std::vector<Station> SortIntoStations(CMyPoint* anchor, const PointArray& points, Axis axis)
{
    // Inserting each point before the first one with a greater key keeps
    // equal keys in their arrival order: a stable sort by key gives the
    // same order without the quadratic insertions.
    struct Keyed {
        int key;
        CMyPoint* point;
    };
    std::vector<Keyed> sorted;
    sorted.reserve(static_cast<size_t>(points.GetSize()) + 1);
    auto take = [&](CMyPoint* point) {
        if (point && TakesPart(*point, axis))
            sorted.push_back({ StationKey(*point, axis), point });
    };
    take(anchor);
    for (INT_PTR i = 0; i < points.GetSize(); ++i)
        take(points[i]);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });

    std::vector<Station> stations;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i == 0 || sorted[i].key != sorted[i - 1].key)
            stations.emplace_back();
        stations.back().push_back(sorted[i].point);
    }
    return stations;
}

void CopyStation(const Station& station, PointArray& out)
{
    out.RemoveAll();
    for (CMyPoint* point : station)
        out.Add(point);
}

CMyPoint* RepresentativePoint(const PointArray& station)
{
    if (station.GetSize() == 0)
        return nullptr;
    CMyPoint* best = station[0];
    if (station.GetSize() == 1)
        return best;
    const bool oneColumn = StationKey(*station[0], Axis::X) == StationKey(*station[1], Axis::X);
    for (INT_PTR i = 1; i < station.GetSize(); ++i) {
        CMyPoint* point = station[i];
        if (oneColumn ? StationKey(*point, Axis::Y) < StationKey(*best, Axis::Y)
                      : StationKey(*point, Axis::X) > StationKey(*best, Axis::X))
            best = point;
    }
    return best;
}

} // namespace dims
