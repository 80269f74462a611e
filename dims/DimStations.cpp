#include "DimStations.h"

#include "shape/ShapixMath.h"

#include <algorithm>
#include <cstdint>

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

namespace {

struct Keyed {
    uint32_t key;
    CMyPoint* point;
};

// Least significant byte first; each pass is a stable counting sort, so
// equal keys keep the order they came in.
void StableRadixSort(std::vector<Keyed>& items)
{
    // Short lists sort faster by comparison than through 256 buckets.
    if (items.size() < 64) {
        std::stable_sort(items.begin(), items.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
        return;
    }
    std::vector<Keyed> buffer(items.size());
    for (int shift = 0; shift < 32; shift += 8) {
        size_t offsets[257] = {};
        for (const Keyed& item : items)
            ++offsets[((item.key >> shift) & 0xFF) + 1];
        // A byte that every key shares leaves the order as it is.
        if (std::find(std::begin(offsets), std::end(offsets), items.size()) != std::end(offsets))
            continue;
        for (size_t b = 1; b < 257; ++b)
            offsets[b] += offsets[b - 1];
        for (const Keyed& item : items)
            buffer[offsets[(item.key >> shift) & 0xFF]++] = item;
        items.swap(buffer);
    }
}

} // namespace

std::vector<Station> SortIntoStations(CMyPoint* anchor, const PointArray& points, Axis axis)
{
    // Inserting each point before the first one with a greater key keeps
    // equal keys in their arrival order: a stable sort by key gives the same
    // order without the quadratic insertions. Keys are pixels, so a stable
    // radix sort on their bytes does it in linear time; bytes that all keys
    // share (the high ones, on a screen) cost nothing.
    std::vector<Keyed> arrived;
    arrived.reserve(static_cast<size_t>(points.GetSize()) + 1);
    auto take = [&](CMyPoint* point) {
        // The sign bit flipped, unsigned order is the keys' signed order.
        if (point && TakesPart(*point, axis))
            arrived.push_back({ static_cast<uint32_t>(StationKey(*point, axis)) ^ 0x80000000u, point });
    };
    take(anchor);
    for (INT_PTR i = 0; i < points.GetSize(); ++i)
        take(points[i]);
    StableRadixSort(arrived);

    std::vector<Station> stations;
    for (size_t i = 0; i < arrived.size(); ++i) {
        if (i == 0 || arrived[i].key != arrived[i - 1].key)
            stations.emplace_back();
        stations.back().push_back(arrived[i].point);
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
    // Every paint asks this for every station, so the best key is kept.
    const Axis axis = oneColumn ? Axis::Y : Axis::X;
    int bestKey = StationKey(*best, axis);
    for (INT_PTR i = 1; i < station.GetSize(); ++i) {
        CMyPoint* point = station[i];
        const int key = StationKey(*point, axis);
        if (oneColumn ? key < bestKey : key > bestKey) {
            best = point;
            bestKey = key;
        }
    }
    return best;
}

} // namespace dims
