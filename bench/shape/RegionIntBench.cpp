// RegionInt: cutting a star-shaped outline with parallel lines, over the
// size grid of vertices and lines; and the ordering of one line's
// crossings, sorted once against taking the smallest again and again.
#include "RegionCutSupport.h"

#include "tests/robustness/DirectRules.h"

#include <benchmark/benchmark.h>

namespace {

void Cut(benchmark::State& state, double angle)
{
    bench::CutRecord record(static_cast<int>(state.range(0)));
    const int spacing = record.SpacingFor(static_cast<int>(state.range(1)));
    INT_PTR crossings = 0;
    INT_PTR lines = 0;
    for (auto _ : state) {
        CShapixCtrl::CRetLinesMng result;
        record.RegionInt(bench::kCutMargin, angle, spacing, result);
        lines = result.m_aryLines.GetSize();
        crossings = 0;
        for (INT_PTR i = 0; i < lines; ++i)
            crossings += result.m_aryLines[i]->m_aryPts.GetSize() / 2;
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["crossings"] = static_cast<double>(crossings);
    state.SetItemsProcessed(state.iterations() * crossings);
}

void BM_RegionInt_Horizontal(benchmark::State& state)
{
    Cut(state, 0);
}

void BM_RegionInt_Steep(benchmark::State& state)
{
    Cut(state, 60);
}

struct SortProbe : CShapixCtrl::CPicDerData {
    using CPicDerData::SortPoints;
};

// One line's crossings: x values over a narrow range, so that ties are
// common, in the order the outline's edges give them.
CDWordArray& Crossings(int count)
{
    static CDWordArray points;
    points.RemoveAll();
    std::mt19937 random(3);
    std::uniform_int_distribution<int> x(0, count / 4 + 1);
    for (int i = 0; i < count; ++i) {
        points.Add(static_cast<DWORD>(x(random)));
        points.Add(static_cast<DWORD>(i));
    }
    return points;
}

void BM_SortPoints(benchmark::State& state)
{
    SortProbe probe;
    const CDWordArray& input = Crossings(static_cast<int>(state.range(0)));
    CDWordArray points;
    for (auto _ : state) {
        points.Copy(input);
        probe.SortPoints(points, 0);
    }
    state.SetComplexityN(state.range(0));
}

void BM_SortPoints_RepeatedFindMinIdx(benchmark::State& state)
{
    const CDWordArray& input = Crossings(static_cast<int>(state.range(0)));
    CDWordArray points;
    for (auto _ : state) {
        points.Copy(input);
        direct_rules::SortPoints(points, 0);
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_RegionInt_Horizontal)->Apply(bench::CutSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegionInt_Steep)->Args({ 1000, 1000 })->Args({ 100000, 1000 })->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortPoints)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
BENCHMARK(BM_SortPoints_RepeatedFindMinIdx)->RangeMultiplier(10)->Range(10, 10000)->Complexity();
