#pragma once

#include <cstdint>
#include <vector>

// The fault-tolerant filter turned around: instead of trying every reference line for every
// ticket, enumerate for every line the tickets that share an allowed count of numbers with it. For
// lines that few tickets match (an allowed count of 5 or 6, say) this is far cheaper than the
// ticket-side search, which finds no early match for them.

namespace quorvane {

// How many red sets share exactly c numbers with a line of m distinct numbers (1..33), summed over
// the counts c whose bit is set.
double TicketsSharingCounts(int m, unsigned counts);

// True when marking the tickets of every line costs less than searching the lines for each
// five-number prefix (which stops as soon as the lines found cover every candidate).
bool MarkingIsCheaper(const std::vector<std::uint64_t>& lines, unsigned counts);

// One bit per pool ordinal (bit i of word i / 64): set when some line (a number mask, bit n for
// n) shares with the ticket a count of numbers whose bit is set in counts.
std::vector<std::uint64_t> MarkLineTickets(const std::vector<std::uint64_t>& lines, unsigned counts);

} // namespace quorvane
