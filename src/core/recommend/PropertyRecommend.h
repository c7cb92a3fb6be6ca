#pragma once

#include <vector>

#include "history/DrawHistory.h"
#include "recommend/RecommendResult.h"

// Recommendations of properties of the next draw: tail digits, odd:even ratios, zone sums.

namespace quorvane {

inline constexpr const char* kOddEvenTooFewDraws = "开奖号码过少，无法完成奇偶比推荐!";
inline constexpr const char* kZoneSumTooFewDraws = "开奖号码过少，无法完成和值推荐!";

// "尾数推荐": the tails of the reds of the last 20 draws ranked by count (ties in the order
// 1, 0, 2, 3, ..., 9); two groups of ranking positions {0, 4, 8} and {1, 5, 8}, each as the header
// «尾数推荐:3个号» and the tails. Status "完成 尾数推荐". Throws UserError with
// kForecastTooFewDraws below 20 draws.
RecommendResult TailRecommend(const DrawHistory& history);

// "奇偶比荐": an empty line, «奇偶比推荐(共3组):» and one ratio per draw 99, 100 and 101 places back:
// the ratio text with index (odd count + 2) mod 6 of "0:6" .. "5:1". No status text. Throws
// UserError with kOddEvenTooFewDraws below 198 draws.
RecommendResult OddEvenRecommend(const DrawHistory& history);

// Every value the sum of the reds in three-zone 1..3 can take, 0 for a zone without reds, ascending:
// 52, 105 and 142 values.
const std::vector<int>& ZoneSumCandidates(int zone);

// The menu caption of a zone-sum item: "1区和值推荐" .. "3区和值推荐".
const char* ZoneSumCaption(int zone);

// "1区和值推荐" .. "3区和值推荐" (zone 1..3): the zone's candidate sums that occurred least often in
// the last 138, 158 or 148 draws, rarest first (ties: smaller sum first), 12, 16 or 19 of them: an
// empty line, the header «1区和值推荐(共12个):» and the line «和值0,和值1,...,». No status text.
// Throws UserError with kZoneSumTooFewDraws when the history is shorter than the draws examined.
RecommendResult ZoneSumRecommend(const DrawHistory& history, int zone);

} // namespace quorvane
