#include "recommend/QuickPicks.h"

#include <gtest/gtest.h>
#include <set>

#include "RecommendTestData.h"
#include "TestSupport.h"
#include "recommend/Frequency.h"

using namespace quorvane;
using quorvane::test::BigHistory;
using quorvane::test::Draw;
using quorvane::test::ErrorText;

namespace {

std::vector<int> CellsOf(std::initializer_list<int> numbers)
{
    std::vector<int> cells;
    for (const int n : numbers) {
        cells.push_back(n - 1);
    }
    return cells;
}

} // namespace

TEST(ExpertPick, RedTakesRankingPositionsFourToTwentyFiveWithoutExclusion)
{
    // Last 30 draws of RankedHistory: 18..23 27 times, boosted 2 3 6 7 10 11 28 times, 13 and
    // 24..26 3 times, 14 and 27 twice, 15 and 16 once.
    EXPECT_EQ(ExpertRedPick(quorvane::test::RankedHistory()),
              CellsOf({7, 10, 11, 18, 19, 20, 21, 22, 23, 13, 24, 25, 26, 14, 27, 15, 16, 1, 4, 5, 8, 9}));
}

TEST(ExpertPick, BlueTakesRankingPositionsFourToTwelve)
{
    DrawHistory history;
    // Blue counts: 9 seven times, 4 six, 12 five, 1 four, 16 three, 5 twice, 2 and 3 once; a draw with
    // a blue outside 1..16 counts nothing.
    for (const auto& [blue, times] : std::vector<std::pair<int, int>>{
             {9, 7}, {4, 6}, {12, 5}, {1, 4}, {16, 3}, {5, 2}, {2, 1}, {3, 1}, {17, 1}}) {
        for (int i = 0; i < times; ++i) {
            history.push_back(Draw({1, 2, 3, 4, 5, 6}, blue));
        }
    }
    ASSERT_EQ(history.size(), 30u);
    EXPECT_EQ(ExpertBluePick(history), CellsOf({1, 16, 5, 2, 3, 6, 7, 8, 10}));
}

TEST(ExpertPick, TooFewDrawsGiveTheirMessages)
{
    EXPECT_EQ(ErrorText([] { ExpertRedPick(BigHistory(29)); }), kExpertTooFewDraws);
    EXPECT_EQ(ErrorText([] { ExpertBluePick(BigHistory(29)); }), kExpertTooFewDraws);
    EXPECT_EQ(ErrorText([] { ExpertRedPick(DrawHistory{}); }), kExpertTooFewDraws);
    // 30..36 draws pass the first check; the red count then needs 37.
    EXPECT_EQ(ErrorText([] { ExpertRedPick(BigHistory(36)); }), kForecastTooFewDraws);
    EXPECT_EQ(ExpertBluePick(BigHistory(30)).size(), 9u);
    EXPECT_EQ(ExpertRedPick(BigHistory(37)).size(), 22u);
}

TEST(RandomPick, FollowsTheGeneratorFromProgramStartAndContinuesIt)
{
    Random random;
    const std::vector<int> first = RandomRedPick(random);
    EXPECT_EQ(first, (std::vector<int>{0,  1,  28, 6,  9,  22, 10, 5,  12, 14, 2,
                                       15, 27, 30, 25, 23, 8,  4,  32, 16, 29, 19}));
    const std::vector<int> second = RandomRedPick(random);
    EXPECT_EQ(second, (std::vector<int>{0, 25, 21, 23, 18, 6,  22, 19, 31, 32, 8,
                                        9, 2,  16, 29, 11, 24, 4,  30, 28, 3,  20}));
    EXPECT_EQ(std::set<int>(second.begin(), second.end()).size(), 22u);

    Random fresh;
    EXPECT_EQ(RandomRedPick(fresh), first);

    // The blue pick skips the repeated 0 of the second draw.
    Random blue;
    EXPECT_EQ(RandomBluePick(blue), (std::vector<int>{0, 13, 3, 4, 10, 5, 2, 6}));
}

TEST(RandomPick, DrawsNoMoreOnceEnoughCellsAreChecked)
{
    // The first red pick needs 45 draws (23 of them hit a checked cell); the state then has taken
    // exactly 45 steps.
    Random random;
    RandomRedPick(random);
    Random stepped;
    for (int i = 0; i < 45; ++i) {
        stepped.Next(1);
    }
    EXPECT_EQ(random.State(), stepped.State());
    EXPECT_EQ(random.State(), 2546634309u);
}

TEST(FirstTwelvePick, ChecksCellsOneToTwelve)
{
    EXPECT_EQ(FirstTwelvePick(), CellsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}
