#include <algorithm>
#include <gtest/gtest.h>

#include "Cli.h"
#include "CliTestSupport.h"
#include "TestSupport.h"
#include "history/DemoHistory.h"
#include "recommend/Frequency.h"
#include "recommend/NumberRecommend.h"
#include "recommend/PropertyRecommend.h"
#include "recommend/TicketForecast.h"

using namespace quorvane;
using quorvane::test::CliResult;
using quorvane::test::RunCliInProcess;
using quorvane::test::TempDir;

namespace {

CliResult Recommend(std::vector<std::string> args)
{
    args.insert(args.begin(), "recommend");
    return RunCliInProcess(args);
}

// A data file of demo draws; returns its path.
std::string WriteDemoData(const TempDir& dir, int draws)
{
    std::string bytes;
    for (const std::string& line : MakeDemoHistoryLines(draws, 11)) {
        bytes += line + "\r\n";
    }
    const std::string path = dir.File("ssq" + std::to_string(draws) + ".dxt");
    quorvane::test::WriteBytes(path, bytes);
    return path;
}

std::string LinesText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

} // namespace

TEST(RecommendCommand, PrintsTheMemoLinesOfEachKind)
{
    const TempDir dir;
    const std::string data = WriteDemoData(dir, 200);
    const DrawHistory history = ParseDrawText(MakeDemoHistoryLines(200, 11)).History;
    const std::vector<std::pair<std::string, RecommendResult>> expected{
        {"cold", ColdNumberRecommend(history)},
        {"hot", HotNumberRecommend(history)},
        {"must", MustNumberRecommend(history)},
        {"banker", BankerNumberRecommend(history)},
        {"single", SingleTicketForecast(history)},
        {"compound23", CompoundForecast(history, CompoundKind::Reds22Groups2)},
        {"compound15", CompoundForecast(history, CompoundKind::Reds15Groups20)},
        {"compound12", CompoundForecast(history, CompoundKind::Reds12Groups30)},
        {"tail", TailRecommend(history)},
        {"oddeven", OddEvenRecommend(history)},
        {"zonesum1", ZoneSumRecommend(history, 1)},
        {"zonesum2", ZoneSumRecommend(history, 2)},
        {"zonesum3", ZoneSumRecommend(history, 3)},
    };
    for (const auto& [kind, result] : expected) {
        const CliResult run = Recommend({kind, "--data", data});
        EXPECT_EQ(run.Code, cli::kExitOk) << kind;
        EXPECT_EQ(run.Out, LinesText(result.Lines)) << kind;
        EXPECT_EQ(run.Err, "") << kind;
    }

    // Each press shows the same memo again.
    const CliResult twice = Recommend({"banker", "--data", data, "--repeat", "2"});
    EXPECT_EQ(twice.Out, LinesText(BankerNumberRecommend(history).Lines) +
                             LinesText(BankerNumberRecommend(history).Lines));
}

TEST(RecommendCommand, PicksPrintTheCheckedCaptions)
{
    const CliResult red = Recommend({"random-red", "--repeat", "2"});
    EXPECT_EQ(red.Code, cli::kExitOk);
    // The second press continues the generator; a new process starts again from the first pick.
    EXPECT_EQ(red.Out, "01,02,03,05,06,07,09,10,11,13,15,16,17,20,23,24,26,28,29,30,31,33\n"
                       "01,03,04,05,07,09,10,12,17,19,20,21,22,23,24,25,26,29,30,31,32,33\n");
    EXPECT_EQ(Recommend({"random-red"}).Out,
              "01,02,03,05,06,07,09,10,11,13,15,16,17,20,23,24,26,28,29,30,31,33\n");
    EXPECT_EQ(Recommend({"random-blue"}).Out, "01,03,04,05,06,07,11,14\n");

    const TempDir dir;
    const std::string data = WriteDemoData(dir, 60);
    const CliResult expert = Recommend({"expert-blue", "--data", data});
    EXPECT_EQ(expert.Code, cli::kExitOk);
    EXPECT_EQ(std::count(expert.Out.begin(), expert.Out.end(), ','), 8);
    EXPECT_EQ(Recommend({"expert-red", "--data", data}).Out.size(), 22u * 3u);
}

TEST(RecommendCommand, TooFewDrawsPrintTheMessage)
{
    const TempDir dir;
    const std::string data = WriteDemoData(dir, 39);
    const CliResult cold = Recommend({"cold", "--data", data});
    EXPECT_EQ(cold.Code, cli::kExitUserError);
    EXPECT_EQ(cold.Out, "");
    EXPECT_EQ(cold.Err, std::string(kForecastTooFewDraws) + "\n");
    EXPECT_EQ(Recommend({"oddeven", "--data", data}).Err, std::string(kOddEvenTooFewDraws) + "\n");
    EXPECT_EQ(Recommend({"expert-red", "--data", WriteDemoData(dir, 29)}).Err,
              "开奖号码太少了，请适当增加开奖号码才能完成推荐分析。\n");
}

TEST(RecommendCommand, BadArgumentsAreUsageErrors)
{
    EXPECT_EQ(Recommend({}).Code, cli::kExitUsage);
    EXPECT_EQ(Recommend({"lukewarm"}).Code, cli::kExitUsage);
    EXPECT_EQ(Recommend({"cold", "hot"}).Code, cli::kExitUsage);
    EXPECT_EQ(Recommend({"random-red", "--repeat", "0"}).Code, cli::kExitUsage);
    EXPECT_EQ(Recommend({"random-red", "--repeat", "10001"}).Code, cli::kExitUsage);
    const CliResult notNumber = Recommend({"random-red", "--repeat", "x"});
    EXPECT_EQ(notNumber.Code, cli::kExitUserError);
    EXPECT_EQ(notNumber.Err, "'x' is not a valid integer value\n");
}

TEST(RecommendCommand, SingleForecastPrints806LinesEndToEnd)
{
    const TempDir dir;
    const std::string data = WriteDemoData(dir, 100);
    const std::string command =
        std::string(QUORVANE_CLI_PATH) + " recommend single --data " + data + " | wc -l";
    int status = -1;
    EXPECT_EQ(quorvane::test::RunShell(command, &status), "806\n");
    EXPECT_EQ(status, 0);
}
