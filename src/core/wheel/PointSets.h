#pragma once

#include <array>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "base/CodeRedArr.h"

// Sets of at most 33 points as bit masks, their colex ranks, and subset enumeration: the counting
// tools that the wheel checker and both searches share. A wheel numbers its chosen points 0..v-1
// (point i = the i-th smallest chosen number); the checker and the reduction use point n - 1 for
// red number n.

namespace quorvane {

using PointMask = std::uint64_t;

// Counted with shifts and masks: in a build for any x86-64 processor the compiler's population
// count is a library call, and the searches count points in their inner loops.
inline int PointCount(PointMask set)
{
    set -= (set >> 1) & 0x5555555555555555u;
    set = (set & 0x3333333333333333u) + ((set >> 2) & 0x3333333333333333u);
    set = (set + (set >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((set * 0x0101010101010101u) >> 56);
}

// The lowest point of a non-empty set.
inline int LowestPoint(PointMask set)
{
    return __builtin_ctzll(set);
}

inline PointMask PointBit(int point)
{
    return PointMask{1} << point;
}

// The set with each point p < cycle moved to (p + by) mod cycle; points from `cycle` up stay.
inline PointMask TurnPoints(PointMask set, int by, int cycle)
{
    const PointMask ring = (PointMask{1} << cycle) - 1;
    const PointMask moving = set & ring;
    return (set & ~ring) | (((moving << by) | (moving >> (cycle - by))) & ring);
}

// The points of a set in ascending order; returns how many were written (at most 33).
int PointsOf(PointMask set, std::array<std::int8_t, 33>& points);

// The point set of a red set (red number n -> point n - 1), and back.
PointMask MaskOfTicket(const TCodeRedArr& reds);
TCodeRedArr TicketOfMask(PointMask set);

namespace detail {
// The rank is summed over three 11-point chunks: kRankChunks[c][bits][q] is the share of chunk c
// holding `bits` when q points of the set lie below the chunk.
inline constexpr int kRankChunkBits = 11;
using RankChunks = std::array<std::array<std::array<std::int32_t, 7>, 1 << kRankChunkBits>, 3>;
extern const RankChunks kRankChunks;
} // namespace detail

// The colex rank of a set of at most six points {p0 < p1 < ...}: the sum of C(p_i, i + 1). The
// k-sets of the points 0..n-1 have exactly the ranks 0..C(n, k) - 1.
inline std::int32_t ColexRank(PointMask set)
{
    constexpr PointMask kChunk = (PointMask{1} << detail::kRankChunkBits) - 1;
    const auto lo = static_cast<std::size_t>(set & kChunk);
    const auto mid = static_cast<std::size_t>(set >> detail::kRankChunkBits & kChunk);
    const auto hi = static_cast<std::size_t>(set >> (2 * detail::kRankChunkBits) & kChunk);
    const auto below = static_cast<std::size_t>(PointCount(lo));
    const auto belowHi =
        static_cast<std::size_t>(PointCount(set & ((PointMask{1} << (2 * detail::kRankChunkBits)) - 1)));
    return detail::kRankChunks[0][lo][0] + detail::kRankChunks[1][mid][below < 6 ? below : 6] +
           detail::kRankChunks[2][hi][belowHi < 6 ? belowHi : 6];
}

// The k-set (k <= 6) of colex rank `rank` among the k-sets of the points 0..points-1.
PointMask ColexUnrank(std::int32_t rank, int k, int points = 33);

// Calls fn(PointMask subset) for every k-point subset of `set`, in lexicographic order of the
// subsets' points. k = 0 gives the empty set once; k larger than the set gives none. When fn returns
// a bool, false stops the walk; the result is false when it was stopped.
template <typename Fn> bool ForEachSubset(PointMask set, int k, Fn&& fn)
{
    constexpr bool kStoppable = std::is_same_v<decltype(fn(PointMask{0})), bool>;
    if (k == 0) {
        if constexpr (kStoppable) {
            return fn(PointMask{0});
        } else {
            fn(PointMask{0});
            return true;
        }
    }
    std::array<std::int8_t, 33> points{};
    const int n = PointsOf(set, points);
    if (k < 0 || k > n) {
        return true;
    }
    std::array<int, 33> at{};
    for (int i = 0; i < k; ++i) {
        at[static_cast<std::size_t>(i)] = i;
    }
    for (;;) {
        PointMask subset = 0;
        for (int i = 0; i < k; ++i) {
            subset |= PointBit(points[static_cast<std::size_t>(at[static_cast<std::size_t>(i)])]);
        }
        if constexpr (kStoppable) {
            if (!fn(subset)) {
                return false;
            }
        } else {
            fn(subset);
        }
        int i = k - 1;
        while (i >= 0 && at[static_cast<std::size_t>(i)] == n - k + i) {
            --i;
        }
        if (i < 0) {
            return true;
        }
        ++at[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) {
            at[static_cast<std::size_t>(j)] = at[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

// The k-subsets of a set, listed once, for loops that walk them many times.
std::vector<PointMask> SubsetsOf(PointMask set, int k);

} // namespace quorvane
