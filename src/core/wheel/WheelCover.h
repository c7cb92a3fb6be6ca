#pragma once

#include <cstdint>
#include <vector>

#include "wheel/PointSets.h"

namespace quorvane {

// How a list of six-point blocks covers the match-sets (sets of `match` points) of the points
// 0..points-1: a block covers a match-set when they share at least `keep` points. Holds a count per
// match-set and the list of the uncovered ones, so that a search can ask what adding, removing or
// changing one block would do. The blocks themselves are the caller's.
//
// With a cycle c > 0 the blocks stand for their orbits under turning the points 0..c-1 (point i to
// i + 1 mod c; the points from c up stay): the match-sets are then counted by orbit, and an orbit is
// covered when one block covers one of its sets, because turning the block covers the rest. Targets
// are numbered by colex rank without a cycle, by orbit with one.
class WheelCover final
{
public:
    WheelCover(int points, int match, int keep, int cycle = 0);

    int Points() const { return m_points; }
    int Match() const { return m_match; }
    int Keep() const { return m_keep; }
    PointMask AllPoints() const { return m_all; }
    int Cycle() const { return m_cycle; }
    std::int32_t TargetCount() const { return static_cast<std::int32_t>(m_count.size()); }

    std::int32_t UncoveredCount() const { return static_cast<std::int32_t>(m_uncovered.size()); }
    // The i-th uncovered target (the order changes as the cover changes).
    std::int32_t Uncovered(std::size_t i) const { return m_uncovered[i]; }
    bool IsCovered(std::int32_t target) const { return m_count[static_cast<std::size_t>(target)] > 0; }
    // The match-set of a target (with a cycle, the first of its orbit in colex order).
    PointMask TargetSet(std::int32_t target) const
    {
        return ColexUnrank(m_reps.empty() ? target : m_reps[static_cast<std::size_t>(target)], m_match,
                           m_points);
    }

    // Calls fn(rank) for every match-set the block covers.
    template <typename Fn> void ForEachCovered(PointMask block, Fn&& fn) const
    {
        const PointMask outside = m_all & ~block;
        for (int inside = m_keep; inside <= 6 && inside <= m_match; ++inside) {
            ForEachSubset(block, inside, [&](PointMask in) {
                ForEachSubset(outside, m_match - inside, [&](PointMask out) { fn(ColexRank(in | out)); });
            });
        }
    }

    // The number of match-sets the block covers (the same for every block).
    std::int64_t CoveredPerBlock() const { return m_perBlock; }

    void Add(PointMask block);
    void Remove(PointMask block);

    // Uncovered match-sets that the block would cover.
    std::int32_t Gain(PointMask block) const;
    // Match-sets that only this block (one of the list) covers.
    std::int32_t Loss(PointMask block) const;

    // The change of the uncovered count when point `out` of a listed block is replaced by `in`.
    // Keeps the match-sets it looked at, so that ApplyMove makes that move without looking again.
    std::int32_t MoveDelta(PointMask block, int out, int in);
    void ApplyMove();

private:
    std::size_t Target(std::int32_t rank) const
    {
        return static_cast<std::size_t>(m_orbitOf.empty() ? rank : m_orbitOf[static_cast<std::size_t>(rank)]);
    }
    void Cover(std::int32_t rank);
    void Uncover(std::int32_t rank);

    int m_points;
    int m_match;
    int m_keep;
    PointMask m_all;
    int m_cycle;
    std::int64_t m_perBlock = 0;
    std::vector<std::int32_t> m_orbitOf;   // with a cycle: per colex rank, its orbit
    std::vector<std::int32_t> m_reps;      // with a cycle: per orbit, its first rank
    std::vector<std::int32_t> m_count;     // per target: the covering (block, match-set) pairs
    std::vector<std::int32_t> m_uncovered; // the targets no block covers
    std::vector<std::int32_t> m_where;     // per target: its index in m_uncovered, or -1
    // The match-sets of the last MoveDelta that the move uncovers and covers (by that block).
    std::vector<std::int32_t> m_leaving;
    std::vector<std::int32_t> m_entering;
    std::vector<PointMask> m_others; // scratch of MoveDelta: the outside parts of those sets
};

} // namespace quorvane
