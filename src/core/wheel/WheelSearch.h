#pragma once

#include <cstdint>
#include <vector>

#include "wheel/PointSets.h"
#include "wheel/SearchBudget.h"

namespace quorvane {

struct WheelSearchResult
{
    std::vector<PointMask> Blocks; // six-point blocks over the points 0..points-1
    std::uint64_t Steps = 0;       // local-search steps made
    double FoundSeconds = 0;       // when the returned blocks were found, from the start
    // The time ran out before the greedy start was complete: the rest was covered by plain blocks
    // and no local search was made.
    bool StoppedEarly = false;
};

// Six-point blocks over points 0..points-1 (7 <= points <= 33) such that every match-set shares at
// least `keep` points with one of them (keep <= match <= 6). Each search is a greedy start, then a
// local search that removes a block whenever the cover is complete and moves single points of
// blocks to cover the match-sets left open (simulated annealing). Good covers are often made of
// whole orbits under turning the points in a cycle, and searching over orbits is far smaller, so
// the first half of the budget goes to two searches over orbits (cycles of points - 1 points with
// one point fixed, and of all points); the better of them, turned into whole orbits, starts the
// plain search for the rest of the budget. Returns the smallest complete cover found.
WheelSearchResult SearchWheel(int points, int match, int keep, const SearchOptions& options);

} // namespace quorvane
