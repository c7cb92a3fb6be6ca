#include "shrink/EngineParts.h"

namespace quorvane::engine {

const std::array<std::uint64_t, 1024>& DigitNumbers()
{
    static const std::array<std::uint64_t, 1024> table = [] {
        std::array<std::uint64_t, 1024> t{};
        for (unsigned digits = 0; digits < 1024; ++digits) {
            t[digits] = NumbersWithTails(digits);
        }
        return t;
    }();
    return table;
}

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

ActivePartition MakeActivePartition(PartitionKind kind, const std::array<std::uint8_t, 10>& allowed)
{
    ActivePartition a;
    a.Layout = &LayoutOf(kind);
    a.All = (1u << a.Layout->Parts) - 1;
    a.Allowed = allowed;
    for (std::size_t p = 0; p < 10; ++p) {
        a.Need[p] = NeedTable(a.Allowed[p]);
        const unsigned bits = a.Allowed[p];
        for (unsigned c = 0; c < 8; ++c) {
            a.OkBits[p][c] = ((bits >> c) & 1u) << p | ((bits >> (c + 1)) & 1u) << (16 + p);
        }
    }
    return a;
}

PartitionState StartPartitionState(const ActivePartition& a)
{
    PartitionState st;
    for (std::size_t p = 0; p < 10; ++p) {
        st.Ok |= a.OkBits[p][0];
    }
    return st;
}

bool PartitionFeasible(const PartitionState& st, const ActivePartition& a, int left)
{
    unsigned fail = ~st.Ok & a.All;
    int need = 0;
    while (fail != 0) {
        const int p = __builtin_ctz(fail);
        fail &= fail - 1;
        need += a.Need[static_cast<std::size_t>(p)][(st.Counts >> (3 * p)) & 7u];
    }
    return need <= left;
}

TailTest::TailTest(const ShrinkPlan& plan)
    : m_tailSums(plan.TailSums)
    , m_sameTailGroups(plan.SameTailGroups)
    , m_maxTailRepeats(plan.MaxTailRepeats)
    , m_refActive(plan.RefTailActive)
    , m_refCounts(plan.RefTailCounts)
    , m_active(plan.TailSums != ~0ull || plan.SameTailGroups != 0xFF || plan.MaxTailRepeats != 0xFF ||
               plan.RefTailActive)
{
    for (unsigned digits = 1; digits < 1024; ++digits) {
        m_refCount[digits] =
            static_cast<std::uint8_t>(m_refCount[digits & (digits - 1)] +
                                      plan.RefDigitCount[static_cast<std::size_t>(__builtin_ctz(digits))]);
    }
    for (unsigned d = 0; d < 10; ++d) {
        m_refDigitsWith[plan.RefDigitCount[d]] |= static_cast<std::uint16_t>(1u << d);
    }
}

unsigned TailTest::Digits(const Prefix& s) const
{
    unsigned digits = 0x3FF;
    if (m_tailSums != ~0ull) {
        digits &= static_cast<unsigned>(m_tailSums >> s.TailSum) & 0x3FF;
    }
    const auto& with = s.DigitsWithCount;
    if (m_sameTailGroups != 0xFF) {
        const unsigned allowed = m_sameTailGroups;
        digits &= (((allowed >> s.SameTailGroups) & 1u) != 0 ? ~with[1] & 0x3FFu : 0) |
                  (((allowed >> (s.SameTailGroups + 1)) & 1u) != 0 ? with[1] : 0);
    }
    if (m_maxTailRepeats != 0xFF) {
        unsigned ok = 0;
        for (int c = 0; c <= 4; ++c) {
            const int repeat = c + 1 > s.MaxTailRepeat ? c + 1 : s.MaxTailRepeat;
            ok |= ((m_maxTailRepeats >> repeat) & 1u) != 0 ? with[static_cast<std::size_t>(c)] : 0;
        }
        digits &= ok;
    }
    if (m_refActive) {
        const unsigned present = ~with[0] & 0x3FFu;
        const int c = m_refCount[present];
        unsigned ok = ((m_refCounts >> c) & 1u) != 0 ? present : 0;
        for (int v = 0; v <= 6; ++v) {
            if (((m_refCounts >> (c + v)) & 1u) != 0) {
                ok |= m_refDigitsWith[static_cast<std::size_t>(v)] & ~present;
            }
        }
        digits &= ok;
    }
    return digits & 0x3FF;
}

GapTest::GapTest(const ShrinkPlan& plan)
    : m_maxGaps(plan.MaxGaps)
    , m_minGaps(plan.MinGaps)
    , m_counts(plan.GapCounts)
    , m_bound((kAllNumbers >> 1) & ~1ull) // gaps 1..32
    , m_active(plan.MaxGaps != ~0ull || plan.MinGaps != ~0ull || plan.GapCountsActive)
{
    for (int k = 0; k < 10; ++k) {
        if (plan.GapCountsActive && plan.GapCounts[static_cast<std::size_t>(k)] != 0x7F) {
            m_countSizes.push_back(k);
        }
    }
    if (plan.MaxGaps != ~0ull) {
        m_bound &= LowBits(64 - __builtin_clzll(plan.MaxGaps | 1));
    }
    if (plan.MinGaps != ~0ull) {
        m_bound &= plan.MinGaps == 0 ? 0 : ~LowBits(__builtin_ctzll(plan.MinGaps));
    }
}

std::uint64_t GapTest::Values(const Prefix& s) const
{
    std::uint64_t gaps = ~0ull;
    if (m_maxGaps != ~0ull) {
        const std::uint64_t upTo = LowBits(s.MaxGap + 1);
        gaps &= (((m_maxGaps >> s.MaxGap) & 1u) != 0 ? upTo : 0) | (m_maxGaps & ~upTo);
    }
    if (m_minGaps != ~0ull) {
        const std::uint64_t below = LowBits(s.MinGap);
        gaps &= (((m_minGaps >> s.MinGap) & 1u) != 0 ? ~below : 0) | (m_minGaps & below);
    }
    for (const int k : m_countSizes) {
        const unsigned allowed = m_counts[static_cast<std::size_t>(k)];
        const unsigned c = (s.GapCounts >> (3 * k)) & 7u;
        const std::uint64_t size = 1ull << (k + 2);
        gaps &= (((allowed >> (c + 1)) & 1u) != 0 ? size : 0) | (((allowed >> c) & 1u) != 0 ? ~size : 0);
    }
    return gaps;
}

} // namespace quorvane::engine
