#include "shrink/StageReport.h"

#include <gtest/gtest.h>

#include "ShrinkTestSupport.h"

using namespace quorvane;
using namespace quorvane::test;

namespace {

// Reds 01..08: a ticket leaves out two of them, a < b. It fails the odd ratio 3:3 when a and b
// have the same parity (12 tickets), the sums 21..27 when a + b < 9 (12) and the must-have 01 when
// a = 1 (7). Fail none: 9 tickets; only the ratio: 6; only the sums: 3; only 01: 1 (01 left out
// with 08); two: 6; all three: 3 (01 left out with 03, 05 or 07).
ShrinkConditions EightReds()
{
    return With({{"ssTb0MChk", "01#02#03#04#05#06#07#08"},
                 {"tj1QiOuBiChk", "1"},
                 {"tj1QiOuBiMChk", "3:3"},
                 {"tj1HeZhiChk", "1"},
                 {"tj1HeZhiSpEd", "21,27"},
                 {"tj2BiXuanHaoChk", "1"},
                 {"tj2BiXuanHaoEd", "01"}});
}

std::tm Noon()
{
    std::tm t{};
    t.tm_year = 124;
    t.tm_mday = 1;
    t.tm_hour = 12;
    return t;
}

} // namespace

TEST(StageReport, CountsOfEachConditionInRunOrder)
{
    const ShrinkConditions c = EightReds();
    const StageReport report = BuildStageReport(c, ComputeVerdicts(c, {}));
    EXPECT_EQ(StageReportLines(report), (std::vector<std::string>{
                                            "逐条件统计（按运行顺序）：",
                                            "序号  剩余注数  不满足注数  仅此不满足  条件",
                                            "   0        28           -           -  选号范围（基础）",
                                            "   1        16          12           6  条件一·奇偶比设定",
                                            "   2        10          12           3  条件一·总码数设定",
                                            "   3        10           0           0  条件一·排除和值",
                                            "   4         9           7           1  条件二·必选号码设定",
                                            "",
                                            "不满足条件个数分布：",
                                            "不满足0个条件：9注",
                                            "不满足1个条件：10注",
                                            "不满足2个条件：6注",
                                            "不满足3个条件：3注",
                                            "容错0..0：保留9注",
                                        }));
}

TEST(StageReport, ToleranceRunListsTheCountsItKeeps)
{
    ShrinkConditions c = EightReds();
    TicketPool pool;
    SurvivorFlags flags;
    ShrinkRunOptions options;
    options.Clock = Noon;
    const std::vector<std::string> plain = RunShrink(c, {}, pool, flags, options);
    EXPECT_EQ(plain[5], "缩水结果为总共9注号码");

    c.ToleranceSpEd = {0, 1};
    ConditionVerdicts verdicts;
    options.Verdicts = &verdicts;
    const std::vector<std::string> tolerant = RunShrink(c, {}, pool, flags, options);
    ASSERT_EQ(tolerant.size(), 14u);
    EXPECT_EQ(
        std::vector<std::string>(tolerant.begin() + 3, tolerant.begin() + 9),
        (std::vector<std::string>{"选择的蓝球：", "", "容错0..1：保留不满足0至1个条件的号码",
                                  "不满足0个条件：9注", "不满足1个条件：10注", "缩水结果为总共19注号码"}));
    EXPECT_EQ(CountSurvivors(flags), 19);
    EXPECT_EQ(verdicts.Conditions.size(), 4u);
    // 01 left out with 08 misses only the must-have number and is kept; with 03 it misses all three.
    EXPECT_EQ(flags[static_cast<std::size_t>(OrdinalOfTicket({2, 3, 4, 5, 6, 7}))], 1);
    EXPECT_EQ(flags[static_cast<std::size_t>(OrdinalOfTicket({2, 4, 5, 6, 7, 8}))], 0);
    EXPECT_EQ(CountSurvivors(ShrinkSurvivors(c, {})), 19);

    c.ToleranceSpEd = {2, 1};
    EXPECT_EQ(ErrorText([&] { RunShrink(c, {}, pool, flags, options); }),
              "容错范围有错误：应写成 最少..最多（例如 0..2），且 0 ≤ 最少 ≤ 最多 ≤ 60。");
    EXPECT_EQ(CountSurvivors(flags), 19); // the refused run left the last result
}
