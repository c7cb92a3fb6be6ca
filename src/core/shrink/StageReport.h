#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shrink/ConditionVerdicts.h"
#include "shrink/ShrinkConditions.h"

// The stage report of a run: what each active condition costs. In run order, each condition with
// the survivors after it, the tickets of the base that fail it, and those that it alone removes
// (they pass every other active condition); then how many tickets fail 0, 1, 2, ... conditions.

namespace quorvane {

struct StageReportRow
{
    std::string Name;
    std::int32_t SurvivorsAfter = 0;
    std::int32_t Failing = 0;
    std::int32_t FailingAlone = 0;
};

struct StageReport
{
    bool BaseActive = false; // the red selection limits the base
    std::int32_t Base = 0;   // tickets within the base
    std::vector<StageReportRow> Rows;
    // FailHistogram[k]: tickets of the base failing exactly k conditions, up to the largest k held.
    std::vector<std::int32_t> FailHistogram;
    TRangePair Tolerance;
    std::int32_t Kept = 0; // the run's survivors with the tolerance
};

StageReport BuildStageReport(const ShrinkConditions& conditions, const ConditionVerdicts& verdicts);

// The report as text lines: a table of the conditions, then the histogram and the tolerance.
std::vector<std::string> StageReportLines(const StageReport& report);

// "不满足" + k + "个条件：" + count + "注", one line of the histogram.
std::string FailCountLine(int failed, std::int32_t tickets);

} // namespace quorvane
