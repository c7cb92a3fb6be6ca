#include "shrink/ShrinkEngine.h"

#include <algorithm>
#include <cstring>

#include "measures/Measures.h"
#include "shrink/LineTickets.h"

namespace quorvane {

namespace {

constexpr std::size_t kPartitionKinds = static_cast<std::size_t>(PartitionKind::Count);
constexpr std::size_t kHitKinds = static_cast<std::size_t>(HitKind::Count);
// Impossible in a need table: more numbers than a ticket holds.
constexpr std::uint8_t kNever = 9;

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
constexpr auto kFlagBytes = MakeFlagBytes();

// NumbersWithTails of every digit set (bit d).
std::array<std::uint64_t, 1024> MakeDigitNumbers()
{
    std::array<std::uint64_t, 1024> t{};
    for (unsigned digits = 0; digits < 1024; ++digits) {
        t[digits] = NumbersWithTails(digits);
    }
    return t;
}

// need[c]: the fewest numbers still to add to a count c to reach an allowed count; kNever if none.
std::array<std::uint8_t, 8> NeedTable(std::uint8_t allowed)
{
    std::array<std::uint8_t, 8> need{};
    for (int c = 0; c < 8; ++c) {
        need[static_cast<std::size_t>(c)] = kNever;
        for (int a = c; a <= 6; ++a) {
            if ((allowed >> a) & 1u) {
                need[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(a - c);
                break;
            }
        }
    }
    return need;
}

inline std::uint64_t IfBit(unsigned set, int bit, std::uint64_t mask)
{
    return ((set >> bit) & 1u) != 0 ? mask : 0;
}

inline std::uint64_t LowBits(int n)
{
    return n >= 64 ? ~0ull : (1ull << n) - 1;
}

struct PartitionState
{
    std::uint32_t Counts = 0; // 3 bits per part
    // Bit p: part p's present count is allowed; bit 16 + p: its count plus one is allowed.
    std::uint32_t Ok = 0;
};

// What the enumeration knows about the numbers placed so far. Kept small: one copy is made per
// node of the enumeration, field by field (no member initializers: Extend sets every field). The
// states of the partition tests are kept per level by the engine.
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
    std::array<std::uint16_t, kHitKinds> Hits;
    int Sum;
    int TailSum;
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

struct ActivePartition
{
    const PartitionLayout* Layout = nullptr;
    unsigned All = 0; // bits of all parts
    std::array<std::uint8_t, 10> Allowed{};
    std::array<std::array<std::uint8_t, 8>, 10> Need{};
    // OkBits[p][c]: the Ok bits of part p holding c numbers.
    std::array<std::array<std::uint32_t, 8>, 10> OkBits{};
};

struct ActiveHit
{
    const PartitionLayout* Layout = nullptr;
    unsigned All = 0;
    unsigned Allowed = 0;
};

class Engine
{
public:
    Engine(const ShrinkPlan& plan, SurvivorFlags& flags, const ShrinkEngineProgress& progress)
        : m_plan(plan)
        , m_flags(flags.data())
        , m_progress(progress)
        , m_digitNumbers(MakeDigitNumbers())
    {
        for (std::size_t k = 0; k < kPartitionKinds; ++k) {
            if (plan.Partitions[k].Active) {
                ActivePartition a;
                a.Layout = &LayoutOf(static_cast<PartitionKind>(k));
                a.All = (1u << a.Layout->Parts) - 1;
                a.Allowed = plan.Partitions[k].Allowed;
                for (std::size_t p = 0; p < 10; ++p) {
                    a.Need[p] = NeedTable(a.Allowed[p]);
                    for (unsigned c = 0; c < 8; ++c) {
                        const unsigned allowed = a.Allowed[p];
                        a.OkBits[p][c] = ((allowed >> c) & 1u) << p | ((allowed >> (c + 1)) & 1u) << (16 + p);
                    }
                }
                m_partitions.push_back(a);
            }
        }
        for (std::size_t k = 0; k < kHitKinds; ++k) {
            if (plan.Hits[k].Active) {
                const PartitionLayout* layout = &LayoutOf(static_cast<HitKind>(k));
                m_hits.push_back({layout, (1u << layout->Parts) - 1, plan.Hits[k].Allowed});
            }
        }
        for (const GroupTest& g : plan.Groups) {
            m_groupNeed.push_back(NeedTable(g.Allowed));
            std::array<std::uint64_t, 8> select{};
            for (int c = 0; c < 7; ++c) {
                select[static_cast<std::size_t>(c)] =
                    IfBit(g.Allowed, c + 1, g.Numbers) | IfBit(g.Allowed, c, ~g.Numbers);
            }
            m_groupSelect.push_back(select);
        }
        m_packedLines = plan.LinesActive && plan.Lines.size() <= kMaxPackedLines;
        std::vector<std::uint64_t> sets;
        for (const GroupTest& g : plan.Groups) {
            sets.push_back(g.Numbers);
        }
        if (m_packedLines) {
            sets.insert(sets.end(), plan.Lines.begin(), plan.Lines.end());
        }
        m_setWords = (sets.size() + kSetsPerWord - 1) / kSetsPerWord;
        m_setContrib.assign(34 * m_setWords, 0);
        for (std::size_t i = 0; i < sets.size(); ++i) {
            for (int n = 1; n <= 33; ++n) {
                if ((sets[i] >> n) & 1u) {
                    m_setContrib[static_cast<std::size_t>(n) * m_setWords + i / kSetsPerWord] |=
                        1ull << (3 * (i % kSetsPerWord));
                }
            }
        }
        m_setCounts.assign(6 * m_setWords, 0);
        for (int k = 0; k < 10; ++k) {
            if (plan.GapCountsActive && plan.GapCounts[static_cast<std::size_t>(k)] != 0x7F) {
                m_gapCountSizes.push_back(k);
            }
        }
        m_sumCount[0] = 0;
        for (int v = 0; v < 384; ++v) {
            const bool ok = (plan.Sums[static_cast<std::size_t>(v / 64)] >> (v % 64)) & 1u;
            m_sumCount[static_cast<std::size_t>(v + 1)] =
                m_sumCount[static_cast<std::size_t>(v)] + (ok ? 1 : 0);
        }
        for (unsigned digits = 0; digits < 1024; ++digits) {
            int n = 0;
            for (unsigned d = 0; d < 10; ++d) {
                n += ((digits >> d) & 1u) ? plan.RefDigitCount[d] : 0;
            }
            m_refCount[digits] = static_cast<std::uint8_t>(n);
        }
        for (unsigned d = 0; d < 10; ++d) {
            m_refDigitsWith[plan.RefDigitCount[d]] |= static_cast<std::uint16_t>(1u << d);
        }
        if (plan.LinesActive && MarkingIsCheaper(plan.Lines, plan.LineCounts)) {
            m_lineTickets = MarkLineTickets(plan.Lines, plan.LineCounts);
        }
        m_acActive = (plan.AcValues & 0x7FF) != 0x7FF;
        m_tailDigitsActive = plan.TailSums != ~0ull || plan.SameTailGroups != 0xFF ||
                             plan.MaxTailRepeats != 0xFF || plan.RefTailActive;
        m_chainsActive = plan.OddChains != 0xFF || plan.EvenChains != 0xFF;
        m_gapMeasuresActive = plan.MaxGaps != ~0ull || plan.MinGaps != ~0ull || plan.GapCountsActive;
        // A largest or smallest allowed gap bounds every gap.
        m_gapBound = (kAllNumbers >> 1) & ~1ull; // gaps 1..32
        if (plan.MaxGaps != ~0ull) {
            m_gapBound &= LowBits(64 - __builtin_clzll(plan.MaxGaps | 1));
        }
        if (plan.MinGaps != ~0ull) {
            m_gapBound &= plan.MinGaps == 0 ? 0 : ~LowBits(__builtin_ctzll(plan.MinGaps));
        }
    }

    void Run()
    {
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            PartitionState& st = m_partState[0][k];
            for (std::size_t p = 0; p < 10; ++p) {
                st.Ok |= m_partitions[k].OkBits[p][0];
            }
        }
        Prefix start{};
        start.DigitsWithCount[0] = 0x3FF;
        start.MinGap = 63;
        Descend<0>(start, m_plan.Positions[0] & kAllNumbers);
    }

private:
    template <int Placed> void Descend(const Prefix& s, std::uint64_t candidates)
    {
        while (candidates != 0) {
            const int n = __builtin_ctzll(candidates);
            candidates &= candidates - 1;
            Prefix next = Extend<Placed>(s, n);
            if constexpr (Placed == 0) {
                next.LastCandidates =
                    m_plan.Positions[5] & (m_plan.HeadTailDiffs << n) & (m_plan.HeadTailSums >> n);
            }
            if constexpr (Placed < 4) {
                if (!Feasible(next, Placed + 1)) {
                    continue;
                }
                const std::uint64_t gaps = m_plan.Gaps[Placed] & m_gapBound;
                Descend<Placed + 1>(next, m_plan.Positions[Placed + 1] & (gaps << n) & kAllNumbers);
                if constexpr (Placed == 1) {
                    if (m_progress) {
                        m_progress(next.Ordinal - kOrdinalOffsets[2][n + 1] + kOrdinalOffsets[2][34]);
                    }
                }
            } else {
                Finish(next, m_partState[5]);
            }
        }
    }

    // The prefix with n placed at the given position (0..4), built field by field.
    template <int Position> Prefix Extend(const Prefix& s, int n)
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
        for (std::size_t k = 0; k < m_hits.size(); ++k) {
            t.Hits[k] |=
                static_cast<std::uint16_t>(1u << m_hits[k].Layout->PartOf[static_cast<std::size_t>(n)]);
        }
        t.Sum = s.Sum + n;
        t.TailSum = s.TailSum + d;
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
            t.RunIndex = s.RunIndex + (g == 1 ? 0 : kRunWeight[s.Stretch]);
            t.Stretch = g == 1 ? s.Stretch + 1 : 1;
            t.OddChains = s.OddChains + (g == 2 && (n & 1) != 0 ? 1 : 0);
            t.EvenChains = s.EvenChains + (g == 2 && (n & 1) == 0 ? 1 : 0);
        }
        t.SameTailGroups = s.SameTailGroups + (c == 1 ? 1 : 0);
        t.MaxTailRepeat = c + 1 > s.MaxTailRepeat ? c + 1 : s.MaxTailRepeat;
        ExtendLevel(n, Position);
        return t;
    }

    // The counts kept per level: the partitions' and the counted sets'.
    void ExtendLevel(int n, int position)
    {
        const std::uint64_t* contrib = m_setContrib.data() + static_cast<std::size_t>(n) * m_setWords;
        const std::uint64_t* before = m_setCounts.data() + static_cast<std::size_t>(position) * m_setWords;
        std::uint64_t* after = m_setCounts.data() + static_cast<std::size_t>(position + 1) * m_setWords;
        for (std::size_t w = 0; w < m_setWords; ++w) {
            after[w] = before[w] + contrib[w];
        }
        const auto& from = m_partState[static_cast<std::size_t>(position)];
        auto& to = m_partState[static_cast<std::size_t>(position + 1)];
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            const ActivePartition& a = m_partitions[k];
            const std::uint32_t counts = from[k].Counts;
            const int p = a.Layout->PartOf[static_cast<std::size_t>(n)];
            const unsigned count = ((counts >> (3 * p)) & 7u) + 1;
            to[k].Counts = counts + (1u << (3 * p));
            to[k].Ok = (from[k].Ok & ~(0x10001u << p)) | a.OkBits[static_cast<std::size_t>(p)][count];
        }
    }

    // False when no completion of the prefix of `placed` numbers can pass.
    bool Feasible(const Prefix& s, int placed) const
    {
        const int left = 6 - placed;
        if (m_plan.SumActive) {
            const int lo = s.Sum + left * s.Last + left * (left + 1) / 2;
            const int hi = s.Sum + left * 33 - left * (left - 1) / 2;
            if (lo > 383 || m_sumCount[static_cast<std::size_t>(std::min(hi, 383) + 1)] ==
                                m_sumCount[static_cast<std::size_t>(lo)]) {
                return false;
            }
        }
        const std::uint64_t above = kAllNumbers & ~LowBits(s.Last + 1);
        for (std::size_t g = 0; g < m_plan.Groups.size(); ++g) {
            const std::uint64_t numbers = m_plan.Groups[g].Numbers;
            const int need = m_groupNeed[g][SetCount(placed, g)];
            if (need > left || (need > 0 && need > detail::PopCount(numbers & above))) {
                return false;
            }
        }
        const auto& states = m_partState[static_cast<std::size_t>(placed)];
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            const PartitionState& st = states[k];
            unsigned fail = ~st.Ok & m_partitions[k].All;
            int need = 0;
            while (fail != 0) {
                const int p = __builtin_ctz(fail);
                fail &= fail - 1;
                need += m_partitions[k].Need[static_cast<std::size_t>(p)][(st.Counts >> (3 * p)) & 7u];
            }
            if (need > left) {
                return false;
            }
        }
        return true;
    }

    // Five numbers are placed: find the sixth numbers that pass every test and flag the tickets.
    void Finish(const Prefix& s, const std::array<PartitionState, kPartitionKinds>& states)
    {
        std::uint64_t cand = s.LastCandidates & ((m_plan.Gaps[4] & m_gapBound) << s.Last) & kAllNumbers;
        if (cand == 0) {
            return;
        }
        if (m_plan.SumActive) {
            const int w = s.Sum / 64;
            const int b = s.Sum % 64;
            std::uint64_t window = m_plan.Sums[static_cast<std::size_t>(w)] >> b;
            if (b != 0) {
                window |= m_plan.Sums[static_cast<std::size_t>(w + 1)] << (64 - b);
            }
            cand &= window;
        }
        const std::uint64_t* counts = m_setCounts.data() + 5 * m_setWords;
        for (std::size_t i = 0, w = 0; i < m_groupSelect.size(); ++w) {
            std::uint64_t word = counts[w];
            for (std::size_t j = 0; j < kSetsPerWord && i < m_groupSelect.size(); ++j, ++i, word >>= 3) {
                cand &= m_groupSelect[i][word & 7u];
            }
        }
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            const PartitionState& st = states[k];
            const ActivePartition& a = m_partitions[k];
            const unsigned fail = ~st.Ok & a.All;
            if ((fail & (fail - 1)) != 0) {
                return;
            }
            cand &= a.Layout->NumbersOf[(st.Ok >> 16) & (fail != 0 ? fail : a.All)];
        }
        for (std::size_t k = 0; k < m_hits.size(); ++k) {
            const ActiveHit& h = m_hits[k];
            const unsigned hit = s.Hits[k];
            const int c = detail::PopCount(hit);
            const unsigned parts = (((h.Allowed >> c) & 1u) != 0 ? hit : 0) |
                                   (((h.Allowed >> (c + 1)) & 1u) != 0 ? ~hit & h.All : 0);
            cand &= h.Layout->NumbersOf[parts];
        }
        if (cand == 0) {
            return;
        }
        if (m_tailDigitsActive) {
            cand &= m_digitNumbers[TailDigits(s)];
        }
        if (m_plan.RunsActive) {
            const std::uint64_t next = 1ull << (s.Last + 1);
            const bool adjacent = m_plan.RunsAllowed[static_cast<std::size_t>(
                s.RunIndex + kRunWeight[static_cast<std::size_t>(s.Stretch + 1)])];
            const bool apart = m_plan.RunsAllowed[static_cast<std::size_t>(
                s.RunIndex + (s.Stretch >= 2 ? kRunWeight[static_cast<std::size_t>(s.Stretch)] : 0))];
            cand &= (adjacent ? next : 0) | (apart ? ~next : 0);
        }
        if (m_chainsActive) {
            const unsigned odd = m_plan.OddChains;
            const unsigned even = m_plan.EvenChains;
            const bool base = ((odd >> s.OddChains) & (even >> s.EvenChains) & 1u) != 0;
            const bool two = (s.Last & 1) != 0
                                 ? ((odd >> (s.OddChains + 1)) & (even >> s.EvenChains) & 1u) != 0
                                 : ((odd >> s.OddChains) & (even >> (s.EvenChains + 1)) & 1u) != 0;
            const std::uint64_t twoApart = 1ull << (s.Last + 2);
            cand &= (base ? ~twoApart : 0) | (two ? twoApart : 0);
        }
        if (m_gapMeasuresActive) {
            cand &= GapValues(s) << s.Last;
        }
        if (cand == 0) {
            return;
        }
        if (m_plan.LinesActive && m_lineTickets.empty()) {
            cand &= LineCandidates(s, cand);
        }
        if (m_acActive) {
            cand &= AcCandidates(s);
        }
        // The sixth numbers Last + 1 .. 33 stand at consecutive ordinals from s.Ordinal on.
        const int block = 33 - s.Last;
        std::uint64_t bits = cand >> (s.Last + 1);
        if (!m_lineTickets.empty()) {
            while (bits != 0) {
                const auto ordinal = static_cast<std::size_t>(s.Ordinal + __builtin_ctzll(bits));
                bits &= bits - 1;
                if (((m_lineTickets[ordinal / 64] >> (ordinal % 64)) & 1u) != 0) {
                    m_flags[ordinal] = 1;
                }
            }
            return;
        }
        std::uint8_t* out = m_flags + s.Ordinal;
        for (int at = 0; bits != 0; at += 8, bits >>= 8) {
            const auto& bytes = kFlagBytes[bits & 0xFF];
            std::memcpy(out + at, bytes.data(), static_cast<std::size_t>(std::min(8, block - at)));
        }
    }

    // The sixth numbers that give an allowed AC value. A sixth number n adds the differences n - m
    // for the five placed m; those not among the present differences are new. The number of new
    // differences is counted for all candidates at once: one mask per placed m (the n for which
    // n - m is new) summed bit-sliced into three bit planes.
    std::uint64_t AcCandidates(const Prefix& s) const
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
            if (ac >= 0 && ((m_plan.AcValues >> ac) & 1u) != 0) {
                ok |= ((k & 1) != 0 ? b0 : ~b0) & ((k & 2) != 0 ? b1 : ~b1) & ((k & 4) != 0 ? b2 : ~b2);
            }
        }
        return ok;
    }

    // The tail digits the sixth number may have, from the tests on tails.
    unsigned TailDigits(const Prefix& s) const
    {
        unsigned digits = 0x3FF;
        if (m_plan.TailSums != ~0ull) {
            digits &= static_cast<unsigned>(m_plan.TailSums >> s.TailSum) & 0x3FF;
        }
        const auto& with = s.DigitsWithCount;
        if (m_plan.SameTailGroups != 0xFF) {
            const unsigned allowed = m_plan.SameTailGroups;
            digits &= (((allowed >> s.SameTailGroups) & 1u) != 0 ? ~with[1] & 0x3FFu : 0) |
                      (((allowed >> (s.SameTailGroups + 1)) & 1u) != 0 ? with[1] : 0);
        }
        if (m_plan.MaxTailRepeats != 0xFF) {
            unsigned ok = 0;
            for (int c = 0; c <= 4; ++c) {
                const int repeat = c + 1 > s.MaxTailRepeat ? c + 1 : s.MaxTailRepeat;
                ok |= ((m_plan.MaxTailRepeats >> repeat) & 1u) != 0 ? with[static_cast<std::size_t>(c)] : 0;
            }
            digits &= ok;
        }
        if (m_plan.RefTailActive) {
            const unsigned present = ~with[0] & 0x3FFu;
            const int c = m_refCount[present];
            unsigned ok = ((m_plan.RefTailCounts >> c) & 1u) != 0 ? present : 0;
            for (int v = 0; v <= 6; ++v) {
                if (((m_plan.RefTailCounts >> (c + v)) & 1u) != 0) {
                    ok |= m_refDigitsWith[static_cast<std::size_t>(v)] & ~present;
                }
            }
            digits &= ok;
        }
        return digits & 0x3FF;
    }

    // The gap sizes (bit g) the sixth number may stand from the fifth, from the gap measures.
    std::uint64_t GapValues(const Prefix& s) const
    {
        std::uint64_t gaps = ~0ull;
        if (m_plan.MaxGaps != ~0ull) {
            const std::uint64_t upTo = LowBits(s.MaxGap + 1);
            gaps &= (((m_plan.MaxGaps >> s.MaxGap) & 1u) != 0 ? upTo : 0) | (m_plan.MaxGaps & ~upTo);
        }
        if (m_plan.MinGaps != ~0ull) {
            const std::uint64_t below = LowBits(s.MinGap);
            gaps &= (((m_plan.MinGaps >> s.MinGap) & 1u) != 0 ? ~below : 0) | (m_plan.MinGaps & below);
        }
        if (m_plan.GapCountsActive) {
            for (const int k : m_gapCountSizes) {
                const unsigned allowed = m_plan.GapCounts[static_cast<std::size_t>(k)];
                const unsigned c = (s.GapCounts >> (3 * k)) & 7u;
                const std::uint64_t size = 1ull << (k + 2);
                gaps &=
                    (((allowed >> (c + 1)) & 1u) != 0 ? size : 0) | (((allowed >> c) & 1u) != 0 ? ~size : 0);
            }
        }
        return gaps;
    }

    // The sixth numbers for which some reference line shares an allowed count with the ticket.
    std::uint64_t LineCandidates(const Prefix& s, std::uint64_t cand) const
    {
        const unsigned allowed = m_plan.LineCounts;
        const std::size_t first = m_plan.Groups.size();
        std::uint64_t ok = 0;
        for (std::size_t i = 0; i < m_plan.Lines.size(); ++i) {
            const std::uint64_t line = m_plan.Lines[i];
            const int c =
                m_packedLines ? static_cast<int>(SetCount(5, first + i)) : detail::PopCount(s.Mask & line);
            ok |= IfBit(allowed, c + 1, line) | IfBit(allowed, c, ~line);
            if ((ok & cand) == cand) {
                break;
            }
        }
        return ok;
    }

    // The count of counted set i among the first `placed` numbers.
    unsigned SetCount(int placed, std::size_t i) const
    {
        return static_cast<unsigned>(
                   m_setCounts[static_cast<std::size_t>(placed) * m_setWords + i / kSetsPerWord] >>
                   (3 * (i % kSetsPerWord))) &
               7u;
    }

    const ShrinkPlan& m_plan;
    std::uint8_t* m_flags;
    const ShrinkEngineProgress& m_progress;
    std::array<std::uint64_t, 1024> m_digitNumbers;
    std::vector<ActivePartition> m_partitions;
    // m_partState[k][i]: state of active partition i after k numbers are placed.
    std::array<std::array<PartitionState, kPartitionKinds>, 6> m_partState{};
    std::vector<ActiveHit> m_hits;
    std::vector<std::array<std::uint8_t, 8>> m_groupNeed;
    // m_groupSelect[i][c]: the sixth numbers group i allows when c of the first five are in it.
    std::vector<std::array<std::uint64_t, 8>> m_groupSelect;
    // Counted sets (the groups, then the reference lines when there are few): 3-bit counts, 21 to
    // a word, kept per level; m_setContrib[n * m_setWords + w] adds number n.
    static constexpr std::size_t kSetsPerWord = 21;
    static constexpr std::size_t kMaxPackedLines = 4 * kSetsPerWord;
    std::size_t m_setWords = 0;
    std::vector<std::uint64_t> m_setContrib;
    std::vector<std::uint64_t> m_setCounts;
    bool m_packedLines = false;
    std::vector<int> m_gapCountSizes; // gap sizes 2 + k whose counts are tested
    std::array<std::int16_t, 385> m_sumCount{};
    std::array<std::uint8_t, 1024> m_refCount{};
    std::array<std::uint16_t, 8> m_refDigitsWith{};
    std::vector<std::uint64_t> m_lineTickets; // bit per ordinal, when marking was cheaper
    std::uint64_t m_gapBound = ~0ull;
    bool m_acActive = false;
    bool m_tailDigitsActive = false;
    bool m_chainsActive = false;
    bool m_gapMeasuresActive = false;
};

} // namespace

void ApplyShrinkPlan(const ShrinkPlan& plan, SurvivorFlags& flags, const ShrinkEngineProgress& progress)
{
    flags.assign(static_cast<std::size_t>(kPoolCount), plan.Inactive ? 1 : 0);
    if (!plan.Inactive && !plan.Nothing) {
        Engine(plan, flags, progress).Run();
    }
    if (progress) {
        progress(kPoolCount);
    }
}

} // namespace quorvane
