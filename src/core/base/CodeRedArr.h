#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace quorvane {

// Six red numbers of a draw or ticket, one byte each. Index 0..5 holds red positions 1..6: six
// distinct values in 1..33, strictly ascending. Every measure relies on that invariant.
using TCodeRedArr = std::array<std::uint8_t, 6>;
using TCodeRedArrArr = std::vector<TCodeRedArr>;

// Number-flag table indexed by the number 0..33 (index 0 never set).
using TNumFlags = std::array<bool, 34>;
// Tail-flag table indexed by the last digit 0..9.
using TTailFlags = std::array<bool, 10>;

// Six numbers in any order as a red set (sorted ascending); std::nullopt unless they are six
// distinct numbers in 1..33.
std::optional<TCodeRedArr> ToCodeRedArr(std::array<int, 6> numbers);

} // namespace quorvane
