#pragma once

#include <cstdint>

#include "base/CodeRedArr.h"
#include "history/DrawHistory.h"
#include "recommend/Frequency.h"
#include "recommend/RecommendResult.h"

// The ticket forecasts: single tickets spread evenly over the red sets that hold two to four cold
// numbers, and compound tickets of many reds and three blues picked from the rankings.

namespace quorvane {

// The cold numbers: those at ranking positions 20..33, always 14 of them.
TNumFlags ColdNumbersOf(const TRedRanking& ranking);

// Red sets (of all 1,107,568) with two, three or four cold numbers. For any 14 cold numbers this is
// C(14,2)·C(19,4) + C(14,3)·C(19,3) + C(14,4)·C(19,2) = 876,603.
std::int32_t CountQualifyingTickets(const TNumFlags& cold);

// The qualifying red set at an ordinal 0..CountQualifyingTickets-1 among the qualifying sets in
// pool order (ascending lexicographic), found without enumerating the pool.
TCodeRedArr QualifyingTicketAt(const TNumFlags& cold, std::int32_t ordinal);

// "单注推荐": cold numbers from the boosted red counts of the last 40 draws; for each group size g
// of 100, 200 and 500 the header "单注预测(g注):", g tickets and an empty line: 806 lines. With
// step = qualifying count div g, ticket k (0-based) of a group is the qualifying set numbered
// step + k * (step - 1), counting from 1. Status "完成 单注预测". Reads only the history: any shrink
// result stays as it is. Throws UserError with kForecastTooFewDraws below 40 draws.
RecommendResult SingleTicketForecast(const DrawHistory& history);

// The three items of the compound-forecast menu.
enum class CompoundKind
{
    Reds22Groups2,  // "复式推荐(23码)推荐2组": 2 groups of 22 reds and 3 blues
    Reds15Groups20, // "复式推荐(15码)推荐20组": 20 groups of 15 reds and 3 blues
    Reds12Groups30, // "复式推荐(12码)推荐30组": 30 groups of 12 reds and 3 blues
};

// The menu caption of an item.
const char* CompoundCaption(CompoundKind kind);

// One compound forecast: per group the header «复式推荐(第1组):22+3个号» and the line of reds "+"
// blues, each in ranking-position order. The reds 18..33 and the blues 1..3 are ranked last. Status
// "完成 复式推荐". Throws UserError with kForecastTooFewDraws below 37 draws.
RecommendResult CompoundForecast(const DrawHistory& history, CompoundKind kind);

} // namespace quorvane
