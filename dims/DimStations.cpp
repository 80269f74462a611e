#include "DimStations.h"

#include "shape/ShapixMath.h"

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

void InsertByStation(std::vector<CMyPoint*>& sorted, CMyPoint* point, Axis axis)
{
    if (!point || !TakesPart(*point, axis))
        return;
    const int key = StationKey(*point, axis);
    auto at = sorted.begin();
    while (at != sorted.end() && StationKey(**at, axis) <= key)
        ++at;
    sorted.insert(at, point);
}

std::vector<Station> SortIntoStations(CMyPoint* anchor, const PointArray& points, Axis axis)
{
    std::vector<CMyPoint*> sorted;
    InsertByStation(sorted, anchor, axis);
    for (INT_PTR i = 0; i < points.GetSize(); ++i)
        InsertByStation(sorted, points[i], axis);

    std::vector<Station> stations;
    for (CMyPoint* point : sorted) {
        if (stations.empty() || StationKey(*stations.back().front(), axis) != StationKey(*point, axis))
            stations.emplace_back();
        stations.back().push_back(point);
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
