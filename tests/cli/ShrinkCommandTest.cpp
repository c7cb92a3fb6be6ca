#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

#include "Cli.h"
#include "TestSupport.h"
#include "shrink/ConditionKeys.h"
#include "shrink/ReferenceSets.h"
#include "shrink/ShrinkRun.h"
#include "text/Encoding.h"
#include "text/SplitText.h"

using namespace quorvane;
using namespace quorvane::cli;

namespace {

struct Result
{
    int Code = 0;
    std::vector<std::string> Lines;
    std::string Err;
};

Result Shrink(std::vector<std::string> args)
{
    args.insert(args.begin(), "shrink");
    std::ostringstream out;
    std::ostringstream err;
    Result r;
    r.Code = RunCli(args, out, err);
    r.Lines = SplitLines(out.str());
    r.Err = err.str();
    return r;
}

constexpr const char* kTenReds = "ssTb0MChk=01#02#03#04#05#06#07#08#09#10";

} // namespace

TEST(ShrinkCommand, ListsEverySurvivorOrPrintsTheResultMemo)
{
    const Result list = Shrink({"--set", kTenReds, "--list"});
    EXPECT_EQ(list.Code, kExitOk);
    ASSERT_EQ(list.Lines.size(), 210u);
    EXPECT_EQ(list.Lines.front(), "01 02 03 04 05 06");
    EXPECT_EQ(list.Lines.back(), "05 06 07 08 09 10");

    const Result memo = Shrink({"--set", "ssTb0MChk=01#02#03#04#05#06", "--set", "ssTb0BChk=16#01"});
    EXPECT_EQ(memo.Code, kExitOk);
    ASSERT_EQ(memo.Lines.size(), 8u);
    EXPECT_EQ(memo.Lines[0].rfind("Quorvane ", 0), 0u);
    EXPECT_EQ(std::vector<std::string>(memo.Lines.begin() + 1, memo.Lines.end()),
              (std::vector<std::string>{"缩水基础号码总共1107568注号码", "", "选择的蓝球：01,16", "",
                                        "缩水结果为总共1注号码", "01 02 03 04 05 06, ", ""}));
}

TEST(ShrinkCommand, SettingsApplyInOrderAndReachUnstoredControls)
{
    // The later --set wins; RowCbb1 (names compare without regard to case) is not a condition-file
    // key but a control --set reaches.
    const Result r =
        Shrink({"--set", "ssTb0MChk=01#02#03", "--set", kTenReds, "--set", "rowcbb1=4", "--list"});
    EXPECT_EQ(r.Code, kExitOk);
    EXPECT_EQ(r.Lines.size(), 20u * 4u); // three of 01..06 and three of 07..10
}

TEST(ShrinkCommand, UsesTheLatestDrawOfTheDataFile)
{
    test::TempDir dir;
    const std::string data = dir.File("ssq.dxt");
    test::WriteBytes(data, "2010001 01 02 03 04 05 06 01\r\n2010002 03 08 14 21 27 33 09\r\n");
    const Result r = Shrink({"--data", data, "--set", "尾数与上期相同个数6=1", "--list"});
    EXPECT_EQ(r.Code, kExitOk);
    ShrinkConditions c;
    ASSERT_TRUE(ApplyConditionSetting(c, "尾数与上期相同个数6", "1"));
    DrawHistory h(1);
    h[0].Reds = {3, 8, 14, 21, 27, 33};
    EXPECT_EQ(static_cast<std::int32_t>(r.Lines.size()), CountSurvivors(ShrinkSurvivors(c, h)));
    EXPECT_LT(r.Lines.size(), static_cast<std::size_t>(kPoolCount));

    const Result missing = Shrink({"--data", dir.File("none.dxt")});
    EXPECT_EQ(missing.Code, kExitUserError);
    EXPECT_EQ(missing.Err, "无法打开文件 \"" + dir.File("none.dxt") + "\"\n");
}

TEST(ShrinkCommand, BadSettingsAreUsageOrUserErrors)
{
    Result r = Shrink({"--set", "NoSuchControl=1"});
    EXPECT_EQ(r.Code, kExitUsage);
    EXPECT_EQ(r.Err.rfind("quorvane-cli: unknown condition name NoSuchControl\n", 0), 0u);
    r = Shrink({"--set", "tj1HeZhiChk"});
    EXPECT_EQ(r.Code, kExitUsage);
    r = Shrink({"--set", "=1"});
    EXPECT_EQ(r.Code, kExitUsage);
    r = Shrink({"--set"});
    EXPECT_EQ(r.Code, kExitUsage);
    r = Shrink({"extra"});
    EXPECT_EQ(r.Code, kExitUsage);
    r = Shrink({"--set", "tj1HeZhiSpEd=50,abc"});
    EXPECT_EQ(r.Code, kExitUserError);
    EXPECT_EQ(r.Err, "'abc' is not a valid integer value\n");
    r = Shrink({"--set", "tj2BiXuanHaoChk=1", "--set", "tj2BiXuanHaoEd=21 二十"});
    EXPECT_EQ(r.Code, kExitUserError);
    EXPECT_EQ(r.Err, "'二十' is not a valid integer value\n");
    EXPECT_TRUE(r.Lines.empty());
    // A picker value that names no cell would keep every ticket: the command line refuses it.
    r = Shrink({"--set", "ssTb0MChk=1#2#3", "--list"});
    EXPECT_EQ(r.Code, kExitUsage);
    EXPECT_EQ(r.Err.rfind("quorvane-cli: '1' names no cell of ssTb0MChk; the captions are 01#02#03#", 0), 0u);
    EXPECT_TRUE(r.Lines.empty());
    // Control bytes in names and arguments show escaped.
    r = Shrink({"--set", "No\x1b[2JSuch=1"});
    EXPECT_EQ(r.Err.rfind("quorvane-cli: unknown condition name No\\x1B[2JSuch\n", 0), 0u);
    r = Shrink({"--bogus\x07"});
    EXPECT_EQ(r.Err.rfind("quorvane-cli: unknown option --bogus\\x07\n", 0), 0u);
    // Every usage message does so, and so does an unknown command.
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"measures", "--x\x1b[2J"}, out, err), kExitUsage);
    EXPECT_EQ(err.str().rfind("quorvane-cli: unknown option --x\\x1B[2J\n", 0), 0u);
    err.str("");
    EXPECT_EQ(RunCli({"shrin\x1b[2Jk"}, out, err), kExitUsage);
    EXPECT_EQ(err.str().rfind("quorvane-cli: unknown command shrin\\x1B[2Jk\n", 0), 0u);
}

TEST(ShrinkCommand, ConditionFilesStayLenientWhereSetIsStrict)
{
    quorvane::test::TempDir dir;
    const std::string conditions = dir.File("c.ini");
    quorvane::test::WriteBytes(conditions, Utf8ToGbk("[条件设置]\r\nssTb0MChk=1#02#03#04#05#06#07\r\n"));
    const Result r = Shrink({"--conditions", conditions, "--list"});
    EXPECT_EQ(r.Code, kExitOk);
    EXPECT_EQ(r.Lines, std::vector<std::string>{"02 03 04 05 06 07"}); // the piece "1" is ignored
    // A NUL byte inside a value is quoted whole in the message.
    quorvane::test::WriteBytes(conditions, Utf8ToGbk(std::string("[条件设置]\r\ntj1HeZhiChk=1\r\ntj1HeZhiSpEd=30,4") + '\0' + "O\r\n"));
    const Result bad = Shrink({"--conditions", conditions});
    EXPECT_EQ(bad.Code, kExitUserError);
    EXPECT_EQ(bad.Err, "'4\\x00O' is not a valid integer value\n");
}

TEST(ShrinkCommand, ReferenceLinesOfTheFaultTolerantFilterAreChecked)
{
    // A short line, a number out of range or a repeated number would be read in part and decide the
    // run silently: refused with the line's message.
    const std::vector<std::string> on = {"--set", "ssTb4Gbx1Chk=1", "--set", "ssTb4Gbx1MChk=0"};
    for (const std::string bad : {"01 02 03", "01 02 03 04 05 40", "01 01 02 03 04 05"}) {
        std::vector<std::string> args = on;
        args.insert(args.end(), {"--set", "ssTb4SheetGbx1Memo=03 08 14 21 27 33#" + bad});
        const Result r = Shrink(args);
        EXPECT_EQ(r.Code, kExitUserError) << bad;
        EXPECT_EQ(r.Err, ReferenceLineErrorText(2, bad) + "\n");
        EXPECT_TRUE(r.Lines.empty());
    }

    // With the filter off the lines are not looked at; good lines run.
    EXPECT_EQ(Shrink({"--set", "ssTb4SheetGbx1Memo=01 02 03"}).Code, kExitOk);
    std::vector<std::string> good = on;
    good.insert(good.end(), {"--set", "ssTb4SheetGbx1Memo=03 08 14 21 27 33#1 2 3 4 5 6 7 8 9 10 11 12"});
    EXPECT_EQ(Shrink(good).Code, kExitOk);
}

TEST(ShrinkCommand, TheProgramPrintsTheTenRedSelection)
{
    const std::string command = std::string(QUORVANE_CLI_PATH) + " shrink --set " + kTenReds + " --list";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    int lines = 0;
    for (int ch = std::fgetc(pipe); ch != EOF; ch = std::fgetc(pipe)) {
        lines += ch == '\n' ? 1 : 0;
    }
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(lines, 210);
}
