// A fuzzed session on a control holding fuzzed outlines: mouse messages,
// page and tool switches, host calls and dialog answers, with the
// document's invariants checked after every event.
#include "tests/robustness/SessionDriver.h"
#include "tests/robustness/SessionInvariants.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

inline constexpr int kWidth = 400;
inline constexpr int kHeight = 300;
inline constexpr int kMaxEvents = 300;
inline constexpr int kMaxDimensionRebuilds = 8;

// Typed values stay short, so that sums of them stay finite: "9e99" is the
// largest number four characters make.
std::wstring Typed(FuzzedDataProvider& data)
{
    static constexpr wchar_t kAlphabet[] = L"0123456789.-e x";
    const std::string bytes = data.ConsumeRandomLengthString(4);
    std::wstring text;
    for (unsigned char c : bytes)
        text += kAlphabet[c % (std::size(kAlphabet) - 1)];
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    robustness::SessionDriver session(kWidth, kHeight);

    const int outlines = data.ConsumeIntegralInRange(1, 4);
    for (int id = 1; id <= outlines; ++id) {
        const int vertices = data.ConsumeIntegralInRange(1, 12);
        std::vector<double> window, model, bulges;
        for (int k = 0; k < vertices; ++k) {
            window.push_back(data.ConsumeIntegralInRange(-10, kWidth + 10) + data.ConsumeIntegralInRange(0, 3) * 0.25);
            window.push_back(data.ConsumeIntegralInRange(-10, kHeight + 10) + data.ConsumeIntegralInRange(0, 3) * 0.25);
            model.push_back(data.ConsumeFloatingPointInRange(-1e6, 1e6));
            model.push_back(data.ConsumeFloatingPointInRange(-1e6, 1e6));
        }
        // Bulges beyond 1 make arcs of more than a half turn; a few sides
        // go without one (padded with 0), a few have one too many.
        const int bulgeCount = std::max(0, vertices + data.ConsumeIntegralInRange(-1, 1));
        for (int k = 0; k < bulgeCount; ++k)
            bulges.push_back(data.ConsumeBool() ? 0.0 : data.ConsumeFloatingPointInRange(-4.0, 4.0));
        session.AddOutline(id, window, model, bulges, data.ConsumeIntegralInRange(0, kWidth),
            data.ConsumeIntegralInRange(0, kHeight));
    }
    if (data.ConsumeBool())
        session.ctrl.CreateDimText();

    int dimensionRebuilds = 0;
    for (int step = 0; step < kMaxEvents && data.remaining_bytes() > 0; ++step) {
        robustness::Event e;
        e.kind = static_cast<robustness::EventKind>(
            data.ConsumeIntegralInRange(0, static_cast<int>(robustness::EventKind::Count) - 1));
        // Each CreateDimText can add the leftover texts of the last one to
        // the model spans (see the soak test); a few keep them finite.
        if (e.kind == robustness::EventKind::CreateDims && ++dimensionRebuilds > kMaxDimensionRebuilds)
            e.kind = robustness::EventKind::Paint;
        e.x = data.ConsumeIntegralInRange(-20, kWidth + 20);
        e.y = data.ConsumeIntegralInRange(-20, kHeight + 20);
        e.param = data.ConsumeIntegralInRange(0, 11);
        robustness::Answer answer;
        answer.ok = data.ConsumeBool();
        answer.text = Typed(data);
        answer.radio = data.ConsumeIntegralInRange(0, 2);
        answer.listItem = data.ConsumeIntegralInRange(-1, 3);
        session.Apply(e, answer);
        const std::string broken = robustness::BrokenInvariant(session.Doc());
        if (!broken.empty()) {
            std::fprintf(stderr, "SessionFuzz: after event %d (kind %d at %d, %d): %s\n", step,
                static_cast<int>(e.kind), e.x, e.y, broken.c_str());
            std::abort();
        }
    }
    return 0;
}
