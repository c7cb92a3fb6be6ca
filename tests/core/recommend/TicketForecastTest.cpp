#include "recommend/TicketForecast.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "RecommendTestData.h"
#include "TestSupport.h"
#include "base/TicketPool.h"
#include "history/DemoHistory.h"
#include "measures/Measures.h"
#include "text/FormatNumbers.h"

using namespace quorvane;
using quorvane::test::BigHistory;
using quorvane::test::ErrorText;
using Lines = std::vector<std::string>;

namespace {

DrawHistory DemoHistory(int draws, std::uint32_t seed)
{
    return ParseDrawText(MakeDemoHistoryLines(draws, seed)).History;
}

TNumFlags FlagsOf(std::initializer_list<int> numbers)
{
    TNumFlags flags{};
    for (const int n : numbers) {
        flags[static_cast<std::size_t>(n)] = true;
    }
    return flags;
}

bool Qualifies(const TCodeRedArr& ticket, const TNumFlags& cold)
{
    const int c = NumInSetOfCodeArr(ticket, cold);
    return c >= 2 && c <= 4;
}

// The forecast as a walk over the whole pool: per group, from the first ticket, count qualifying
// tickets until the counter reaches step, take that ticket and restart the count there.
Lines SingleForecastByWalk(const TicketPool& pool, const TNumFlags& cold)
{
    std::int32_t qualifying = 0;
    for (const TCodeRedArr& t : pool) {
        qualifying += Qualifies(t, cold);
    }
    Lines lines;
    for (const int size : {100, 200, 500}) {
        lines.push_back("单注预测(" + std::to_string(size) + "注):");
        const std::int32_t step = qualifying / size;
        std::size_t p = 0;
        for (int k = 0; k < size; ++k) {
            std::int32_t counter = 0;
            for (; p < pool.size(); ++p) {
                counter += Qualifies(pool[p], cold);
                if (counter == step) {
                    break;
                }
            }
            lines.push_back(FormatTicket(pool[p]));
        }
        lines.emplace_back();
    }
    return lines;
}

} // namespace

TEST(QualifyingTickets, CountIsTheSameForEveryColdSet)
{
    EXPECT_EQ(CountQualifyingTickets(FlagsOf({20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33})),
              876603);
    EXPECT_EQ(CountQualifyingTickets(FlagsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})), 876603);
    EXPECT_EQ(CountQualifyingTickets(FlagsOf({1, 3, 5, 8, 13, 17, 18, 21, 24, 27, 29, 30, 32, 33})), 876603);
}

TEST(QualifyingTickets, OrdinalsFollowThePoolOrder)
{
    TicketPool pool;
    BuildTicketPool(pool);
    for (const TNumFlags& cold : {FlagsOf({1, 3, 5, 8, 13, 17, 18, 21, 24, 27, 29, 30, 32, 33}),
                                  FlagsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})}) {
        std::int32_t ordinal = 0;
        for (const TCodeRedArr& t : pool) {
            if (!Qualifies(t, cold)) {
                continue;
            }
            if (ordinal % 499 == 0 || ordinal == 876602) {
                ASSERT_EQ(QualifyingTicketAt(cold, ordinal), t) << ordinal;
            }
            ++ordinal;
        }
        ASSERT_EQ(ordinal, 876603);
    }
}

TEST(SingleTicketForecast, MatchesAWalkOverThePool)
{
    TicketPool pool;
    BuildTicketPool(pool);
    for (const DrawHistory& history : {quorvane::test::RankedHistory(), DemoHistory(300, 7)}) {
        const TNumFlags cold = ColdNumbersOf(RankRedNumbers(CountRedFrequency(history, 40)));
        const RecommendResult result = SingleTicketForecast(history);
        EXPECT_EQ(result.Status, "完成 单注预测");
        ASSERT_EQ(result.Lines.size(), 806u); // three headers, 800 tickets, three empty lines
        EXPECT_EQ(result.Lines, SingleForecastByWalk(pool, cold));
        EXPECT_EQ(result.Lines.back(), "");
        EXPECT_EQ(result.Lines[101], "");
        EXPECT_EQ(result.Lines[102], "单注预测(200注):");
    }
}

TEST(SingleTicketForecast, FirstTicketsAreTheQualifyingSetsNumbered8766And17531)
{
    // Without exclusions RankedHistory ranks 2 3 6 7 10 11, 18..23, 13 24 25 26, 14 27, then
    // 1 4 5 8 9 12 15 16 (once) and 17 28..33 (never): positions 20..33 are the cold numbers.
    const DrawHistory history = quorvane::test::RankedHistory();
    const TNumFlags cold = ColdNumbersOf(RankRedNumbers(CountRedFrequency(history, 40)));
    EXPECT_EQ(cold, FlagsOf({4, 5, 8, 9, 12, 15, 16, 17, 28, 29, 30, 31, 32, 33}));
    const RecommendResult result = SingleTicketForecast(history);
    EXPECT_EQ(result.Lines[0], "单注预测(100注):");
    EXPECT_EQ(result.Lines[1], FormatTicket(QualifyingTicketAt(cold, 8766 - 1)));
    EXPECT_EQ(result.Lines[2], FormatTicket(QualifyingTicketAt(cold, 17531 - 1)));
    EXPECT_EQ(result.Lines[103], FormatTicket(QualifyingTicketAt(cold, 4383 - 1)));
    EXPECT_EQ(result.Lines[304], "单注预测(500注):");
    EXPECT_EQ(result.Lines[305], FormatTicket(QualifyingTicketAt(cold, 1753 - 1)));
}

TEST(SingleTicketForecast, LeavesAShrinkResultAsItIs)
{
    // A shrink result: the pool, its survivor flags and their count. The forecast takes none of
    // them and must leave all three as they were.
    TicketPool pool;
    BuildTicketPool(pool);
    SurvivorFlags flags(pool.size(), 0);
    for (std::size_t i = 0; i < flags.size(); i += 1000) {
        flags[i] = 1;
    }
    const SurvivorFlags before = flags;
    const std::int32_t survivors = CountSurvivors(flags);

    SingleTicketForecast(quorvane::test::RankedHistory());

    EXPECT_EQ(CountSurvivors(flags), survivors);
    EXPECT_EQ(survivors, 1108);
    EXPECT_TRUE(flags == before);
    EXPECT_EQ(pool.size(), static_cast<std::size_t>(kPoolCount));
}

TEST(SingleTicketForecast, NeedsFortyDraws)
{
    EXPECT_EQ(ErrorText([] { SingleTicketForecast(BigHistory(39)); }), kForecastTooFewDraws);
}

TEST(CompoundForecast, GroupsFollowTheRankings)
{
    // BigHistory: reds rank 1..33 in order; every blue is 16, so the blues rank 16 4 5 .. 15 1 2 3.
    const DrawHistory history = BigHistory(40);
    const RecommendResult wide = CompoundForecast(history, CompoundKind::Reds22Groups2);
    ASSERT_EQ(wide.Lines.size(), 4u);
    EXPECT_EQ(wide.Lines[0], "复式推荐(第1组):22+3个号");
    EXPECT_EQ(wide.Lines[1], "1,2,3,5,7,8,10,12,14,15,17,19,20,21,22,24,26,27,28,29,31,33+4,6,13");
    EXPECT_EQ(wide.Status, "完成 复式推荐");

    const RecommendResult twelve = CompoundForecast(history, CompoundKind::Reds12Groups30);
    ASSERT_EQ(twelve.Lines.size(), 60u);
    EXPECT_EQ(twelve.Lines[0], "复式推荐(第1组):12+3个号");
    EXPECT_EQ(twelve.Lines[1], "14,15,16,17,18,19,20,21,22,23,24,25+1,2,3");
    EXPECT_EQ(twelve.Lines[59].substr(twelve.Lines[59].find('+')), "+16,2,3");

    const RecommendResult fifteen = CompoundForecast(history, CompoundKind::Reds15Groups20);
    ASSERT_EQ(fifteen.Lines.size(), 40u);
    for (const RecommendResult* r : {&wide, &twelve, &fifteen}) {
        for (std::size_t i = 1; i < r->Lines.size(); i += 2) {
            EXPECT_EQ(std::count(r->Lines[i].begin(), r->Lines[i].end(), '+'), 1) << r->Lines[i];
        }
    }
    EXPECT_EQ(fifteen.Lines[38], "复式推荐(第20组):15+3个号");
}

TEST(CompoundForecast, ExcludesBigRedsAndBluesOneToThree)
{
    DrawHistory history = quorvane::test::RankedHistory();
    for (std::size_t i = 30; i < 40; ++i) {
        history[i].Blue = i < 35 ? 1 : 9; // 1 is frequent but excluded
    }
    // Counting the last 26 draws: 2 3 6 7 10 11 (boosted) 13 14 15 16 1 4 5 8 9 12 17 18..33, so red
    // positions 14..25 hold 8 9 12 17 18..25; blue positions 14..16 hold 1 2 3.
    EXPECT_EQ(CompoundForecast(history, CompoundKind::Reds12Groups30).Lines[1],
              "8,9,12,17,18,19,20,21,22,23,24,25+1,2,3");
    EXPECT_EQ(ErrorText([] { CompoundForecast(BigHistory(36), CompoundKind::Reds15Groups20); }),
              kForecastTooFewDraws);
    EXPECT_EQ(CompoundForecast(BigHistory(37), CompoundKind::Reds15Groups20).Lines.size(), 40u);
    EXPECT_STREQ(CompoundCaption(CompoundKind::Reds15Groups20), "复式推荐(15码)推荐20组");
}
