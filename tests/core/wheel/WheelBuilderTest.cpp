#include "wheel/WheelBuilder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

#include "base/TicketPool.h"
#include "wheel/WheelCheck.h"

using namespace quorvane;

namespace {

// A step limit and no practical time limit: the same wheel on every machine.
SearchOptions Steps(std::uint64_t steps, std::uint32_t seed = 1)
{
    SearchOptions options;
    options.Seconds = 1e6;
    options.MaxSteps = steps;
    options.Seed = seed;
    return options;
}

} // namespace

TEST(WheelBuilder, EverySmallWheelPassesTheChecker)
{
    const std::vector<std::vector<int>> choices = {
        {1, 2, 3, 4, 5, 6, 7}, {2, 9, 11, 17, 20, 26, 31, 33}, {4, 6, 8, 10, 12, 14, 16, 18, 20, 22}};
    for (const auto& numbers : choices) {
        for (const WheelGuarantee g : kWheelGuarantees) {
            const Wheel wheel = BuildWheel(numbers, g, Steps(20000));
            ASSERT_FALSE(wheel.Tickets.empty());
            EXPECT_TRUE(CheckWheel(numbers, wheel.Tickets, g).Holds)
                << numbers.size() << " " << g.Match << g.Keep;
            EXPECT_TRUE(std::is_sorted(wheel.Tickets.begin(), wheel.Tickets.end()));
            EXPECT_EQ(std::adjacent_find(wheel.Tickets.begin(), wheel.Tickets.end()), wheel.Tickets.end());
            EXPECT_FALSE(wheel.StoppedEarly);
        }
    }
}

TEST(WheelBuilder, ReachesTheKnownOptimaOfTheSmallestCases)
{
    std::vector<int> eight = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(BuildWheel(eight, {5, 5}, Steps(100000)).Tickets.size(), 12u);
    EXPECT_EQ(BuildWheel({1, 2, 3, 4, 5, 6, 7}, {5, 5}, Steps(100000)).Tickets.size(), 6u);
    // All six winning reds among seven: any one ticket holds five of them.
    EXPECT_EQ(BuildWheel({1, 2, 3, 4, 5, 6, 7}, {6, 5}, Steps(100000)).Tickets.size(), 1u);
    // 中6保6 is every combination.
    const Wheel all = BuildWheel(eight, {6, 6}, Steps(1));
    EXPECT_EQ(all.Tickets.size(), 28u);
    EXPECT_EQ(all.Tickets.front(), (TCodeRedArr{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(all.Tickets.back(), (TCodeRedArr{3, 4, 5, 6, 7, 8}));
}

TEST(WheelBuilder, TheSameSeedGivesTheSameWheel)
{
    const std::vector<int> numbers = {1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23};
    const Wheel a = BuildWheel(numbers, {6, 5}, Steps(30000, 9));
    const Wheel b = BuildWheel(numbers, {6, 5}, Steps(30000, 9));
    EXPECT_EQ(a.Tickets, b.Tickets);
    EXPECT_EQ(a.Steps, 30000u);
    const Wheel c = BuildWheel(numbers, {6, 5}, Steps(30000, 10));
    EXPECT_TRUE(CheckWheel(numbers, c.Tickets, {6, 5}).Holds);
}

// With all 33 numbers and almost no time the greedy start cannot finish: the rest is covered
// plainly, the wheel still holds, and it says that it stopped early.
TEST(WheelBuilder, AShortBudgetStillGivesAValidWheel)
{
    std::vector<int> all;
    for (int n = 1; n <= 33; ++n) {
        all.push_back(n);
    }
    SearchOptions options;
    options.Seconds = 0.02;
    const Wheel wheel = BuildWheel(all, {6, 5}, options);
    // Whether the greedy start finishes inside so short a budget depends on the machine's speed;
    // the wheel must hold either way, and a start cut short leaves no time for the search.
    EXPECT_TRUE(CheckWheel(all, wheel.Tickets, {6, 5}).Holds);
    if (wheel.StoppedEarly) {
        EXPECT_EQ(wheel.Steps, 0u);
    }
}

TEST(WheelBuilder, RefusesWhatTheCheckerRefuses)
{
    EXPECT_THROW(BuildWheel({1, 2, 3, 4, 5, 6}, {6, 5}, Steps(1)), std::invalid_argument);
    EXPECT_THROW(BuildWheel({1, 2, 3, 4, 5, 6, 6}, {6, 5}, Steps(1)), std::invalid_argument);
    EXPECT_THROW(BuildWheel({0, 2, 3, 4, 5, 6, 7}, {6, 5}, Steps(1)), std::invalid_argument);
    EXPECT_THROW(BuildWheel({1, 2, 3, 4, 5, 6, 7}, {5, 3}, Steps(1)), std::invalid_argument);
}
