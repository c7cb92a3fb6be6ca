#include <algorithm>
#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "TestSupport.h"
#include "shrink/ConditionFile.h"
#include "text/Encoding.h"

using namespace quorvane;
using quorvane::test::ReadBytes;
using quorvane::test::RunCliInProcess;
using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

namespace {

// A data file of three draws.
std::string ThreeDraws(const TempDir& dir)
{
    const std::string data = dir.File("ssq.dxt");
    WriteBytes(data, "2024001 01 02 03 04 05 06 01\r\n2024002 01 05 10 15 20 25 02\r\n"
                     "2024003 03 13 23 30 31 33 03\r\n");
    return data;
}

} // namespace

TEST(CliHealth, ReportsOverNumbersOrTails)
{
    TempDir dir;
    const std::string data = ThreeDraws(dir);
    auto r = RunCliInProcess({"health", "--data", data, "--numbers", "01,2,3,4,5,6"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "开奖号码总共3期\n1,2,3,4,5,6出现3个号总共0期\n1,2,3,4,5,6出现4个号总共0期\n"
                     "1,2,3,4,5,6出现5个号总共0期\n1,2,3,4,5,6出现6个号总共1期\n");
    r = RunCliInProcess({"health", "--data", data, "--tails", "3"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out,
              "开奖号码总共3期\n3出现1个号总共1期\n3出现2个号总共0期\n3出现3个号总共0期\n3出现4个号总共1期\n"
              "3出现5个号总共0期\n3出现6个号总共0期\n");

    r = RunCliInProcess({"health", "--data", data, "--numbers", ","});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "请勾选自选号码若干个！！\r\n这样才能进行号码体检!!\n");
    r = RunCliInProcess({"health", "--data", data, "--tails", "1,x"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "'x' is not a valid integer value\n");
    EXPECT_EQ(RunCliInProcess({"health", "--data", data, "--numbers", "34"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"health", "--data", data, "--tails", "10"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"health", "--data", data}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"health", "--data", data, "--numbers", "1", "--tails", "1"}).Code, 2);
}

namespace {

// Runs a command and returns its output lines (without the line ends).
std::vector<std::string> OutLines(const std::vector<std::string>& args)
{
    const auto r = RunCliInProcess(args);
    EXPECT_EQ(r.Code, 0) << r.Err;
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl = r.Out.find('\n'); nl != std::string::npos; nl = r.Out.find('\n', start)) {
        lines.push_back(r.Out.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

} // namespace

TEST(CliPrize, ChecksTheSurvivorsOfTheRunAgainstTheDraw)
{
    TempDir dir;
    const std::string data = ThreeDraws(dir);
    const std::vector<std::string> report =
        OutLines({"prize", "--data", data, "--set", "ssTb0MChk=01#02#09#21#30#32", "--set", "ssTb0BChk=05",
                  "--draw", "01 02 09 21 30 32+05"});
    EXPECT_EQ(report, (std::vector<std::string>{
                          "", "双色球彩票兑奖", "开奖号码：01 02 09 21 30 32+05",
                          "中奖合计：一等1注,二等0注,3000元0注,200元0注,10元0注,5元0注.", "",
                          "红球号码总共1注, 蓝球选择1个.", "蓝球选择: 05", "总共注1号码，投资2元人民币.", "",
                          "中奖号码            红球+蓝球   奖级   奖金", "",
                          "01 02 09 21 30 32+05     中6+1    1    一等", "", "总共1组号码中奖", "", ""}));

    // 19 reds leave 27,132 tickets: the command line checks them without asking.
    const std::vector<std::string> many =
        OutLines({"prize", "--data", data, "--set",
                  "ssTb0MChk=01#02#03#04#05#06#07#08#09#10#11#12#13#14#15#16#17#18#19", "--draw",
                  "01 02 03 04 05 06"});
    EXPECT_EQ(many[5], "红球号码总共27132注.");
    EXPECT_EQ(many[3], "中出红球统计：中6个1注,中5个78注,中4个1170注,中3个5720注,中2个10725注,中1个7722注.");
    EXPECT_EQ(many.size(), 11u + 27132u - 1716u);
}

TEST(CliPrize, MistakesGiveTheirMessages)
{
    TempDir dir;
    const std::string data = ThreeDraws(dir);
    const auto run = [&](const std::vector<std::string>& extra) {
        std::vector<std::string> args{"prize", "--data", data};
        args.insert(args.end(), extra.begin(), extra.end());
        return RunCliInProcess(args);
    };
    auto r = run({"--draw", "01 02 03 04 05"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err,
              "开奖号码填写有错误，请重新填写好开奖号码，最少包含6个红球。\r\n格式如：\r\n01 02 09 21 30 "
              "32+05\r\n或者\r\n01 02 09 21 30 32\n");
    r = run({"--draw", "01 02 03 04 05 06+xx"});
    EXPECT_EQ(r.Err, "'xx' is not a valid integer value\n");
    r = run({"--draw", "01 02 03 04 05 06+01"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "蓝球没有选择，请打开\"选号范围\"，设置好要投注的蓝球。\n");
    r = run({"--set", "ssTb0MChk=01#02", "--draw", "01 02 03 04 05 06"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "缩水结果没有有效的红球号码，请重新缩水产生红球号码。\n");
    EXPECT_EQ(run({}).Code, 2);
    EXPECT_EQ(run({"--draw", "01 02 03 04 05 06", "extra"}).Code, 2);
    EXPECT_EQ(run({"--draw", "01 02 03 04 05 06", "--set", "nosuch=1"}).Code, 2);
}

TEST(CliLevel, PrintsTheLevelShrinkOfTheRun)
{
    TempDir dir;
    const std::string data = ThreeDraws(dir);
    const std::vector<std::string> lines =
        OutLines({"level", "--data", data, "--set", "ssTb0MChk=01#02#03#04#05#06#07", "--level", "1"});
    EXPECT_EQ(lines,
              (std::vector<std::string>{"第1级智能预测(5注):", "01 02 03 04 05 07", "01 02 03 04 06 07",
                                        "01 02 03 05 06 07", "01 02 04 05 06 07", "02 03 04 05 06 07", ""}));
    const std::vector<std::string> all = OutLines({"level", "--data", data, "--level", "20"});
    EXPECT_EQ(all.front(), "第20级智能预测(" + std::to_string(all.size() - 2) + "注):");

    auto r = RunCliInProcess({"level", "--data", data, "--level", "x"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "'x' is not a valid integer value\n");
    EXPECT_EQ(RunCliInProcess({"level", "--data", data, "--level", "0"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"level", "--data", data, "--level", "21"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"level", "--data", data}).Code, 2);
}

TEST(CliConditions, ConditionFilesFeedTheRunAndExportWritesTheResult)
{
    TempDir dir;
    const std::string data = ThreeDraws(dir);
    const std::string conditions = dir.File("条件.ini");
    ShrinkConditions c;
    c.ssTb0MChk.fill(1);
    c.tj1HeZhiChk = true;
    c.tj1HeZhiSpEd = {21, 22};
    SaveConditionFile(conditions, c);
    const std::string exported = dir.File("result.txt");
    auto r = RunCliInProcess(
        {"shrink", "--data", data, "--conditions", conditions, "--export", exported, "--list"});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "01 02 03 04 05 06\n01 02 03 04 05 07\n");
    EXPECT_EQ(ReadBytes(exported),
              Utf8ToGbk("缩水结果有2注号码") + "\r\n01 02 03 04 05 06, 01 02 03 04 05 07, \r\n\r\n");

    // --set applies after the file; the start state saved and loaded leaves every stage inactive.
    r = RunCliInProcess(
        {"shrink", "--data", data, "--conditions", conditions, "--set", "tj1HeZhiChk=0", "--list"});
    EXPECT_EQ(std::count(r.Out.begin(), r.Out.end(), '\n'), 1107568);
    SaveConditionFile(conditions, ShrinkConditions{});
    const std::vector<std::string> memo = OutLines({"shrink", "--data", data, "--conditions", conditions});
    EXPECT_EQ(memo[1], "缩水基础号码总共1107568注号码");
    EXPECT_EQ(memo[5], "缩水结果为总共1107568注号码");

    WriteBytes(conditions, Utf8ToGbk("[条件设置]\r\ntj1HeZhiChk=1\r\ntj1HeZhiSpEd=30,4O\r\n"));
    r = RunCliInProcess({"prize", "--data", data, "--conditions", conditions, "--draw", "01 02 03 04 05 06"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "'4O' is not a valid integer value\n");
    r = RunCliInProcess({"level", "--data", data, "--conditions", dir.File("none.ini"), "--level", "3"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "无法打开文件 \"" + dir.File("none.ini") + "\"\n");
    r = RunCliInProcess(
        {"shrink", "--data", data, "--set", "ssTb0MChk=01", "--export", dir.File("no/dir.txt")});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "无法写入文件 \"" + dir.File("no/dir.txt") + "\"：文件夹不存在\n");
}

TEST(CliPrize, TheProgramPrintsTheFirstPrize)
{
    TempDir dir;
    const std::string command =
        std::string(QUORVANE_CLI_PATH) + " prize --data " + ThreeDraws(dir) +
        " --set ssTb0MChk=01#02#09#21#30#32 --set ssTb0BChk=05 --draw \"01 02 09 21 30 32+05\"";
    int status = -1;
    const std::string out = quorvane::test::RunShell(command, &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("\n01 02 09 21 30 32+05     中6+1    1    一等\n"), std::string::npos);
}
