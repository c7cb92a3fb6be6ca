#include "shrink/CodeSets.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "shrink/HealthCheck.h"

using namespace quorvane;
using quorvane::test::ErrorText;

TEST(CodeSets, EntriesAreBuiltFromBothPickersAndSplitBack)
{
    EXPECT_EQ(MakeCodeSetEntry("3,8,16", "1,2"), "3,8,16&1,2");
    EXPECT_EQ(ErrorText([] { MakeCodeSetEntry("3,8", ""); }), "请勾选若干个自选号码以及最少一个入奖数目！！");
    EXPECT_EQ(ErrorText([] { MakeCodeSetEntry("", "1"); }), kCodeSetEntryMessage);
    EXPECT_EQ(MakeTailSetEntry("0,5", "0"), "0,5&0");
    EXPECT_EQ(ErrorText([] { MakeTailSetEntry("", ""); }), "请选择最少一个号码数目！！");
    EXPECT_EQ(ErrorText([] { MakeTailSetEntry("1", " "); }), "请选择最少一个入奖数目！！");

    const CodeSetParts parts = SplitCodeSetEntry("03,08,16&1,2");
    EXPECT_EQ(parts.Members, "03,08,16");
    EXPECT_EQ(parts.Counts, "1,2");
    EXPECT_EQ(SplitCodeSetEntry("1,2").Members, "1,2");
    EXPECT_EQ(SplitCodeSetEntry("1,2").Counts, "");
    EXPECT_EQ(SplitCodeSetEntry("&&3").Counts, "&3");

    std::vector<std::string> list{"a", "b", "c", "d"};
    RemoveEntries(list, {3, 1, 1, 9});
    EXPECT_EQ(list, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(CodeSetGroups()[1].CountLast, 4);
    EXPECT_STREQ(CodeSetGroups()[0].ListName, "CodeSelLbx1");
}

TEST(HealthCheck, CountsDrawsByChosenNumbersAndTails)
{
    DrawHistory history;
    const TCodeRedArr draws[] = {{1, 2, 3, 4, 5, 6}, {1, 5, 10, 15, 20, 25}, {3, 13, 23, 30, 31, 33}};
    for (const TCodeRedArr& reds : draws) {
        history.push_back(TBeenCodesRec{2024, static_cast<std::int32_t>(history.size() + 1), reds, 1});
    }
    EXPECT_EQ(NumberHealthReport(history, "1,2"),
              (std::vector<std::string>{"开奖号码总共3期", "1,2出现3个号总共0期", "1,2出现4个号总共0期",
                                        "1,2出现5个号总共0期", "1,2出现6个号总共0期"}));
    EXPECT_EQ(NumberHealthReport(history, "33,1,x,2,3,5,6,4")[4], "1,2,3,4,5,6,33出现6个号总共1期");
    EXPECT_EQ(NumberHealthReport(history, "1,2,3,4,5,6")[4], "1,2,3,4,5,6出现6个号总共1期");

    const std::vector<std::string> tails = TailHealthReport(history, "0,1,2,3,4,5,6,7,8,9");
    ASSERT_EQ(tails.size(), 7u);
    EXPECT_EQ(tails[1], "0,1,2,3,4,5,6,7,8,9出现1个号总共0期");
    EXPECT_EQ(tails[6], "0,1,2,3,4,5,6,7,8,9出现6个号总共3期");
    EXPECT_EQ(TailHealthReport(history, "3")[2], "3出现2个号总共0期");
    EXPECT_EQ(TailHealthReport(history, "3")[4], "3出现4个号总共1期");
    EXPECT_EQ(TailHealthReport(DrawHistory{}, "0")[0], "开奖号码总共0期");

    const std::string message = "请勾选自选号码若干个！！\r\n这样才能进行号码体检!!";
    EXPECT_EQ(ErrorText([&] { NumberHealthReport(history, ""); }), message);
    EXPECT_EQ(ErrorText([&] { NumberHealthReport(history, "0,34,01"); }), message);
    EXPECT_EQ(ErrorText([&] { TailHealthReport(history, "10"); }), message);
}
