#include "wheel/WheelCheck.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

#include "base/Random.h"
#include "base/TicketPool.h"
#include "wheel/PointSets.h"
#include "wheel/WheelBuilder.h"

using namespace quorvane;

namespace {

int Shared(const TCodeRedArr& a, const TCodeRedArr& b)
{
    int n = 0;
    for (const auto x : a) {
        n += static_cast<int>(std::count(b.begin(), b.end(), x));
    }
    return n;
}

// The guarantee read literally: every possible draw with at least `match` reds among the chosen
// numbers has a ticket holding at least `keep` of its reds.
bool HoldsByEveryDraw(const std::vector<int>& numbers, const TCodeRedArrArr& tickets, WheelGuarantee g)
{
    static const std::vector<PointMask> draws = [] {
        TicketPool pool;
        BuildTicketPool(pool);
        std::vector<PointMask> masks;
        for (const TCodeRedArr& t : pool) {
            masks.push_back(MaskOfTicket(t));
        }
        return masks;
    }();
    PointMask chosen = 0;
    for (const int n : numbers) {
        chosen |= PointBit(n - 1);
    }
    std::vector<PointMask> held;
    for (const TCodeRedArr& t : tickets) {
        held.push_back(MaskOfTicket(t));
    }
    for (const PointMask draw : draws) {
        if (PointCount(draw & chosen) >= g.Match && std::none_of(held.begin(), held.end(), [&](PointMask t) {
                return PointCount(t & draw) >= g.Keep;
            })) {
            return false;
        }
    }
    return true;
}

// Every ticket that leaves out one of the numbers (the first `count` of them).
TCodeRedArrArr LeaveOneOut(const std::vector<int>& seven, std::size_t count)
{
    TCodeRedArrArr tickets;
    for (std::size_t out = 0; out < count; ++out) {
        std::array<int, 6> t{};
        std::size_t k = 0;
        for (std::size_t i = 0; i < seven.size(); ++i) {
            if (i != out) {
                t[k++] = seven[i];
            }
        }
        tickets.push_back(*ToCodeRedArr(t));
    }
    return tickets;
}

const std::vector<int> kSeven = {3, 5, 8, 13, 21, 25, 30};

} // namespace

TEST(WheelCheck, SixOfSevenTicketsCoverEveryFiveAndFiveDoNot)
{
    EXPECT_TRUE(CheckWheel(kSeven, LeaveOneOut(kSeven, 6), {5, 5}).Holds);

    // Without the tickets leaving out 03 and 05, no ticket holds 03 08 13 21 25 (the first such
    // five), completed to a draw by the smallest red not chosen: 01.
    const TCodeRedArrArr five = LeaveOneOut(kSeven, 6);
    const TCodeRedArrArr broken(five.begin() + 2, five.end());
    const CoverVerdict verdict = CheckWheel(kSeven, broken, {5, 5});
    ASSERT_FALSE(verdict.Holds);
    EXPECT_EQ(verdict.Counterexample, (TCodeRedArr{1, 3, 8, 13, 21, 25}));
    for (const TCodeRedArr& t : broken) {
        EXPECT_LT(Shared(t, verdict.Counterexample), 5);
    }
    // One ticket of six of the seven holds five whenever all six winning reds are among them.
    EXPECT_TRUE(CheckWheel(kSeven, {five[0]}, {6, 5}).Holds);
    EXPECT_FALSE(CheckWheel(kSeven, {five[0]}, {5, 5}).Holds);
    EXPECT_FALSE(CheckWheel(kSeven, {}, {3, 3}).Holds);
}

// Random small wheels for every guarantee, checked against every possible draw. Among them chosen
// sets of 31 and 33 numbers, where six winning reds always put more than `match` among them.
TEST(WheelCheck, AgreesWithEveryDrawOnRandomWheels)
{
    Random random(7);
    int holding = 0;
    for (const int v : {7, 8, 9, 31, 33}) {
        std::vector<int> numbers;
        for (const int n : DrawDistinct(random, 33, v, 10000)) {
            numbers.push_back(n + 1);
        }
        for (const WheelGuarantee g : kWheelGuarantees) {
            const int count = v <= 9 ? 1 + random.Next(6) : 20 + random.Next(20);
            TCodeRedArrArr tickets;
            for (int i = 0; i < count; ++i) {
                std::array<int, 6> t{};
                const std::vector<int> at = DrawDistinct(random, v, 6, 10000);
                for (std::size_t k = 0; k < 6; ++k) {
                    t[k] = numbers[static_cast<std::size_t>(at[k])];
                }
                tickets.push_back(*ToCodeRedArr(t));
            }
            const CoverVerdict verdict = CheckWheel(numbers, tickets, g);
            ASSERT_EQ(verdict.Holds, HoldsByEveryDraw(numbers, tickets, g)) << v << " " << g.Match << g.Keep;
            holding += verdict.Holds;
            if (!verdict.Holds) {
                // The counterexample is a draw the guarantee speaks of, and no ticket keeps it.
                int among = 0;
                for (const auto n : verdict.Counterexample) {
                    among += static_cast<int>(std::count(numbers.begin(), numbers.end(), n));
                }
                EXPECT_GE(among, g.Match);
                for (const TCodeRedArr& t : tickets) {
                    EXPECT_LT(Shared(t, verdict.Counterexample), g.Keep);
                }
            }
        }
    }
    EXPECT_GT(holding, 3); // both verdicts are exercised
}

TEST(WheelCheck, RefusesTicketsOffTheChosenNumbersAndBadInput)
{
    EXPECT_THROW(CheckWheel(kSeven, {{1, 3, 5, 8, 13, 21}}, {6, 5}), std::invalid_argument);
    EXPECT_THROW(CheckWheel(kSeven, {{5, 3, 8, 13, 21, 25}}, {6, 5}), std::invalid_argument);
    EXPECT_THROW(CheckWheel({1, 2, 3, 4, 5, 6}, {}, {6, 5}), std::invalid_argument);
    EXPECT_THROW(CheckWheel({1, 2, 3, 4, 5, 6, 6}, {}, {6, 5}), std::invalid_argument);
    EXPECT_THROW(CheckWheel({1, 2, 3, 4, 5, 6, 34}, {}, {6, 5}), std::invalid_argument);
    EXPECT_THROW(CheckWheel(kSeven, {}, {5, 2}), std::invalid_argument);
    EXPECT_THROW(CheckReduction({}, {}, 0), std::invalid_argument);
}

TEST(WheelCheck, ReductionNamesTheFirstSurvivorLeftUncovered)
{
    const TCodeRedArrArr survivors = {
        {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 7, 8}, {1, 2, 3, 9, 10, 11}, {20, 21, 22, 23, 24, 25}};
    EXPECT_TRUE(CheckReduction(survivors, survivors, 6).Holds);
    EXPECT_TRUE(CheckReduction({}, {}, 4).Holds);
    const CoverVerdict four = CheckReduction(survivors, {survivors[0]}, 4);
    ASSERT_FALSE(four.Holds);
    EXPECT_EQ(four.Counterexample, survivors[2]);
    const CoverVerdict three = CheckReduction(survivors, {survivors[0]}, 3);
    ASSERT_FALSE(three.Holds);
    EXPECT_EQ(three.Counterexample, survivors[3]);
    EXPECT_TRUE(CheckReduction(survivors, {survivors[0], {20, 21, 22, 30, 31, 32}}, 3).Holds);
}

// Six winning reds put at least v - 27 of them among v chosen numbers, so on 31 numbers 中3保3 only
// speaks of draws with four or more among them: a wheel for 中4保3 holds it, read literally too.
TEST(WheelCheck, ManyChosenNumbersRaiseTheMatch)
{
    std::vector<int> numbers;
    for (int n = 3; n <= 33; ++n) {
        numbers.push_back(n);
    }
    SearchOptions options;
    options.Seconds = 1e6;
    options.MaxSteps = 2000;
    const Wheel wheel = BuildWheel(numbers, {4, 3}, options);
    EXPECT_TRUE(CheckWheel(numbers, wheel.Tickets, {3, 3}).Holds);
    EXPECT_TRUE(HoldsByEveryDraw(numbers, wheel.Tickets, {3, 3}));
    // Dropping a ticket breaks it, and the counterexample puts exactly four reds among the chosen.
    const TCodeRedArrArr fewer(wheel.Tickets.begin() + 1, wheel.Tickets.end());
    const CoverVerdict verdict = CheckWheel(numbers, fewer, {3, 3});
    ASSERT_FALSE(verdict.Holds);
    EXPECT_EQ(verdict.Counterexample[0], 1);
    EXPECT_EQ(verdict.Counterexample[1], 2);
}
