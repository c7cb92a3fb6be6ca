#include "shrink/ShrinkEngine.h"

#include <algorithm>
#include <cstring>

#include "shrink/EngineParts.h"
#include "shrink/LineTickets.h"

namespace quorvane {

namespace {

using namespace engine;

class Engine
{
public:
    Engine(const ShrinkPlan& plan, SurvivorFlags& flags, const ShrinkEngineProgress& progress)
        : m_plan(plan)
        , m_flags(flags.data())
        , m_progress(progress)
        , m_digitNumbers(DigitNumbers())
        , m_tails(plan)
        , m_gaps(plan)
        , m_excluded(plan.ExcludedTickets)
    {
        for (std::size_t k = 0; k < kPartitionKinds; ++k) {
            if (plan.Partitions[k].Active) {
                m_partitions.push_back(
                    MakeActivePartition(static_cast<PartitionKind>(k), plan.Partitions[k].Allowed));
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
            for (unsigned c = 0; c < 7; ++c) {
                select[c] = CountCandidates(g.Numbers, g.Allowed, c);
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
        m_sumCount[0] = 0;
        for (int v = 0; v < 384; ++v) {
            const bool ok = (plan.Sums[static_cast<std::size_t>(v / 64)] >> (v % 64)) & 1u;
            m_sumCount[static_cast<std::size_t>(v + 1)] =
                m_sumCount[static_cast<std::size_t>(v)] + (ok ? 1 : 0);
        }
        if (plan.LinesActive && MarkingIsCheaper(plan.Lines, plan.LineCounts)) {
            m_lineTickets = MarkLineTickets(plan.Lines, plan.LineCounts);
        }
        m_acActive = AcActive(plan.AcValues);
        m_chainsActive = plan.OddChains != 0xFF || plan.EvenChains != 0xFF;
        m_gapBound = m_gaps.Bound();
    }

    void Run()
    {
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            m_partState[0][k] = StartPartitionState(m_partitions[k]);
        }
        Descend<0>(StartPrefix(), m_plan.Positions[0] & kAllNumbers);
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

    // The prefix with n placed at the given position (0..4), with the counts kept per level.
    template <int Position> Prefix Extend(const Prefix& s, int n)
    {
        Prefix t = ExtendCommon<Position>(s, n);
        for (std::size_t k = 0; k < m_hits.size(); ++k) {
            t.Hits[k] |=
                static_cast<std::uint16_t>(1u << m_hits[k].Layout->PartOf[static_cast<std::size_t>(n)]);
        }
        const std::uint64_t* contrib = m_setContrib.data() + static_cast<std::size_t>(n) * m_setWords;
        const std::uint64_t* before = m_setCounts.data() + static_cast<std::size_t>(Position) * m_setWords;
        std::uint64_t* after = m_setCounts.data() + static_cast<std::size_t>(Position + 1) * m_setWords;
        for (std::size_t w = 0; w < m_setWords; ++w) {
            after[w] = before[w] + contrib[w];
        }
        const auto& from = m_partState[static_cast<std::size_t>(Position)];
        auto& to = m_partState[static_cast<std::size_t>(Position + 1)];
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            const ActivePartition& a = m_partitions[k];
            to[k] = AddToPartition(from[k], a, a.Layout->PartOf[static_cast<std::size_t>(n)]);
        }
        return t;
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
            if (!PartitionFeasible(states[k], m_partitions[k], left)) {
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
            cand &= SumCandidates(m_plan.Sums, s.Sum);
        }
        const std::uint64_t* counts = m_setCounts.data() + 5 * m_setWords;
        for (std::size_t i = 0, w = 0; i < m_groupSelect.size(); ++w) {
            std::uint64_t word = counts[w];
            for (std::size_t j = 0; j < kSetsPerWord && i < m_groupSelect.size(); ++j, ++i, word >>= 3) {
                cand &= m_groupSelect[i][word & 7u];
            }
        }
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            cand &= PartitionCandidates(states[k], m_partitions[k]);
            if (cand == 0) {
                return;
            }
        }
        for (std::size_t k = 0; k < m_hits.size(); ++k) {
            cand &= HitCandidates(s.Hits[k], m_hits[k]);
        }
        if (cand == 0) {
            return;
        }
        if (m_tails.Active()) {
            cand &= m_digitNumbers[m_tails.Digits(s)];
        }
        if (m_plan.RunsActive) {
            cand &= RunCandidates(s, m_plan.RunsAllowed);
        }
        if (m_chainsActive) {
            cand &= ChainCandidates(s, m_plan.OddChains, m_plan.EvenChains);
        }
        if (m_gaps.Active()) {
            cand &= m_gaps.Values(s) << s.Last;
        }
        if (cand == 0) {
            return;
        }
        if (m_plan.LinesActive && m_lineTickets.empty()) {
            const std::size_t first = m_plan.Groups.size();
            cand &=
                LineCandidates(m_plan.Lines, m_plan.LineCounts, cand, [&](std::size_t i, std::uint64_t line) {
                    return m_packedLines ? SetCount(5, first + i)
                                         : static_cast<unsigned>(detail::PopCount(s.Mask & line));
                });
        }
        if (m_acActive) {
            cand &= AcCandidates(s, m_plan.AcValues);
        }
        // The sixth numbers Last + 1 .. 33 stand at consecutive ordinals from s.Ordinal on.
        const int block = 33 - s.Last;
        std::uint64_t bits = cand >> (s.Last + 1);
        if (!m_plan.ExcludedTickets.empty()) {
            bits &= ~m_excluded.Block(s.Ordinal, block);
        }
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
    const std::array<std::uint64_t, 1024>& m_digitNumbers;
    TailTest m_tails;
    GapTest m_gaps;
    ExcludedCursor m_excluded;
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
    std::array<std::int16_t, 385> m_sumCount{};
    std::vector<std::uint64_t> m_lineTickets; // bit per ordinal, when marking was cheaper
    std::uint64_t m_gapBound = ~0ull;
    bool m_acActive = false;
    bool m_chainsActive = false;
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
