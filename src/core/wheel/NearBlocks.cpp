#include "wheel/NearBlocks.h"

#include <algorithm>
#include <array>

#include "base/TicketPool.h"

namespace quorvane {

NearBlocks::NearBlocks(int size)
    : m_size(size)
    , m_holders(static_cast<std::size_t>(Binomial(33, size)))
{
}

void NearBlocks::Build(const std::vector<PointMask>& blocks)
{
    for (auto& holders : m_holders) {
        holders.clear();
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        ForEachSubset(blocks[i], m_size, [&](PointMask s) { Insert(static_cast<std::int32_t>(i), s); });
    }
}

void NearBlocks::Insert(std::int32_t index, PointMask subset)
{
    m_holders[static_cast<std::size_t>(ColexRank(subset))].push_back(index);
}

void NearBlocks::Erase(std::int32_t index, PointMask subset)
{
    auto& holders = m_holders[static_cast<std::size_t>(ColexRank(subset))];
    const auto at = std::find(holders.begin(), holders.end(), index);
    if (at != holders.end()) {
        *at = holders.back();
        holders.pop_back();
    }
}

void NearBlocks::Change(std::int32_t index, PointMask before, PointMask after)
{
    ForEachSubset(before, m_size, [&](PointMask s) {
        if ((s & ~after) != 0) {
            Erase(index, s);
        }
    });
    ForEachSubset(after, m_size, [&](PointMask s) {
        if ((s & ~before) != 0) {
            Insert(index, s);
        }
    });
}

std::int32_t NearBlocks::RandomNear(PointMask set, Random& random) const
{
    // A set of at most six points has at most C(6, 3) = 20 subsets of any size.
    std::array<const std::vector<std::int32_t>*, 20> lists{};
    std::size_t count = 0;
    std::int32_t total = 0;
    ForEachSubset(set, m_size, [&](PointMask s) {
        const auto& holders = m_holders[static_cast<std::size_t>(ColexRank(s))];
        if (!holders.empty() && count < lists.size()) {
            lists[count++] = &holders;
            total += static_cast<std::int32_t>(holders.size());
        }
    });
    if (total == 0) {
        return -1;
    }
    auto pick = static_cast<std::size_t>(random.Next(total));
    for (std::size_t i = 0;; ++i) {
        if (pick < lists[i]->size()) {
            return (*lists[i])[pick];
        }
        pick -= lists[i]->size();
    }
}

} // namespace quorvane
