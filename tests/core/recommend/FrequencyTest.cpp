#include "recommend/Frequency.h"

#include <gtest/gtest.h>

#include "RecommendTestData.h"
#include "TestSupport.h"

using namespace quorvane;
using quorvane::test::BigHistory;
using quorvane::test::Draw;
using quorvane::test::ErrorText;

TEST(CountRedFrequency, CountsTheLastDrawsAndRaisesTheBoostedNumbersAboveAll)
{
    const DrawHistory history = quorvane::test::RankedHistory();
    const TRedCounts counts = CountRedFrequency(history, 40);
    EXPECT_EQ(counts[18], 35);
    EXPECT_EQ(counts[24], 3);
    EXPECT_EQ(counts[27], 2);
    EXPECT_EQ(counts[13], 3);
    EXPECT_EQ(counts[15], 1);
    EXPECT_EQ(counts[1], 1);
    EXPECT_EQ(counts[17], 0);
    // Positions 1, 3, 5 of the draw 36 back and 2, 4, 6 of the draw 37 back: highest count + 1.
    for (const int boosted : {2, 6, 10, 3, 7, 11}) {
        EXPECT_EQ(counts[static_cast<std::size_t>(boosted)], 36) << boosted;
    }
    EXPECT_EQ(counts[4], 1);
    EXPECT_EQ(counts[12], 1);

    // Only the last 3 draws: the boost still comes from the draws 36 and 37 back.
    const TRedCounts recent = CountRedFrequency(history, 3);
    EXPECT_EQ(recent[13], 3);
    EXPECT_EQ(recent[18], 0);
    EXPECT_EQ(recent[1], 0);
    EXPECT_EQ(recent[2], 4);
    EXPECT_EQ(recent[11], 4);
}

TEST(CountRedFrequency, BoostRanksANumberAboveEveryUnboostedOneEvenWhenItNeverOccurred)
{
    DrawHistory history = BigHistory(40);
    history[4] = Draw({5, 29, 30, 31, 32, 33}); // 36 back: 5 at position 1
    const TRedRanking ranking = RankRedNumbers(CountRedFrequency(history, 30));
    // Boosted: 5, 30, 32 (36 back) and 19, 21, 23 (37 back, a big draw), then the 30 big draws.
    EXPECT_EQ(ranking[0], 5);
    EXPECT_EQ((std::vector<int>(ranking.begin(), ranking.begin() + 9)),
              (std::vector<int>{5, 19, 21, 23, 30, 32, 18, 20, 22}));
}

TEST(CountRedFrequency, NeedsThirtySevenDrawsAndAtLeastN)
{
    EXPECT_EQ(ErrorText([] { CountRedFrequency(BigHistory(36), 1); }), kForecastTooFewDraws);
    EXPECT_EQ(ErrorText([] { CountRedFrequency(BigHistory(39), 40); }), kForecastTooFewDraws);
    EXPECT_EQ(ErrorText([] { CountRedFrequency(DrawHistory{}, 0); }), kForecastTooFewDraws);
    EXPECT_EQ(CountRedFrequency(BigHistory(37), 37)[18], 38); // 37 counted, then boosted
}

TEST(CountRedFrequency, SkipsRedsOutsideTheRange)
{
    DrawHistory history = BigHistory(40);
    history[39].Reds = {0, 18, 19, 20, 34, 200};
    history[4].Reds = {0, 1, 34, 2, 200, 3}; // boost positions 1, 3, 5 hold 0, 34, 200
    const TRedCounts counts = CountRedFrequency(history, 40);
    EXPECT_EQ(counts[18], 39);
    EXPECT_EQ(counts[19], 40); // boosted from the draw 37 back
    EXPECT_EQ(counts[1], 1);
    EXPECT_EQ(counts[0], 0);
}

TEST(RankNumbers, HighestCountFirstAndEqualCountsByNumber)
{
    TRedCounts counts{};
    counts[11] = 4;
    counts[3] = 4;
    counts[30] = 7;
    counts[1] = -1;
    counts[2] = -1;
    const TRedRanking ranking = RankRedNumbers(counts);
    EXPECT_EQ(ranking[0], 30);
    EXPECT_EQ(ranking[1], 3);
    EXPECT_EQ(ranking[2], 11);
    EXPECT_EQ(ranking[3], 4);
    EXPECT_EQ(ranking[30], 33);
    EXPECT_EQ(ranking[31], 1); // excluded numbers last, ascending
    EXPECT_EQ(ranking[32], 2);
}

TEST(CountBlueFrequency, CountsValidBluesOfTheLastDraws)
{
    DrawHistory history;
    for (const int blue : {3, 9, 9, 4, 0, 17, 4, 9, 12}) {
        history.push_back(Draw({1, 2, 3, 4, 5, 6}, blue));
    }
    const TBlueCounts counts = CountBlueFrequency(history, 8);
    EXPECT_EQ(counts[9], 3);
    EXPECT_EQ(counts[4], 2);
    EXPECT_EQ(counts[3], 0); // the oldest draw is outside the last 8
    EXPECT_EQ(counts[12], 1);
    const TBlueRanking ranking = RankBlueNumbers(counts);
    EXPECT_EQ((std::vector<int>(ranking.begin(), ranking.begin() + 5)), (std::vector<int>{9, 4, 12, 1, 2}));
    EXPECT_EQ(ErrorText([&] { CountBlueFrequency(history, 10); }), kForecastTooFewDraws);
}

TEST(JoinSelected, JoinsFlaggedValuesInPositionOrder)
{
    const std::array<int, 5> values{7, 12, 3, 19, 5};
    const JoinedSelection some =
        JoinSelected(values, std::array<bool, 5>{true, true, true, true, false}, ",");
    EXPECT_EQ(some.Text, "7,12,3,19");
    EXPECT_EQ(some.Count, 4);
    const JoinedSelection none = JoinSelected(values, std::array<bool, 5>{}, ",");
    EXPECT_EQ(none.Text, "");
    EXPECT_EQ(none.Count, 0);
    EXPECT_EQ(JoinSelected(std::array<int, 4>{1, 2, 3, 4}, StridePicks<4>(3, 2, 1), "+").Text, "2+4");
}
