#include "shrink/ConditionVerdicts.h"

#include <cstring>

#include "measures/Measures.h"
#include "shrink/AnalysisSettings.h"
#include "shrink/EngineParts.h"

namespace quorvane {

namespace {

// The count of failed conditions of 64 tickets, bit-sliced: bit j of Planes[b] is bit b of ticket
// j's count (counts up to 64 take seven bits).
struct FailCounts
{
    std::array<std::uint64_t, 7> Planes{};

    void Add(std::uint64_t fails)
    {
        for (std::size_t b = 0; b < Planes.size() && fails != 0; ++b) {
            const std::uint64_t carry = Planes[b] & fails;
            Planes[b] ^= fails;
            fails = carry;
        }
    }

    // The tickets whose count is exactly k.
    std::uint64_t Equal(int k) const
    {
        std::uint64_t eq = ~0ull;
        for (std::size_t b = 0; b < Planes.size(); ++b) {
            eq &= ((k >> b) & 1) != 0 ? Planes[b] : ~Planes[b];
        }
        return eq;
    }

    // The tickets whose count is at least k (0 <= k < 128).
    std::uint64_t AtLeast(int k) const
    {
        std::uint64_t greater = 0;
        std::uint64_t equal = ~0ull;
        for (int b = static_cast<int>(Planes.size()) - 1; b >= 0; --b) {
            const std::uint64_t plane = Planes[static_cast<std::size_t>(b)];
            if (((k >> b) & 1) != 0) {
                equal &= plane;
            } else {
                greater |= equal & plane;
                equal &= ~plane;
            }
        }
        return greater | equal;
    }

    // A bound above every count held: one less than a power of two.
    int Bound() const
    {
        int bound = 0;
        for (std::size_t b = 0; b < Planes.size(); ++b) {
            bound |= Planes[b] != 0 ? 1 << b : 0;
        }
        return bound == 0 ? 0 : (2 << (31 - __builtin_clz(static_cast<unsigned>(bound)))) - 1;
    }
};

FailCounts CountsOfWord(const ConditionVerdicts& v, std::size_t w)
{
    FailCounts counts;
    for (std::size_t k = 0; k < v.Fails.size(); ++k) {
        counts.Add(v.Fails[k][w]);
    }
    return counts;
}

} // namespace

int ConditionVerdicts::FailedCount(std::int32_t ordinal) const
{
    int n = 0;
    for (std::size_t k = 0; k < Fails.size(); ++k) {
        n += TestPoolBit(Fails[k], ordinal) ? 1 : 0;
    }
    return n;
}

std::vector<std::size_t> ConditionVerdicts::FailedConditions(std::int32_t ordinal, std::size_t limit) const
{
    std::vector<std::size_t> failed;
    for (std::size_t k = 0; k < Fails.size() && failed.size() < limit; ++k) {
        if (TestPoolBit(Fails[k], ordinal)) {
            failed.push_back(k);
        }
    }
    return failed;
}

ConditionVerdicts ComputeVerdicts(const ShrinkConditions& conditions, const DrawHistory& history,
                                  const ShrinkEngineProgress& progress)
{
    CheckAnalysisSettings(conditions);
    ConditionVerdicts verdicts;
    verdicts.Conditions = CompileActiveConditions(conditions, history);
    std::vector<const ShrinkPlan*> plans;
    for (const ActiveCondition& c : verdicts.Conditions) {
        plans.push_back(&c.Plan);
    }
    VerdictEngine engine(plans);
    VerdictEngine::PoolVerdicts pool = engine.Run(BaseNumbers(conditions), progress);
    verdicts.Base = std::move(pool.Base);
    verdicts.Fails = std::move(pool.Fails);
    return verdicts;
}

VerdictCounts CountVerdicts(const ConditionVerdicts& v)
{
    const std::size_t conditions = v.Fails.size();
    VerdictCounts counts;
    counts.FailHistogram.assign(conditions + 1, 0);
    counts.Failing.assign(conditions, 0);
    counts.FailingAlone.assign(conditions, 0);
    counts.SurvivorsAfter.assign(conditions, 0);
    // Tickets whose first failed condition is k leave the survivors from k on.
    std::vector<std::int32_t> firstFailed(conditions, 0);
    for (std::size_t w = 0; w < kPoolWords; ++w) {
        const std::uint64_t base = v.Base[w];
        if (base == 0) {
            continue;
        }
        counts.Base += detail::PopCount(base);
        const FailCounts word = CountsOfWord(v, w);
        const int bound = std::min(word.Bound(), static_cast<int>(conditions));
        for (int k = 0; k <= bound; ++k) {
            counts.FailHistogram[static_cast<std::size_t>(k)] += detail::PopCount(word.Equal(k) & base);
        }
        const std::uint64_t alone = word.Equal(1) & base;
        std::uint64_t alive = base;
        for (std::size_t k = 0; k < conditions; ++k) {
            const std::uint64_t fails = v.Fails[k][w];
            if (fails == 0) {
                continue;
            }
            counts.Failing[k] += detail::PopCount(fails);
            counts.FailingAlone[k] += (fails & alone) != 0 ? detail::PopCount(fails & alone) : 0;
            const std::uint64_t leaving = alive & fails;
            if (leaving != 0) {
                firstFailed[k] += detail::PopCount(leaving);
                alive &= ~fails;
            }
        }
    }
    std::int32_t survivors = counts.Base;
    for (std::size_t k = 0; k < conditions; ++k) {
        survivors -= firstFailed[k];
        counts.SurvivorsAfter[k] = survivors;
    }
    return counts;
}

SurvivorFlags ToleranceFlags(const ConditionVerdicts& v, const TRangePair& tolerance)
{
    SurvivorFlags flags(static_cast<std::size_t>(kPoolCount), 0);
    for (std::size_t w = 0; w < kPoolWords; ++w) {
        std::uint64_t keep = v.Base[w];
        if (keep == 0) {
            continue;
        }
        const FailCounts word = CountsOfWord(v, w);
        keep &= word.AtLeast(tolerance.Min) & ~word.AtLeast(tolerance.Max + 1);
        const std::size_t first = w * 64;
        const std::size_t count = std::min<std::size_t>(64, flags.size() - first);
        for (std::size_t at = 0; keep != 0 && at < count; at += 8, keep >>= 8) {
            std::memcpy(flags.data() + first + at, engine::kFlagBytes[keep & 0xFF].data(),
                        std::min<std::size_t>(8, count - at));
        }
    }
    return flags;
}

} // namespace quorvane
