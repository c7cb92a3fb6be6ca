#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "measures/CodeRedArr.h"

namespace quorvane {

// Number of strictly ascending six-number sets over 1..33: C(33, 6).
inline constexpr std::int32_t kPoolCount = 1107568;

// Every red set in ascending lexicographic order: entry 0 is 01 02 03 04 05 06, entry 1 is
// 01 02 03 04 05 07, the last entry is 28 29 30 31 32 33.
using TicketPool = TCodeRedArrArr;

// One byte per pool entry: 1 = still alive, 0 = removed.
using SurvivorFlags = std::vector<std::uint8_t>;

// Fills the list with all kPoolCount red sets in pool order.
void BuildTicketPool(TicketPool& pool);

// The red set at an ordinal position 0..kPoolCount-1 of the pool order, without building the pool.
TCodeRedArr TicketAt(std::int32_t ordinal);

// The ordinal position of a valid red set in the pool order.
std::int32_t OrdinalOfTicket(const TCodeRedArr& reds);

// Entries of the flags equal to 1.
std::int32_t CountSurvivors(const SurvivorFlags& flags);

// Appends the surviving tickets in pool order: five tickets to a line, each written with
// FormatTicket and followed by ", " (also after the fifth); a last shorter line if any remain;
// then one empty line.
void FormatSurvivorLines(const TicketPool& pool, const SurvivorFlags& flags, std::vector<std::string>& lines);

} // namespace quorvane
