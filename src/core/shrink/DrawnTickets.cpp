#include "shrink/DrawnTickets.h"

#include <algorithm>
#include <unordered_map>

#include "base/TicketPool.h"

namespace quorvane {

std::size_t DrawnWindowStart(std::size_t end, std::int32_t lastN)
{
    if (lastN <= 0 || static_cast<std::size_t>(lastN) >= end) {
        return 0;
    }
    return end - static_cast<std::size_t>(lastN);
}

std::vector<std::int32_t> DrawnTicketOrdinals(const DrawHistory& history, std::size_t end, std::int32_t lastN)
{
    end = std::min(end, history.size());
    std::vector<std::int32_t> ordinals;
    for (std::size_t i = DrawnWindowStart(end, lastN); i < end; ++i) {
        ordinals.push_back(OrdinalOfTicket(history[i].Reds));
    }
    std::sort(ordinals.begin(), ordinals.end());
    ordinals.erase(std::unique(ordinals.begin(), ordinals.end()), ordinals.end());
    return ordinals;
}

std::vector<std::int32_t> PreviousSameReds(const DrawHistory& history)
{
    std::vector<std::int32_t> previous(history.size(), -1);
    std::unordered_map<std::int32_t, std::int32_t> latest;
    latest.reserve(history.size());
    for (std::size_t i = 0; i < history.size(); ++i) {
        const auto [at, fresh] =
            latest.emplace(OrdinalOfTicket(history[i].Reds), static_cast<std::int32_t>(i));
        if (!fresh) {
            previous[i] = at->second;
            at->second = static_cast<std::int32_t>(i);
        }
    }
    return previous;
}

bool DrawnBefore(const std::vector<std::int32_t>& previous, std::size_t i, std::int32_t lastN)
{
    return previous[i] >= 0 && static_cast<std::size_t>(previous[i]) >= DrawnWindowStart(i, lastN);
}

} // namespace quorvane
