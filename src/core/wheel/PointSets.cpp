#include "wheel/PointSets.h"

#include "base/TicketPool.h"

namespace quorvane {

namespace detail {

namespace {

constexpr std::size_t kMaxSetSize = 6;

constexpr RankChunks MakeRankChunks()
{
    RankChunks table{};
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t bits = 0; bits < table[c].size(); ++bits) {
            for (std::size_t below = 0; below <= kMaxSetSize; ++below) {
                std::int32_t sum = 0;
                std::size_t index = below;
                for (std::size_t b = 0; b < kRankChunkBits; ++b) {
                    const std::size_t point = c * kRankChunkBits + b;
                    if ((bits >> b & 1u) != 0 && ++index <= kMaxSetSize && point <= 33) {
                        sum += kChoose[point][index];
                    }
                }
                table[c][bits][below] = sum;
            }
        }
    }
    return table;
}

} // namespace

// Constant-initialised, so it is ready before any other object of the program is built.
constexpr RankChunks kRankChunks = MakeRankChunks();

} // namespace detail

int PointsOf(PointMask set, std::array<std::int8_t, 33>& points)
{
    int n = 0;
    while (set != 0 && n < 33) {
        points[static_cast<std::size_t>(n++)] = static_cast<std::int8_t>(LowestPoint(set));
        set &= set - 1;
    }
    return n;
}

PointMask MaskOfTicket(const TCodeRedArr& reds)
{
    PointMask set = 0;
    for (const auto n : reds) {
        set |= PointBit(n - 1);
    }
    return set;
}

TCodeRedArr TicketOfMask(PointMask set)
{
    TCodeRedArr reds{};
    for (auto& n : reds) {
        n = static_cast<std::uint8_t>(LowestPoint(set) + 1);
        set &= set - 1;
    }
    return reds;
}

PointMask ColexUnrank(std::int32_t rank, int k, int points)
{
    PointMask set = 0;
    int p = points - 1;
    for (int i = k; i >= 1; --i) {
        // The largest point p with C(p, i) <= rank.
        while (p > 0 && kChoose[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)] > rank) {
            --p;
        }
        set |= PointBit(p);
        rank -= kChoose[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
        --p;
    }
    return set;
}

std::vector<PointMask> SubsetsOf(PointMask set, int k)
{
    std::vector<PointMask> subsets;
    ForEachSubset(set, k, [&subsets](PointMask s) { subsets.push_back(s); });
    return subsets;
}

} // namespace quorvane
