// Each active condition's verdict on every ticket: the tickets of the base that fail a condition
// must be exactly those that its stage alone removes in the stage-by-stage reference, and the
// counts built on the verdicts must agree with the plain run.

#include <gtest/gtest.h>
#include <random>

#include "LenientConditions.h"
#include "ShrinkBenchConfigs.h"
#include "ShrinkTestSupport.h"
#include "measures/Measures.h"
#include "shrink/ConditionVerdicts.h"

using namespace quorvane;
using namespace quorvane::test;

namespace {

// Six draws, two with the same reds; the latest is 03 08 14 21 27 33.
DrawHistory SixDraws()
{
    DrawHistory h = SmallHistory();
    const TCodeRedArr extra[] = {{2, 9, 16, 20, 25, 31}, {5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5, 6}};
    for (const TCodeRedArr& reds : extra) {
        TBeenCodesRec r = h.back();
        r.Reds = reds;
        h.insert(h.end() - 1, r);
    }
    h.insert(h.begin(), h.back());
    return h;
}

// The tickets of the base that the condition's stage removes when it runs alone in the reference:
// kept holds the base on entry and the tickets the stage keeps on return.
void ReferenceKeeps(const ShrinkConditions& c, const RunCondition& condition, const DrawHistory& history,
                    SurvivorFlags& kept)
{
    if (condition.Stage != 48) {
        reference::RunStage(condition.Stage, c, history, SharedPool(), kept);
        return;
    }
    ShrinkConditions source = c;
    for (std::size_t i = 0; i < kRegularItemCount; ++i) {
        if (static_cast<int>(i) != condition.Item) {
            source.ssTb8Gbx1SeArr[i] = kRegularStartRanges[i];
        }
    }
    reference::RunStage(48, source, history, SharedPool(), kept);
}

// Compares every condition's verdicts with the reference and checks the counts; returns the run's
// survivors.
std::int32_t CheckVerdicts(const ShrinkConditions& c, const DrawHistory& history)
{
    const ConditionVerdicts v = ComputeVerdicts(c, history);
    SurvivorFlags base(static_cast<std::size_t>(kPoolCount), 1);
    reference::RunStage(8, c, history, SharedPool(), base);
    for (std::int32_t i = 0; i < kPoolCount; ++i) {
        if (v.InBase(i) != (base[static_cast<std::size_t>(i)] == 1)) {
            ADD_FAILURE() << "base differs at " << FormatTicket(TicketAt(i));
            break;
        }
    }
    SurvivorFlags kept;
    for (const RunCondition& rc : AllRunConditions()) {
        kept = base;
        ReferenceKeeps(c, rc, history, kept);
        std::size_t k = 0;
        while (k < v.Conditions.size() && v.Conditions[k].Condition != &rc) {
            ++k;
        }
        for (std::int32_t i = 0; i < kPoolCount; ++i) {
            const bool fails = k < v.Conditions.size() && TestPoolBit(v.Fails[k], i);
            const auto at = static_cast<std::size_t>(i);
            if (fails != (base[at] == 1 && kept[at] == 0)) {
                ADD_FAILURE() << rc.Name << (k < v.Conditions.size() ? "" : " (inactive)") << ": ticket "
                              << FormatTicket(TicketAt(i)) << " verdict " << fails;
                break;
            }
        }
    }

    // The counts add up: after the last condition the run's survivors remain, the histogram
    // covers the base, and a ticket failing one condition alone counts for that condition.
    const SurvivorFlags plain = ShrinkSurvivors(c, history);
    const std::int32_t survivors = CountSurvivors(plain);
    const VerdictCounts counts = CountVerdicts(v);
    EXPECT_EQ(ToleranceFlags(v, {0, 0}), plain);
    EXPECT_EQ(v.Conditions.empty() ? counts.Base : counts.SurvivorsAfter.back(), survivors);
    EXPECT_EQ(counts.FailHistogram[0], survivors);
    std::int32_t total = 0;
    for (const std::int32_t n : counts.FailHistogram) {
        total += n;
    }
    EXPECT_EQ(total, counts.Base);
    std::int32_t alone = 0;
    for (std::size_t k = 0; k < v.Conditions.size(); ++k) {
        alone += counts.FailingAlone[k];
        EXPECT_LE(counts.FailingAlone[k], counts.Failing[k]);
    }
    EXPECT_EQ(alone, counts.FailHistogram[1]);
    EXPECT_EQ(CountSurvivors(ToleranceFlags(v, {0, 1})), survivors + alone);

    // One ticket at a time gives the same verdicts as the pool.
    std::vector<const ShrinkPlan*> plans;
    for (const ActiveCondition& a : v.Conditions) {
        plans.push_back(&a.Plan);
    }
    VerdictEngine single(plans);
    std::mt19937 rng(5);
    for (int probe = 0; probe < 300; ++probe) {
        const auto i = std::uniform_int_distribution<std::int32_t>(0, kPoolCount - 1)(rng);
        if (!v.InBase(i)) {
            continue;
        }
        std::uint64_t expected = 0;
        for (const std::size_t k : v.FailedConditions(i)) {
            expected |= 1ull << k;
        }
        EXPECT_EQ(single.FailedPlans(TicketAt(i)), expected) << FormatTicket(TicketAt(i));
        EXPECT_EQ(v.FailedCount(i), detail::PopCount(expected));
    }
    return survivors;
}

// n distinct reds out of 1..33, at random.
TCheckCells<33> RandomReds(std::mt19937& rng, int n)
{
    TCheckCells<33> cells{};
    for (int placed = 0; placed < n;) {
        auto& cell = cells[static_cast<std::size_t>(std::uniform_int_distribution<int>(0, 32)(rng))];
        placed += cell == 0 ? 1 : 0;
        cell = 1;
    }
    return cells;
}

} // namespace

TEST(ConditionVerdicts, EachConditionFailsWhatItsStageAloneRemoves)
{
    const DrawHistory history = SixDraws();
    LenientConditions lenient(20240917);
    std::mt19937 rng(11);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE("configuration " + std::to_string(i));
        ShrinkConditions c = lenient.Make(0.3 + 0.05 * i);
        c.ssTb0MChk = RandomReds(rng, 14 + i);
        c.ExcludeDrawnChk = i % 3 == 0;
        c.ExcludeDrawnSp = i % 2;
        CheckVerdicts(c, history);
    }
    SCOPED_TRACE("benchmark configurations");
    EXPECT_GT(CheckVerdicts(benchconfig::Heavy(), benchconfig::History()), 0);
    EXPECT_GT(CheckVerdicts(benchconfig::EveryCondition(), history), 0);
}

TEST(ConditionVerdicts, ToleranceKeepsTheTicketsFailingFewConditions)
{
    // Reds 01..08: a ticket leaves out two of them, a and b. It fails the odd ratio 3:3 when a and
    // b are both odd or both even, the sums 21..27 when a + b < 9, and the must-have 01 when 1 is
    // left out.
    ShrinkConditions c = With({{"ssTb0MChk", "01#02#03#04#05#06#07#08"},
                               {"tj1QiOuBiChk", "1"},
                               {"tj1QiOuBiMChk", "3:3"},
                               {"tj1HeZhiChk", "1"},
                               {"tj1HeZhiSpEd", "21,27"},
                               {"tj2BiXuanHaoChk", "1"},
                               {"tj2BiXuanHaoEd", "01"}});
    const ConditionVerdicts v = ComputeVerdicts(c, {});
    ASSERT_EQ(v.Conditions.size(), 4u); // 31, 32, 33 (no sum excluded) and 41, in run order
    EXPECT_EQ(v.Conditions[0].Condition->Name, "条件一·奇偶比设定");
    EXPECT_EQ(v.Conditions[1].Condition->Name, "条件一·总码数设定");
    EXPECT_EQ(v.Conditions[2].Condition->Name, "条件一·排除和值");
    EXPECT_EQ(v.Conditions[3].Condition->Name, "条件二·必选号码设定");

    std::array<std::vector<std::int32_t>, 4> byCount; // tickets failing 0, 1, 2, 3 conditions
    for (int a = 1; a <= 8; ++a) {
        for (int b = a + 1; b <= 8; ++b) {
            TCodeRedArr t{};
            std::size_t at = 0;
            for (int n = 1; n <= 8; ++n) {
                if (n != a && n != b) {
                    t[at++] = static_cast<std::uint8_t>(n);
                }
            }
            const int fails = (a % 2 == b % 2 ? 1 : 0) + (a + b < 9 ? 1 : 0) + (a == 1 ? 1 : 0);
            byCount[static_cast<std::size_t>(fails)].push_back(OrdinalOfTicket(t));
            EXPECT_EQ(v.FailedCount(OrdinalOfTicket(t)), fails) << FormatTicket(t);
        }
    }
    // 03..08 (1 and 2 left out) fails the sums and the must-have number.
    EXPECT_EQ(v.FailedConditions(OrdinalOfTicket({3, 4, 5, 6, 7, 8})), (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(v.FailedConditions(OrdinalOfTicket({3, 4, 5, 6, 7, 8}), 1), (std::vector<std::size_t>{1}));

    auto kept = [&](int min, int max) {
        std::vector<std::int32_t> expected;
        for (int k = min; k <= std::min(max, 3); ++k) {
            expected.insert(expected.end(), byCount[static_cast<std::size_t>(k)].begin(),
                            byCount[static_cast<std::size_t>(k)].end());
        }
        std::sort(expected.begin(), expected.end());
        std::vector<std::int32_t> actual;
        const SurvivorFlags flags = ToleranceFlags(v, {min, max});
        for (std::size_t i = 0; i < flags.size(); ++i) {
            if (flags[i] == 1) {
                actual.push_back(static_cast<std::int32_t>(i));
            }
        }
        return actual == expected;
    };
    EXPECT_TRUE(kept(0, 0));
    EXPECT_TRUE(kept(0, 1));
    EXPECT_TRUE(kept(1, 1));
    EXPECT_TRUE(kept(1, 3));
    EXPECT_TRUE(kept(3, 60));
    EXPECT_EQ(CountSurvivors(ToleranceFlags(v, {0, 0})), CountSurvivors(ShrinkSurvivors(c, {})));

    const VerdictCounts counts = CountVerdicts(v);
    EXPECT_EQ(counts.Base, 28);
    EXPECT_EQ(counts.FailHistogram,
              (std::vector<std::int32_t>{static_cast<std::int32_t>(byCount[0].size()),
                                         static_cast<std::int32_t>(byCount[1].size()),
                                         static_cast<std::int32_t>(byCount[2].size()),
                                         static_cast<std::int32_t>(byCount[3].size()), 0}));
    EXPECT_EQ(counts.Failing, (std::vector<std::int32_t>{12, 12, 0, 7}));
}

TEST(ConditionVerdicts, NoActiveConditionAndNoBase)
{
    const ConditionVerdicts v = ComputeVerdicts(ShrinkConditions{}, {});
    EXPECT_TRUE(v.Conditions.empty());
    const VerdictCounts counts = CountVerdicts(v);
    EXPECT_EQ(counts.Base, kPoolCount);
    EXPECT_EQ(counts.FailHistogram, std::vector<std::int32_t>{kPoolCount});
    EXPECT_EQ(CountSurvivors(ToleranceFlags(v, {0, 0})), kPoolCount);
    EXPECT_EQ(CountSurvivors(ToleranceFlags(v, {1, 5})), 0);

    // Fewer than six reds: no ticket lies in the base.
    const ConditionVerdicts five =
        ComputeVerdicts(With({{"ssTb0MChk", "01#02#03#04#05"}, {"奇偶设计3", "1"}}), {});
    EXPECT_EQ(CountVerdicts(five).Base, 0);
    EXPECT_EQ(CountSurvivors(ToleranceFlags(five, {0, 1})), 0);
}
