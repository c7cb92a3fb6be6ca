#pragma once

#include <cstdint>
#include <vector>

#include "wheel/PointSets.h"

namespace quorvane {

// Which survivors of a shrink result share at least `keep` reds: for every keep-set of reds, the
// survivors that hold it. The neighbours of a survivor are the survivors that share a keep-set with
// it, the survivor itself among them: the survivors that one ticket covers.
class SurvivorGraph final
{
public:
    // sets: distinct red sets as point masks; keep: 1..6.
    SurvivorGraph(const std::vector<PointMask>& sets, int keep);

    std::int32_t Size() const { return m_size; }

    // The sum of the holders of its keep-sets: at least its number of neighbours.
    std::int64_t NeighbourBound(std::int32_t s) const;

    // Calls fn(neighbour) once for every neighbour of s, s included. Not re-entrant: fn must not
    // walk another neighbourhood of this graph.
    template <typename Fn> void ForEachNeighbour(std::int32_t s, Fn&& fn) const
    {
        const std::uint32_t epoch = NextEpoch();
        const auto first = static_cast<std::size_t>(s) * m_perSet;
        for (std::size_t k = first; k < first + m_perSet; ++k) {
            const auto r = static_cast<std::size_t>(m_keepRanks[k]);
            for (auto i = static_cast<std::size_t>(m_offsets[r]);
                 i < static_cast<std::size_t>(m_offsets[r + 1]); ++i) {
                const std::int32_t n = m_members[i];
                auto& seen = m_seen[static_cast<std::size_t>(n)];
                if (seen != epoch) {
                    seen = epoch;
                    fn(n);
                }
            }
        }
    }

private:
    std::uint32_t NextEpoch() const;

    std::int32_t m_size;
    std::size_t m_perSet;                  // keep-sets per survivor: C(6, keep)
    std::vector<std::int32_t> m_keepRanks; // per survivor, its keep-sets' colex ranks
    std::vector<std::int32_t> m_offsets;   // per keep-set rank, where its holders start in m_members
    std::vector<std::int32_t> m_members;
    mutable std::vector<std::uint32_t> m_seen; // per survivor, the last walk that met it
    mutable std::uint32_t m_epoch = 0;
};

} // namespace quorvane
