#include "recommend/PropertyRecommend.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "RecommendTestData.h"
#include "TestSupport.h"
#include "recommend/Frequency.h"

using namespace quorvane;
using quorvane::test::BigHistory;
using quorvane::test::Draw;
using quorvane::test::ErrorText;
using Lines = std::vector<std::string>;

namespace {

DrawHistory Repeated(const TBeenCodesRec& draw, int count)
{
    return DrawHistory(static_cast<std::size_t>(count), draw);
}

// A draw whose zone-1 reds sum to v (0..51), filled up with zone-3 numbers from 33 down.
TBeenCodesRec DrawWithZone1Sum(int v)
{
    std::vector<int> reds;
    for (int n = 11; n >= 1 && v > 0; --n) {
        if (n <= v && v - n != n) { // never leave a remainder equal to a number already taken
            reds.push_back(n);
            v -= n;
        }
    }
    for (int n = 33; reds.size() < 6; --n) {
        reds.push_back(n);
    }
    TBeenCodesRec draw;
    for (std::size_t i = 0; i < 6; ++i) {
        draw.Reds[i] = static_cast<std::uint8_t>(reds[i]);
    }
    std::sort(draw.Reds.begin(), draw.Reds.end());
    return draw;
}

} // namespace

TEST(TailRecommend, RanksTailsWithOneBeforeZeroOnTies)
{
    // Tails 1 and 0 three times a draw, every other tail never: ranking 1 0 2 3 4 5 6 7 8 9.
    DrawHistory history = Repeated(Draw({5, 6, 7, 8, 9, 12}), 3); // older: not counted
    const DrawHistory recent = Repeated(Draw({1, 10, 11, 20, 21, 30}), 20);
    history.insert(history.end(), recent.begin(), recent.end());
    const RecommendResult result = TailRecommend(history);
    EXPECT_EQ(result.Lines, (Lines{"尾数推荐:3个号", "1,4,8", "尾数推荐:3个号", "0,5,8"}));
    EXPECT_EQ(result.Status, "完成 尾数推荐");

    // Tails 2 and 7 tie at the top: 2 first, then 7, then the rest in the order 1 0 3 4 ...
    EXPECT_EQ(TailRecommend(Repeated(Draw({2, 7, 12, 17, 22, 27}), 20)).Lines,
              (Lines{"尾数推荐:3个号", "2,3,8", "尾数推荐:3个号", "7,4,8"}));
}

TEST(TailRecommend, NeedsTwentyDraws)
{
    EXPECT_EQ(ErrorText([] { TailRecommend(BigHistory(19)); }), kForecastTooFewDraws);
    EXPECT_EQ(TailRecommend(BigHistory(20)).Lines.size(), 4u);
}

TEST(OddEvenRecommend, ReadsTheDrawsNinetyNineToOneHundredAndOneBack)
{
    DrawHistory history = BigHistory(198);
    history[198 - 99] = Draw({1, 3, 5, 7, 9, 11});   // six odd: index 2 -> "2:4"
    history[198 - 100] = Draw({1, 3, 5, 7, 10, 12}); // four odd: index 0 -> "0:6"
    history[198 - 101] = Draw({1, 3, 5, 7, 9, 12});  // five odd: index 1 -> "1:5"
    const RecommendResult result = OddEvenRecommend(history);
    EXPECT_EQ(result.Lines, (Lines{"", "奇偶比推荐(共3组):", "2:4", "0:6", "1:5"}));
    EXPECT_EQ(result.Status, "");

    // Three odd (the big draws 18..23) gives "5:1".
    EXPECT_EQ(OddEvenRecommend(BigHistory(198)).Lines[2], "5:1");
    EXPECT_EQ(ErrorText([] { OddEvenRecommend(BigHistory(197)); }), kOddEvenTooFewDraws);
}

TEST(ZoneSumCandidates, HoldEverySumAZoneCanTake)
{
    const std::vector<int>& one = ZoneSumCandidates(1);
    ASSERT_EQ(one.size(), 52u);
    EXPECT_EQ(one.front(), 0);
    EXPECT_EQ(one.back(), 51);

    const std::vector<int>& two = ZoneSumCandidates(2);
    ASSERT_EQ(two.size(), 105u);
    EXPECT_EQ((std::vector<int>(two.begin(), two.begin() + 13)),
              (std::vector<int>{0, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25}));
    EXPECT_EQ(two.back(), 117);

    const std::vector<int>& three = ZoneSumCandidates(3);
    ASSERT_EQ(three.size(), 142u);
    const auto has = [&three](int v) { return std::binary_search(three.begin(), three.end(), v); };
    EXPECT_TRUE(has(33) && has(47) && has(65) && has(72) && has(96) && has(98) && has(183));
    EXPECT_FALSE(has(34) || has(46) || has(66) || has(71) || has(97) || has(184));
}

TEST(ZoneSumRecommend, RecommendsTheRarestSumsSmallestFirst)
{
    // The last 138 draws: zone-1 sums 3..50 once each, 20 another 90 times; never 0, 1, 2, 51.
    // Older draws with the sum 51 do not count.
    DrawHistory history = Repeated(Draw({6, 7, 8, 9, 10, 11}), 5);
    for (int v = 3; v <= 50; ++v) {
        history.push_back(DrawWithZone1Sum(v));
    }
    const DrawHistory twenties = Repeated(DrawWithZone1Sum(20), 90);
    history.insert(history.end(), twenties.begin(), twenties.end());
    ASSERT_EQ(history.size(), 143u);

    const RecommendResult result = ZoneSumRecommend(history, 1);
    EXPECT_EQ(result.Lines,
              (Lines{"", "1区和值推荐(共12个):",
                     "和值0,和值1,和值2,和值51,和值3,和值4,和值5,和值6,和值7,和值8,和值9,和值10,"}));
    EXPECT_EQ(result.Status, "");
}

TEST(ZoneSumRecommend, HeadersAndDrawsExaminedPerZone)
{
    // Big draws: zone 2 always sums 18+19+20+21+22 = 100, zone 3 always 23.
    const RecommendResult two = ZoneSumRecommend(BigHistory(158), 2);
    EXPECT_EQ(two.Lines[1], "2区和值推荐(共16个):");
    EXPECT_EQ(two.Lines[2], "和值0,和值12,和值13,和值14,和值15,和值16,和值17,和值18,和值19,和值20,和值21,"
                            "和值22,和值25,和值26,和值27,和值28,");
    const RecommendResult three = ZoneSumRecommend(BigHistory(148), 3);
    EXPECT_EQ(three.Lines[1], "3区和值推荐(共19个):");
    const std::string rarest = "和值0,和值24,和值25,";
    EXPECT_EQ(three.Lines[2].substr(0, rarest.size()), rarest);

    EXPECT_EQ(ErrorText([] { ZoneSumRecommend(BigHistory(137), 1); }), kZoneSumTooFewDraws);
    EXPECT_EQ(ErrorText([] { ZoneSumRecommend(BigHistory(157), 2); }), kZoneSumTooFewDraws);
    EXPECT_EQ(ErrorText([] { ZoneSumRecommend(BigHistory(147), 3); }), kZoneSumTooFewDraws);
    EXPECT_STREQ(ZoneSumCaption(3), "3区和值推荐");
}
