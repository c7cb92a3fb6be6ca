#include "shrink/ShrinkRun.h"

#include <algorithm>

#include "shrink/AnalysisSettings.h"
#include "shrink/ConditionVerdicts.h"
#include "shrink/ShrinkCaptions.h"
#include "shrink/ShrinkEngine.h"
#include "shrink/ShrinkPlan.h"
#include "shrink/StageReport.h"
#include "shrink/SurvivorLines.h"
#include "text/CheckedText.h"
#include "text/DateTimeText.h"
#include "text/SplitText.h"

namespace quorvane {

namespace {

constexpr const char* kPoolCountPrefix = "缩水基础号码总共";
constexpr const char* kCountSuffix = "注号码";
constexpr const char* kBlueLinePrefix = "选择的蓝球：";
constexpr const char* kResultCountPrefix = "缩水结果为总共";
constexpr const char* kTooManyLine = "缩水结果超过20000注号码，忽略显示.";
// The bar advances this much per sweep of the pool.
constexpr int kProgressPerSweep = 110;

} // namespace

std::string ShrinkHeaderLine(const std::tm& now)
{
    return "Quorvane " + FormatDateTime(now);
}

std::vector<std::string> RunShrink(const ShrinkConditions& conditions, const DrawHistory& history,
                                   TicketPool& pool, SurvivorFlags& flags, const ShrinkRunOptions& options)
{
    CheckAnalysisSettings(conditions);
    const ShrinkPlan plan = CompileShrinkPlan(conditions, history);
    const TRangePair tolerance = conditions.ToleranceSpEd;
    const bool plain = IsPlainTolerance(tolerance);

    BuildTicketPool(pool);
    std::vector<std::string> lines;
    lines.push_back(ShrinkHeaderLine(options.Clock ? options.Clock() : LocalNow()));
    lines.push_back(kPoolCountPrefix + std::to_string(pool.size()) + kCountSuffix);
    lines.emplace_back();

    ShrinkEngineProgress progress;
    if (options.Progress) {
        const std::int64_t total = std::min(kShrinkProgressMaximum, plan.Sweeps * kProgressPerSweep);
        options.Progress(0);
        progress = [&options, total, shown = 0](std::int32_t decided) mutable {
            const int position = static_cast<int>(total * decided / kPoolCount);
            if (position != shown) {
                shown = position;
                options.Progress(position);
            }
        };
    }
    ConditionVerdicts local;
    ConditionVerdicts& verdicts = options.Verdicts != nullptr ? *options.Verdicts : local;
    if (plain) {
        ApplyShrinkPlan(plan, flags, progress);
        if (options.Verdicts != nullptr) {
            verdicts = ComputeVerdicts(conditions, history);
        }
    } else {
        verdicts = ComputeVerdicts(conditions, history, progress);
        flags = ToleranceFlags(verdicts, tolerance);
    }

    const std::vector<std::uint8_t> blues(conditions.ssTb0BChk.begin(), conditions.ssTb0BChk.end());
    lines.push_back(kBlueLinePrefix + CheckedToText(TwoDigitCaptions(16), blues, ",", CaptionTrim::Trim));
    lines.emplace_back();
    if (!plain) {
        const VerdictCounts counts = CountVerdicts(verdicts);
        lines.push_back(ToleranceLine(tolerance));
        for (int k = tolerance.Min;
             k <= tolerance.Max && static_cast<std::size_t>(k) < counts.FailHistogram.size(); ++k) {
            lines.push_back(FailCountLine(k, counts.FailHistogram[static_cast<std::size_t>(k)]));
        }
    }
    const std::int32_t survivors = CountSurvivors(flags);
    lines.push_back(kResultCountPrefix + std::to_string(survivors) + kCountSuffix);
    if (!options.MemoTickets) {
        return lines;
    }
    if (survivors > kShrinkListLimit) {
        lines.push_back(kTooManyLine);
    } else {
        FormatSurvivorLines(pool, flags, lines);
    }
    return lines;
}

std::string ToleranceLine(const TRangePair& tolerance)
{
    return "容错" + FormatTolerance(tolerance) + "：保留不满足" + std::to_string(tolerance.Min) + "至" +
           std::to_string(tolerance.Max) + "个条件的号码";
}

void TrimPositionEdits(ShrinkConditions& conditions)
{
    if (!conditions.tj3AnWeiChk) {
        return;
    }
    for (std::size_t p = 0; p < 6; ++p) {
        conditions.tj4AnWeiC3EdArr[p] = std::string(TrimText(conditions.tj4AnWeiC3EdArr[p]));
        conditions.tj4AnWeiZdEdArr[p] = std::string(TrimText(conditions.tj4AnWeiZdEdArr[p]));
    }
}

SurvivorFlags ShrinkSurvivors(const ShrinkConditions& conditions, const DrawHistory& history)
{
    CheckAnalysisSettings(conditions);
    if (!IsPlainTolerance(conditions.ToleranceSpEd)) {
        return ToleranceFlags(ComputeVerdicts(conditions, history), conditions.ToleranceSpEd);
    }
    SurvivorFlags flags;
    ApplyShrinkPlan(CompileShrinkPlan(conditions, history), flags);
    return flags;
}

} // namespace quorvane
