#include "wheel/WheelBuilder.h"

#include <algorithm>
#include <stdexcept>

#include "wheel/PointSets.h"
#include "wheel/WheelSearch.h"

namespace quorvane {

namespace {

// The ticket of a block over the points 0..v-1, where point i is the i-th chosen number.
TCodeRedArr TicketOfBlock(PointMask block, const std::vector<int>& numbers)
{
    TCodeRedArr ticket{};
    for (auto& n : ticket) {
        n = static_cast<std::uint8_t>(numbers[static_cast<std::size_t>(LowestPoint(block))]);
        block &= block - 1;
    }
    return ticket;
}

} // namespace

Wheel BuildWheel(const std::vector<int>& numbers, WheelGuarantee guarantee, const SearchOptions& options)
{
    Wheel wheel;
    wheel.Numbers = numbers;
    std::sort(wheel.Numbers.begin(), wheel.Numbers.end());
    const auto v = static_cast<int>(wheel.Numbers.size());
    if (v < kWheelMinNumbers || v > kWheelMaxNumbers || wheel.Numbers.front() < 1 ||
        wheel.Numbers.back() > 33 ||
        std::adjacent_find(wheel.Numbers.begin(), wheel.Numbers.end()) != wheel.Numbers.end()) {
        throw std::invalid_argument("a wheel needs 7..33 distinct numbers 1..33");
    }
    if (!IsWheelGuarantee(guarantee)) {
        throw std::invalid_argument("not a wheel guarantee");
    }
    wheel.Guarantee = guarantee;

    const PointMask all = (PointMask{1} << v) - 1;
    std::vector<PointMask> blocks;
    const int match = EffectiveMatch(v, guarantee);
    if (guarantee.Keep == 6) {
        // Only the drawn six themselves hold all six: every combination is needed.
        ForEachSubset(all, 6, [&blocks](PointMask b) { blocks.push_back(b); });
    } else {
        WheelSearchResult found = SearchWheel(v, match, guarantee.Keep, options);
        blocks = std::move(found.Blocks);
        wheel.Steps = found.Steps;
        wheel.FoundSeconds = found.FoundSeconds;
        wheel.StoppedEarly = found.StoppedEarly;
    }
    wheel.Tickets.reserve(blocks.size());
    for (const PointMask b : blocks) {
        wheel.Tickets.push_back(TicketOfBlock(b, wheel.Numbers));
    }
    std::sort(wheel.Tickets.begin(), wheel.Tickets.end());
    wheel.Tickets.erase(std::unique(wheel.Tickets.begin(), wheel.Tickets.end()), wheel.Tickets.end());
    return wheel;
}

} // namespace quorvane
