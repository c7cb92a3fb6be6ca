#include "wheel/ResultReduce.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

#include "TestSupport.h"
#include "base/Random.h"
#include "wheel/WheelCheck.h"
#include "wheel/WheelInput.h"

using namespace quorvane;

namespace {

SearchOptions Steps(std::uint64_t steps)
{
    SearchOptions options;
    options.Seconds = 1e6;
    options.MaxSteps = steps;
    return options;
}

// About `count` pool entries spread at random, in pool order.
TCodeRedArrArr RandomSurvivors(int count, std::uint32_t seed)
{
    Random random(seed);
    SurvivorFlags flags(static_cast<std::size_t>(kPoolCount), 0);
    for (int i = 0; i < count; ++i) {
        flags[static_cast<std::size_t>(random.Next(kPoolCount))] = 1;
    }
    TicketPool pool;
    BuildTicketPool(pool);
    return SurvivorTickets(pool, flags);
}

bool IsSubsequence(const TCodeRedArrArr& part, const TCodeRedArrArr& whole)
{
    auto at = whole.begin();
    for (const TCodeRedArr& t : part) {
        at = std::find(at, whole.end(), t);
        if (at == whole.end()) {
            return false;
        }
        ++at;
    }
    return true;
}

} // namespace

TEST(ResultReduce, TheReducedListCoversEverySurvivor)
{
    // Survivors that share many reds (all hold 01 and 02), as a shrink result does, and scattered ones.
    TicketPool pool;
    BuildTicketPool(pool);
    TCodeRedArrArr close(pool.begin(), pool.begin() + 3000);
    for (const TCodeRedArrArr& survivors : {close, RandomSurvivors(3000, 5)}) {
        for (int keep = kReduceLeastKeep; keep <= kReduceMostKeep; ++keep) {
            const ReducedResult reduced = ReduceSurvivors(survivors, keep, Steps(3000));
            EXPECT_TRUE(CheckReduction(survivors, reduced.Tickets, keep).Holds) << keep;
            EXPECT_TRUE(IsSubsequence(reduced.Tickets, survivors));
            EXPECT_LT(reduced.Tickets.size(), survivors.size());
            EXPECT_EQ(reduced.Survivors, static_cast<std::int32_t>(survivors.size()));
            EXPECT_FALSE(reduced.StoppedEarly);
        }
    }
    // Every survivor of the close ones shares four reds with 01 02 03 04 05 06 or one like it.
    EXPECT_LE(ReduceSurvivors(close, 3, Steps(3000)).Tickets.size(), 3u);
}

TEST(ResultReduce, TheSameSeedGivesTheSameList)
{
    const TCodeRedArrArr survivors = RandomSurvivors(2000, 8);
    const ReducedResult a = ReduceSurvivors(survivors, 4, Steps(5000));
    const ReducedResult b = ReduceSurvivors(survivors, 4, Steps(5000));
    EXPECT_EQ(a.Tickets, b.Tickets);
    EXPECT_EQ(a.Steps, b.Steps);
}

// The whole pool is far too large to reduce in a fifth of a second: the list is completed by the
// first-fit rule, still covers everything, and says that it stopped early.
TEST(ResultReduce, AHugeResultEndsEarlyAndStillCoversEverySurvivor)
{
    const TCodeRedArrArr& pool = PoolEntries();
    SearchOptions options;
    options.Seconds = 0.2;
    const ReducedResult reduced = ReduceSurvivors(pool, 4, options);
    EXPECT_TRUE(reduced.StoppedEarly);
    EXPECT_TRUE(CheckReduction(pool, reduced.Tickets, 4).Holds);
    EXPECT_TRUE(std::is_sorted(reduced.Tickets.begin(), reduced.Tickets.end()));
}

TEST(ResultReduce, EdgeCasesAndFlags)
{
    EXPECT_EQ(test::ErrorText([] { ReduceSurvivors({}, 4, Steps(1)); }), kReduceEmptyMessage);
    EXPECT_THROW(ReduceSurvivors({{1, 2, 3, 4, 5, 6}}, 2, Steps(1)), std::invalid_argument);
    EXPECT_THROW(ReduceSurvivors({{1, 2, 3, 4, 5, 6}}, 6, Steps(1)), std::invalid_argument);
    const TCodeRedArrArr one = {{4, 9, 16, 25, 30, 33}};
    EXPECT_EQ(ReduceSurvivors(one, 5, Steps(10)).Tickets, one);

    const TCodeRedArrArr tickets = {{1, 2, 3, 4, 5, 6}, {7, 9, 11, 20, 28, 33}, {28, 29, 30, 31, 32, 33}};
    const SurvivorFlags flags = FlagsOfTickets(tickets);
    TicketPool pool;
    BuildTicketPool(pool);
    EXPECT_EQ(CountSurvivors(flags), 3);
    EXPECT_EQ(SurvivorTickets(pool, flags), tickets);
}
