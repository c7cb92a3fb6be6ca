#pragma once

#include <cstdint>
#include <vector>

#include "base/CodeRedArr.h"
#include "wheel/SearchBudget.h"
#include "wheel/WheelGuarantee.h"

// The wheel builder ("旋转矩阵"): a short list of tickets on the chosen numbers that keeps a
// guarantee (see WheelGuarantee.h).

namespace quorvane {

struct Wheel
{
    std::vector<int> Numbers; // the chosen numbers, ascending
    WheelGuarantee Guarantee;
    TCodeRedArrArr Tickets;    // numbers ascending in each ticket, tickets in ascending order
    std::uint64_t Steps = 0;   // local-search steps made
    double FoundSeconds = 0;   // when the search found these tickets, from its start
    bool StoppedEarly = false; // the time ran out before the greedy start was complete
};

// Builds the wheel: for 中6保6 every combination of six chosen numbers; for the other guarantees
// the search of WheelSearch.h within the options' budget. Throws std::invalid_argument for numbers
// or a guarantee that CheckWheel refuses (the command line checks them first with its messages).
Wheel BuildWheel(const std::vector<int>& numbers, WheelGuarantee guarantee, const SearchOptions& options);

} // namespace quorvane
