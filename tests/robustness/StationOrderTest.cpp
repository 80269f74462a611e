// Dimension stations come out as the sorted insertion of every point gives
// them, although the library sorts them once: checked against the direct
// rule on random points full of equal keys.
#include "DirectRules.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <random>
#include <vector>

TEST(StationOrder, SortIntoStationsMatchesSortedInsertionOnRandomPoints)
{
    std::mt19937 random(99);
    // Window coordinates a few pixels apart with halves, so that many round
    // together (100.4 and 99.5 give 100, 100.5 gives 101), plus the values
    // that round to INT_MIN; now and then a point far off, left or right
    // of the origin, so that keys differ in every byte.
    const double wild[] = { std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300 };
    std::uniform_int_distribution<int> tenths(995, 1030);
    std::uniform_int_distribution<int> tag(0, 3);
    std::uniform_int_distribution<int> percent(0, 99);

    for (int count : { 0, 1, 2, 3, 5, 8, 20, 100, 700 }) {
        for (int round = 0; round < 20; ++round) {
            std::vector<std::unique_ptr<CMyPoint>> owned;
            dims::PointArray points;
            for (int i = 0; i < count; ++i) {
                auto coordinate = [&] {
                    const int pick = percent(random);
                    if (pick < 2)
                        return wild[percent(random) % 3];
                    if (pick < 6)
                        return static_cast<double>(static_cast<int>(random()) >> (random() % 31));
                    return tenths(random) / 10.0;
                };
                owned.push_back(std::make_unique<CMyPoint>(coordinate(), coordinate(), 0.0, 0.0, tag(random)));
                points.Add(percent(random) < 3 ? nullptr : owned.back().get());
            }
            // The anchor is now and then one of the points themselves.
            CMyPoint spare(tenths(random) / 10.0, tenths(random) / 10.0, 0.0, 0.0, tag(random));
            CMyPoint* anchor = nullptr;
            if (const int pick = percent(random); pick < 40)
                anchor = &spare;
            else if (pick < 60 && count > 0)
                anchor = owned[static_cast<size_t>(pick) % owned.size()].get();

            for (dims::Axis axis : { dims::Axis::X, dims::Axis::Y }) {
                SCOPED_TRACE(testing::Message() << count << " points, round " << round << ", axis "
                                                << (axis == dims::Axis::X ? "x" : "y"));
                const auto fast = dims::SortIntoStations(anchor, points, axis);
                const auto direct = direct_rules::SortIntoStations(anchor, points, axis);
                ASSERT_EQ(fast, direct);
            }
        }
    }
}
