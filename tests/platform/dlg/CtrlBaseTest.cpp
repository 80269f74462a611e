// The Qorlink base class stand-in: Change tells the listener, if any.
#include "platform/qorlink/CtrlBase.h"

#include <gtest/gtest.h>

TEST(CCtrlBase, ChangeTellsTheListenerWhenThereIsOne)
{
    CCtrlBase base;
    CStringArray array;
    EXPECT_TRUE(base.Change(nullptr)) << "no listener yet";
    std::vector<CStringArray*> calls;
    base.SetChangeListener([&](CStringArray* pArray) { calls.push_back(pArray); });
    EXPECT_TRUE(base.Change(nullptr));
    EXPECT_TRUE(base.Change(&array));
    EXPECT_FALSE(base.SelChange(&array));
    base.SetChangeListener(nullptr);
    EXPECT_TRUE(base.Change(nullptr));
    EXPECT_EQ(calls, (std::vector<CStringArray*> { nullptr, &array }));
}
