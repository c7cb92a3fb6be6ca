#pragma once

#include <string>
#include <vector>

#include "base/Random.h"
#include "history/DrawHistory.h"

// The reference lines of the fault-tolerant filter (the memo ssTb4SheetGbx1Memo), as the radio
// buttons of the page "其他设置" fill them.

namespace quorvane {

// A random set of k numbers: up to 1001 draws n = trunc(r * 33) + 1 from the generator, each new
// number kept until k are kept (fewer if the draws run out); the kept numbers ascending, each as
// two digits followed by one space ("03 08 14 21 27 33 ").
std::string RandomReferenceLine(Random& random, int k);

// count random sets of k numbers (none for count <= 0).
std::vector<std::string> RandomReferenceLines(Random& random, int k, int count);

// The red sets of the last count draws, newest first, as FormatTicket writes them; at most the
// number of draws held.
std::vector<std::string> HistoryReferenceLines(const DrawHistory& history, int count);

} // namespace quorvane
