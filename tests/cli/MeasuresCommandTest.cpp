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

TEST(CliMeasures, EveryMeasureOfADrawWorkedOutByHand)
{
    // 03 08 14 21 27 30 after 01 08 15 22 29 33. Sum 103, tails 3 8 4 1 7 0, gaps 5 6 7 6 3, thirteen
    // distinct differences (AC 8), residues mod 3: 0 2 2 0 0 0, zones 03 08 | 14 21 | 27 30, tail rows
    // 1 3 1 0 3 4, tail columns 0 3 4 2 2 5; 08 repeats in its place, 14 21 30 neighbour last draw's reds.
    const auto r = RunCliInProcess({"measures", "03", "08", "14", "21", "27", "30", "--prev", "01", "08", "15", "22",
                                    "29", "33"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "SumOfCodeArr=103\n"
                     "AverageOfCodeArr=17\n"
                     "TailSumOfCodeArr=23\n"
                     "OddNumOfCodeArr=3\n"
                     "EvenNumOfCodeArr=3\n"
                     "OddEvenDevOfCodeArr=0\n"
                     "BigNumOfCodeArr=3\n"
                     "SmallNumOfCodeArr=3\n"
                     "BigSmallDevOfCodeArr=0\n"
                     "BigTailNumOfCodeArr=2\n"
                     "OddChainOfCodeArr=0\n"
                     "EvenChainOfCodeArr=0\n"
                     "ACOfCodeArr=8\n"
                     "PrimeNumOfCodeArr=1\n"
                     "ConsecNumOfCodeArr=0\n"
                     "ConsecGroupOfCodeArr=0\n"
                     "ConsecRunsOfCodeArr=0,0,0,0,0,0\n"
                     "ConsecRunsOfCodeArr.Longest=0\n"
                     "ConsecRunsOfCodeArr.Count=0\n"
                     "HeadTailDiffOfCodeArr=27\n"
                     "MaxGapOfCodeArr=7\n"
                     "MinGapOfCodeArr=3\n"
                     "GapVectorOfCodeArr=5,6,7,6,3,27,7,33\n"
                     "GapHistOfCodeArr=0,0,0,1,0,1,2,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n"
                     "SameTailGroupOfCodeArr=0\n"
                     "TailGroupNumOfCodeArr=6\n"
                     "MaxTailRepeatOfCodeArr=1\n"
                     "TailHistOfCodeArr=1,1,0,1,1,0,0,1,1,0\n"
                     "TailMod5GroupOfCodeArr=5\n"
                     "Mod3NumOfCodeArr(0)=4\n"
                     "Mod3NumOfCodeArr(1)=0\n"
                     "Mod3NumOfCodeArr(2)=2\n"
                     "Mod6GroupOfCodeArr=3\n"
                     "Zone6GroupOfCodeArr=5\n"
                     "ZoneNumOfCodeArr(1)=2\n"
                     "ZoneNumOfCodeArr(2)=2\n"
                     "ZoneNumOfCodeArr(3)=2\n"
                     "ZoneSumOfCodeArr(1)=11\n"
                     "ZoneSumOfCodeArr(2)=35\n"
                     "ZoneSumOfCodeArr(3)=57\n"
                     "TailRowNumOfCodeArr(0)=1\n"
                     "TailRowNumOfCodeArr(1)=2\n"
                     "TailRowNumOfCodeArr(2)=0\n"
                     "TailRowNumOfCodeArr(3)=2\n"
                     "TailRowNumOfCodeArr(4)=1\n"
                     "TailRowNumOfCodeArr(5)=0\n"
                     "TailColNumOfCodeArr(0)=1\n"
                     "TailColNumOfCodeArr(1)=0\n"
                     "TailColNumOfCodeArr(2)=2\n"
                     "TailColNumOfCodeArr(3)=1\n"
                     "TailColNumOfCodeArr(4)=1\n"
                     "TailColNumOfCodeArr(5)=1\n"
                     "SamePosOfCodeArr=1\n"
                     "RepeatOfCodeArr=1\n"
                     "DiagonalOfCodeArr=3\n"
                     "SameTailWithOfCodeArr=3\n");
}
