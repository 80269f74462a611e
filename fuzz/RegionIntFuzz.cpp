// RegionInt on fuzzed outlines, margins, angles and spacings, then Hebin:
// every group's crossings are ordered along the line, Hebin keeps the total
// count of lines, leaves no equal neighbours and is idempotent. The sort of
// a fuzzed crossing list is also held against the selection rule.
#include "Shapix.h"
#include "tests/robustness/DirectRules.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

inline constexpr long long kMaxLines = 5000; // keeps one input well under a second

struct CutProbe : CShapixCtrl::CPicDerData {
    using CPicDerData::SortPoints;
};

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "RegionIntFuzz: %s\n", what);
    std::abort();
}

// Mostly whole and half units inside a few thousand, now and then a value
// near the ends of the int range or one that is not finite.
double Coordinate(FuzzedDataProvider& data)
{
    switch (data.ConsumeIntegralInRange(0, 15)) {
    case 0:
        return data.ConsumeFloatingPoint<double>();
    case 1:
        return std::numeric_limits<double>::quiet_NaN();
    case 2:
        return data.ConsumeBool() ? 2147483647.0 : -2147483648.0;
    default:
        return data.ConsumeIntegralInRange(-4000, 4000) + data.ConsumeIntegralInRange(0, 3) * 0.25;
    }
}

int SortKey(double angle)
{
    return ((angle > 45 && angle < 135) || (angle > 225 && angle < 315) || angle > 360) ? 1 : 0;
}

void CheckSort(FuzzedDataProvider& data)
{
    CDWordArray fast;
    const int values = data.ConsumeIntegralInRange(0, 200);
    const DWORD range = data.ConsumeIntegralInRange<DWORD>(1, 0xFFFFFFFF);
    for (int i = 0; i < values; ++i)
        fast.Add(data.ConsumeIntegralInRange<DWORD>(0, range) * (data.ConsumeBool() ? 1u : 0xFFFFFFFFu));
    CDWordArray direct;
    direct.Copy(fast);
    const double angle = data.ConsumeFloatingPointInRange(-10.0, 400.0);
    CutProbe probe;
    probe.SortPoints(fast, angle);
    direct_rules::SortPoints(direct, angle);
    if (fast.GetSize() != direct.GetSize())
        Fail("SortPoints and the selection rule give different lengths");
    for (INT_PTR i = 0; i < fast.GetSize(); ++i) {
        if (fast[i] != direct[i])
            Fail("SortPoints and the selection rule give different orders");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    CheckSort(data);

    CShapixCtrl::CPicDerData record;
    const int vertices = data.ConsumeIntegralInRange(0, 64);
    for (int i = 0; i < 2 * vertices; ++i)
        record.m_aryAuxPts.Add(Coordinate(data));
    const double margin = data.ConsumeBool() ? data.ConsumeFloatingPointInRange(-500.0, 2000.0)
                                             : data.ConsumeFloatingPoint<double>();
    const double angle = data.ConsumeBool() ? data.ConsumeIntegralInRange(-2, 8) * 45.0
                                            : data.ConsumeFloatingPointInRange(-720.0, 720.0);
    const int spacing = data.ConsumeIntegral<int>();

    // Lines are laid across the box one spacing apart; more than a few
    // thousand is a host asking for a long run, not a fault.
    CRect box;
    record.GetRect(box);
    const long long extent = (long long)box.right - box.left + (long long)box.bottom - box.top;
    if (spacing == 0 || extent / std::llabs((long long)spacing) > kMaxLines)
        return 0;

    CShapixCtrl::CRetLinesMng result;
    record.RegionInt(margin, angle, spacing, result);
    const int key = SortKey(std::fabs(angle) < 0.01 ? 0 : (std::fabs(angle - 360) < 0.01 ? 360 : angle));
    for (INT_PTR g = 0; g < result.m_aryLines.GetSize(); ++g) {
        const CDWordArray& pts = result.m_aryLines[g]->m_aryPts;
        for (INT_PTR i = 2 + key; i < pts.GetSize(); i += 2) {
            if (pts[i] < pts[i - 2])
                Fail("crossings out of order along the line");
        }
    }

    const INT_PTR groups = result.m_aryLines.GetSize();
    result.Hebin();
    long long lines = 0;
    for (INT_PTR g = 0; g < result.m_aryLines.GetSize(); ++g) {
        lines += result.m_aryLines[g]->m_nCount;
        if (g > 0 && result.m_aryLines[g]->Compare(result.m_aryLines[g - 1]))
            Fail("Hebin left two equal neighbours");
    }
    if (lines != groups)
        Fail("Hebin lost or gained lines");
    const INT_PTR merged = result.m_aryLines.GetSize();
    result.Hebin();
    if (result.m_aryLines.GetSize() != merged)
        Fail("a second Hebin changed the groups");
    return 0;
}
