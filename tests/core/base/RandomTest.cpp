#include "base/Random.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(Random, StartsAtZeroAndRepeatsItsSequence)
{
    Random r;
    EXPECT_EQ(r.State(), 0u);
    // state 1: (1 * 33) >> 32 = 0; state 134775814: (134775814 * 33) >> 32 = 1.
    EXPECT_EQ(r.Next(33), 0);
    EXPECT_EQ(r.State(), 1u);
    EXPECT_EQ(r.Next(33), 1);
    EXPECT_EQ(r.State(), 134775814u);
    EXPECT_EQ(r.Next(33), 28);
    EXPECT_EQ(r.Next(33), 6);

    Random a;
    Random b;
    for (int i = 0; i < 1000; ++i) {
        const int x = a.Next(16);
        ASSERT_EQ(x, b.Next(16));
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 16);
    }
}

TEST(Random, RealsUseTheSameStepAndLieInTheUnitInterval)
{
    Random r;
    EXPECT_DOUBLE_EQ(r.NextReal(), 1.0 / 4294967296.0);
    Random s(0xFFFFFFFFu);
    const double v = s.NextReal();
    EXPECT_GE(v, 0.0);
    EXPECT_LT(v, 1.0);

    // A state that steps to 0xFFFFFFFF gives the largest values, still inside their ranges.
    Random top(0x4D60AE66u);
    EXPECT_LT(top.NextReal(), 1.0);
    EXPECT_EQ(top.State(), 0xFFFFFFFFu);
    Random topInt(0x4D60AE66u);
    EXPECT_EQ(topInt.Next(33), 32);
}
