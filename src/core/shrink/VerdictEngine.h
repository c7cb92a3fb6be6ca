#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/TicketPool.h"
#include "shrink/ShrinkEngine.h"
#include "shrink/ShrinkPlan.h"

// The verdicts of several plans at once, each plan typically one condition compiled alone: which
// tickets fail which plan. The pool is enumerated once for all of them; every plan's tests are
// applied to all candidates for the sixth number at once, as the run does, but nothing is pruned,
// since a ticket's failures count even after the first.

namespace quorvane {

// One bit per pool ordinal: bit i % 64 of word i / 64.
using PoolBits = std::vector<std::uint64_t>;
inline constexpr std::size_t kPoolWords = (static_cast<std::size_t>(kPoolCount) + 63) / 64;

inline bool TestPoolBit(const std::uint64_t* bits, std::int32_t ordinal)
{
    return ((bits[static_cast<std::size_t>(ordinal) / 64] >> (ordinal % 64)) & 1u) != 0;
}

// Several sets of pool tickets in one block, kPoolWords words each, all clear at first.
class PoolBitSets final
{
public:
    PoolBitSets() = default;
    explicit PoolBitSets(std::size_t count)
        : m_count(count)
        , m_words(count * kPoolWords, 0)
    {
    }

    std::size_t size() const { return m_count; }
    std::uint64_t* operator[](std::size_t k) { return m_words.data() + k * kPoolWords; }
    const std::uint64_t* operator[](std::size_t k) const { return m_words.data() + k * kPoolWords; }

private:
    std::size_t m_count = 0;
    std::vector<std::uint64_t, LargeBlockAllocator<std::uint64_t>> m_words;
};

// The most plans one engine takes (a ticket's failures fit one 64-bit mask).
inline constexpr std::size_t kMaxVerdictPlans = 64;

class VerdictEngine final
{
public:
    // The plans must outlive the engine; at most kMaxVerdictPlans of them.
    explicit VerdictEngine(const std::vector<const ShrinkPlan*>& plans);
    ~VerdictEngine();
    VerdictEngine(const VerdictEngine&) = delete;
    VerdictEngine& operator=(const VerdictEngine&) = delete;

    struct PoolVerdicts
    {
        PoolBits Base;     // the tickets whose six numbers all lie in the base
        PoolBitSets Fails; // set k: the tickets of the base that fail plan k
    };

    // Enumerates the tickets whose numbers all lie in `base` (bit n for the number n); tickets
    // outside it are left out of every set. progress as for the run.
    PoolVerdicts Run(std::uint64_t base, const ShrinkEngineProgress& progress = {});

    // The plans one ticket fails: bit k for plan k.
    std::uint64_t FailedPlans(const TCodeRedArr& ticket);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace quorvane
