#pragma once

#include <cstdint>
#include <vector>

#include "history/DrawHistory.h"
#include "shrink/RunConditions.h"
#include "shrink/ShrinkConditions.h"
#include "shrink/VerdictEngine.h"

// Each active condition's verdict on every ticket of the pool: which conditions a ticket fails,
// not only the first. The tolerance run, the stage report and the desktop pages read them.

namespace quorvane {

struct ConditionVerdicts
{
    // The active conditions in run order, each with its plan compiled alone.
    std::vector<ActiveCondition> Conditions;
    // The tickets within the base of the run (the red selection).
    PoolBits Base;
    // Fails[k]: the tickets of the base that fail Conditions[k].
    PoolBitSets Fails;

    bool InBase(std::int32_t ordinal) const { return TestPoolBit(Base.data(), ordinal); }

    // The number of active conditions a ticket of the base fails.
    int FailedCount(std::int32_t ordinal) const;

    // The conditions a ticket of the base fails (indices into Conditions, in run order), the first
    // `limit` of them.
    std::vector<std::size_t> FailedConditions(std::int32_t ordinal,
                                              std::size_t limit = kMaxVerdictPlans) const;
};

// The verdicts of the settings' active conditions over the pool. Throws UserError for a number list
// that does not convert and for analysis settings out of range, as the run does.
ConditionVerdicts ComputeVerdicts(const ShrinkConditions& conditions, const DrawHistory& history,
                                  const ShrinkEngineProgress& progress = {});

// Counts over the tickets of the base.
struct VerdictCounts
{
    std::int32_t Base = 0; // tickets within the base
    // FailHistogram[k]: tickets failing exactly k conditions, k = 0..number of conditions.
    std::vector<std::int32_t> FailHistogram;
    // Per condition: the tickets that fail it; those that fail it and no other; and those that pass
    // it and every condition before it (the survivors after it in run order).
    std::vector<std::int32_t> Failing;
    std::vector<std::int32_t> FailingAlone;
    std::vector<std::int32_t> SurvivorsAfter;
};
VerdictCounts CountVerdicts(const ConditionVerdicts& verdicts);

// The survivors of a run with tolerance: 1 for every ticket of the base that fails Min..Max
// active conditions (kPoolCount flags). With 0..0 they are the plain run's survivors.
SurvivorFlags ToleranceFlags(const ConditionVerdicts& verdicts, const TRangePair& tolerance);

} // namespace quorvane
