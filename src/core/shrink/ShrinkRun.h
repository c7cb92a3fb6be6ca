#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "base/TicketPool.h"
#include "history/DrawHistory.h"
#include "shrink/ShrinkConditions.h"

// The shrink command ("缩水计算"): every red set that passes all active conditions survives; the
// result memo lists the chosen blues, the survivor count and, below 20,000, the tickets.

namespace quorvane {

struct ConditionVerdicts;

// The progress window: its title and the maximum of its bar.
inline constexpr const char* kShrinkProgressTitle = "正在进行缩水计算...";
inline constexpr int kShrinkProgressMaximum = 3740;

// The result memo lists the tickets only up to this many survivors.
inline constexpr std::int32_t kShrinkListLimit = 19999;

// The local date and time for the first result line.
using LocalClock = std::function<std::tm()>;

struct ShrinkRunOptions
{
    // Empty: the system clock (LocalNow).
    LocalClock Clock;
    // Called with each new position 0..kShrinkProgressMaximum of the progress bar (first 0), a few
    // hundred times per run at most; the caller repaints no more often than it likes. The bar
    // advances by about 110 for each sweep a stage-by-stage run would make.
    std::function<void(int position)> Progress;
    // When set, receives the verdicts of the run's conditions (ComputeVerdicts), for the stage
    // report; a run with a tolerance computes them anyway.
    ConditionVerdicts* Verdicts = nullptr;
    // False leaves the tickets (and the line saying there are too many to list) out of the memo, for
    // a caller that lists the survivors, or a list made from them, itself.
    bool MemoTickets = true;
};

// Line 1 of the result: "Quorvane " + the date as yyyy.MM.dd + " " + the time as HH:mm:ss.
std::string ShrinkHeaderLine(const std::tm& now);

// Runs the shrink: compiles the conditions (a number list with a piece that is not a whole number
// throws UserError with the integer message before pool and flags are touched, and so do analysis
// settings out of range), rebuilds the pool and its flags, applies every active stage and returns
// the lines of the result memo. With a tolerance other than 0..0 a ticket of the base survives
// when it fails Min..Max active conditions, and the memo gives, above the count, the tolerance
// and how many tickets fail each number of conditions within it.
std::vector<std::string> RunShrink(const ShrinkConditions& conditions, const DrawHistory& history,
                                   TicketPool& pool, SurvivorFlags& flags,
                                   const ShrinkRunOptions& options = {});

// "容错0..2：保留不满足0至2个条件的号码": the memo's line for a tolerance.
std::string ToleranceLine(const TRangePair& tolerance);

// With stage 43 switched on, its position edits (tj4AnWeiC3EdArr, tj4AnWeiZdEdArr) are trimmed
// before the run and keep the trimmed texts: the condition pages call this before RunShrink so that
// the edits show them. The run's result does not depend on it.
void TrimPositionEdits(ShrinkConditions& conditions);

// The survivor flags alone (pool order, with the tolerance), for callers that need no pool and no
// text.
SurvivorFlags ShrinkSurvivors(const ShrinkConditions& conditions, const DrawHistory& history);

} // namespace quorvane
