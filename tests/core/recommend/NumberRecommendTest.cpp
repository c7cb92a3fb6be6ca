#include "recommend/NumberRecommend.h"

#include <gtest/gtest.h>

#include "RecommendTestData.h"
#include "TestSupport.h"
#include "recommend/Frequency.h"

using namespace quorvane;
using quorvane::test::BigHistory;
using quorvane::test::ErrorText;
using Lines = std::vector<std::string>;

// With BigHistory every red 1..33 stands at its own ranking position, so each line shows the
// positions a recommendation picks.
TEST(NumberRecommend, PicksTheFixedRankingPositions)
{
    const DrawHistory history = BigHistory(40);
    const RecommendResult cold = ColdNumberRecommend(history);
    EXPECT_EQ(cold.Lines, (Lines{"冷码推荐(第1组)4个号", "4,9,14,19", "冷码推荐(第2组)4个号", "8,14,20,26",
                                 "冷码推荐(第3组)4个号", "12,19,26,33"}));
    EXPECT_EQ(cold.Status, "完成 冷码推荐");

    const RecommendResult hot = HotNumberRecommend(history);
    EXPECT_EQ(hot.Lines, (Lines{"热码推荐(第1组)4个号", "4,10,19,28", "热码推荐(第2组)4个号", "1,11,14,24",
                                "热码推荐(第3组)3个号", "7,18,29"}));
    EXPECT_EQ(hot.Status, "完成 热码推荐");

    const RecommendResult must = MustNumberRecommend(history);
    EXPECT_EQ(must.Lines, (Lines{"必出码推荐:5个号", "6,12,15,21,30"}));
    EXPECT_EQ(must.Status, "完成 必出码推荐");

    const RecommendResult banker = BankerNumberRecommend(history);
    EXPECT_EQ(banker.Lines, (Lines{"胆码推荐:5个号", "15,16,17,32,33"}));
    EXPECT_EQ(banker.Status, "完成 胆码推荐");
}

// RankedHistory ranks, from position 1: 2 3 6 7 10 11 13 14 1 4 5 8 9 12 15 16 17 18..33.
TEST(NumberRecommend, ListsTheNumbersAtThePositionsInPositionOrder)
{
    const DrawHistory history = quorvane::test::RankedHistory();
    EXPECT_EQ(ColdNumberRecommend(history).Lines,
              (Lines{"冷码推荐(第1组)4个号", "7,1,12,19", "冷码推荐(第2组)4个号", "14,12,20,26",
                     "冷码推荐(第3组)4个号", "8,19,26,33"}));
    const RecommendResult hot = HotNumberRecommend(history);
    ASSERT_EQ(hot.Lines.size(), 6u);
    EXPECT_EQ(hot.Lines[3], "2,5,12,24");
    EXPECT_EQ(hot.Lines[4], "热码推荐(第3组)3个号");
    EXPECT_EQ(hot.Lines[5], "13,18,29");
    EXPECT_EQ(MustNumberRecommend(history).Lines[1], "11,8,15,21,30");
    EXPECT_EQ(BankerNumberRecommend(history).Lines[1], "15,16,17,32,33");
}

TEST(NumberRecommend, NeedsFortyDraws)
{
    const DrawHistory short39 = BigHistory(39);
    for (auto* command :
         {ColdNumberRecommend, HotNumberRecommend, MustNumberRecommend, BankerNumberRecommend}) {
        EXPECT_EQ(ErrorText([&] { command(short39); }), kForecastTooFewDraws);
        EXPECT_EQ(ErrorText([&] { command(DrawHistory{}); }), kForecastTooFewDraws);
        EXPECT_EQ(command(BigHistory(40)).Lines.size() % 2, 0u);
    }
}
