#pragma once

#include <cstdint>
#include <vector>

#include "wheel/PointSets.h"

namespace quorvane {

// The keep-sets (sets of `keep` points, 1 <= keep <= 6) that a list of tickets holds, one bit per
// colex rank over 33 points. A ticket holds at least `keep` points of a set exactly when both hold
// a common keep-set, which is what Hits answers.
class KeepSets final
{
public:
    explicit KeepSets(int keep);

    void Add(PointMask ticket);

    // True when some added ticket shares at least `keep` points with the set.
    bool Hits(PointMask set) const;

private:
    bool Has(std::int32_t rank) const
    {
        const auto r = static_cast<std::size_t>(rank);
        return (m_bits[r / 64] >> (r % 64) & 1u) != 0;
    }

    int m_keep;
    std::vector<std::uint64_t> m_bits;
};

} // namespace quorvane
