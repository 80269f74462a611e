// The Boost.Geometry peer of RegionInt: the same lines intersected with the
// same polygon by boost::geometry::intersection. Each piece inside the
// polygon has two crossings, so crossings per second compare directly.
#include "RegionCutSupport.h"

#include <benchmark/benchmark.h>

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/linestring.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

namespace {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point>;
using Line = bg::model::linestring<Point>;
using Pieces = bg::model::multi_linestring<Line>;

void BM_RegionInt_Horizontal_BoostGeometry(benchmark::State& state)
{
    bench::CutRecord record(static_cast<int>(state.range(0)));
    const int spacing = record.SpacingFor(static_cast<int>(state.range(1)));
    const auto lines = record.Lines(0, spacing);

    Polygon polygon;
    for (INT_PTR i = 0; i + 1 < record.m_aryAuxPts.GetSize(); i += 2)
        bg::append(polygon.outer(), Point(record.m_aryAuxPts[i], record.m_aryAuxPts[i + 1]));
    bg::correct(polygon); // closes the ring and orients it as Boost expects

    size_t crossings = 0;
    for (auto _ : state) {
        crossings = 0;
        for (const auto& l : lines) {
            Line line { Point(l[0], l[1]), Point(l[2], l[3]) };
            Pieces pieces;
            bg::intersection(line, polygon, pieces);
            crossings += 2 * pieces.size();
        }
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["crossings"] = static_cast<double>(crossings);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(crossings));
}

} // namespace

BENCHMARK(BM_RegionInt_Horizontal_BoostGeometry)->Apply(bench::CutSizes)->Unit(benchmark::kMillisecond);
