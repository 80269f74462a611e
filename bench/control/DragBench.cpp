// One step of a vertex drag: WM_MOUSEMOVE with the left button held on a
// vertex handle (own-vertex snapping, snap partners among all objects,
// MakeSelDims with its dimension chains) and the repaint that follows, in a
// 1920 x 1080 control holding a given number of dimension points.
#include "BenchSupport.h"

#include <benchmark/benchmark.h>

namespace {

inline constexpr int kWidth = 1920;
inline constexpr int kHeight = 1080;
inline constexpr unsigned kSeed = 77;
inline constexpr int kPointsPerOutline = 100; // 99 vertices and the reference point

enum class Repaint { Yes, No };

// Presses on the first vertex of the outline added last (HitObject prefers
// it): the first press selects the outline, the second takes the handle.
POINT GrabFirstVertex(bench::Host& host, int id)
{
    auto* poly = dynamic_cast<CMyDrawPoly*>(host.Doc().GetObjByID(id));
    const CMyPoint* vertex = poly->m_aVertices[0];
    const POINT at { SHAPIX_NAME::RoundToPixel(vertex->m_x), SHAPIX_NAME::RoundToPixel(vertex->m_y) };
    for (int press = 0; press < 2; ++press) {
        host.ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        if (press == 0)
            host.ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    host.ctrl.UpdateWindow();
    return at;
}

// The vertex moves back and forth by 7 pixels: far enough from its
// neighbours not to snap onto them every time.
void Drag(benchmark::State& state, const POINT& at, bench::Host& host, Repaint repaint)
{
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 2 == 0) ? 7 : 0;
        host.ctrl.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x + dx, at.y + dx));
        if (repaint == Repaint::Yes)
            host.ctrl.UpdateWindow();
    }
    host.ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// The points spread over outlines of 99 sides, 120 pixels across, at
// random places; the dragged outline is one of them.
void ManyOutlines(benchmark::State& state, Repaint repaint)
{
    const int points = static_cast<int>(state.range(0));
    const int outlines = points / kPointsPerOutline;
    bench::Host host(kWidth, kHeight);
    if (outlines == 0) {
        std::mt19937 random(kSeed);
        bench::AddOutline(host.ctrl, 1, bench::MakeOutline(points - 1, 960, 540, 60, random));
    } else {
        bench::AddScatteredOutlines(host.ctrl, outlines, kPointsPerOutline - 1, kWidth, kHeight, kSeed);
    }
    const POINT at = GrabFirstVertex(host, outlines == 0 ? 1 : outlines);
    Drag(state, at, host, repaint);
    state.counters["outlines"] = outlines == 0 ? 1 : outlines;
}

// All points on the dragged outline: its chains reach every station.
void OneOutline(benchmark::State& state, Repaint repaint)
{
    const int points = static_cast<int>(state.range(0));
    bench::Host host(kWidth, kHeight);
    std::mt19937 random(kSeed);
    bench::AddOutline(host.ctrl, 1, bench::MakeOutline(points - 1, 960, 540, 500, random));
    const POINT at = GrabFirstVertex(host, 1);
    Drag(state, at, host, repaint);
    state.counters["links"] = static_cast<double>(host.Doc().m_objs.GetSize() - 1);
}

void BM_DragVertex_ManyOutlines(benchmark::State& state)
{
    ManyOutlines(state, Repaint::Yes);
}
void BM_DragVertex_ManyOutlines_NoRepaint(benchmark::State& state)
{
    ManyOutlines(state, Repaint::No);
}
void BM_DragVertex_OneOutline(benchmark::State& state)
{
    OneOutline(state, Repaint::Yes);
}
void BM_DragVertex_OneOutline_NoRepaint(benchmark::State& state)
{
    OneOutline(state, Repaint::No);
}

} // namespace

BENCHMARK(BM_DragVertex_ManyOutlines)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragVertex_ManyOutlines_NoRepaint)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragVertex_OneOutline)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragVertex_OneOutline_NoRepaint)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
