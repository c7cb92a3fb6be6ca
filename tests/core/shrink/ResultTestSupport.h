#pragma once

#include <initializer_list>
#include <string>

#include "ShrinkTestSupport.h"
#include "base/TicketPool.h"
#include "text/FormatNumbers.h"

// Survivor flags made by hand, for testing the result commands on the shared pool without a run.

namespace quorvane::test {

// Flags for the full pool with the given tickets ("01 02 03 04 05 06") alive.
inline SurvivorFlags FlagsOf(std::initializer_list<const char*> tickets)
{
    SurvivorFlags flags(static_cast<std::size_t>(kPoolCount), 0);
    for (const char* t : tickets) {
        TCodeRedArr reds{};
        for (std::size_t i = 0; i < 6; ++i) {
            reds[i] = static_cast<std::uint8_t>((t[i * 3] - '0') * 10 + (t[i * 3 + 1] - '0'));
        }
        flags[static_cast<std::size_t>(OrdinalOfTicket(reds))] = 1;
    }
    return flags;
}

// Flags for the full pool with the first `count` entries of every `stride`-th ordinal alive.
inline SurvivorFlags SpreadFlags(std::int32_t count, std::int32_t stride)
{
    SurvivorFlags flags(static_cast<std::size_t>(kPoolCount), 0);
    for (std::int32_t i = 0; i < count; ++i) {
        flags[static_cast<std::size_t>(i * stride)] = 1;
    }
    return flags;
}

} // namespace quorvane::test
