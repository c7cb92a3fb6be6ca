#include "shrink/Backtest.h"

#include <gtest/gtest.h>

#include "ShrinkTestSupport.h"
#include "measures/Measures.h"

using namespace quorvane;
using namespace quorvane::test;

namespace {

DrawHistory Draws(std::initializer_list<TCodeRedArr> reds)
{
    DrawHistory h;
    int number = 1;
    for (const TCodeRedArr& r : reds) {
        TBeenCodesRec rec;
        rec.Year = 2024;
        rec.Number = number++;
        rec.Reds = r;
        rec.Blue = 1;
        h.push_back(rec);
    }
    return h;
}

const DrawHistory kHistory = Draws({{1, 2, 3, 4, 5, 6},
                                    {3, 8, 14, 21, 27, 33},
                                    {10, 11, 19, 20, 29, 30},
                                    {1, 2, 3, 4, 5, 6},
                                    {7, 12, 17, 22, 26, 31}});

} // namespace

TEST(Backtest, TheLatestDrawIsTheOneBeforeEachTestedDraw)
{
    // Tails shared with the draw before: only the counts 1 and 2 pass.
    const ShrinkConditions c = With({{"尾数与上期相同个数1", "1"}, {"尾数与上期相同个数2", "1"}});
    const BacktestResult r = RunBacktest(c, kHistory, 5);
    ASSERT_EQ(r.Conditions.size(), 1u);
    ASSERT_EQ(r.Draws.size(), 5u);
    // The first draw has no draw before it: the condition is skipped, as a run with no history
    // skips it.
    EXPECT_TRUE(r.Draws[0].Failed.empty());
    std::int32_t kept = 1;
    for (std::size_t i = 1; i < kHistory.size(); ++i) {
        const int shared = SameTailWithOfCodeArr(kHistory[i].Reds, kHistory[i - 1].Reds);
        const bool passes = shared == 1 || shared == 2;
        EXPECT_EQ(r.Draws[i].Failed.empty(), passes) << i << ": " << shared;
        kept += passes ? 1 : 0;
    }
    EXPECT_EQ(r.Kept[0], kept);
    EXPECT_EQ(r.WholeKept, kept);
    // Draw 4 shares one tail with draw 3 before it, four with the latest draw and six with itself.
    EXPECT_EQ(SameTailWithOfCodeArr(kHistory[3].Reds, kHistory[2].Reds), 1);
    EXPECT_EQ(SameTailWithOfCodeArr(kHistory[3].Reds, kHistory[4].Reds), 4);
    EXPECT_TRUE(r.Draws[3].Failed.empty());
}

TEST(Backtest, ExclusionLooksOnlyAtTheDrawsBefore)
{
    ShrinkConditions c;
    c.ExcludeDrawnChk = true;
    BacktestResult r = RunBacktest(c, kHistory, 5);
    ASSERT_EQ(r.Conditions.size(), 1u);
    EXPECT_EQ(r.Conditions[0]->Name, "查重·排除历史开奖号码");
    // Draw 4 repeats draw 1; the first draw had nothing before it.
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(r.Draws[i].Failed.empty(), i != 3) << i;
    }
    c.ExcludeDrawnSp = 2; // draws 2 and 3 only: draw 1 is out of reach
    r = RunBacktest(c, kHistory, 2);
    EXPECT_EQ(r.Kept, std::vector<std::int32_t>{2});
    c.ExcludeDrawnSp = 3;
    r = RunBacktest(c, kHistory, 2);
    EXPECT_EQ(r.Kept, std::vector<std::int32_t>{1});
}

TEST(Backtest, BaseConditionsAndToleranceDecideWhatTheWholeConfigurationKeeps)
{
    // Odd ratio 3:3 and the must-have number 03; reds 01..12 as the base.
    ShrinkConditions c = With({{"ssTb0MChk", "01#02#03#04#05#06#07#08#09#10#11#12"},
                               {"tj1QiOuBiChk", "1"},
                               {"tj1QiOuBiMChk", "3:3"},
                               {"tj2BiXuanHaoChk", "1"},
                               {"tj2BiXuanHaoEd", "03"}});
    BacktestResult r = RunBacktest(c, kHistory, 4);
    ASSERT_EQ(r.Draws.size(), 4u);
    EXPECT_EQ(r.Draws[0].Draw.Number, 2);
    // 03 08 14 21 27 33: outside the base, 4 odd, holds 03. 10 11 19 20 29 30: 3 odd, no 03.
    // 01 02 03 04 05 06: 3 odd, holds 03. 07 12 17 22 26 31: 3 odd, no 03, outside the base.
    EXPECT_EQ(r.Draws[0].Failed, std::vector<std::size_t>{0});
    EXPECT_EQ(r.Draws[1].Failed, std::vector<std::size_t>{1});
    EXPECT_TRUE(r.Draws[2].Failed.empty());
    EXPECT_EQ(r.Draws[3].Failed, std::vector<std::size_t>{1});
    EXPECT_EQ(r.BaseKept, 1);
    EXPECT_EQ(r.Kept, (std::vector<std::int32_t>{3, 2}));
    EXPECT_EQ(r.WholeKept, 1);
    c.ToleranceSpEd = {0, 1};
    r = RunBacktest(c, kHistory, 4);
    EXPECT_EQ(r.WholeKept, 1); // one condition missed is tolerated, a draw outside the base is not
    c.ssTb0MChk = {};
    r = RunBacktest(c, kHistory, 4);
    EXPECT_EQ(r.WholeKept, 4);

    const std::vector<std::string> lines = BacktestLines(r);
    EXPECT_EQ(lines.front(), "回测最近4期（2024002至2024005），每期开奖红球按当时的条件判定：");
    EXPECT_EQ(lines[1], "序号  保留期数   比例  条件");
    EXPECT_EQ(lines[2], "   1         3  75.0%  条件一·奇偶比设定");
    EXPECT_EQ(lines[3], "   2         2  50.0%  条件二·必选号码设定");
    EXPECT_EQ(lines[6], "2024002 03 08 14 21 27 33  保留  不满足1个条件：条件一·奇偶比设定");
    EXPECT_EQ(lines[8], "2024004 01 02 03 04 05 06  保留  不满足0个条件");
    EXPECT_EQ(lines.back(), "整体配置（容错0..1）保留4期，共4期，占100.0%");
}

TEST(Backtest, RefusesACountOutsideTheHistoryBeforeJudgingAnything)
{
    const ShrinkConditions c = With({{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "x"}});
    for (const int n : {0, -1, 6}) {
        EXPECT_EQ(ErrorText([&] { RunBacktest(c, kHistory, n); }), "回测期数应为1至5之间的整数。") << n;
    }
    EXPECT_EQ(ErrorText([&] { RunBacktest(c, {}, 1); }), kBacktestNoDrawsMessage);
    EXPECT_EQ(ErrorText([&] { RunBacktest(c, kHistory, 5); }), "'x' is not a valid integer value");
}
