#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "history/DrawHistory.h"

// Frequency counts of the recent draws and the rankings built on them: the common ground of every
// recommendation.

namespace quorvane {

// Failure text of a count that needs more draws than the history holds.
inline constexpr const char* kForecastTooFewDraws =
    "开奖数据期数少于统计分析需要的期数，无法继续完成智能预测功能！！";

// The red count needs the draws 36 and 37 places back for its position boost.
inline constexpr int kRedCountMinDraws = 37;

// Red counts indexed by the number 1..33 (index 0 unused). -1 marks a number excluded from the
// ranking by the caller.
using TRedCounts = std::array<int, 34>;
// Blue counts indexed by the number 1..16 (index 0 unused).
using TBlueCounts = std::array<int, 17>;

// Rankings: index 0..32 (0..15) holds ranking positions 1..33 (1..16); position 1 is the most
// frequent number.
using TRedRanking = std::array<int, 33>;
using TBlueRanking = std::array<int, 16>;

// How often each red occurs in the last n draws, then the position boost: with m the highest count,
// the reds at positions 1, 3, 5 of the draw 36 places back and at positions 2, 4, 6 of the draw 37
// places back get m + 1, whatever n is. Reds outside 1..33 are not counted. Throws UserError with
// kForecastTooFewDraws when the history holds fewer than n or fewer than 37 draws.
TRedCounts CountRedFrequency(const DrawHistory& history, int n);

// How often each blue 1..16 was the blue of the last n draws (no boost). Throws UserError with
// kForecastTooFewDraws when the history holds fewer than n draws.
TBlueCounts CountBlueFrequency(const DrawHistory& history, int n);

// The numbers ordered by count, highest first; equal counts keep ascending number order, so the
// excluded numbers (-1) come last in ascending order.
TRedRanking RankRedNumbers(const TRedCounts& counts);
TBlueRanking RankBlueNumbers(const TBlueCounts& counts);

// The ranking of CountRedFrequency(history, n) with the big numbers 18..33 excluded: positions
// 1..17 rank the numbers 1..17 (boost included), positions 18..33 hold 18..33 in order.
TRedRanking RankSmallRedNumbers(const DrawHistory& history, int n);

struct JoinedSelection
{
    std::string Text; // the selected values joined by the separator
    int Count = 0;    // how many values were joined
};

// The decimal form (no leading zero) of every value whose flag is set, in position order, joined
// by the separator. No flag set gives "" and 0.
JoinedSelection JoinSelected(const int* values, const bool* flags, std::size_t size,
                             std::string_view separator);

template <std::size_t N>
JoinedSelection JoinSelected(const std::array<int, N>& values, const std::array<bool, N>& flags,
                             std::string_view separator)
{
    return JoinSelected(values.data(), flags.data(), N, separator);
}

// The position picks every recommendation makes: index (i * stride + start) mod N set for
// i = 0..picks-1. Indices that coincide are set once.
template <std::size_t N> std::array<bool, N> StridePicks(int picks, int stride, int start)
{
    std::array<bool, N> flags{};
    for (int i = 0; i < picks; ++i) {
        flags[static_cast<std::size_t>((i * stride + start) % static_cast<int>(N))] = true;
    }
    return flags;
}

} // namespace quorvane
