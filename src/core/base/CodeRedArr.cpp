#include "base/CodeRedArr.h"

#include <algorithm>

namespace quorvane {

std::optional<TCodeRedArr> ToCodeRedArr(std::array<int, 6> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    if (numbers[0] < 1 || numbers[5] > 33 ||
        std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end()) {
        return std::nullopt;
    }
    TCodeRedArr reds{};
    for (std::size_t k = 0; k < 6; ++k) {
        reds[k] = static_cast<std::uint8_t>(numbers[k]);
    }
    return reds;
}

} // namespace quorvane
