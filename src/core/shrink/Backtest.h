#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/DrawHistory.h"
#include "shrink/RunConditions.h"
#include "shrink/ShrinkConditions.h"

// The back-test of a configuration ("回测"): for each of the last N draws of the history, that
// draw's six reds are taken as a ticket and judged by the active conditions as they would have been
// set up before that draw. A condition that compares with the latest draw uses the draw before it,
// the exclusion of past draws looks at the draws before it; every other condition is as configured.

namespace quorvane {

inline constexpr const char* kBacktestNoDrawsMessage = "没有开奖数据，无法回测。";

// "回测期数应为1至<draws>之间的整数。"
std::string BacktestCountMessage(std::size_t draws);

struct BacktestDraw
{
    TBeenCodesRec Draw;
    bool InBase = true;              // its reds lie within the red selection
    std::vector<std::size_t> Failed; // the conditions its reds fail (indices into Conditions)
    bool Kept = false;               // the whole configuration, with its tolerance, keeps its reds
};

struct BacktestResult
{
    // The active conditions in run order (as set up with the whole history).
    std::vector<const RunCondition*> Conditions;
    bool BaseActive = false;
    std::int32_t BaseKept = 0;       // draws whose reds lie within the red selection
    std::vector<std::int32_t> Kept;  // per condition: draws whose reds pass it
    std::vector<BacktestDraw> Draws; // the last N draws, oldest first
    TRangePair Tolerance;
    std::int32_t WholeKept = 0; // draws the whole configuration keeps
};

// Back-tests the last `lastN` draws. Throws UserError with kBacktestNoDrawsMessage for an empty
// history, BacktestCountMessage when lastN is not 1..history.size(), the analysis settings' message
// when they are out of range, and the integer message for a number list that does not convert; in
// every case before anything is judged.
BacktestResult RunBacktest(const ShrinkConditions& conditions, const DrawHistory& history, int lastN);

// The result as text: per condition the draws it keeps and their share, then per draw the
// conditions it fails, and last what the whole configuration keeps.
std::vector<std::string> BacktestLines(const BacktestResult& result);

} // namespace quorvane
