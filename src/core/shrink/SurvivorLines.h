#pragma once

#include <string>
#include <vector>

#include "base/TicketPool.h"

namespace quorvane {

// Appends the survivors in pool order: five tickets to a line, each written with FormatTicket and
// followed by ", " (also after the fifth); a last shorter line if any remain; then one empty line.
void FormatSurvivorLines(const TicketPool& pool, const SurvivorFlags& flags, std::vector<std::string>& lines);

} // namespace quorvane
