#pragma once

#include "history/DrawHistory.h"
#include "recommend/RecommendResult.h"

// The four number recommendations: fixed picks of ranking positions over the red counts of the last
// 40 draws, with the big numbers 18..33 held at the end of the ranking.

namespace quorvane {

// Draws the four number recommendations count.
inline constexpr int kNumberRecommendDraws = 40;

// "冷码推荐": three groups, e.g. «冷码推荐(第1组)4个号» then «7,12,3,19»; status "完成 冷码推荐".
RecommendResult ColdNumberRecommend(const DrawHistory& history);
// "热码推荐": three groups under «热码推荐(第j组)k个号»; status "完成 热码推荐".
RecommendResult HotNumberRecommend(const DrawHistory& history);
// "必出码荐": one group under «必出码推荐:5个号»; status "完成 必出码推荐".
RecommendResult MustNumberRecommend(const DrawHistory& history);
// "胆码推荐": one group under «胆码推荐:5个号»; status "完成 胆码推荐".
RecommendResult BankerNumberRecommend(const DrawHistory& history);

} // namespace quorvane
