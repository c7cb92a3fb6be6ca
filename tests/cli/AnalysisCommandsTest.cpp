#include <algorithm>
#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "shrink/AnalysisSettings.h"
#include "shrink/Backtest.h"
#include "shrink/ConditionFile.h"
#include "text/SplitText.h"

using namespace quorvane;
using quorvane::test::RunCliInProcess;
using quorvane::test::RunShell;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

namespace {

// Four draws; the last repeats the first.
std::string FourDraws(const TempDir& dir)
{
    const std::string data = dir.File("ssq.dxt");
    WriteBytes(data, "2024001 01 02 03 04 05 06 01\r\n2024002 01 05 10 15 20 25 02\r\n"
                     "2024003 02 04 06 08 10 12 03\r\n2024004 01 02 03 04 05 06 04\r\n");
    return data;
}

// shrink over the reds 01..12 with the odd ratio 3:3 and the must-have number 05: of the 924
// tickets 400 have three odd numbers, 462 hold 05, 200 both.
std::vector<std::string> Shrink(const std::string& data, std::initializer_list<const char*> more = {})
{
    std::vector<std::string> args{"shrink",
                                  "--data",
                                  data,
                                  "--set",
                                  "ssTb0MChk=01#02#03#04#05#06#07#08#09#10#11#12",
                                  "--set",
                                  "tj1QiOuBiChk=1",
                                  "--set",
                                  "tj1QiOuBiMChk=3:3",
                                  "--set",
                                  "tj2BiXuanHaoChk=1",
                                  "--set",
                                  "tj2BiXuanHaoEd=05"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

TEST(CliAnalysis, ToleranceZeroIsThePlainRunToTheByte)
{
    TempDir dir;
    const std::string data = FourDraws(dir);
    const auto plain = RunCliInProcess(Shrink(data, {"--list"}));
    ASSERT_EQ(plain.Code, 0) << plain.Err;
    EXPECT_EQ(SplitLines(plain.Out).size(), 200u);
    EXPECT_EQ(RunCliInProcess(Shrink(data, {"--list", "--tolerance", "0..0"})).Out, plain.Out);

    // The memo from its second line on (the first holds the time).
    const auto memo = SplitLines(RunCliInProcess(Shrink(data)).Out);
    const auto zero = SplitLines(RunCliInProcess(Shrink(data, {"--tolerance", " 0 .. 0 "})).Out);
    ASSERT_EQ(zero.size(), memo.size());
    EXPECT_TRUE(std::equal(memo.begin() + 1, memo.end(), zero.begin() + 1));
}

TEST(CliAnalysis, StepsFollowTheRunAndToleranceWidensIt)
{
    TempDir dir;
    const auto r = RunCliInProcess(Shrink(FourDraws(dir), {"--steps", "--tolerance", "0..1"}));
    ASSERT_EQ(r.Code, 0) << r.Err;
    const auto lines = SplitLines(r.Out);
    // 262 tickets miss only the ratio, 200 only 05.
    const auto count = std::find(lines.begin(), lines.end(), "缩水结果为总共662注号码");
    ASSERT_NE(count, lines.end());
    EXPECT_EQ(*(count - 3), "容错0..1：保留不满足0至1个条件的号码");
    EXPECT_EQ(*(count - 2), "不满足0个条件：200注");
    EXPECT_EQ(*(count - 1), "不满足1个条件：462注");
    EXPECT_TRUE(Has(lines, "   0       924           -           -  选号范围（基础）"));
    EXPECT_TRUE(Has(lines, "   1       400         524         262  条件一·奇偶比设定"));
    EXPECT_TRUE(Has(lines, "   2       200         462         200  条件二·必选号码设定"));
    EXPECT_TRUE(Has(lines, "不满足2个条件：262注"));
    EXPECT_EQ(lines.back(), "容错0..1：保留662注");
}

TEST(CliAnalysis, PrizeAndLevelWorkOnTheToleranceResult)
{
    TempDir dir;
    const std::string data = FourDraws(dir);
    std::vector<std::string> level = Shrink(data, {"--level", "20", "--tolerance", "1..1"});
    level[0] = "level";
    const auto r = RunCliInProcess(level);
    ASSERT_EQ(r.Code, 0) << r.Err;
    // Level 20 keeps one ticket in 87 of the 462 that fail exactly one condition: 5.
    EXPECT_EQ(SplitLines(r.Out).front(), "第20级智能预测(5注):");

    std::vector<std::string> prize = Shrink(data, {"--draw", "01 02 03 04 05 06", "--tolerance", "0..2"});
    prize[0] = "prize";
    EXPECT_EQ(RunCliInProcess(prize).Code, 0);
}

TEST(CliAnalysis, BadToleranceOrCountStopsBeforeAnythingRuns)
{
    TempDir dir;
    const std::string data = FourDraws(dir);
    for (const char* bad : {"1", "2..1", "0..61", "-1..0", "x..2"}) {
        const auto r = RunCliInProcess({"shrink", "--data", data, "--tolerance", bad});
        EXPECT_EQ(r.Code, 1) << bad;
        EXPECT_EQ(r.Err, std::string(kToleranceMessage) + "\n");
        EXPECT_EQ(r.Out, "");
        EXPECT_EQ(RunCliInProcess({"level", "--data", data, "--level", "1", "--tolerance", bad}).Code, 1);
        EXPECT_EQ(
            RunCliInProcess({"prize", "--data", data, "--draw", "01 02 03 04 05 06", "--tolerance", bad})
                .Code,
            1);
        EXPECT_EQ(RunCliInProcess({"backtest", "--data", data, "--last", "1", "--tolerance", bad}).Code, 1);
    }
    for (const char* n : {"0", "-2", "5"}) {
        const auto r = RunCliInProcess({"backtest", "--data", data, "--last", n});
        EXPECT_EQ(r.Code, 1) << n;
        EXPECT_EQ(r.Err, BacktestCountMessage(4) + "\n");
        EXPECT_EQ(r.Out, "");
    }
    EXPECT_EQ(RunCliInProcess({"backtest", "--data", data}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"backtest", "--data", data, "--last", "x"}).Code, 1);
    const std::string empty = dir.File("empty.dxt");
    WriteBytes(empty, "");
    EXPECT_EQ(RunCliInProcess({"backtest", "--data", empty, "--last", "1"}).Err,
              std::string(kBacktestNoDrawsMessage) + "\n");
}

TEST(CliAnalysis, BacktestJudgesEachDrawByTheDrawsBeforeIt)
{
    TempDir dir;
    const std::string data = FourDraws(dir);
    // Tails shared with the draw before, one or two, and the exclusion of past draws, kept in a
    // condition file with the tolerance 0..1. The last draw repeats the first and shares four tails
    // with the one before it.
    ShrinkConditions c;
    c.SameTailCountChk = {0, 1, 1, 0, 0, 0, 0};
    c.ExcludeDrawnChk = true;
    c.ToleranceSpEd = {0, 1};
    const std::string ini = dir.File("c.ini");
    SaveConditionFile(ini, c);
    const std::string command =
        std::string(QUORVANE_CLI_PATH) + " backtest --data " + data + " --last 3 --conditions " + ini;
    int status = -1;
    EXPECT_EQ(SplitLines(RunShell(command, &status)),
              (std::vector<std::string>{
                  "回测最近3期（2024002至2024004），每期开奖红球按当时的条件判定：",
                  "序号  保留期数   比例  条件",
                  "   1         2  66.7%  条件缩水·尾数与上期相同个数",
                  "   2         2  66.7%  查重·排除历史开奖号码",
                  "",
                  "逐期结果：",
                  "2024002 01 05 10 15 20 25  保留  不满足0个条件",
                  "2024003 02 04 06 08 10 12  保留  不满足0个条件",
                  "2024004 01 02 03 04 05 06  排除  "
                  "不满足2个条件：条件缩水·尾数与上期相同个数、查重·排除历史开奖号码",
                  "",
                  "整体配置（容错0..1）保留2期，共3期，占66.7%",
              }));
    EXPECT_EQ(status, 0);
}
