// A full repaint of a 1920 x 1080 control through OnPaint (paint DC, memory
// bitmap, background, dimension lines, outlines, blit), against the raster
// layer drawing the same primitives with no GDI state, objects or windows
// in between: the cost of the framework layers is the ratio of the two.
#include "BenchSupport.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/raster/Raster.h"

#include <benchmark/benchmark.h>

namespace {

inline constexpr int kWidth = 1920;
inline constexpr int kHeight = 1080;
inline constexpr int kSides = 50;
inline constexpr unsigned kSeed = 20240601;

enum class Page { Select, Dimensions };

// The drawing of the scenario: `count` outlines, then the page. The
// dimension page has the chains over every outline's points and one label
// per link.
void Prepare(bench::Host& host, int count, Page page)
{
    bench::AddScatteredOutlines(host.ctrl, count, kSides, kWidth, kHeight, kSeed);
    if (page == Page::Dimensions) {
        host.ctrl.CreateDimText();
        host.ctrl.SelectTool(CShapixCtrl::toolDim);
    }
    host.Repaint(); // labels measure themselves on their first paint
}

void Paint(benchmark::State& state, Page page)
{
    const int count = static_cast<int>(state.range(0));
    bench::Host host(kWidth, kHeight);
    Prepare(host, count, page);
    for (auto _ : state)
        host.Repaint();
    state.counters["outlines"] = count;
    state.counters["labels"] = static_cast<double>(host.Doc().m_objs.GetSize() - count);
}

void BM_Paint_SelectPage(benchmark::State& state)
{
    Paint(state, Page::Select);
}
void BM_Paint_DimensionPage(benchmark::State& state)
{
    Paint(state, Page::Dimensions);
}

// The raster layer alone: the primitives that one paint draws, recorded
// once, then replayed straight into a new black surface (the paint's
// bitmap), which then goes to the window's pixels as a whole-bitmap BitBlt
// does.
using platform::GdiCall;
using platform::GdiOp;
namespace raster = platform::raster;

raster::PenSpec PenOf(const GdiCall& call)
{
    return raster::PenSpec { call.pen.lopnStyle, call.pen.lopnWidth.x, call.pen.lopnColor };
}

raster::BrushSpec BrushOf(const GdiCall& call)
{
    return raster::BrushSpec { call.brush.lbStyle, call.brush.lbColor };
}

void Replay(const std::vector<GdiCall>& calls, raster::Surface& surface)
{
    POINT position { 0, 0 };
    const raster::TextRenderer& text = raster::TextRenderer::Default();
    for (const GdiCall& call : calls) {
        const std::vector<int>& a = call.args;
        switch (call.op) {
        case GdiOp::MoveTo:
            position = POINT { a[0], a[1] };
            break;
        case GdiOp::LineTo:
            raster::DrawLine(surface, position, POINT { a[0], a[1] }, PenOf(call));
            position = POINT { a[0], a[1] };
            break;
        case GdiOp::Arc:
            raster::DrawArc(surface, RECT { a[0], a[1], a[2], a[3] }, POINT { a[4], a[5] }, POINT { a[6], a[7] },
                PenOf(call));
            break;
        case GdiOp::Ellipse:
            raster::DrawEllipse(surface, RECT { a[0], a[1], a[2], a[3] }, PenOf(call), BrushOf(call));
            break;
        case GdiOp::Rectangle:
            raster::DrawRectangle(surface, RECT { a[0], a[1], a[2], a[3] }, PenOf(call), BrushOf(call));
            break;
        case GdiOp::FillSolidRect:
            raster::FillSolidRect(surface, RECT { a[0], a[1], a[2], a[3] }, static_cast<COLORREF>(a[4]));
            break;
        case GdiOp::TextOut: {
            // Labels are centred or left-aligned at their top; the measure
            // is part of the primitive's cost.
            const SIZE extent = text.Measure(call.text);
            const int left = (call.textAlign & TA_CENTER) == TA_CENTER ? a[0] - extent.cx / 2 : a[0];
            text.Draw(surface, left, a[1], call.text, call.textColor, call.bkMode == OPAQUE, 0);
            break;
        }
        case GdiOp::BitBlt:
            break;
        }
    }
}

void RasterOnly(benchmark::State& state, Page page)
{
    const int count = static_cast<int>(state.range(0));
    bench::Host host(kWidth, kHeight);
    Prepare(host, count, page);
    platform::CRecordDC recorder;
    host.Doc().Draw(&recorder);
    const std::vector<GdiCall> calls = recorder.Calls();

    raster::Surface window(kWidth, kHeight);
    for (auto _ : state) {
        raster::Surface memory(kWidth, kHeight, 0);
        Replay(calls, memory);
        window.AdoptPixels(memory);
        benchmark::DoNotOptimize(window.Pixels().data());
    }
    state.counters["outlines"] = count;
    state.counters["primitives"] = static_cast<double>(calls.size());
}

void BM_Paint_SelectPage_RasterOnly(benchmark::State& state)
{
    RasterOnly(state, Page::Select);
}
void BM_Paint_DimensionPage_RasterOnly(benchmark::State& state)
{
    RasterOnly(state, Page::Dimensions);
}

} // namespace

BENCHMARK(BM_Paint_SelectPage)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint_SelectPage_RasterOnly)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint_DimensionPage)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint_DimensionPage_RasterOnly)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
