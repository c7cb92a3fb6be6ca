#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "base/TicketPool.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"
#include "wheel/WheelCheck.h"

using namespace quorvane;
using quorvane::test::RunCliInProcess;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', start)) {
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

// The tickets of the lines first..last-1, each six two-digit numbers.
TCodeRedArrArr Tickets(const std::vector<std::string>& lines, std::size_t first, std::size_t last)
{
    TCodeRedArrArr tickets;
    for (std::size_t i = first; i < last; ++i) {
        const std::vector<std::string> pieces = SplitText(" ", lines[i]);
        EXPECT_EQ(pieces.size(), 6u) << lines[i];
        std::array<int, 6> t{};
        for (std::size_t k = 0; k < 6 && k < pieces.size(); ++k) {
            t[k] = StrToInt(pieces[k]);
        }
        tickets.push_back(ToCodeRedArr(t).value_or(TCodeRedArr{}));
    }
    return tickets;
}

// Reds 01..12 checked: every combination of them survives (924).
const std::vector<std::string> kTwelveReds = {"shrink", "--set",
                                              "ssTb0MChk=01#02#03#04#05#06#07#08#09#10#11#12"};

} // namespace

TEST(CliWheel, PrintsTheWheelItsSizeAndTheVerdict)
{
    const auto r = RunCliInProcess(
        {"wheel", "--numbers", "01,03,05,07,09,11,13,15", "--guarantee", "5:5", "--iterations", "20000"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "旋转矩阵 中5保5，选号8个：01 03 05 07 09 11 13 15");
    EXPECT_EQ(lines[13], "共12注");
    EXPECT_EQ(lines[14], "校验通过：开奖红球至少有5个在所选号码中时，必有一注至少中5个红球。");
    EXPECT_TRUE(CheckWheel({1, 3, 5, 7, 9, 11, 13, 15}, Tickets(lines, 1, 13), {5, 5}).Holds);

    // The same seed and step limit give the same wheel.
    const std::vector<std::string> args = {"wheel",       "--numbers",    "1 2 3 4 5 6 7 8 9 10 11 12",
                                           "--guarantee", "中6保5",       "--seed",
                                           "5",           "--iterations", "20000"};
    EXPECT_EQ(RunCliInProcess(args).Out, RunCliInProcess(args).Out);
}

TEST(CliWheel, MistakesGiveTheirMessages)
{
    const auto wheel = [](const std::string& numbers, const std::string& guarantee) {
        return RunCliInProcess(
            {"wheel", "--numbers", numbers, "--guarantee", guarantee, "--iterations", "10"});
    };
    auto r = wheel("1,2,3,4,5,6", "6:5");
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "旋转矩阵需要7到33个红球号码，现在有6个。\n");
    EXPECT_EQ(wheel("1,2,3,4,5,6,34", "6:5").Err, "红球号码必须在01到33之间：34\n");
    EXPECT_EQ(wheel("1,2,3,4,5,7,7", "6:5").Err, "红球号码重复：07\n");
    r = wheel("1,2,3,4,5,6,7", "6:2");
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err.rfind("不支持的保证条件：6:2。", 0), 0u);
    EXPECT_EQ(
        RunCliInProcess({"wheel", "--numbers", "1,2,3,4,5,6,7", "--guarantee", "6:5", "--seconds", "0"}).Code,
        1);
    EXPECT_EQ(RunCliInProcess({"wheel", "--numbers", "1,2,3,4,5,6,7"}).Code, 2);
    EXPECT_EQ(RunCliInProcess({"wheel", "--guarantee", "6:5", "--numbers", "1,2,3,4,5,6,7", "x"}).Code, 2);
}

TEST(CliShrink, ReduceFollowsTheHeadLinesWithAVerifiedList)
{
    std::vector<std::string> args = kTwelveReds;
    args.insert(args.end(), {"--reduce", "4", "--seconds", "0.2"});
    const auto r = RunCliInProcess(args);
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[1], "缩水基础号码总共1107568注号码");
    EXPECT_EQ(lines[5], "缩水结果为总共924注号码");
    const std::size_t size = lines.size() - 9;
    EXPECT_EQ(lines[6], "保证缩水 保4个红球，从924注中选出" + std::to_string(size) + "注：");
    EXPECT_EQ(lines[lines.size() - 2], "共" + std::to_string(size) + "注");
    EXPECT_EQ(lines.back(), "校验通过：开奖红球是缩水结果中的一注时，必有一注至少中4个红球。");
    TicketPool pool;
    BuildTicketPool(pool);
    TCodeRedArrArr survivors;
    for (const TCodeRedArr& t : pool) {
        if (t[5] <= 12) {
            survivors.push_back(t);
        }
    }
    EXPECT_TRUE(CheckReduction(survivors, Tickets(lines, 7, 7 + size), 4).Holds);
    EXPECT_LT(size, 924u);
}

TEST(CliShrink, ReduceMistakes)
{
    auto args = kTwelveReds;
    args.insert(args.end(), {"--reduce", "6"});
    auto r = RunCliInProcess(args);
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "保证缩水只能保3、4或5个红球：6\n");
    r = RunCliInProcess({"shrink", "--set", "ssTb0MChk=01#02#03#04#05", "--reduce", "4"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "缩水结果没有号码，请先缩水产生红球号码，再做保证缩水。\n");
    args = kTwelveReds;
    args.insert(args.end(), {"--seconds", "1"});
    EXPECT_EQ(RunCliInProcess(args).Code, 2);
    args = kTwelveReds;
    args.insert(args.end(), {"--reduce", "4", "--list"});
    EXPECT_EQ(RunCliInProcess(args).Code, 2);
}

// The prize check and the level shrink work on the reduced list: with the winning reds among the
// survivors, some ticket of it holds four of them.
TEST(CliPrize, WorksOnTheReducedList)
{
    const std::vector<std::string> set = {
        "--set", "ssTb0MChk=01#02#03#04#05#06#07#08#09#10#11#12", "--reduce", "4", "--seconds", "0.2"};
    std::vector<std::string> prize = {"prize", "--draw", "02 04 06 08 10 12"};
    prize.insert(prize.end(), set.begin(), set.end());
    const auto r = RunCliInProcess(prize);
    ASSERT_EQ(r.Code, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    ASSERT_GT(lines.size(), 5u);
    const std::string& summary = lines[3]; // 中出红球统计：中6个a注,中5个b注,中4个c注,...
    const auto count = [&summary](const std::string& item) {
        const std::size_t at = summary.find(item);
        return at == std::string::npos ? -1 : std::stoi(summary.substr(at + item.size()));
    };
    EXPECT_GE(count("中6个") + count("中5个") + count("中4个"), 1) << summary;
    EXPECT_EQ(lines[5].rfind("红球号码总共", 0), 0u);
    EXPECT_NE(lines[5], "红球号码总共924注.");

    std::vector<std::string> level = {"level", "--level", "1"};
    level.insert(level.end(), set.begin(), set.end());
    const auto l = RunCliInProcess(level);
    ASSERT_EQ(l.Code, 0) << l.Err;
    const int chosen = std::stoi(l.Out.substr(l.Out.find('(') + 1));
    EXPECT_LT(chosen, 100); // 80 % of the reduced list, not of the 924 survivors
}
