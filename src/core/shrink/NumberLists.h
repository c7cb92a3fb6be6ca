#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The text forms that the shrink conditions read numbers from. Every piece must be a whole number:
// a piece that is not throws UserError with the integer message.

namespace quorvane {

// A number list of an edit: the pieces of SplitText(" ", text), converted.
std::vector<int> NumberList(std::string_view text);

// Killed tails: every character of the text is one digit 0..9; returns the digit set (bit d).
unsigned DigitsOfText(std::string_view text);

// A coded list entry "members&counts", both comma-separated lists. Members in 0..tableSize-1 set
// their bit of Members; counts 0..6 set their bit of Counts (counts 7..9 have a place in the
// count table but no ticket reaches them); other values are ignored.
struct CodedEntry
{
    std::uint64_t Members = 0;
    std::uint8_t Counts = 0;
};
CodedEntry ParseCodedEntry(std::string_view entry, int tableSize);

} // namespace quorvane
