#pragma once

#include <cstdint>
#include <functional>

#include "base/TicketPool.h"
#include "shrink/ShrinkPlan.h"

namespace quorvane {

// Called now and then during the run with the number of pool entries (in pool order) that have
// been decided so far, 0..kPoolCount.
using ShrinkEngineProgress = std::function<void(std::int32_t decided)>;

// Sets flags to kPoolCount entries: 1 for every red set (in pool order) that passes the plan, 0
// for the others. The sets are enumerated in pool order with the state of each prefix carried down
// the positions: positions and gaps prune whole branches, most tests are applied to all candidates
// for the sixth number at once, and only the AC value is computed per ticket.
void ApplyShrinkPlan(const ShrinkPlan& plan, SurvivorFlags& flags, const ShrinkEngineProgress& progress = {});

} // namespace quorvane
