#include <gtest/gtest.h>

#include "CliTestSupport.h"

using quorvane::test::RunCliInProcess;

namespace {

std::string ValueOf(const std::string& out, const std::string& name)
{
    const std::string key = "\n" + name + "=";
    const std::size_t pos = ("\n" + out).find(key);
    if (pos == std::string::npos) {
        return "<missing>";
    }
    const std::size_t start = pos + key.size() - 1;
    return out.substr(start, out.find('\n', start) - start);
}

} // namespace

TEST(CliMeasures, PrintsEveryMeasureByName)
{
    const auto r = RunCliInProcess({"measures", "01", "02", "03", "04", "05", "06"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out.substr(0, 16), "SumOfCodeArr=21\n");
    EXPECT_EQ(ValueOf(r.Out, "AverageOfCodeArr"), "3");
    EXPECT_EQ(ValueOf(r.Out, "ConsecGroupOfCodeArr"), "1");
    EXPECT_EQ(ValueOf(r.Out, "ConsecNumOfCodeArr"), "6");
    EXPECT_EQ(ValueOf(r.Out, "ACOfCodeArr"), "0");
    EXPECT_EQ(ValueOf(r.Out, "MaxGapOfCodeArr"), "1");
    EXPECT_EQ(ValueOf(r.Out, "HeadTailDiffOfCodeArr"), "5");
    EXPECT_EQ(ValueOf(r.Out, "PrimeNumOfCodeArr"), "4");
    EXPECT_EQ(ValueOf(r.Out, "RepeatOfCodeArr"), "<missing>");
}

TEST(CliMeasures, RelationalMeasuresNeedThePreviousDrawAndUnsortedInputIsSorted)
{
    const auto r = RunCliInProcess({"measures", "32", "2", "5", "11", "21", "31", "--prev", "1", "5", "10", "20", "30", "33"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(ValueOf(r.Out, "DiagonalOfCodeArr"), "5");
    EXPECT_EQ(ValueOf(r.Out, "RepeatOfCodeArr"), "1");
    EXPECT_EQ(ValueOf(r.Out, "SamePosOfCodeArr"), "1");
}

TEST(CliMeasures, RefusesBadRedSets)
{
    EXPECT_EQ(RunCliInProcess({"measures", "1", "2", "3"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"measures", "1", "2", "3", "4", "5", "6", "--prev", "1"}).Code, 2);
    const auto dup = RunCliInProcess({"measures", "1", "1", "3", "4", "5", "6"});
    EXPECT_EQ(dup.Code, 1);
    EXPECT_EQ(dup.Err, "红球必须是1到33之间的六个不同号码\n");
    EXPECT_EQ(RunCliInProcess({"measures", "0", "2", "3", "4", "5", "6"}).Code, 1);
    EXPECT_EQ(RunCliInProcess({"measures", "x", "2", "3", "4", "5", "6"}).Err, "'x' is not a valid integer value\n");
}
