#include "base/TicketPool.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

namespace {

TCodeRedArrArr MakePoolEntries()
{
    TCodeRedArrArr entries;
    entries.reserve(kPoolCount);
    TCodeRedArr t{};
    for (t[0] = 1; t[0] <= 28; ++t[0]) {
        for (t[1] = t[0] + 1; t[1] <= 29; ++t[1]) {
            for (t[2] = t[1] + 1; t[2] <= 30; ++t[2]) {
                for (t[3] = t[2] + 1; t[3] <= 31; ++t[3]) {
                    for (t[4] = t[3] + 1; t[4] <= 32; ++t[4]) {
                        for (t[5] = t[4] + 1; t[5] <= 33; ++t[5]) {
                            entries.push_back(t);
                        }
                    }
                }
            }
        }
    }
    return entries;
}

// Beyond this distance a cursor looks the next ticket up instead of stepping to it.
constexpr std::int32_t kCursorSteps = 24;

} // namespace

const TCodeRedArrArr& PoolEntries()
{
    static const TCodeRedArrArr entries = MakePoolEntries();
    return entries;
}

void BuildTicketPool(TicketPool& pool)
{
    pool.m_count = kPoolCount;
}

TCodeRedArr TicketAt(std::int32_t ordinal)
{
    // Position by position: the sets that continue the numbers placed so far with n at this
    // position come after kOrdinalOffsets[pos][n] - kOrdinalOffsets[pos][next] others, so the
    // number is the largest n whose count does not pass the ordinal left.
    TCodeRedArr t{};
    std::size_t next = 1;
    for (std::size_t pos = 0; pos < 6; ++pos) {
        const auto& offsets = kOrdinalOffsets[pos];
        const std::int32_t target = ordinal + offsets[next];
        const auto after = std::upper_bound(offsets.begin() + static_cast<std::ptrdiff_t>(next),
                                            offsets.begin() + static_cast<std::ptrdiff_t>(29 + pos), target);
        const auto n = static_cast<std::size_t>(after - offsets.begin()) - 1;
        ordinal = target - offsets[n];
        t[pos] = static_cast<std::uint8_t>(n);
        next = n + 1;
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

bool NextTicket(TCodeRedArr& reds)
{
    // The rightmost position that can still grow (position p holds at most 28 + p), then the
    // smallest numbers after it.
    for (int p = 5; p >= 0; --p) {
        if (reds[static_cast<std::size_t>(p)] < 28 + p) {
            ++reds[static_cast<std::size_t>(p)];
            for (int q = p + 1; q < 6; ++q) {
                reds[static_cast<std::size_t>(q)] =
                    static_cast<std::uint8_t>(reds[static_cast<std::size_t>(q - 1)] + 1);
            }
            return true;
        }
    }
    return false;
}

const TCodeRedArr& TicketCursor::At(std::int32_t ordinal)
{
    if (ordinal < m_ordinal || ordinal - m_ordinal > kCursorSteps) {
        m_ticket = TicketAt(ordinal);
        m_ordinal = ordinal;
    }
    for (; m_ordinal < ordinal; ++m_ordinal) {
        NextTicket(m_ticket);
    }
    return m_ticket;
}

std::size_t NextSurvivor(const SurvivorFlags& flags, std::size_t from, std::size_t end)
{
    std::size_t i = from;
    // Eight flags at a time while they are all 0.
    for (; i + 8 <= end; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, flags.data() + i, sizeof word);
        if (word != 0) {
            break;
        }
    }
    for (; i < end; ++i) {
        if (flags[i] == 1) {
            return i;
        }
    }
    return end;
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
    const std::size_t count = pool.size() < flags.size() ? pool.size() : flags.size();
    std::int32_t n = 0;
    for (std::size_t i = 0; i < count; ++i) {
        n += flags[i] == 1;
    }
    return n;
}

} // namespace quorvane
