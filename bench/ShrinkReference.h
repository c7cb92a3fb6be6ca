#pragma once

#include "base/TicketPool.h"
#include "history/DrawHistory.h"
#include "shrink/ShrinkConditions.h"

// A straightforward stage-by-stage shrink: every active stage sweeps the whole pool once (stages 1
// to 7 once per selector or edit, stage 48 once per item), computing its measure of each surviving
// ticket with the measure functions and clearing the flag when the test fails. It is slow on
// purpose: it is the plain reading that the fast run is checked against and measured against.

namespace quorvane::reference {

// Number of stages of the run: the 49 of the condition pages, then stage 50, the exclusion of past
// draws ("排除历史开奖号码").
inline constexpr int kStageCount = 50;

// Runs one stage (1..50) over the flags. Throws UserError for a number list that does not convert.
void RunStage(int stage, const ShrinkConditions& c, const DrawHistory& history, const TicketPool& pool,
              SurvivorFlags& flags);

// Builds nothing: flags must hold one entry per pool entry. Runs the stages 1..50 in order.
void RunAllStages(const ShrinkConditions& c, const DrawHistory& history, const TicketPool& pool,
                  SurvivorFlags& flags);

} // namespace quorvane::reference
