#pragma once

#include <gtest/gtest.h>
#include <string>

#include "ShrinkReference.h"
#include "TestSupport.h"
#include "base/TicketPool.h"
#include "history/DrawHistory.h"
#include "shrink/ConditionKeys.h"
#include "shrink/ShrinkRun.h"
#include "text/FormatNumbers.h"

// Shared by the shrink tests: the pool built once, a small history, and the check that the fast
// run and the stage-by-stage reference keep exactly the same tickets.

namespace quorvane::test {

inline const TicketPool& SharedPool()
{
    static const TicketPool pool = [] {
        TicketPool p;
        BuildTicketPool(p);
        return p;
    }();
    return pool;
}

// Two draws; the latest is 03 08 14 21 27 33 (tails 3, 8, 4, 1, 7, 3).
inline DrawHistory SmallHistory()
{
    DrawHistory h(2);
    h[0].Year = 2020;
    h[0].Number = 1;
    h[0].Reds = {1, 2, 3, 4, 5, 6};
    h[0].Blue = 1;
    h[1].Year = 2020;
    h[1].Number = 2;
    h[1].Reds = {3, 8, 14, 21, 27, 33};
    h[1].Blue = 9;
    return h;
}

inline ShrinkConditions With(std::initializer_list<std::pair<const char*, const char*>> settings)
{
    ShrinkConditions c;
    for (const auto& [name, value] : settings) {
        EXPECT_TRUE(ApplyConditionSetting(c, name, value)) << name;
    }
    return c;
}

// Runs both; fails with the first ticket on which they differ. Returns the survivor count.
inline std::int32_t SameAsReference(const ShrinkConditions& c, const DrawHistory& history = SmallHistory())
{
    const TicketPool& pool = SharedPool();
    const SurvivorFlags fast = ShrinkSurvivors(c, history);
    SurvivorFlags plain(pool.size(), 1);
    reference::RunAllStages(c, history, pool, plain);
    EXPECT_EQ(fast.size(), plain.size());
    for (std::size_t i = 0; i < plain.size() && i < fast.size(); ++i) {
        if (fast[i] != plain[i]) {
            ADD_FAILURE() << "ticket " << FormatTicket(pool[i]) << ": fast run " << int(fast[i])
                          << ", reference " << int(plain[i]);
            break;
        }
    }
    return CountSurvivors(fast);
}

} // namespace quorvane::test
