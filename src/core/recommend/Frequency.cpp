#include "recommend/Frequency.h"

#include <algorithm>

#include "text/UserError.h"

namespace quorvane {

namespace {

// The numbers 1..N ordered by count, highest first; an insertion sort keeps equal counts in
// ascending number order and needs no buffer.
template <std::size_t N> std::array<int, N> RankByCount(const std::array<int, N + 1>& counts)
{
    std::array<int, N> ranking{};
    for (std::size_t i = 0; i < N; ++i) {
        const int number = static_cast<int>(i) + 1;
        std::size_t j = i;
        while (j > 0 && counts[static_cast<std::size_t>(ranking[j - 1])] < counts[i + 1]) {
            ranking[j] = ranking[j - 1];
            --j;
        }
        ranking[j] = number;
    }
    return ranking;
}

bool IsRed(int n)
{
    return n >= 1 && n <= 33;
}

} // namespace

TRedCounts CountRedFrequency(const DrawHistory& history, int n)
{
    const auto length = static_cast<std::ptrdiff_t>(history.size());
    if (length < n || length < kRedCountMinDraws) {
        throw UserError(kForecastTooFewDraws);
    }
    TRedCounts counts{};
    for (std::ptrdiff_t i = length - 1; i >= length - n; --i) {
        for (const int red : history[static_cast<std::size_t>(i)].Reds) {
            if (IsRed(red)) {
                ++counts[static_cast<std::size_t>(red)];
            }
        }
    }
    const int boosted = *std::max_element(counts.begin(), counts.end()) + 1;
    const TCodeRedArr& back36 = history[static_cast<std::size_t>(length - 36)].Reds;
    const TCodeRedArr& back37 = history[static_cast<std::size_t>(length - 37)].Reds;
    for (const int red : {back36[0], back36[2], back36[4], back37[1], back37[3], back37[5]}) {
        if (IsRed(red)) {
            counts[static_cast<std::size_t>(red)] = boosted;
        }
    }
    return counts;
}

TBlueCounts CountBlueFrequency(const DrawHistory& history, int n)
{
    const auto length = static_cast<std::ptrdiff_t>(history.size());
    if (length < n) {
        throw UserError(kForecastTooFewDraws);
    }
    TBlueCounts counts{};
    for (std::ptrdiff_t i = length - 1; i >= length - n; --i) {
        const int blue = history[static_cast<std::size_t>(i)].Blue;
        if (blue >= 1 && blue <= 16) {
            ++counts[static_cast<std::size_t>(blue)];
        }
    }
    return counts;
}

TRedRanking RankRedNumbers(const TRedCounts& counts)
{
    return RankByCount<33>(counts);
}

TBlueRanking RankBlueNumbers(const TBlueCounts& counts)
{
    return RankByCount<16>(counts);
}

TRedRanking RankSmallRedNumbers(const DrawHistory& history, int n)
{
    TRedCounts counts = CountRedFrequency(history, n);
    for (std::size_t big = 18; big <= 33; ++big) {
        counts[big] = -1;
    }
    return RankRedNumbers(counts);
}

JoinedSelection JoinSelected(const int* values, const bool* flags, std::size_t size,
                             std::string_view separator)
{
    JoinedSelection joined;
    for (std::size_t i = 0; i < size; ++i) {
        if (!flags[i]) {
            continue;
        }
        if (joined.Count > 0) {
            joined.Text += separator;
        }
        joined.Text += std::to_string(values[i]);
        ++joined.Count;
    }
    return joined;
}

} // namespace quorvane
