#include "shrink/PrizeCheck.h"

#include <gtest/gtest.h>

#include "ResultTestSupport.h"
#include "TestSupport.h"

using namespace quorvane;
using quorvane::test::ErrorText;
using quorvane::test::FlagsOf;
using quorvane::test::SharedPool;
using quorvane::test::SpreadFlags;
using Lines = std::vector<std::string>;

namespace {

TCheckCells<16> Blues(std::initializer_list<int> numbers)
{
    TCheckCells<16> cells{};
    for (const int n : numbers) {
        cells[static_cast<std::size_t>(n - 1)] = 1;
    }
    return cells;
}

Lines Check(const std::string& answer, const TCheckCells<16>& blues, const SurvivorFlags& flags)
{
    const PrizeCheckResult r = CheckPrizes(answer, blues, SharedPool(), flags, false);
    EXPECT_FALSE(r.NeedsConfirmation);
    return r.Lines;
}

const SurvivorFlags& FourTickets()
{
    static const SurvivorFlags flags =
        FlagsOf({"01 02 09 21 30 32", "01 02 09 21 30 33", "01 02 03 04 05 06", "03 04 05 06 07 08"});
    return flags;
}

} // namespace

TEST(PrizeCheck, PrizeLevelsAndLabels)
{
    const int expected[7][2] = {{0, 6}, {0, 6}, {0, 6}, {0, 5}, {5, 4}, {4, 3}, {2, 1}};
    for (int h = 0; h <= 6; ++h) {
        EXPECT_EQ(PrizeLevel(h, 0), expected[h][0]) << h;
        EXPECT_EQ(PrizeLevel(h, 1), expected[h][1]) << h;
    }
    EXPECT_STREQ(PrizeLabels()[0], "  ");
    EXPECT_STREQ(PrizeLabels()[3], "3000元");
    EXPECT_STREQ(PrizeLabels()[6], "5元");
}

TEST(PrizeCheck, ReportWithBluesListsEveryWinningTicketAndBlue)
{
    const Lines expected{"",
                         "双色球彩票兑奖",
                         "开奖号码：01 02 09 21 30 32+05",
                         "中奖合计：一等1注,二等1注,3000元1注,200元1注,10元0注,5元2注.",
                         "",
                         "红球号码总共4注, 蓝球选择2个.",
                         "蓝球选择: 05,07",
                         "总共注8号码，投资16元人民币.",
                         "",
                         "中奖号码            红球+蓝球   奖级   奖金",
                         "",
                         "01 02 03 04 05 06+05     中2+1    6    5元",
                         "01 02 09 21 30 32+05     中6+1    1    一等",
                         "01 02 09 21 30 32+07     中6+0    2    二等",
                         "01 02 09 21 30 33+05     中5+1    3    3000元",
                         "01 02 09 21 30 33+07     中5+0    4    200元",
                         "03 04 05 06 07 08+05     中0+1    6    5元",
                         "",
                         "总共6组号码中奖",
                         "",
                         ""};
    EXPECT_EQ(Check("  01 02 09 21 30 32+05 ", Blues({7, 5}), FourTickets()), expected);
    // Two characters after the "+" are the blue; more are ignored.
    EXPECT_EQ(Check("01 02 09 21 30 32+057", Blues({5, 7}), FourTickets())[12], expected[12]);
    EXPECT_EQ(Check("01 02 09 21 30 32 +5", Blues({5, 7}), FourTickets())[12], expected[12]);
    // Spaces after the "+" are not part of the two characters: "+ 05" is the blue 05, not 0.
    const Lines spaced = Check("01 02 09 21 30 32 + 05", Blues({5, 7}), FourTickets());
    EXPECT_EQ(spaced[3], expected[3]);
    EXPECT_EQ(spaced[12], expected[12]);
    EXPECT_EQ(Check("01 02 09 21 30 32+  05 ", Blues({5, 7}), FourTickets())[12], expected[12]);
}

TEST(PrizeCheck, ReportWithRedsOnlyCountsHitsFromSixDown)
{
    const Lines expected{"",
                         "双色球彩票兑奖",
                         "开奖号码：32 30 21 09 02 01 17",
                         "中出红球统计：中6个1注,中5个1注,中4个0注,中3个0注,中2个1注,中1个0注.",
                         "",
                         "红球号码总共4注.",
                         "",
                         "中奖号码            中出红球",
                         "",
                         "01 02 03 04 05 06     中2",
                         "01 02 09 21 30 32     中6",
                         "01 02 09 21 30 33     中5",
                         "",
                         ""};
    EXPECT_EQ(Check("32 30 21 09 02 01 17", Blues({}), FourTickets()), expected);
}

TEST(PrizeCheck, ThreeRedHitsWinOnlyWithTheRightBlue)
{
    const SurvivorFlags flags = FlagsOf({"01 02 04 05 06 09"});
    const Lines wrongBlue = Check("01 02 09 21 30 32+05", Blues({7}), flags);
    EXPECT_EQ(wrongBlue[3], "中奖合计：一等0注,二等0注,3000元0注,200元0注,10元0注,5元0注.");
    EXPECT_EQ(wrongBlue[wrongBlue.size() - 3], "总共0组号码中奖");
    EXPECT_EQ(wrongBlue.size(), 15u);
    const Lines rightBlue = Check("01 02 09 21 30 32+05", Blues({5}), flags);
    EXPECT_EQ(rightBlue[11], "01 02 04 05 06 09+05     中3+1    5    10元");
    EXPECT_EQ(rightBlue[3], "中奖合计：一等0注,二等0注,3000元0注,200元0注,10元1注,5元0注.");
}

TEST(PrizeCheck, BadAnswersGiveTheirMessages)
{
    const auto error = [](const std::string& answer) {
        return ErrorText([&] { CheckPrizes(answer, Blues({5}), SharedPool(), FourTickets(), true); });
    };
    const std::string format = kPrizeFormatMessage;
    EXPECT_EQ(
        format,
        "开奖号码填写有错误，请重新填写好开奖号码，最少包含6个红球。\r\n格式如：\r\n01 02 09 21 30 32+05\r\n"
        "或者\r\n01 02 09 21 30 32");
    EXPECT_EQ(error(""), format);
    EXPECT_EQ(error("   "), format);
    EXPECT_EQ(error("01 02 03 04 05"), format);
    EXPECT_EQ(error("01 02 03 04 05+05"), format);
    EXPECT_EQ(error("01 02 03 04 05 x6"), format);
    EXPECT_EQ(error("01\t02 03 04 05 06"), format);
    EXPECT_EQ(error("01　02　03　04　05　06"), format); // full-width spaces separate nothing
    EXPECT_EQ(error("01 02 03 04 05 06　+05"), format);
    EXPECT_EQ(error("+"), "'' is not a valid integer value");
    EXPECT_EQ(error("01 02 03 04 05 06+"), "'' is not a valid integer value");
    EXPECT_EQ(error("01 02 03 04 05 06+xx"), "'xx' is not a valid integer value");
    EXPECT_EQ(error("01 02 03 04 05 06+　5"), "'　5' is not a valid integer value");
    EXPECT_EQ(error("01 02 03 04 05 06+ 5"), "");
    EXPECT_EQ(error("01 02 03 04 05 06 garbage after the sixth"), "");

    // Numbers outside 1..33 are read and never match.
    const Lines none = Check("99 98 97 96 95 94+77", Blues({5}), FourTickets());
    EXPECT_EQ(none[2], "开奖号码：99 98 97 96 95 94+77");
    EXPECT_EQ(none[none.size() - 3], "总共0组号码中奖");
    const Lines noRed = Check("-1 0 34 2147483647 -2147483648 99", Blues({}), FourTickets());
    EXPECT_EQ(noRed[3], "中出红球统计：中6个0注,中5个0注,中4个0注,中3个0注,中2个0注,中1个0注.");
    EXPECT_EQ(noRed.size(), 11u);
}

TEST(PrizeCheck, NeedsSurvivorsAndCheckedBlues)
{
    const SurvivorFlags empty(static_cast<std::size_t>(kPoolCount), 0);
    const auto error = [](const std::string& answer, const TCheckCells<16>& blues, const TicketPool& pool,
                          const SurvivorFlags& flags) {
        return ErrorText([&] { CheckPrizes(answer, blues, pool, flags, true); });
    };
    EXPECT_EQ(error("01 02 03 04 05 06", Blues({}), SharedPool(), empty), kPrizeNoRedsMessage);
    EXPECT_EQ(error("01 02 03 04 05 06+01", Blues({}), SharedPool(), FourTickets()), kPrizeNoBlueMessage);
    EXPECT_EQ(error("01 02 03 04 05 06+01", Blues({}), SharedPool(), empty), kPrizeNoBlueMessage);
    EXPECT_EQ(error("01 02 03 04 05 06+01", Blues({1}), SharedPool(), empty), kPrizeNoRedsMessage);
    EXPECT_EQ(std::string(kPrizeNoBlueMessage), "蓝球没有选择，请打开\"选号范围\"，设置好要投注的蓝球。");
    // Flags without a pool entry (a forecast rebuilt them before any run) are not survivors.
    const SurvivorFlags all(static_cast<std::size_t>(kPoolCount), 1);
    EXPECT_EQ(error("01 02 03 04 05 06", Blues({}), TicketPool{}, all), kPrizeNoRedsMessage);
}

TEST(PrizeCheck, AsksBeforeCheckingMoreThanTwentyThousandTickets)
{
    const SurvivorFlags limit = SpreadFlags(20000, 50);
    EXPECT_FALSE(CheckPrizes("01 02 03 04 05 06", Blues({}), SharedPool(), limit, false).NeedsConfirmation);

    const SurvivorFlags above = SpreadFlags(20001, 50);
    const PrizeCheckResult ask = CheckPrizes("01 02 03 04 05 06", Blues({}), SharedPool(), above, false);
    EXPECT_TRUE(ask.NeedsConfirmation);
    EXPECT_TRUE(ask.Lines.empty());
    EXPECT_EQ(
        ask.Question,
        "红球号码总共20001组，兑奖时间比较长，继续吗？\r\n\r\n建议先取消，然后增加缩水条件以后再执行兑奖！");
    const PrizeCheckResult go = CheckPrizes("01 02 03 04 05 06", Blues({}), SharedPool(), above, true);
    EXPECT_FALSE(go.NeedsConfirmation);
    EXPECT_EQ(go.Lines[5], "红球号码总共20001注.");

    // Every ticket of the pool with three blues: each ticket wins 5元 with the drawn blue.
    const SurvivorFlags all(static_cast<std::size_t>(kPoolCount), 1);
    const Lines lines = CheckPrizes("01 02 09 21 30 32+05", Blues({1, 5, 16}), SharedPool(), all, true).Lines;
    EXPECT_EQ(lines[3], "中奖合计：一等1注,二等2注,3000元162注,200元5589注,10元69030注,5元1043640注.");
    EXPECT_EQ(lines[7], "总共注3322704号码，投资6645408元人民币.");
}
