// Several stages together: the fast run merges stages that test the same measure and applies
// most tests to all candidates for the last number at once, so combinations are where it could
// go wrong. Each configuration is compared with the stage-by-stage reference over the whole pool.

#include <gtest/gtest.h>
#include <random>

#include "LenientConditions.h"
#include "ShrinkBenchConfigs.h"
#include "ShrinkTestSupport.h"
#include "text/SplitText.h"

using namespace quorvane;
using namespace quorvane::test;

TEST(ShrinkCombinedStages, BenchmarkConfigurations)
{
    const DrawHistory history = benchconfig::History();
    EXPECT_GT(SameAsReference(benchconfig::Heavy(), history), 0);
    EXPECT_GT(SameAsReference(benchconfig::MostSurvive(), history), kPoolCount / 2);
    EXPECT_GT(SameAsReference(benchconfig::AllLenient(), history), 0);
}

TEST(ShrinkCombinedStages, RandomConfigurations)
{
    LenientConditions random(20100401);
    int nonEmpty = 0;
    for (int i = 0; i < 24; ++i) {
        SCOPED_TRACE("configuration " + std::to_string(i));
        // Few stages first, then more and more of them at once.
        nonEmpty += SameAsReference(random.Make(0.08 + 0.02 * i)) > 0 ? 1 : 0;
    }
    EXPECT_GT(nonEmpty, 12); // most configurations keep tickets, so the comparisons have substance
}

TEST(ShrinkCombinedStages, StagesOnTheSameMeasureAreAllApplied)
{
    // Sum: stages 21, 30, 32, 33 and 48 item 2.
    EXPECT_EQ(
        SameAsReference(With({{"总和值", "60,150"},
                              {"ssTb3SheetGbx1Sp1", "70"},
                              {"ssTb3SheetGbx1Sp2", "160"},
                              {"tj1HeZhiChk", "1"},
                              {"tj1HeZhiSpEd", "50,140"},
                              {"tj1PaiChuHeZhiEd", "100 101"},
                              {"ssTb8Gbx1SeArr02", "80"}})),
        SameAsReference(With({{"总和值", "80,140"}, {"tj1HeZhiChk", "1"}, {"tj1PaiChuHeZhiEd", "100 101"}})));
    // Odd count: stages 18, 31 and 48 item 0 each allow a different set; only 3 is in all.
    EXPECT_EQ(SameAsReference(With({{"奇偶设计2", "1"},
                                    {"奇偶设计3", "1"},
                                    {"tj1QiOuBiChk", "1"},
                                    {"tj1QiOuBiMChk", "3:3,4:2"},
                                    {"ssTb8Gbx1SeArr00", "3"}})),
              SameAsReference(With({{"奇偶设计3", "1"}})));
    // Runs: stages 20, 36 and 48 items 10 and 11.
    SameAsReference(With({{"连号1", "1"},
                          {"连号2", "1"},
                          {"连号组数1", "1"},
                          {"tj1LainHaoChk", "1"},
                          {"tj1LianHaoMChk", "1对,2对"},
                          {"tj1LianGeShuCbb", "1"},
                          {"ssTb8Gbx1SeArr110", "4"},
                          {"ssTb8Gbx1SeArr011", "1"}}));
    // Gaps: stages 17, 44 and 48 items 14 and 15, with 47's gap counts.
    SameAsReference(With({{"最大间隔", "4,15"},
                          {"tj3JianJuChk", "1"},
                          {"tj4JianJuEdArr6", "5 6 7 8 9 10 11 12"},
                          {"tj4JianJuQoArr2", "1"},
                          {"ssTb8Gbx1SeArr015", "2"},
                          {"tj6JianJuCheckArr1", "1"},
                          {"tj6JianJuMChkArr1", "0对,1对"}}));
    // Tails: stages 22-26, 39, 40, 45 and 48 items 3 and 13.
    SameAsReference(With({{"尾数相同个数1", "1"},
                          {"尾数相同个数2", "1"},
                          {"尾数与上期相同个数3", "1"},
                          {"尾数与上期相同个数4", "1"},
                          {"尾数和", "15,35"},
                          {"尾数分组组合3", "1"},
                          {"尾数大小比3", "1"},
                          {"tj2TongWeiDuiChk", "1"},
                          {"tj2TongWeiDuiMChk", "1对"},
                          {"tj4WeiShuChk", "1"},
                          {"tj4WeiShuArr5", "0,1"},
                          {"ssTb8Gbx1SeArr013", "1"}}));
}

TEST(ShrinkCombinedStages, FaultTolerantFilterWithManyLines)
{
    // 100,000 reference lines: with count 0 allowed the search stops early; with only 6 allowed the
    // survivors are the distinct lines themselves.
    std::mt19937 rng(7);
    ShrinkConditions c;
    c.ssTb4Gbx1Chk = true;
    for (int i = 0; i < 100000; ++i) {
        std::string line;
        for (int k = 0; k < 6; ++k) {
            line += std::to_string(std::uniform_int_distribution<int>(1, 33)(rng)) + " ";
        }
        c.ssTb4SheetGbx1Memo.push_back(line);
    }
    c.ssTb4Gbx1MChk[0] = 1;
    SameAsReference(c);

    c.ssTb4Gbx1MChk = {0, 0, 0, 0, 0, 0, 1};
    SurvivorFlags expected(static_cast<std::size_t>(kPoolCount), 0);
    for (const std::string& line : c.ssTb4SheetGbx1Memo) {
        TCodeRedArr t{};
        std::uint64_t mask = 0;
        for (const std::string& piece : SplitText(" ", line)) {
            mask |= 1ull << std::stoi(piece);
        }
        int k = 0;
        for (int n = 1; n <= 33 && k < 7; ++n) {
            if ((mask >> n) & 1u) {
                if (k < 6) {
                    t[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(n);
                }
                ++k;
            }
        }
        if (k == 6) {
            expected[static_cast<std::size_t>(OrdinalOfTicket(t))] = 1;
        }
    }
    EXPECT_EQ(ShrinkSurvivors(c, {}), expected);
}
