// Region line intersection: cuts the region of the model outline with a
// family of parallel lines and lists each line's crossings in order along
// it. Everything here works on whole model units (CPoint, DWORD pairs),
// except the crossing itself, which is found in doubles and rounded.
//
// Arc sides count as their chords: the bulges are not used.
#include "PicDerData.h"
#include "RetLines.h"

#include "ShapixMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <vector>

using SHAPIX_NAME::RoundToPixel;
using SHAPIX_NAME::TruncToInt;

namespace {

inline constexpr int kMinimumBox = 480; // both sides of the box must be longer, model units
inline constexpr double kAngleSnap = 0.01; // degrees
inline constexpr double kCornerSlack = 0.1; // a crossing this close to a border corner is that corner's
inline constexpr double kVertexSlack = 0.01; // a crossing this close to a vertex passes through it
inline constexpr double kNudge = 0.3; // how far a line through a vertex is moved, in x and in y
inline constexpr int kMaxAttempts = 100;

} // namespace

void CShapixCtrl::CPicDerData::GetRect(CRect& box)
{
    const INT_PTR n = m_aryAuxPts.GetSize() / 2;
    if (n == 0)
        return;
    auto vertex = [this](INT_PTR i) {
        return CPoint(TruncToInt(m_aryAuxPts[2 * i]), TruncToInt(m_aryAuxPts[2 * i + 1]));
    };
    CPoint previous = vertex(n - 1);
    box = CRect(previous, previous);
    for (INT_PTR i = 0; i < n; ++i) {
        CPoint current = vertex(i);
        const CRect span = GetRect(previous, current, 0);
        box.left = std::min(box.left, span.left);
        box.top = std::min(box.top, span.top);
        box.right = std::max(box.right, span.right);
        box.bottom = std::max(box.bottom, span.bottom);
        previous = current;
    }
}

CRect CShapixCtrl::CPicDerData::GetRect(CPoint& a, CPoint& b, int)
{
    CRect rect(a, b);
    rect.NormalizeRect();
    return rect;
}

void CShapixCtrl::CPicDerData::RegionInt(double margin, double angle, int spacing, CRetLinesMng& result)
{
    if (spacing == 0)
        return;
    if (std::fabs(angle) < kAngleSnap)
        angle = 0;
    if (std::fabs(angle - 360) < kAngleSnap)
        angle = 360;

    CRect box;
    GetRect(box);
    if (box.Width() <= kMinimumBox || box.Height() <= kMinimumBox)
        return;

    // The first line starts the margin in from the box's top-left corner,
    // the last one no further than the margin in from its bottom-right one.
    const double r = DecToFGrd(angle);
    const double sy = std::floor(std::sin(r) * margin + 0.5);
    const double cx = std::floor(std::cos(r) * margin + 0.5);
    CPoint first(TruncToInt(box.left + sy), TruncToInt(box.top + cx));
    CPoint last(TruncToInt(box.right - sy), TruncToInt(box.bottom - cx));

    CDWordArray lines;
    GetOffsetLines(box, first, last, angle, spacing, lines);

    CDWordArray points;
    for (INT_PTR i = 0; i + 3 < lines.GetSize(); i += 4) {
        CPoint from(static_cast<int>(lines[i]), static_cast<int>(lines[i + 1]));
        CPoint to(static_cast<int>(lines[i + 2]), static_cast<int>(lines[i + 3]));
        auto* group = new CRetLines;
        points.RemoveAll();
        RegionIntLine(from, to, points);
        SortPoints(points, angle);
        group->m_aryPts.Append(points);
        result.m_aryLines.Add(group);
    }
}

void CShapixCtrl::CPicDerData::GetOffsetLines(
    CRect& box, CPoint& first, CPoint& last, double angle, int spacing, CDWordArray& lines)
{
    // NOTE: the step runs along (sin, cos) of the angle, not along the
    // perpendicular of the lines' direction (cos, sin). The two agree at 0
    // and 90 degrees; at 45 degrees every line falls on the same line.
    // Hosts' cut lists depend on this, so it stays.
    const double r = DecToFGrd(angle);
    const CSize step(TruncToInt(std::floor(std::sin(r) * spacing + 0.5)),
        TruncToInt(std::floor(std::cos(r) * spacing + 0.5)));

    // Count the lines whose starting points stay between first and last.
    CRect sweep(box.left, box.top, last.x, last.y);
    CPoint p = first;
    CPoint out1;
    CPoint out2;
    int count = 0;
    // A walk that crossed the sweep rectangle could take no more steps than
    // it has rows plus columns; the bound only guards against a step that
    // wraps around the 32-bit range and lands inside again.
    const std::uint64_t maxSteps = std::uint64_t(std::uint32_t(sweep.Width())) + std::uint32_t(sweep.Height()) + 4;
    while (GetRectIntLine(sweep, p, angle, out1, out2) == 2 && std::uint64_t(count) < maxSteps) {
        p += step;
        ++count;
    }

    // Lay them across the whole box, border to border.
    p = first;
    for (int k = 0; k < count; ++k) {
        if (GetRectIntLine(box, p, angle, out1, out2) == 2) {
            lines.Add(static_cast<DWORD>(out1.x));
            lines.Add(static_cast<DWORD>(out1.y));
            lines.Add(static_cast<DWORD>(out2.x));
            lines.Add(static_cast<DWORD>(out2.y));
            p += step;
        }
    }
}

int CShapixCtrl::CPicDerData::GetRectIntLine(CRect& box, CPoint& point, double angle, CPoint& out1, CPoint& out2)
{
    const double r = DecToFGrd(angle);
    CRect grown(box);
    InflateRect(&grown, 1, 1);
    if (!PtInRect(&grown, point))
        return 0;

    // A segment through the point long enough to cross the whole box.
    const int length = platform::WrapAdd(box.Width(), box.Height());
    double a[2] = { point.x + std::cos(r) * length, point.y + std::sin(r) * length };
    double b[2] = { point.x - std::cos(r) * length, point.y - std::sin(r) * length };

    // The border, walked from (left, bottom) round through the top-left,
    // top-right and bottom-right corners back to (left, bottom). A crossing
    // at an edge's end corner is left to the next edge, which starts there.
    const double corners[4][2] = {
        { double(box.left), double(box.top) },
        { double(box.right), double(box.top) },
        { double(box.right), double(box.bottom) },
        { double(box.left), double(box.bottom) },
    };
    double from[2] = { double(box.left), double(box.bottom) };
    int found = 0;
    for (const auto& corner : corners) {
        double to[2] = { corner[0], corner[1] };
        double crossing[2];
        if (CalInt(a, b, from, to, crossing) == 1
            && !(std::fabs(to[0] - crossing[0]) < kCornerSlack && std::fabs(to[1] - crossing[1]) < kCornerSlack)) {
            const CPoint rounded(RoundToPixel(crossing[0]), RoundToPixel(crossing[1]));
            if (found == 0) {
                out1 = rounded;
                found = 1;
            } else {
                out2 = rounded;
                return 2;
            }
        }
        from[0] = to[0];
        from[1] = to[1];
    }
    return found;
}

void CShapixCtrl::CPicDerData::RegionIntLine(CPoint& from, CPoint& to, CDWordArray& points)
{
    const INT_PTR n = m_aryAuxPts.GetSize() / 2;
    if (n < 3)
        return;
    double s[2] = { double(from.x), double(from.y) };
    double e[2] = { double(to.x), double(to.y) };
    const double* model = m_aryAuxPts.GetData();

    // A line through a vertex would list that vertex twice (once per edge);
    // such a line is moved a little and tried again, at most 100 times.
    for (int attempts = 1;;) {
        points.RemoveAll();
        bool throughVertex = false;
        for (INT_PTR i = 0; i < n && !throughVertex; ++i) {
            const INT_PTR j = (i == 0) ? n - 1 : i - 1;
            double previous[2] = { model[2 * j], model[2 * j + 1] };
            double current[2] = { model[2 * i], model[2 * i + 1] };
            double x[2];
            if (CalInt(s, e, previous, current, x) != 1)
                continue;
            auto near = [&x](const double* vertex) {
                return std::fabs(vertex[0] - x[0]) < kVertexSlack && std::fabs(vertex[1] - x[1]) < kVertexSlack;
            };
            if (near(previous) || near(current)) {
                throughVertex = true;
                break;
            }
            points.Add(static_cast<DWORD>(RoundToPixel(x[0])));
            points.Add(static_cast<DWORD>(RoundToPixel(x[1])));
        }
        if (!throughVertex)
            return;
        ++attempts;
        for (double* coordinate : { &s[0], &s[1], &e[0], &e[1] })
            *coordinate += kNudge;
        if (attempts > kMaxAttempts)
            return;
    }
}

// The order is that of taking FindMinIdx's pair out of the list again and
// again, found here by one stable sort instead of one scan per crossing.
// Taking the minimum repeatedly works through the values from the smallest
// up; while value v is being taken, everything smaller is gone, so the list
// holds the pairs of value v and the larger ones in their first order.
// FindMinIdx takes the list's first pair while it holds v, and otherwise the
// last pair holding v. The list's first pair holds v exactly while every
// pair in front of the first larger one (at index f) is taken, so: the
// pairs of value v before f come first, in list order, then those after f,
// from the last back.
void CShapixCtrl::CPicDerData::SortPoints(CDWordArray& points, double angle)
{
    const INT_PTR n = points.GetSize() / 2;
    if (n < 2)
        return;
    // Steep lines sort by y, the others by x.
    const int key = ((angle > 45 && angle < 135) || (angle > 225 && angle < 315) || angle > 360) ? 1 : 0;

    const DWORD* pairs = points.GetData();
    std::vector<INT_PTR> byValue(static_cast<size_t>(n));
    std::iota(byValue.begin(), byValue.end(), INT_PTR { 0 });
    // DWORDs compare unsigned, as FindMinIdx compares them.
    std::stable_sort(byValue.begin(), byValue.end(),
        [pairs, key](INT_PTR a, INT_PTR b) { return pairs[2 * a + key] < pairs[2 * b + key]; });

    // Runs of equal values from the largest down, so that f (the smallest
    // index holding a larger value) is known when a run is reached.
    std::vector<INT_PTR> order(static_cast<size_t>(n));
    INT_PTR firstLarger = n;
    INT_PTR end = n;
    while (end > 0) {
        INT_PTR begin = end - 1;
        while (begin > 0 && pairs[2 * byValue[begin - 1] + key] == pairs[2 * byValue[end - 1] + key])
            --begin;
        // The run is in list order (the sort is stable); it goes to the same
        // slots of the result, which the runs fill in ascending value order.
        INT_PTR front = begin;
        while (front < end && byValue[front] < firstLarger)
            ++front;
        std::copy(byValue.begin() + begin, byValue.begin() + front, order.begin() + begin);
        std::reverse_copy(byValue.begin() + front, byValue.begin() + end, order.begin() + front);
        firstLarger = std::min(firstLarger, byValue[begin]);
        end = begin;
    }

    CDWordArray sorted;
    sorted.SetSize(2 * n);
    for (INT_PTR i = 0; i < n; ++i) {
        sorted[2 * i] = pairs[2 * order[i]];
        sorted[2 * i + 1] = pairs[2 * order[i] + 1];
    }
    // A lone trailing value is no pair and is dropped, as the pairwise
    // taking drops it.
    points.Copy(sorted);
}

int CShapixCtrl::CPicDerData::FindMinIdx(CDWordArray& points, int key)
{
    const INT_PTR n = points.GetSize() / 2;
    if (n == 0)
        return -1;
    // Values compare unsigned: a negative coordinate sorts after every
    // positive one. Among equal smallest values the highest index wins,
    // unless pair 0 holds the smallest value.
    DWORD best = points[key];
    int bestIndex = 0;
    for (INT_PTR i = n - 1; i >= 0; --i) {
        if (points[2 * i + key] < best) {
            best = points[2 * i + key];
            bestIndex = static_cast<int>(i);
        }
    }
    return bestIndex;
}
