#pragma once

#include <cstdint>
#include <vector>

#include "base/Random.h"
#include "wheel/PointSets.h"

namespace quorvane {

// An index from every set of `size` points to the blocks that hold it, for a search that needs a
// block meeting a given set in exactly `size` points: a block that shares keep - 1 points with an
// open match-set is one point move away from covering it. Blocks are named by their index in the
// caller's list.
class NearBlocks final
{
public:
    explicit NearBlocks(int size);

    // Indexes the whole list again.
    void Build(const std::vector<PointMask>& blocks);

    // Block `index` changed from `before` to `after`.
    void Change(std::int32_t index, PointMask before, PointMask after);

    // A random block (uniform) among those that hold a `size`-subset of the set and no more of its
    // points, or -1 when none does. The caller guarantees that no block meets the set in more than
    // `size` points.
    std::int32_t RandomNear(PointMask set, Random& random) const;

    // Calls fn(index) for every block that holds a `size`-subset of the set, under the same
    // guarantee as RandomNear.
    template <typename Fn> void ForEachNear(PointMask set, Fn&& fn) const
    {
        ForEachSubset(set, m_size, [&](PointMask s) {
            for (const std::int32_t index : m_holders[static_cast<std::size_t>(ColexRank(s))]) {
                fn(index);
            }
        });
    }

private:
    void Insert(std::int32_t index, PointMask subset);
    void Erase(std::int32_t index, PointMask subset);

    int m_size;
    std::vector<std::vector<std::int32_t>> m_holders; // per subset rank: indices of the blocks
};

} // namespace quorvane
