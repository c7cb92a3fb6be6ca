#include "base/TicketPool.h"

namespace quorvane {

void BuildTicketPool(TicketPool& pool)
{
    pool.clear();
    pool.reserve(kPoolCount);
    TCodeRedArr t{};
    for (t[0] = 1; t[0] <= 28; ++t[0]) {
        for (t[1] = t[0] + 1; t[1] <= 29; ++t[1]) {
            for (t[2] = t[1] + 1; t[2] <= 30; ++t[2]) {
                for (t[3] = t[2] + 1; t[3] <= 31; ++t[3]) {
                    for (t[4] = t[3] + 1; t[4] <= 32; ++t[4]) {
                        for (t[5] = t[4] + 1; t[5] <= 33; ++t[5]) {
                            pool.push_back(t);
                        }
                    }
                }
            }
        }
    }
}

TCodeRedArr TicketAt(std::int32_t ordinal)
{
    // Walk the positions: at each one, skip the blocks of sets that start with a smaller number.
    TCodeRedArr t{};
    int next = 1;
    for (int pos = 0; pos < 6; ++pos) {
        const int left = 5 - pos; // numbers still to place after this one
        for (int n = next; n <= 33; ++n) {
            const std::int32_t block = kChoose[33 - n][left];
            if (ordinal < block) {
                t[pos] = static_cast<std::uint8_t>(n);
                next = n + 1;
                break;
            }
            ordinal -= block;
        }
    }
    return t;
}

std::int32_t OrdinalOfTicket(const TCodeRedArr& reds)
{
    std::int32_t ordinal = 0;
    std::size_t next = 1;
    for (std::size_t pos = 0; pos < 6; ++pos) {
        ordinal += kOrdinalOffsets[pos][reds[pos]] - kOrdinalOffsets[pos][next];
        next = reds[pos] + 1u;
    }
    return ordinal;
}

std::int32_t CountSurvivors(const SurvivorFlags& flags)
{
    std::int32_t n = 0;
    for (const auto f : flags) {
        n += f == 1;
    }
    return n;
}

std::int32_t CountPoolSurvivors(const TicketPool& pool, const SurvivorFlags& flags)
{
    std::int32_t n = 0;
    ForEachSurvivor(pool, flags, [&n](const TCodeRedArr&) { ++n; });
    return n;
}

} // namespace quorvane
