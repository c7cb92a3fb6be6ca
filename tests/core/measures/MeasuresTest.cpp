#include <gtest/gtest.h>

#include "TestSupport.h"
#include "measures/Measures.h"

using namespace quorvane;
using quorvane::test::ErrorText;

TEST(Measures, FirstTicketOfThePool)
{
    const TCodeRedArr a{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(SumOfCodeArr(a), 21);
    EXPECT_EQ(AverageOfCodeArr(a), 3);
    EXPECT_EQ(ConsecGroupOfCodeArr(a), 1);
    EXPECT_EQ(ConsecNumOfCodeArr(a), 6);
    const ConsecRuns runs = ConsecRunsOfCodeArr(a);
    EXPECT_EQ(runs.Hist, (std::array<int, 6>{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(runs.Longest, 6);
    EXPECT_EQ(runs.Count, 1);
    EXPECT_EQ(ACOfCodeArr(a), 0);
    EXPECT_EQ(MaxGapOfCodeArr(a), 1);
    EXPECT_EQ(MinGapOfCodeArr(a), 1);
    EXPECT_EQ(HeadTailDiffOfCodeArr(a), 5);
    EXPECT_EQ(PrimeNumOfCodeArr(a), 4);
    EXPECT_EQ(GapVectorOfCodeArr(a), (std::array<int, 8>{1, 1, 1, 1, 1, 5, 1, 7}));
}

TEST(Measures, RunsAreMaximalStretchesOfTwoOrMore)
{
    const TCodeRedArr a{1, 2, 6, 7, 8, 10};
    EXPECT_EQ(ConsecGroupOfCodeArr(a), 2);
    EXPECT_EQ(ConsecNumOfCodeArr(a), 5);
    const ConsecRuns runs = ConsecRunsOfCodeArr(a);
    EXPECT_EQ(runs.Hist, (std::array<int, 6>{0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(runs.Longest, 3);

    const TCodeRedArr none{1, 3, 5, 7, 9, 11};
    EXPECT_EQ(ConsecGroupOfCodeArr(none), 0);
    EXPECT_EQ(ConsecNumOfCodeArr(none), 0);
    EXPECT_EQ(ConsecRunsOfCodeArr(none).Longest, 0);
    const TCodeRedArr three{1, 2, 4, 5, 32, 33};
    EXPECT_EQ(ConsecGroupOfCodeArr(three), 3);
    EXPECT_EQ(ConsecNumOfCodeArr(three), 6);
}

TEST(Measures, OddAndEvenChains)
{
    EXPECT_EQ(OddChainOfCodeArr({1, 3, 7, 9, 11, 19}), 3);
    EXPECT_EQ(EvenChainOfCodeArr({2, 4, 8, 10, 12, 20}), 3);
    EXPECT_EQ(OddChainOfCodeArr({2, 4, 8, 10, 12, 20}), 0);
    // 3 and 4 are neighbours but of different parity.
    EXPECT_EQ(OddChainOfCodeArr({1, 2, 3, 4, 5, 6}), 0);
}

TEST(Measures, SeventeenIsSmallAndDeviationsAreNeverNegative)
{
    const TCodeRedArr a{1, 5, 9, 13, 15, 17};
    EXPECT_EQ(BigNumOfCodeArr(a), 0);
    EXPECT_EQ(SmallNumOfCodeArr(a), 6);
    EXPECT_EQ(BigSmallDevOfCodeArr(a), 6);
    EXPECT_EQ(OddNumOfCodeArr(a), 6);
    EXPECT_EQ(EvenNumOfCodeArr(a), 0);
    EXPECT_EQ(OddEvenDevOfCodeArr(a), 6);
    EXPECT_EQ(OddEvenDevOfCodeArr({2, 4, 6, 7, 9, 11}), 0);
    EXPECT_EQ(BigSmallDevOfCodeArr({18, 19, 20, 21, 30, 33}), 6);
}

TEST(Measures, SharedTailDigits)
{
    const TCodeRedArr a{1, 2, 3, 4, 11, 21}; // tails 1, 2, 3, 4, 1, 1
    EXPECT_EQ(SameTailGroupOfCodeArr(a), 1);
    EXPECT_EQ(TailGroupNumOfCodeArr(a), 5);
    EXPECT_EQ(MaxTailRepeatOfCodeArr(a), 3);
    EXPECT_EQ(TailHistOfCodeArr(a), (std::array<int, 10>{0, 3, 1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(TailSumOfCodeArr(a), 12);
    EXPECT_EQ(TailMod5GroupOfCodeArr(a), 4);
    EXPECT_EQ(TailMod5GroupOfCodeArr({5, 10, 15, 20, 25, 30}), 1);
    EXPECT_EQ(BigTailNumOfCodeArr({5, 9, 10, 16, 27, 33}), 4);
}

TEST(Measures, RelationsToThePreviousDraw)
{
    const TCodeRedArr prev{1, 5, 10, 20, 30, 33};
    const TCodeRedArr cur{2, 5, 11, 21, 31, 32};
    EXPECT_EQ(DiagonalOfCodeArr(cur, prev), 5); // 02, 11, 21, 31 and 32 (next to 33)
    EXPECT_EQ(RepeatOfCodeArr(cur, prev), 1);
    EXPECT_EQ(SamePosOfCodeArr(cur, prev), 1);
    // 4 lies between 3 and 5: it counts once.
    EXPECT_EQ(DiagonalOfCodeArr({4, 10, 15, 20, 25, 30}, {3, 5, 12, 17, 22, 27}), 1);
    EXPECT_EQ(DiagonalOfCodeArr({1, 2, 3, 4, 5, 6}, {28, 29, 30, 31, 32, 33}), 0);
    // Counted on the side of the reference, with repetition: tails of cur are 1, 2, 5.
    EXPECT_EQ(SameTailWithOfCodeArr({1, 2, 5, 11, 12, 15}, {21, 31, 3, 4, 6, 25}), 3);
}

TEST(Measures, RemaindersZonesAndFlagTables)
{
    const TCodeRedArr a{3, 6, 12, 13, 23, 33};
    EXPECT_EQ(Mod3NumOfCodeArr(a, 0), 4);
    EXPECT_EQ(Mod3NumOfCodeArr(a, 1), 1);
    EXPECT_EQ(Mod3NumOfCodeArr(a, 2), 1);
    EXPECT_EQ(Mod6GroupOfCodeArr(a), 4);
    EXPECT_EQ(Zone6GroupOfCodeArr(a), 5);
    EXPECT_EQ(ZoneNumOfCodeArr(a, 1), 2);
    EXPECT_EQ(ZoneNumOfCodeArr(a, 2), 2);
    EXPECT_EQ(ZoneNumOfCodeArr(a, 3), 2);
    EXPECT_EQ(ZoneSumOfCodeArr(a, 3), 56);
    EXPECT_EQ(ZoneSumOfCodeArr({1, 2, 3, 4, 5, 6}, 2), 0);
    EXPECT_TRUE(ContainsCode(a, 33));
    EXPECT_FALSE(ContainsCode(a, 32));

    TNumFlags nums{};
    nums[3] = nums[33] = nums[4] = true;
    EXPECT_EQ(NumInSetOfCodeArr(a, nums), 2);
    TTailFlags tails{};
    tails[3] = true;
    EXPECT_EQ(TailInSetOfCodeArr(a, tails), 4);
    EXPECT_EQ(GapHistOfCodeArr(a)[10], 2);
}

TEST(Measures, SpecNumInterChecksItsInterval)
{
    const TCodeRedArr a{3, 6, 12, 13, 23, 33};
    EXPECT_EQ(SpecNumInterOfCodeArr(a, 1, 33), 6);
    EXPECT_EQ(SpecNumInterOfCodeArr(a, 12, 12), 1);
    EXPECT_EQ(ErrorText([&] { SpecNumInterOfCodeArr(a, 12, 11); }), "SpecNumInterOfCodeArr Error!!");
    EXPECT_EQ(ErrorText([&] { SpecNumInterOfCodeArr(a, 0, 5); }), "SpecNumInterOfCodeArr Error!!");
    EXPECT_EQ(ErrorText([&] { SpecNumInterOfCodeArr(a, 5, 34); }), "SpecNumInterOfCodeArr Error!!");
}

TEST(Measures, ACValueCountsDistinctDifferences)
{
    EXPECT_EQ(ACOfCodeArr({1, 2, 4, 8, 16, 32}), 10);
    EXPECT_EQ(ACOfCodeArr({1, 3, 5, 7, 9, 11}), 0);
    EXPECT_EQ(ACOfCodeArr({3, 8, 14, 21, 27, 30}), 8);
}
