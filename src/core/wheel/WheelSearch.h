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
    // The time ran out before the greedy start was complete: the rest was covered by plain blocks
    // and no local search was made.
    bool StoppedEarly = false;
};

// Six-point blocks over points 0..points-1 (7 <= points <= 33) such that every match-set shares at
// least `keep` points with one of them (keep <= match <= 6): a greedy start, then a local search
// that removes a block whenever the cover is complete and moves single points of blocks to cover
// the match-sets left open (simulated annealing), until the budget runs out. Returns the smallest
// complete cover found.
WheelSearchResult SearchWheel(int points, int match, int keep, const SearchOptions& options);

} // namespace quorvane
