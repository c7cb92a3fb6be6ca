#include "shrink/LineTickets.h"

#include <array>

#include "shrink/TicketPool.h"

namespace quorvane {

namespace {

double Choose(int n, int k)
{
    if (k < 0 || k > n) {
        return 0;
    }
    double r = 1;
    for (int i = 1; i <= k; ++i) {
        r = r * (n - k + i) / i;
    }
    return r;
}

// Calls fn(picked, k) for every k-subset of from (ascending), k <= 6.
template <typename Fn> void ForEachSubset(const std::vector<std::uint8_t>& from, int k, Fn&& fn)
{
    const int n = static_cast<int>(from.size());
    std::array<std::uint8_t, 6> picked{};
    if (k > n) {
        return;
    }
    std::array<int, 6> idx{};
    for (int i = 0; i < k; ++i) {
        idx[static_cast<std::size_t>(i)] = i;
    }
    while (true) {
        for (int i = 0; i < k; ++i) {
            picked[static_cast<std::size_t>(i)] =
                from[static_cast<std::size_t>(idx[static_cast<std::size_t>(i)])];
        }
        fn(picked, k);
        int i = k - 1;
        while (i >= 0 && idx[static_cast<std::size_t>(i)] == n - k + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++idx[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) {
            idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

} // namespace

double TicketsSharingCounts(int m, unsigned counts)
{
    double total = 0;
    for (int c = 0; c <= 6; ++c) {
        if ((counts >> c) & 1u) {
            total += Choose(m, c) * Choose(33 - m, 6 - c);
        }
    }
    return total;
}

std::vector<std::uint64_t> MarkLineTickets(const std::vector<std::uint64_t>& lines, unsigned counts)
{
    std::vector<std::uint64_t> marks(static_cast<std::size_t>(kPoolCount) / 64 + 1, 0);
    std::vector<std::uint8_t> inside;
    std::vector<std::uint8_t> outside;
    for (const std::uint64_t line : lines) {
        inside.clear();
        outside.clear();
        for (int n = 1; n <= 33; ++n) {
            (((line >> n) & 1u) != 0 ? inside : outside).push_back(static_cast<std::uint8_t>(n));
        }
        for (int c = 0; c <= 6; ++c) {
            if (((counts >> c) & 1u) == 0) {
                continue;
            }
            ForEachSubset(inside, c, [&](const std::array<std::uint8_t, 6>& a, int na) {
                ForEachSubset(outside, 6 - c, [&](const std::array<std::uint8_t, 6>& b, int nb) {
                    TCodeRedArr t{};
                    int i = 0;
                    int j = 0;
                    for (std::size_t k = 0; k < 6; ++k) {
                        const bool fromA = j >= nb || (i < na && a[static_cast<std::size_t>(i)] <
                                                                     b[static_cast<std::size_t>(j)]);
                        t[k] = fromA ? a[static_cast<std::size_t>(i++)] : b[static_cast<std::size_t>(j++)];
                    }
                    const auto ordinal = static_cast<std::size_t>(OrdinalOfTicket(t));
                    marks[ordinal / 64] |= 1ull << (ordinal % 64);
                });
            });
        }
    }
    return marks;
}

} // namespace quorvane
