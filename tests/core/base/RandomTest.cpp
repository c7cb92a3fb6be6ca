#include "base/Random.h"

#include <algorithm>
#include <array>

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

    // Two objects give the same sequence; each value is trunc(NextReal() * range) of the same step,
    // and over 1,000 draws every value of the range comes up (each 52 to 73 times).
    Random a;
    Random b;
    Random real;
    std::array<int, 16> seen{};
    for (int i = 0; i < 1000; ++i) {
        const int x = a.Next(16);
        ASSERT_EQ(x, b.Next(16));
        ASSERT_EQ(x, static_cast<int>(real.NextReal() * 16));
        ASSERT_TRUE(x >= 0 && x < 16) << x;
        ++seen[static_cast<std::size_t>(x)];
    }
    EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), 52);
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 73);
    // A range of 0 or less gives 0 and still takes its step.
    const std::uint32_t before = a.State();
    EXPECT_EQ(a.Next(0), 0);
    EXPECT_EQ(a.Next(-3), 0);
    EXPECT_NE(a.State(), before);
}

TEST(Random, RealsUseTheSameStepAndLieInTheUnitInterval)
{
    Random r;
    EXPECT_DOUBLE_EQ(r.NextReal(), 1.0 / 4294967296.0);
    Random s(0xFFFFFFFFu);
    EXPECT_DOUBLE_EQ(s.NextReal(), 0xF7F77BFCu / 4294967296.0); // the state after one step, over 2^32

    // A state that steps to 0xFFFFFFFF gives the largest values, still inside their ranges.
    Random top(0x4D60AE66u);
    EXPECT_LT(top.NextReal(), 1.0);
    EXPECT_EQ(top.State(), 0xFFFFFFFFu);
    Random topInt(0x4D60AE66u);
    EXPECT_EQ(topInt.Next(33), 32);
}
