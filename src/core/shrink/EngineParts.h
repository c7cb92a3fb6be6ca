#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/TicketPool.h"
#include "measures/Measures.h"
#include "shrink/ShrinkPlan.h"

// The pieces that the shrink run (ShrinkEngine.cpp) and the verdicts of single conditions
// (VerdictEngine.cpp) share: what the enumeration of the pool knows about a prefix of placed numbers,
// and the tests of a plan applied to all candidates for the sixth number at once. A candidate mask
// has bit n for the sixth number n; a test returns the candidates that pass it.

namespace quorvane::engine {

inline constexpr std::size_t kPartitionKinds = static_cast<std::size_t>(PartitionKind::Count);
inline constexpr std::size_t kHitKinds = static_cast<std::size_t>(HitKind::Count);
// Impossible in a need table: more numbers than a ticket holds.
inline constexpr std::uint8_t kNever = 9;

// Eight survivor flags (bytes 0/1) for each eight bits of a candidate mask.
constexpr std::array<std::array<std::uint8_t, 8>, 256> MakeFlagBytes()
{
    std::array<std::array<std::uint8_t, 8>, 256> t{};
    for (std::size_t v = 0; v < 256; ++v) {
        for (std::size_t b = 0; b < 8; ++b) {
            t[v][b] = static_cast<std::uint8_t>((v >> b) & 1u);
        }
    }
    return t;
}
inline constexpr auto kFlagBytes = MakeFlagBytes();

// NumbersWithTails of every digit set (bit d), indexed by the set.
const std::array<std::uint64_t, 1024>& DigitNumbers();

// need[c]: the fewest numbers still to add to a count c to reach an allowed count; kNever if none.
std::array<std::uint8_t, 8> NeedTable(std::uint8_t allowed);

inline std::uint64_t IfBit(unsigned set, int bit, std::uint64_t mask)
{
    return ((set >> bit) & 1u) != 0 ? mask : 0;
}

inline std::uint64_t LowBits(int n)
{
    return n >= 64 ? ~0ull : (1ull << n) - 1;
}

// The candidates n for which a count c of placed numbers in `numbers`, plus one when n is in
// `numbers`, is allowed (allowed: bit k for the count k).
inline std::uint64_t CountCandidates(std::uint64_t numbers, unsigned allowed, unsigned c)
{
    return IfBit(allowed, static_cast<int>(c) + 1, numbers) | IfBit(allowed, static_cast<int>(c), ~numbers);
}

struct PartitionState
{
    std::uint32_t Counts = 0; // 3 bits per part
    // Bit p: part p's present count is allowed; bit 16 + p: its count plus one is allowed.
    std::uint32_t Ok = 0;
};

// What the enumeration knows about the numbers placed so far. Kept small: one copy is made per
// node of the enumeration, field by field (no member initializers: ExtendCommon sets every field).
struct Prefix
{
    std::uint64_t Mask;           // bit n: n is placed
    std::uint64_t Rev;            // bit 48 - n: n is placed (differences by shifting)
    std::uint64_t Diffs;          // bit d: two placed numbers differ by d
    std::uint64_t LastCandidates; // numbers the sixth position allows, given the first
    std::int32_t Ordinal;         // pool ordinal of the first ticket with this prefix
    std::uint32_t TailCounts;     // 3 bits per digit
    std::uint32_t GapCounts;      // 3 bits per gap size 2..11
    std::array<std::uint16_t, 6> DigitsWithCount;
    std::array<std::uint16_t, kHitKinds> Hits; // parts hit, one entry per hit test
    int Sum;
    int TailSum;
    int First;
    int Last;
    int MaxGap;
    int MinGap;
    int RunIndex; // finished runs (kRunWeight)
    int Stretch;  // length of the consecutive stretch that ends with Last
    int OddChains;
    int EvenChains;
    int SameTailGroups;
    int MaxTailRepeat;
};

// The prefix before any number is placed.
inline Prefix StartPrefix()
{
    Prefix start{};
    start.DigitsWithCount[0] = 0x3FF;
    start.MinGap = 63;
    return start;
}

// The prefix with n placed at the given position (0..4): every field but Hits and LastCandidates,
// which are copied for the caller to update.
template <int Position> inline Prefix ExtendCommon(const Prefix& s, int n)
{
    const int d = n % 10;
    const int c = static_cast<int>((s.TailCounts >> (3 * d)) & 7u);
    const int g = n - s.Last;
    const auto digit = static_cast<std::uint16_t>(1u << d);
    Prefix t;
    t.Mask = s.Mask | 1ull << n;
    t.Rev = s.Rev | 1ull << (48 - n);
    t.Diffs = s.Diffs | (s.Rev >> (48 - n));
    t.LastCandidates = s.LastCandidates;
    t.Ordinal = s.Ordinal + kOrdinalOffsets[Position][static_cast<std::size_t>(n)] -
                kOrdinalOffsets[Position][static_cast<std::size_t>(s.Last + 1)];
    t.TailCounts = s.TailCounts + (1u << (3 * d));
    t.GapCounts = s.GapCounts + (Position > 0 && g >= 2 && g <= 11 ? 1u << (3 * (g - 2)) : 0u);
    t.DigitsWithCount = s.DigitsWithCount;
    t.DigitsWithCount[static_cast<std::size_t>(c)] &= static_cast<std::uint16_t>(~digit);
    t.DigitsWithCount[static_cast<std::size_t>(c + 1)] |= digit;
    t.Hits = s.Hits;
    t.Sum = s.Sum + n;
    t.TailSum = s.TailSum + d;
    t.First = Position == 0 ? n : s.First;
    t.Last = n;
    if (Position == 0) {
        t.MaxGap = 0;
        t.MinGap = 63;
        t.RunIndex = 0;
        t.Stretch = 1;
        t.OddChains = 0;
        t.EvenChains = 0;
    } else {
        t.MaxGap = g > s.MaxGap ? g : s.MaxGap;
        t.MinGap = g < s.MinGap ? g : s.MinGap;
        t.RunIndex = s.RunIndex + (g == 1 ? 0 : kRunWeight[static_cast<std::size_t>(s.Stretch)]);
        t.Stretch = g == 1 ? s.Stretch + 1 : 1;
        t.OddChains = s.OddChains + (g == 2 && (n & 1) != 0 ? 1 : 0);
        t.EvenChains = s.EvenChains + (g == 2 && (n & 1) == 0 ? 1 : 0);
    }
    t.SameTailGroups = s.SameTailGroups + (c == 1 ? 1 : 0);
    t.MaxTailRepeat = c + 1 > s.MaxTailRepeat ? c + 1 : s.MaxTailRepeat;
    return t;
}

// A partition test with its tables: the need of every part and the Ok bits of every count.
struct ActivePartition
{
    const PartitionLayout* Layout = nullptr;
    unsigned All = 0; // bits of all parts
    std::array<std::uint8_t, 10> Allowed{};
    std::array<std::array<std::uint8_t, 8>, 10> Need{};
    // OkBits[p][c]: the Ok bits of part p holding c numbers.
    std::array<std::array<std::uint32_t, 8>, 10> OkBits{};
};
ActivePartition MakeActivePartition(PartitionKind kind, const std::array<std::uint8_t, 10>& allowed);

// The state before any number is placed.
PartitionState StartPartitionState(const ActivePartition& a);

// The state with one more number in part p.
inline PartitionState AddToPartition(const PartitionState& from, const ActivePartition& a, int p)
{
    const unsigned count = ((from.Counts >> (3 * p)) & 7u) + 1;
    return {from.Counts + (1u << (3 * p)),
            (from.Ok & ~(0x10001u << p)) | a.OkBits[static_cast<std::size_t>(p)][count]};
}

// False when more numbers than `left` must still be added for every part to reach an allowed count.
bool PartitionFeasible(const PartitionState& st, const ActivePartition& a, int left);

// Five numbers placed: the sixth numbers that leave every part at an allowed count.
inline std::uint64_t PartitionCandidates(const PartitionState& st, const ActivePartition& a)
{
    const unsigned fail = ~st.Ok & a.All;
    if ((fail & (fail - 1)) != 0) {
        return 0;
    }
    return a.Layout->NumbersOf[(st.Ok >> 16) & (fail != 0 ? fail : a.All)];
}

struct ActiveHit
{
    const PartitionLayout* Layout = nullptr;
    unsigned All = 0;
    unsigned Allowed = 0;
};

// Five numbers placed hitting the parts `hit`: the sixth numbers that give an allowed number of parts.
inline std::uint64_t HitCandidates(unsigned hit, const ActiveHit& h)
{
    const int c = detail::PopCount(hit);
    const unsigned parts =
        (((h.Allowed >> c) & 1u) != 0 ? hit : 0) | (((h.Allowed >> (c + 1)) & 1u) != 0 ? ~hit & h.All : 0);
    return h.Layout->NumbersOf[parts];
}

// The candidates whose sum with the placed numbers is allowed.
inline std::uint64_t SumCandidates(const SumSet& sums, int placedSum)
{
    const int w = placedSum / 64;
    const int b = placedSum % 64;
    std::uint64_t window = sums[static_cast<std::size_t>(w)] >> b;
    if (b != 0) {
        window |= sums[static_cast<std::size_t>(w + 1)] << (64 - b);
    }
    return window;
}

// The sixth numbers that give an allowed AC value (bit v: value v). A sixth number n adds the
// differences n - m for the five placed m; those not among the present differences are new. The
// number of new differences is counted for all candidates at once: one mask per placed m (the n
// for which n - m is new) summed bit-sliced into three bit planes.
inline std::uint64_t AcCandidates(const Prefix& s, std::uint32_t acValues)
{
    const std::uint64_t fresh = ~s.Diffs;
    std::uint64_t b0 = 0;
    std::uint64_t b1 = 0;
    std::uint64_t b2 = 0;
    for (std::uint64_t placed = s.Mask; placed != 0; placed &= placed - 1) {
        const std::uint64_t m = fresh << __builtin_ctzll(placed);
        const std::uint64_t carry0 = b0 & m;
        b0 ^= m;
        const std::uint64_t carry1 = b1 & carry0;
        b1 ^= carry0;
        b2 |= carry1;
    }
    // AC = present differences + new ones - 5.
    const int present = detail::PopCount(s.Diffs);
    std::uint64_t ok = 0;
    for (int k = 0; k <= 5; ++k) {
        const int ac = present + k - 5;
        if (ac >= 0 && ((acValues >> ac) & 1u) != 0) {
            ok |= ((k & 1) != 0 ? b0 : ~b0) & ((k & 2) != 0 ? b1 : ~b1) & ((k & 4) != 0 ? b2 : ~b2);
        }
    }
    return ok;
}

// True when the AC values leave some AC value out.
inline bool AcActive(std::uint32_t acValues)
{
    return (acValues & 0x7FF) != 0x7FF;
}

// The sixth numbers that keep the run histogram allowed (indexed by RunIndex).
inline std::uint64_t RunCandidates(const Prefix& s, const std::array<bool, 128>& allowed)
{
    const std::uint64_t next = 1ull << (s.Last + 1);
    const bool adjacent =
        allowed[static_cast<std::size_t>(s.RunIndex + kRunWeight[static_cast<std::size_t>(s.Stretch + 1)])];
    const bool apart = allowed[static_cast<std::size_t>(
        s.RunIndex + (s.Stretch >= 2 ? kRunWeight[static_cast<std::size_t>(s.Stretch)] : 0))];
    return (adjacent ? next : 0) | (apart ? ~next : 0);
}

// The sixth numbers that keep the odd and even chains (bit k: k chains) allowed.
inline std::uint64_t ChainCandidates(const Prefix& s, unsigned odd, unsigned even)
{
    const bool base = ((odd >> s.OddChains) & (even >> s.EvenChains) & 1u) != 0;
    const bool two = (s.Last & 1) != 0 ? ((odd >> (s.OddChains + 1)) & (even >> s.EvenChains) & 1u) != 0
                                       : ((odd >> s.OddChains) & (even >> (s.EvenChains + 1)) & 1u) != 0;
    const std::uint64_t twoApart = 1ull << (s.Last + 2);
    return (base ? ~twoApart : 0) | (two ? twoApart : 0);
}

// The tests on the tails of a plan: the tail sum, the shared tails, the largest tail repeat and the
// tails shared with the latest draw.
class TailTest final
{
public:
    explicit TailTest(const ShrinkPlan& plan);

    bool Active() const { return m_active; }

    // The tail digits (bit d) the sixth number may have.
    unsigned Digits(const Prefix& s) const;

private:
    std::uint64_t m_tailSums;
    std::uint8_t m_sameTailGroups;
    std::uint8_t m_maxTailRepeats;
    bool m_refActive;
    std::uint8_t m_refCounts;
    bool m_active;
    std::array<std::uint8_t, 1024> m_refCount{};    // numbers of the latest draw with a tail in the set
    std::array<std::uint16_t, 8> m_refDigitsWith{}; // digits held by v numbers of the latest draw
};

// The tests on the gaps as a whole: the largest and smallest gap and the counts of gap sizes.
class GapTest final
{
public:
    explicit GapTest(const ShrinkPlan& plan);

    bool Active() const { return m_active; }

    // The gap sizes (bit g) the sixth number may stand from the fifth.
    std::uint64_t Values(const Prefix& s) const;

    // Gaps 1..32 that no allowed largest or smallest gap excludes: a bound on every single gap.
    std::uint64_t Bound() const { return m_bound; }

private:
    std::uint64_t m_maxGaps;
    std::uint64_t m_minGaps;
    std::array<std::uint8_t, 10> m_counts;
    std::vector<int> m_countSizes; // gap sizes 2 + k whose counts are tested
    std::uint64_t m_bound;
    bool m_active;
};

// The sixth numbers for which some reference line (a number mask) shares an allowed count of
// numbers with the ticket; countOf(i, line) is the count of line i among the placed numbers. Stops
// as soon as the lines found cover every candidate in `cand`.
template <typename CountOf>
std::uint64_t LineCandidates(const std::vector<std::uint64_t>& lines, unsigned allowed, std::uint64_t cand,
                             CountOf countOf)
{
    std::uint64_t ok = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::uint64_t line = lines[i];
        ok |= CountCandidates(line, allowed, countOf(i, line));
        if ((ok & cand) == cand) {
            break;
        }
    }
    return ok;
}

// The excluded tickets of a plan (pool ordinals, ascending), walked in ascending order.
class ExcludedCursor final
{
public:
    explicit ExcludedCursor(const std::vector<std::int32_t>& ordinals)
        : m_ordinals(ordinals)
    {
    }

    // The excluded tickets among the `block` ordinals from `first` on, as bits 0..block-1. The
    // blocks asked for must not go backwards.
    std::uint64_t Block(std::int32_t first, int block)
    {
        while (m_next < m_ordinals.size() && m_ordinals[m_next] < first) {
            ++m_next;
        }
        std::uint64_t bits = 0;
        for (std::size_t i = m_next; i < m_ordinals.size() && m_ordinals[i] < first + block; ++i) {
            bits |= 1ull << (m_ordinals[i] - first);
        }
        return bits;
    }

private:
    const std::vector<std::int32_t>& m_ordinals;
    std::size_t m_next = 0;
};

} // namespace quorvane::engine
