// Stations of a dimension chain: the distinct rounded positions of the
// dimension points along one axis, in increasing order. The chains, the
// initial texts and the drawing all sort and group the same way, so a text
// computed for link k is the one a later build gives to link k.
#pragma once

#include "control/MyPoint.h"
#include "platform/AfxCollections.h"

#include <vector>

namespace dims {

using PointArray = CTypedPtrArray<CObArray, CMyPoint*>;
using Station = std::vector<CMyPoint*>;

// x for the horizontal chain, y for the vertical one.
enum class Axis { X, Y };

// The window coordinate on the axis as a pixel, floor(v + 0.5).
int StationKey(const CMyPoint& point, Axis axis);

// Tag 2 or 3 keeps a point out of the horizontal chain, 1 or 3 out of the
// vertical one.
bool TakesPart(const CMyPoint& point, Axis axis);

// The anchor (may be null) first, then the points in the given order, each
// inserted before the first one with a greater key, so that equal keys keep
// their arrival order; then runs of equal keys become stations. Points that
// take no part, and null, are skipped.
std::vector<Station> SortIntoStations(CMyPoint* anchor, const PointArray& points, Axis axis);

void CopyStation(const Station& station, PointArray& out);

// The point that stands for a station in the drawing. Two first points in
// one column mean a station of the horizontal chain: its topmost point.
// Otherwise the rightmost. Ties keep the earlier point; null when empty.
CMyPoint* RepresentativePoint(const PointArray& station);

} // namespace dims
