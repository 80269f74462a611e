// Hebin: merging neighbouring groups with equal pieces, over 1,000 to
// 100,000 groups in runs of one to eight equal groups.
#include "BenchSupport.h"

#include <benchmark/benchmark.h>

namespace {

// Groups of one to four pieces; a run repeats one group's piece lengths,
// the next run takes new ones.
void FillGroups(CShapixCtrl::CRetLinesMng& result, int count, std::mt19937& random)
{
    std::uniform_int_distribution<int> pieces(1, 4);
    std::uniform_int_distribution<int> length(1, 3000);
    std::uniform_int_distribution<int> run(1, 8);
    std::vector<int> lengths;
    int left = 0;
    for (int i = 0; i < count; ++i, --left) {
        if (left == 0) {
            left = run(random);
            lengths.assign(static_cast<size_t>(pieces(random)), 0);
            for (int& l : lengths)
                l = length(random);
        }
        auto* group = new CShapixCtrl::CRetLines;
        DWORD x = 10;
        for (int l : lengths) {
            group->m_aryPts.Add(x);
            group->m_aryPts.Add(static_cast<DWORD>(i));
            group->m_aryPts.Add(x + static_cast<DWORD>(l));
            group->m_aryPts.Add(static_cast<DWORD>(i));
            x += static_cast<DWORD>(l) + 50;
        }
        result.m_aryLines.Add(group);
    }
}

void BM_Hebin(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    INT_PTR left = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::mt19937 random(8);
        auto result = std::make_unique<CShapixCtrl::CRetLinesMng>();
        FillGroups(*result, count, random);
        state.ResumeTiming();
        result->Hebin();
        state.PauseTiming();
        left = result->m_aryLines.GetSize();
        result.reset();
        state.ResumeTiming();
    }
    state.counters["groups_left"] = static_cast<double>(left);
    state.SetItemsProcessed(state.iterations() * count);
    state.SetComplexityN(count);
}

} // namespace

BENCHMARK(BM_Hebin)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
