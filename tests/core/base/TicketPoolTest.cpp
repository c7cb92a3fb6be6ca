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
    for (std::int32_t i = 0; i < kPoolCount; i += 997) {
        ASSERT_EQ(TicketAt(i), pool[static_cast<std::size_t>(i)]) << i;
        ASSERT_EQ(OrdinalOfTicket(pool[static_cast<std::size_t>(i)]), i);
    }
    EXPECT_EQ(TicketAt(kPoolCount - 1), pool.back());
    EXPECT_EQ(OrdinalOfTicket(pool.back()), kPoolCount - 1);
}
