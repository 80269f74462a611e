// The outline and the lines of the region-cut benchmarks, shared by the
// library's cut and its Boost.Geometry peer so that both cut the same
// polygon with the same lines.
#pragma once

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

namespace bench {

inline constexpr double kCutRadius = 50000; // model units: a box of about 100,000 x 100,000
inline constexpr double kCutMargin = 1;
inline constexpr unsigned kCutSeed = 11;

// A star-shaped record of `vertices` model points round (0, 0), radii
// between 0.7 and 1 times kCutRadius, so not self-intersecting; it exposes
// the laying of the lines, so that the peer cuts with the lines the library
// lays.
struct CutRecord : CShapixCtrl::CPicDerData {
    explicit CutRecord(int vertices)
    {
        std::mt19937 random(kCutSeed);
        const Outline outline = MakeOutline(vertices, 0, 0, kCutRadius, random);
        for (double v : outline.points)
            m_aryAuxPts.Add(v);
    }

    // The spacing that lays about `lines` lines across the box.
    int SpacingFor(int lines)
    {
        CRect box;
        GetRect(box);
        return std::max(1, static_cast<int>((box.Height() - 2 * kCutMargin) / lines));
    }

    // The lines RegionInt lays, as RegionInt computes them.
    std::vector<std::array<double, 4>> Lines(double angle, int spacing)
    {
        CRect box;
        GetRect(box);
        const double r = DecToFGrd(angle);
        const double sy = std::floor(std::sin(r) * kCutMargin + 0.5);
        const double cx = std::floor(std::cos(r) * kCutMargin + 0.5);
        CPoint first(SHAPIX_NAME::TruncToInt(box.left + sy), SHAPIX_NAME::TruncToInt(box.top + cx));
        CPoint last(SHAPIX_NAME::TruncToInt(box.right - sy), SHAPIX_NAME::TruncToInt(box.bottom - cx));
        CDWordArray flat;
        GetOffsetLines(box, first, last, angle, spacing, flat);
        std::vector<std::array<double, 4>> lines;
        for (INT_PTR i = 0; i + 3 < flat.GetSize(); i += 4) {
            lines.push_back({ double(static_cast<int>(flat[i])), double(static_cast<int>(flat[i + 1])),
                double(static_cast<int>(flat[i + 2])), double(static_cast<int>(flat[i + 3])) });
        }
        return lines;
    }
};

// Vertices and lines of the size grid: 10, 1,000 and 100,000 vertices,
// each with 10 to 10,000 lines.
inline void CutSizes(benchmark::internal::Benchmark* b)
{
    for (int vertices : { 10, 1000, 100000 }) {
        for (int lines : { 10, 100, 1000, 10000 })
            b->Args({ vertices, lines });
    }
}

} // namespace bench
