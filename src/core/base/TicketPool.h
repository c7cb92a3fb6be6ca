#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/CodeRedArr.h"
#include "base/LargeBlocks.h"

namespace quorvane {

// Number of strictly ascending six-number sets over 1..33: C(33, 6).
inline constexpr std::int32_t kPoolCount = 1107568;

namespace detail {
// C(n, k) for n <= 33, k <= 6.
constexpr std::array<std::array<std::int32_t, 7>, 34> MakeChooseTable()
{
    std::array<std::array<std::int32_t, 7>, 34> c{};
    for (std::size_t n = 0; n <= 33; ++n) {
        c[n][0] = 1;
        for (std::size_t k = 1; k <= 6 && k <= n; ++k) {
            c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
        }
    }
    return c;
}

constexpr std::array<std::array<std::int32_t, 35>, 6> MakeOrdinalOffsets()
{
    const auto choose = MakeChooseTable();
    std::array<std::array<std::int32_t, 35>, 6> t{};
    for (std::size_t p = 0; p < 6; ++p) {
        for (std::size_t n = 1; n <= 33; ++n) {
            t[p][n + 1] = t[p][n] + choose[33 - n][5 - p];
        }
    }
    return t;
}
} // namespace detail

inline constexpr std::array<std::array<std::int32_t, 7>, 34> kChoose = detail::MakeChooseTable();

// C(n, k) for 0 <= n <= 33 from kChoose; 0 for k outside 0..min(n, 6).
inline std::int32_t Binomial(int n, int k)
{
    if (k < 0 || k > n || k > 6) {
        return 0;
    }
    return kChoose[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// kOrdinalOffsets[p][n]: the pool entries whose number at position p (0..5) is below n, among
// those that share the numbers before p: the sum of C(33 - m, 5 - p) over m = 1..n-1. A red set's
// ordinal is the sum over p of kOrdinalOffsets[p][t[p]] - kOrdinalOffsets[p][t[p - 1] + 1], with
// t[-1] = 0; kOrdinalOffsets[p][34] - kOrdinalOffsets[p][n + 1] counts the sets that continue a
// prefix ending with n at position p - 1.
inline constexpr std::array<std::array<std::int32_t, 35>, 6> kOrdinalOffsets = detail::MakeOrdinalOffsets();

// Every red set in ascending lexicographic order: entry 0 is 01 02 03 04 05 06, entry 1 is
// 01 02 03 04 05 07, the last entry is 28 29 30 31 32 33. The entries are the same constant in every
// run, built once per process the first time one is read; most work never reads them, because a
// ticket follows from its ordinal (TicketAt, TicketCursor).
const TCodeRedArrArr& PoolEntries();

// The pool of a run. It holds only its count: 0 before the first run (no result yet), kPoolCount
// once a run has built it; its entries are those of PoolEntries.
class TicketPool final
{
public:
    using value_type = TCodeRedArr;
    using const_iterator = const TCodeRedArr*;

    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    void clear() { m_count = 0; }

    const TCodeRedArr& operator[](std::size_t i) const { return PoolEntries()[i]; }
    const TCodeRedArr& front() const { return PoolEntries().front(); }
    const TCodeRedArr& back() const { return PoolEntries()[m_count - 1]; }
    const_iterator begin() const { return m_count == 0 ? nullptr : PoolEntries().data(); }
    const_iterator end() const { return m_count == 0 ? nullptr : PoolEntries().data() + m_count; }

private:
    friend void BuildTicketPool(TicketPool& pool);

    std::size_t m_count = 0;
};

// One byte per pool entry: 1 = still alive, 0 = removed.
using SurvivorFlags = std::vector<std::uint8_t, LargeBlockAllocator<std::uint8_t>>;

// Makes the pool hold all kPoolCount red sets in pool order (cheap: the entries are shared).
void BuildTicketPool(TicketPool& pool);

// The red set at an ordinal position 0..kPoolCount-1 of the pool order, without building the pool.
TCodeRedArr TicketAt(std::int32_t ordinal);

// The ordinal position of a valid red set in the pool order.
std::int32_t OrdinalOfTicket(const TCodeRedArr& reds);

// The red set after a valid one in pool order; false (the set unchanged) for the last one.
bool NextTicket(TCodeRedArr& reds);

// The red sets of ascending ordinals, each found from the one before: a few steps of NextTicket
// when it is near, TicketAt when it is far.
class TicketCursor final
{
public:
    const TCodeRedArr& At(std::int32_t ordinal);

private:
    std::int32_t m_ordinal = 0;
    TCodeRedArr m_ticket{1, 2, 3, 4, 5, 6};
};

// The first index from `from` on (below `end`) whose flag is 1; `end` when there is none.
std::size_t NextSurvivor(const SurvivorFlags& flags, std::size_t from, std::size_t end);

// Entries of the flags equal to 1.
std::int32_t CountSurvivors(const SurvivorFlags& flags);

// The result commands (export, prize check, level shrink) read the last run's result through the
// functions below, which count only flags that have an entry in the pool: flags beyond the end of
// the pool (left by a forecast that rebuilt the flags before any run) are not survivors.

// Calls fn(const TCodeRedArr&) for every survivor with a pool entry, in pool order. Reads no pool
// entry: each ticket follows from its ordinal.
template <typename Fn> void ForEachSurvivor(const TicketPool& pool, const SurvivorFlags& flags, Fn&& fn)
{
    const std::size_t count = pool.size() < flags.size() ? pool.size() : flags.size();
    TicketCursor cursor;
    for (std::size_t i = NextSurvivor(flags, 0, count); i < count; i = NextSurvivor(flags, i + 1, count)) {
        fn(cursor.At(static_cast<std::int32_t>(i)));
    }
}

// Survivors that have an entry in the pool.
std::int32_t CountPoolSurvivors(const TicketPool& pool, const SurvivorFlags& flags);

} // namespace quorvane
