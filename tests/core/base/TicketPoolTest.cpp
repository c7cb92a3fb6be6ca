#include "base/TicketPool.h"

#include <gtest/gtest.h>

#include "text/FormatNumbers.h"

using namespace quorvane;

TEST(TicketPool, HoldsEveryAscendingSetInLexicographicOrder)
{
    TicketPool pool;
    BuildTicketPool(pool);
    ASSERT_EQ(pool.size(), static_cast<std::size_t>(kPoolCount));
    EXPECT_EQ(FormatTicket(pool.front()), "01 02 03 04 05 06");
    EXPECT_EQ(FormatTicket(pool[1]), "01 02 03 04 05 07");
    EXPECT_EQ(FormatTicket(pool.back()), "28 29 30 31 32 33");
    for (std::size_t i = 1; i < pool.size(); ++i) {
        ASSERT_LT(pool[i - 1], pool[i]) << i;
    }
}

TEST(TicketPool, OrdinalsMatchThePoolBothWays)
{
    TicketPool pool;
    BuildTicketPool(pool);
    for (std::int32_t i = 0; i < kPoolCount; ++i) {
        ASSERT_EQ(TicketAt(i), pool[static_cast<std::size_t>(i)]) << i;
        ASSERT_EQ(OrdinalOfTicket(pool[static_cast<std::size_t>(i)]), i);
    }
    EXPECT_EQ(TicketAt(kPoolCount - 1), pool.back());
    EXPECT_EQ(OrdinalOfTicket(pool.back()), kPoolCount - 1);
}

TEST(TicketPool, CursorAndSuccessorWalkThePoolOrder)
{
    TicketPool pool;
    BuildTicketPool(pool);
    TCodeRedArr t = pool.front();
    for (std::size_t i = 1; i < pool.size(); ++i) {
        ASSERT_TRUE(NextTicket(t));
        ASSERT_EQ(t, pool[i]) << i;
    }
    EXPECT_FALSE(NextTicket(t));
    EXPECT_EQ(t, pool.back());

    // Near and far steps, and a step back.
    TicketCursor cursor;
    for (const std::int32_t ordinal : {0, 1, 2, 30, 31, 55, 5000, 5001, 1107567, 7, 7}) {
        ASSERT_EQ(cursor.At(ordinal), pool[static_cast<std::size_t>(ordinal)]) << ordinal;
    }
}

TEST(TicketPool, SurvivorsAreFoundPastLongRunsOfZeros)
{
    SurvivorFlags flags(100, 0);
    flags[0] = flags[9] = flags[64] = flags[99] = 1;
    std::vector<std::size_t> found;
    for (std::size_t i = NextSurvivor(flags, 0, 100); i < 100; i = NextSurvivor(flags, i + 1, 100)) {
        found.push_back(i);
    }
    EXPECT_EQ(found, (std::vector<std::size_t>{0, 9, 64, 99}));
    EXPECT_EQ(NextSurvivor(flags, 65, 99), 99u); // the end bound is exclusive

    // A pool that no run has built holds nothing, whatever the flags say.
    EXPECT_EQ(CountPoolSurvivors(TicketPool{}, flags), 0);
    TicketPool pool;
    BuildTicketPool(pool);
    EXPECT_EQ(CountPoolSurvivors(pool, flags), 4);
}
