#pragma once

#include <vector>

#include "base/Random.h"
#include "history/DrawHistory.h"

// The quick picks of the number-selection page. Each returns the cells to check, as 0-based cell
// indices (cell k holds the number k + 1) in the order they are checked; the caller unchecks the
// whole selector first and then checks these cells one by one.

namespace quorvane {

// Message of an expert pick on a history of fewer than 30 draws.
inline constexpr const char* kExpertTooFewDraws = "开奖号码太少了，请适当增加开奖号码才能完成推荐分析。";

// "专家推荐" (red): the 22 reds at ranking positions 4..25 of the boosted counts of the last 30
// draws. Throws UserError with kExpertTooFewDraws below 30 draws, and with kForecastTooFewDraws
// below 37 (the count needs the draws 36 and 37 places back).
std::vector<int> ExpertRedPick(const DrawHistory& history);

// "专家推荐" (blue): the 9 blues at ranking positions 4..12 of the last 30 draws' blue counts.
// Throws UserError with kExpertTooFewDraws below 30 draws.
std::vector<int> ExpertBluePick(const DrawHistory& history);

// "机选号码" (red): up to 101 draws of random.Next(33); each new cell is checked until 22 are.
std::vector<int> RandomRedPick(Random& random);
// "机选号码" (blue): up to 101 draws of random.Next(16); each new cell is checked until 8 are.
std::vector<int> RandomBluePick(Random& random);

// "选择1-12": the cells 01..12.
std::vector<int> FirstTwelvePick();

} // namespace quorvane
