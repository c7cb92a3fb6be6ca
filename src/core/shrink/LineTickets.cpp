#include "shrink/LineTickets.h"

#include <array>

#include "base/TicketPool.h"
#include "measures/Measures.h"

namespace quorvane {

namespace {

// Relative costs (measured: both about 15 ns): marking one ticket against testing one line for a
// prefix; the prefixes of five numbers the search visits at most.
constexpr double kMarkCost = 1;
constexpr double kPrefixes = 201376;
// Lines the search tries before the lines found cover a prefix's candidates, in units of the
// lines a single ticket needs (1 / acceptance).
constexpr double kCoverFactor = 16;

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

bool AllMarked(const std::vector<std::uint64_t>& marks)
{
    const std::size_t full = static_cast<std::size_t>(kPoolCount) / 64;
    for (std::size_t w = 0; w < full; ++w) {
        if (marks[w] != ~0ull) {
            return false;
        }
    }
    const std::uint64_t last = (1ull << (kPoolCount % 64)) - 1;
    return (marks[full] & last) == last;
}

} // namespace

double TicketsSharingCounts(int m, unsigned counts)
{
    double total = 0;
    for (int c = 0; c <= 6; ++c) {
        if ((counts >> c) & 1u) {
            total += static_cast<double>(Binomial(m, c)) * Binomial(33 - m, 6 - c);
        }
    }
    return total;
}

bool MarkingIsCheaper(const std::vector<std::uint64_t>& lines, unsigned counts)
{
    double marked = 0;
    for (const std::uint64_t line : lines) {
        marked += TicketsSharingCounts(detail::PopCount(line), counts);
    }
    const double perLine = marked / static_cast<double>(lines.size()) / kPoolCount; // acceptance
    double tried = static_cast<double>(lines.size());
    if (perLine > 0 && kCoverFactor / perLine < tried) {
        tried = kCoverFactor / perLine;
    }
    return marked * kMarkCost < kPrefixes * tried;
}

std::vector<std::uint64_t> MarkLineTickets(const std::vector<std::uint64_t>& lines, unsigned counts)
{
    std::vector<std::uint64_t> marks(static_cast<std::size_t>(kPoolCount) / 64 + 1, 0);
    std::vector<std::uint8_t> inside;
    std::vector<std::uint8_t> outside;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        // Once every ticket is marked, further lines change nothing.
        if (l % 256 == 255 && AllMarked(marks)) {
            break;
        }
        const std::uint64_t line = lines[l];
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
