// Building the dimension chains and matching them against the history, as
// the library does it (sorting, hashing) and as the rules read step by step
// (sorted insertion, a scan of every entry); both give the same result, the
// equivalence tests in tests/robustness/ hold them together.
#include "BenchSupport.h"

#include "tests/robustness/DirectRules.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

inline constexpr unsigned kSeed = 5;

// `count` points on a 1920 x 1080 drawing: about one in three shares its
// column or row with another, as the vertices of real outlines do.
struct PointSet {
    std::vector<std::unique_ptr<CMyPoint>> owned;
    dims::PointArray array;

    explicit PointSet(int count)
    {
        std::mt19937 random(kSeed);
        std::uniform_real_distribution<double> x(0, 1920);
        std::uniform_real_distribution<double> y(0, 1080);
        for (int i = 0; i < count; ++i) {
            owned.push_back(std::make_unique<CMyPoint>(x(random), y(random), 0.0, 0.0, 0));
            array.Add(owned.back().get());
        }
    }
};

void BM_Stations_Sorted(benchmark::State& state)
{
    const PointSet points(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dims::SortIntoStations(nullptr, points.array, dims::Axis::X));
    state.SetComplexityN(state.range(0));
}

void BM_Stations_SortedInsertion(benchmark::State& state)
{
    const PointSet points(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(direct_rules::SortIntoStations(nullptr, points.array, dims::Axis::X));
    state.SetComplexityN(state.range(0));
}

// The chains over the points, saved once as leaving the dimension page
// does, then saved and restored again as the next page switches do.
struct Chains {
    PointSet points;
    CRelationMng manager { nullptr };

    explicit Chains(int count)
        : points(count)
    {
        CStringArray dimX;
        CStringArray dimY;
        manager.Build(dimX, dimY, points.array);
        manager.SaveHistory();
    }
};

void BM_History_SaveAndRestore(benchmark::State& state)
{
    Chains chains(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        chains.manager.SaveHistory();
        chains.manager.RestoreHistory();
    }
    state.counters["links"] = static_cast<double>(chains.manager.m_paHorz->GetSize() + chains.manager.m_paVert->GetSize());
    state.SetComplexityN(state.range(0));
}

void BM_History_SaveAndRestore_ScanEveryEntry(benchmark::State& state)
{
    Chains chains(static_cast<int>(state.range(0)));
    CHisRel& history = chains.manager.m_hisRel;
    for (auto _ : state) {
        direct_rules::Save(*chains.manager.m_paHorz, history.m_aSaveHorz);
        direct_rules::Save(*chains.manager.m_paVert, history.m_aSaveVert);
        direct_rules::Restore(*chains.manager.m_paHorz, history.m_aSaveHorz);
        direct_rules::Restore(*chains.manager.m_paVert, history.m_aSaveVert);
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_Stations_Sorted)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
BENCHMARK(BM_Stations_SortedInsertion)->RangeMultiplier(10)->Range(10, 10000)->Complexity();
BENCHMARK(BM_History_SaveAndRestore)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
BENCHMARK(BM_History_SaveAndRestore_ScanEveryEntry)->RangeMultiplier(10)->Range(10, 10000)->Complexity();
