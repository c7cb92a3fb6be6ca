#pragma once

#include <string>
#include <vector>

#include "history/DrawHistory.h"

namespace quorvane {

// The query view's lines: from the draw with that issue number (the last such draw when it occurs
// twice) forward in time, at most count draws. Unknown issue or count <= 0: no lines.
// A line reads "第2005013期,开奖号:03 08 14 21 27 30 09".
std::vector<std::string> QueryIssues(const DrawHistory& history, long long issue, long long count);

// One query line for a draw.
std::string FormatQueryLine(const TBeenCodesRec& draw);

} // namespace quorvane
