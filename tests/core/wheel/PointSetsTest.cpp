#include "wheel/PointSets.h"

#include <gtest/gtest.h>

#include "base/TicketPool.h"

using namespace quorvane;

// Colex ranks number the k-sets of 0..n-1 exactly 0..C(n, k) - 1, for every size the checker and
// the searches use, and unranking gives the set back.
TEST(PointSets, ColexRanksNumberTheSubsetsWithoutGapsOrRepeats)
{
    const PointMask all = (PointMask{1} << 33) - 1;
    for (int k = 1; k <= 6; ++k) {
        std::vector<bool> seen(static_cast<std::size_t>(Binomial(33, k)), false);
        std::int64_t count = 0;
        ForEachSubset(all, k, [&](PointMask s) {
            ASSERT_EQ(PointCount(s), k);
            const std::int32_t r = ColexRank(s);
            ASSERT_GE(r, 0);
            ASSERT_LT(r, Binomial(33, k));
            ASSERT_FALSE(seen[static_cast<std::size_t>(r)]);
            seen[static_cast<std::size_t>(r)] = true;
            ++count;
            if (r % 97 == 0) {
                ASSERT_EQ(ColexUnrank(r, k), s);
            }
        });
        EXPECT_EQ(count, Binomial(33, k)) << k;
    }
    // The sets of the first n points come first.
    EXPECT_EQ(ColexRank(0b111111), 0);
    EXPECT_EQ(ColexRank((PointMask{0b11111} << 28)), Binomial(33, 5) - 1);
    EXPECT_EQ(ColexUnrank(Binomial(12, 6) - 1, 6, 12), PointMask{0b111111} << 6);
}

TEST(PointSets, SubsetWalkCanStopAndHandlesEdgeSizes)
{
    int calls = 0;
    EXPECT_TRUE(ForEachSubset(0b1011, 0, [&](PointMask s) {
        EXPECT_EQ(s, 0u);
        ++calls;
    }));
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(ForEachSubset(0b1011, 4, [&](PointMask) { ++calls; }));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(SubsetsOf(0b1011, 2), (std::vector<PointMask>{0b0011, 0b1001, 0b1010}));
    calls = 0;
    EXPECT_FALSE(ForEachSubset(0b11111, 2, [&](PointMask) { return ++calls < 3; }));
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(TicketOfMask(MaskOfTicket({1, 7, 12, 20, 31, 33})), (TCodeRedArr{1, 7, 12, 20, 31, 33}));
}
