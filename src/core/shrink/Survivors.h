#pragma once

#include <cstddef>
#include <cstdint>

#include "shrink/TicketPool.h"

// The result of the last shrink run as the result commands (export, prize check, level shrink)
// read it. Only flags that have an entry in the pool count: flags beyond the end of the pool (left
// by a forecast that rebuilt the flags before any run) are not set.

namespace quorvane {

// Survivors that have an entry in the pool.
inline std::int32_t CountPoolSurvivors(const TicketPool& pool, const SurvivorFlags& flags)
{
    const std::size_t count = pool.size() < flags.size() ? pool.size() : flags.size();
    std::int32_t n = 0;
    for (std::size_t i = 0; i < count; ++i) {
        n += flags[i] == 1;
    }
    return n;
}

// Calls fn(const TCodeRedArr&) for every survivor with a pool entry, in pool order.
template <typename Fn> void ForEachSurvivor(const TicketPool& pool, const SurvivorFlags& flags, Fn&& fn)
{
    const std::size_t count = pool.size() < flags.size() ? pool.size() : flags.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (flags[i] == 1) {
            fn(pool[i]);
        }
    }
}

} // namespace quorvane
