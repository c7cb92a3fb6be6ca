#pragma once

#include <vector>

#include "base/CodeRedArr.h"
#include "wheel/WheelGuarantee.h"

// The checker: the one exact test of every wheel and every reduced result. A ticket holds t of the
// winning reds exactly when it shares some t-set of numbers with them, so the checker collects the
// t-sets of all tickets in a bit table (C(33, t) bits) and looks up the t-sets of every case it has
// to answer for: C(v, m) sets of m chosen numbers for a wheel, the survivors for a reduction.

namespace quorvane {

struct CoverVerdict
{
    bool Holds = true;
    // When the guarantee fails: six winning reds (ascending) for which no ticket holds enough.
    TCodeRedArr Counterexample{};
};

// Checks a wheel on the chosen numbers (7..33 distinct numbers 1..33, any order): for every draw
// with at least guarantee.Match of its reds among the chosen numbers, some ticket holds at least
// guarantee.Keep of them. A counterexample takes its reds outside the chosen numbers from the
// smallest numbers that are not chosen. Throws std::invalid_argument for chosen numbers outside
// those rules, a guarantee outside kWheelGuarantees, or a ticket with a number that is not chosen.
CoverVerdict CheckWheel(const std::vector<int>& numbers, const TCodeRedArrArr& tickets,
                        WheelGuarantee guarantee);

// Checks a reduced result: every survivor shares at least `keep` (1..6) reds with some ticket; the
// counterexample is the first survivor, in the given order, that does not.
CoverVerdict CheckReduction(const TCodeRedArrArr& survivors, const TCodeRedArrArr& tickets, int keep);

} // namespace quorvane
