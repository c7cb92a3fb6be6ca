#include "wheel/SurvivorGraph.h"

#include <algorithm>

#include "base/TicketPool.h"

namespace quorvane {

SurvivorGraph::SurvivorGraph(const std::vector<PointMask>& sets, int keep)
    : m_size(static_cast<std::int32_t>(sets.size()))
    , m_perSet(static_cast<std::size_t>(Binomial(6, keep)))
    , m_offsets(static_cast<std::size_t>(Binomial(33, keep)) + 1, 0)
    , m_seen(sets.size(), 0)
{
    m_keepRanks.reserve(sets.size() * m_perSet);
    for (const PointMask set : sets) {
        ForEachSubset(set, keep, [this](PointMask s) {
            const std::int32_t r = ColexRank(s);
            m_keepRanks.push_back(r);
            ++m_offsets[static_cast<std::size_t>(r) + 1];
        });
    }
    for (std::size_t r = 1; r < m_offsets.size(); ++r) {
        m_offsets[r] += m_offsets[r - 1];
    }
    m_members.resize(m_keepRanks.size());
    std::vector<std::int32_t> next(m_offsets.begin(), m_offsets.end() - 1);
    for (std::size_t k = 0; k < m_keepRanks.size(); ++k) {
        const auto r = static_cast<std::size_t>(m_keepRanks[k]);
        m_members[static_cast<std::size_t>(next[r]++)] = static_cast<std::int32_t>(k / m_perSet);
    }
}

std::int64_t SurvivorGraph::NeighbourBound(std::int32_t s) const
{
    std::int64_t bound = 0;
    const auto first = static_cast<std::size_t>(s) * m_perSet;
    for (std::size_t k = first; k < first + m_perSet; ++k) {
        const auto r = static_cast<std::size_t>(m_keepRanks[k]);
        bound += m_offsets[r + 1] - m_offsets[r];
    }
    return bound;
}

std::uint32_t SurvivorGraph::NextEpoch() const
{
    if (++m_epoch == 0) {
        std::fill(m_seen.begin(), m_seen.end(), 0);
        m_epoch = 1;
    }
    return m_epoch;
}

} // namespace quorvane
