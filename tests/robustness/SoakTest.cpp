// 100,000 random user events over a drawing of 200 outlines: presses,
// drags and releases near vertices, side midpoints and labels, hovering,
// double and right clicks, page and tool switches, dialog answers good and
// bad, and the host reading outlines, hiding them and rebuilding the
// dimensions. Every invariant of SessionInvariants.h is checked after
// every event. The sanitizer build (unoptimised, about twenty times
// slower) plays the first 3,000 events of the same session;
// SHAPIX_SOAK_EVENTS sets another count (scripts/valgrind.sh runs 2,000).
#include "SessionDriver.h"
#include "SessionInvariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kDefaultEvents = 3000;
#else
inline constexpr int kDefaultEvents = 100000;
#endif

int EventCount()
{
    const char* count = std::getenv("SHAPIX_SOAK_EVENTS");
    return count ? std::max(1, std::atoi(count)) : kDefaultEvents;
}
inline constexpr int kOutlines = 200;
inline constexpr int kWidth = 1200;
inline constexpr int kHeight = 800;
inline constexpr unsigned kSeed = 2718;
inline constexpr int kEventsPerDimensionRebuild = 2500;
inline constexpr int kFirstDimensionRebuild = 1000;

INT_PTR LivePointCount(CDrawObjAry& doc)
{
    CTypedPtrArray<CObArray, CMyPoint*> points;
    for (INT_PTR i = 0; i < doc.m_objs.GetSize(); ++i)
        doc.m_objs[i]->GetAllDimPoint(points);
    return points.GetSize();
}

class Soak {
public:
    Soak()
        : m_session(kWidth, kHeight)
    {
        std::uniform_real_distribution<double> centreX(60, kWidth - 60);
        std::uniform_real_distribution<double> centreY(60, kHeight - 90);
        std::uniform_real_distribution<double> radius(15, 50);
        std::uniform_int_distribution<int> sides(3, 24);
        std::uniform_real_distribution<double> bend(-0.6, 0.6);
        for (int id = 1; id <= kOutlines; ++id) {
            const double cx = centreX(m_random);
            const double cy = centreY(m_random);
            const double r = radius(m_random);
            const int n = sides(m_random);
            std::vector<double> window, model, bulges;
            for (int k = 0; k < n; ++k) {
                const double angle = 6.283185307179586 * k / n;
                const double x = std::round(cx + r * std::cos(angle));
                const double y = std::round(cy + r * std::sin(angle));
                window.insert(window.end(), { x, y });
                model.insert(model.end(), { x * 10, y * 10 });
                bulges.push_back(m_random() % 3 == 0 ? bend(m_random) : 0.0);
            }
            m_session.AddOutline(id, window, model, bulges, std::round(cx), std::round(cy));
        }
        m_session.ctrl.CreateDimText();
        platform::PumpMessages();
    }

    // A point where something is: a vertex or a side's midpoint of an
    // outline, a label on the dimension page, or anywhere.
    POINT Target()
    {
        CDrawObjAry& doc = m_session.Doc();
        const int pick = static_cast<int>(m_random() % 10);
        std::uniform_int_distribution<int> jitter(-5, 5);
        if (pick < 6 && doc.m_objs.GetSize() > 0) {
            CDrawObj* obj = doc.m_objs[static_cast<INT_PTR>(m_random() % doc.m_objs.GetSize())];
            if (auto* poly = dynamic_cast<CMyDrawPoly*>(obj); poly && poly->GetHandleCount() > 0) {
                const CMyPoint* handle = poly->GetHandle(1 + static_cast<int>(m_random() % poly->GetHandleCount()));
                if (handle)
                    return POINT { static_cast<LONG>(handle->m_x) + jitter(m_random),
                        static_cast<LONG>(handle->m_y) + jitter(m_random) };
            } else if (obj) {
                return POINT { obj->m_rcPosition.left + 3, obj->m_rcPosition.top + 3 };
            }
        }
        return POINT { static_cast<LONG>(m_random() % (kWidth + 20)) - 10,
            static_cast<LONG>(m_random() % (kHeight + 20)) - 10 };
    }

    robustness::Answer NextAnswer()
    {
        static const wchar_t* const kTexts[] = { L"0", L"1", L"250", L"1500.5", L"-20", L"abc", L"", L"1e6", L"45" };
        robustness::Answer answer;
        answer.ok = m_random() % 4 != 0;
        answer.text = kTexts[m_random() % std::size(kTexts)];
        answer.radio = static_cast<int>(m_random() % 3);
        answer.listItem = static_cast<int>(m_random() % 3);
        return answer;
    }

    robustness::Event NextEvent()
    {
        using robustness::EventKind;
        robustness::Event e;
        const int roll = static_cast<int>(m_random() % 1000);
        // CreateDimText appends its texts to the document's lists, and the
        // next build hands leftovers to other links; called again and
        // again, the model spans grow like a Fibonacci series until they
        // overflow. Hosts call it after loading a drawing, so the session
        // does so once in 2,500 events (the first time early, so that short
        // runs have one too), between drags.
        m_rebuildDue = m_rebuildDue || ++m_count % kEventsPerDimensionRebuild == kFirstDimensionRebuild;
        if (m_rebuildDue && m_held == 0) {
            m_rebuildDue = false;
            e.kind = EventKind::CreateDims;
            return e;
        }
        if (m_held > 0) {
            // Drags run for a few moves, then the button comes up.
            --m_held;
            e.kind = m_held == 0 ? EventKind::Release : EventKind::Drag;
            m_last.x += static_cast<LONG>(m_random() % 15) - 7;
            m_last.y += static_cast<LONG>(m_random() % 15) - 7;
        } else if (roll < 250) {
            e.kind = EventKind::Press;
            m_last = Target();
            m_held = 1 + static_cast<int>(m_random() % 12);
        } else if (roll < 700) {
            e.kind = EventKind::Hover;
            m_last = Target();
        } else if (roll < 780) {
            e.kind = EventKind::DoubleClick;
            m_last = Target();
        } else if (roll < 840) {
            e.kind = EventKind::RightClick;
            m_last = Target();
        } else if (roll < 920) {
            e.kind = EventKind::Tool;
            // The pages more often than the side tools.
            e.param = static_cast<int>(m_random() % 9) % 6;
        } else if (roll < 950) {
            e.kind = EventKind::Read;
            e.param = static_cast<int>(m_random() % kOutlines);
        } else if (roll < 960) {
            e.kind = EventKind::Visibility;
            e.param = static_cast<int>(m_random() % kOutlines);
            e.x = static_cast<int>(m_random() % 8);
            return e;
        } else {
            e.kind = EventKind::Paint;
        }
        e.x = m_last.x;
        e.y = m_last.y;
        return e;
    }

    robustness::SessionDriver m_session;
    std::mt19937 m_random { kSeed };
    POINT m_last { 0, 0 };
    int m_held = 0;
    int m_count = 0;
    bool m_rebuildDue = false;
};

} // namespace

TEST(Soak, RandomSessionKeepsTheDocumentConsistent)
{
    Soak soak;
    int counts[static_cast<int>(robustness::EventKind::Count)] = {};
    const int events = EventCount();
    INT_PTR pointsBefore = LivePointCount(soak.m_session.Doc());
    for (int step = 0; step < events; ++step) {
        const robustness::Event e = soak.NextEvent();
        soak.m_session.Apply(e, soak.NextAnswer());
        ++counts[static_cast<int>(e.kind)];
        // The whole history where points were destroyed (a vertex deleted
        // changes the count) and every 50 events; the rest every event.
        const INT_PTR pointsNow = LivePointCount(soak.m_session.Doc());
        const bool history = pointsNow != pointsBefore || step % 50 == 0 || step == events - 1;
        pointsBefore = pointsNow;
        const std::string broken = robustness::BrokenInvariant(
            soak.m_session.Doc(), history ? robustness::History::Check : robustness::History::Skip);
        ASSERT_EQ(broken, "") << "after event " << step << " (kind " << static_cast<int>(e.kind) << " at " << e.x
                              << ", " << e.y << ", param " << e.param << ")";
    }
    platform::PumpMessages();
    std::printf("soak: %d events, %d dialogs answered\n", events, soak.m_session.DialogsAnswered());
    // The session reached every kind of event, dialogs included.
    for (int kind = 0; kind < static_cast<int>(robustness::EventKind::Count); ++kind)
        EXPECT_GT(counts[kind], 0) << "event kind " << kind;
    EXPECT_GT(soak.m_session.DialogsAnswered(), 0);
    EXPECT_GT(soak.m_session.Doc().m_objs.GetSize(), 0);
}
