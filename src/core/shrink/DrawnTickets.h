#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "history/DrawHistory.h"

// The past draws that "排除历史开奖号码" excludes: of the draws before a point of the history, the
// last N (N = 0 or less: all of them).

namespace quorvane {

// The index of the first draw that the condition looks at among the first `end` draws.
std::size_t DrawnWindowStart(std::size_t end, std::int32_t lastN);

// The pool ordinals of the reds of the draws the condition looks at among the first `end` draws,
// ascending, each once.
std::vector<std::int32_t> DrawnTicketOrdinals(const DrawHistory& history, std::size_t end,
                                              std::int32_t lastN);

// For every draw, the index of the latest earlier draw with the same reds; -1 when there is none.
std::vector<std::int32_t> PreviousSameReds(const DrawHistory& history);

// True when the reds of draw i equal those of a draw that the condition looks at among the draws
// before it; previous is PreviousSameReds of the history.
bool DrawnBefore(const std::vector<std::int32_t>& previous, std::size_t i, std::int32_t lastN);

} // namespace quorvane
