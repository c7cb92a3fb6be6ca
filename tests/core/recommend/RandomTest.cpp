#include "recommend/Random.h"

#include <gtest/gtest.h>

using namespace quorvane;

TEST(Random, StartsAtZeroAndRepeatsItsSequence)
{
    // state = state * 134775813 + 1 from 0: 1, 134775814, 3698175007, ...; value = state * range >> 32.
    Random random;
    EXPECT_EQ(random.Next(33), 0);
    EXPECT_EQ(random.State(), 1u);
    EXPECT_EQ(random.Next(33), 1);
    EXPECT_EQ(random.State(), 134775814u);
    EXPECT_EQ(random.Next(33), 28);
    EXPECT_EQ(random.Next(33), 6);

    Random again;
    EXPECT_EQ(again.Next(16), 0);
    EXPECT_EQ(again.Next(16), 0);
    EXPECT_EQ(again.Next(16), 13);
    EXPECT_EQ(again.Next(16), 3);
}

TEST(Random, RealsTakeTheSameStepAsIntegers)
{
    Random random;
    random.Next(33);
    random.Next(7);
    EXPECT_DOUBLE_EQ(random.NextReal(), 3698175007.0 / 4294967296.0);
    EXPECT_EQ(random.State(), 3698175007u);

    // The state steps to 0xFFFFFFFF: the largest values stay inside their ranges.
    Random top(0x4D60AE66u);
    EXPECT_LT(top.NextReal(), 1.0);
    EXPECT_EQ(top.State(), 0xFFFFFFFFu);
    Random topInt(0x4D60AE66u);
    EXPECT_EQ(topInt.Next(33), 32);
}
