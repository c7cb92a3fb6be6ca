#pragma once

#include <string>
#include <vector>

#include "wheel/ResultReduce.h"
#include "wheel/WheelBuilder.h"

// The text of a wheel and of a reduced result, each verified by the checker before it is written:
// a list the checker rejects is never shown.

namespace quorvane {

// A head line naming the guarantee and the chosen numbers, one ticket per line (FormatTicket),
// "共N注", a note when the time ran out during the greedy start, and the checker's verdict.
// Throws std::logic_error with the counterexample when the checker rejects the wheel.
std::vector<std::string> WheelReportLines(const Wheel& wheel);

// A head line with the guarantee and the counts, one ticket per line, "共N注", a note when the
// time ran out before the greedy choice was complete, and the checker's verdict over the survivors.
// Throws std::logic_error with the counterexample when the checker rejects the result, or with the
// ticket when a ticket is not one of the survivors (both lists in pool order).
std::vector<std::string> ReductionReportLines(const ReducedResult& result, const TCodeRedArrArr& survivors);

} // namespace quorvane
