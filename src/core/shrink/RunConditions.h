#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/DrawHistory.h"
#include "shrink/ShrinkConditions.h"
#include "shrink/ShrinkPlan.h"

// The conditions of a shrink run, one by one: every stage of the condition pages, each of the
// sixteen ranges of "常规缩水" (one stage each), and the exclusion of past draws. The red selection
// of "选号范围" (stage 8) is the base of the run, not a condition: a ticket outside it is never
// kept. Each condition is compiled alone, from the settings with every other condition at its
// start value, so that a ticket's verdict on each can be told apart; a ticket passes the whole run
// exactly when it lies in the base and passes every active condition.

namespace quorvane {

// The stage number of the exclusion of past draws, which runs after stage 49.
inline constexpr int kExcludeDrawnStage = 50;

struct RunCondition
{
    int Stage = 0; // 1..50, never 8
    int Item = -1; // 0..15 for the ranges of stage 48, else -1
    // Page and caption, e.g. "条件一·奇偶比设定", "常规缩水·号码和值".
    std::string Name;
    // Compares with the latest draw of the history (stage 23).
    bool ReadsLatestDraw = false;
    // Looks at the draws of the history (the exclusion of past draws).
    bool ReadsDraws = false;
};

// Every condition in run order, active or not.
const std::vector<RunCondition>& AllRunConditions();

// The settings of one condition alone: its controls as in `conditions`, every other control at
// its start value (the red selection included).
ShrinkConditions IsolateCondition(const ShrinkConditions& conditions, const RunCondition& condition);

// A condition that is active with the given settings, with its plan compiled alone.
struct ActiveCondition
{
    const RunCondition* Condition = nullptr;
    ShrinkPlan Plan;
};

// The active conditions in run order, each compiled alone against the history. Throws UserError
// for a number list that does not convert, as the run does.
std::vector<ActiveCondition> CompileActiveConditions(const ShrinkConditions& conditions,
                                                     const DrawHistory& history);

// The base of the run: the numbers (bit n) of the red selection, all of 1..33 when none is checked.
std::uint64_t BaseNumbers(const ShrinkConditions& conditions);

// True when the red selection is active (at least one red checked).
bool BaseActive(const ShrinkConditions& conditions);

} // namespace quorvane
