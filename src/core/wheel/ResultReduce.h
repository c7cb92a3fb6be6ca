#pragma once

#include <cstdint>

#include "base/TicketPool.h"
#include "wheel/SearchBudget.h"

// The guaranteed reduction of a shrink result ("保证缩水"): a subset of the survivors such that every
// survivor shares at least `keep` reds with one of its tickets. If the winning reds are one of the
// survivors, one ticket of the subset holds at least `keep` of them.

namespace quorvane {

inline constexpr int kReduceLeastKeep = 3;
inline constexpr int kReduceMostKeep = 5;
// The budget when none is given.
inline constexpr double kReduceSeconds = 1.0;

struct ReducedResult
{
    int Keep = 4;
    std::int32_t Survivors = 0;
    TCodeRedArrArr Tickets;    // chosen survivors, in pool order
    std::uint64_t Steps = 0;   // local-search steps made
    double FoundSeconds = 0;   // when the search found these tickets, from its start
    bool StoppedEarly = false; // the time ran out before the greedy choice was complete
};

// The survivors of a run, in pool order.
TCodeRedArrArr SurvivorTickets(const TicketPool& pool, const SurvivorFlags& flags);

// Pool-order flags with 1 exactly at the given tickets, for the result commands (prize check, level
// shrink) on a reduced result.
SurvivorFlags FlagsOfTickets(const TCodeRedArrArr& tickets);

// Reduces the survivors (distinct red sets in pool order) with keep kReduceLeastKeep..
// kReduceMostKeep: a greedy choice that always takes the survivor covering most uncovered ones
// (re-counting lazily), then a local search that swaps chosen tickets to do with one fewer, until
// the budget runs out. When the budget runs out before the greedy choice is complete, every survivor
// still uncovered is taken in pool order unless one taken before covers it, and StoppedEarly is set.
// An empty list throws UserError(kReduceEmptyMessage); a keep outside the range, std::invalid_argument.
ReducedResult ReduceSurvivors(const TCodeRedArrArr& survivors, int keep, const SearchOptions& options);

} // namespace quorvane
