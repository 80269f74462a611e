// A side's midpoint handle is now computed for that side alone; it must be
// the point GetSideMidPoints gives for the side, whatever the bulges.
#include "Shapix.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

TEST(HandleMidpoint, EachMidpointHandleIsThatSidesEntryOfGetSideMidPoints)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> coordinate(-50, 400);
    std::uniform_real_distribution<double> bulge(-3, 3);
    for (int vertices = 1; vertices <= 25; ++vertices) {
        for (int round = 0; round < 8; ++round) {
            CShapixCtrl::CPicDerData record;
            CString points;
            CString bulges;
            for (int i = 0; i < vertices; ++i)
                points.AppendFormat(L"%.5lf\t%.5lf\t", coordinate(random), coordinate(random));
            // Now and then fewer bulges than sides (padded with 0) or more.
            const int bulgeCount = vertices + static_cast<int>(random() % 5) - 2;
            for (int i = 0; i < bulgeCount; ++i)
                bulges.AppendFormat(L"%.5lf\t", random() % 3 == 0 ? 0.0 : bulge(random));
            const double ref[2] = { 10, 10 };
            record.SetData(1, &points, &points, nullptr, nullptr, &bulges, ref, ref);
            CMyDrawPoly poly(&record);

            int sides = 0;
            const std::unique_ptr<int[]> mids(poly.GetSideMidPoints(sides));
            ASSERT_EQ(sides, vertices);
            for (int side = 0; side < sides; ++side) {
                SCOPED_TRACE(testing::Message() << vertices << " vertices, round " << round << ", side " << side);
                const CMyPoint* handle = poly.GetHandle(vertices + 1 + side);
                ASSERT_NE(handle, nullptr);
                EXPECT_EQ(handle->m_x, mids[2 * side]);
                EXPECT_EQ(handle->m_y, mids[2 * side + 1]);
            }
            EXPECT_EQ(poly.GetHandle(2 * vertices + 1), &poly.m_ptRef);
            EXPECT_EQ(poly.GetHandle(2 * vertices + 2), nullptr);
        }
    }
}
