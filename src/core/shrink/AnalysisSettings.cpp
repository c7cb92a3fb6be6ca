#include "shrink/AnalysisSettings.h"

#include "text/IntConvert.h"
#include "text/UserError.h"

namespace quorvane {

bool ValidTolerance(const TRangePair& tolerance)
{
    return 0 <= tolerance.Min && tolerance.Min <= tolerance.Max && tolerance.Max <= kToleranceLimit;
}

TRangePair ParseTolerance(std::string_view text)
{
    const std::size_t dots = text.find("..");
    if (dots == std::string_view::npos) {
        throw UserError(kToleranceMessage);
    }
    const auto min = TryStrToInt(text.substr(0, dots));
    const auto max = TryStrToInt(text.substr(dots + 2));
    if (!min || !max || !ValidTolerance({*min, *max})) {
        throw UserError(kToleranceMessage);
    }
    return {*min, *max};
}

std::string FormatTolerance(const TRangePair& tolerance)
{
    return std::to_string(tolerance.Min) + ".." + std::to_string(tolerance.Max);
}

bool IsPlainTolerance(const TRangePair& tolerance)
{
    return tolerance.Min == 0 && tolerance.Max == 0;
}

bool HasAnalysisSettings(const ShrinkConditions& conditions)
{
    const ShrinkConditions start;
    return conditions.ToleranceSpEd != start.ToleranceSpEd ||
           conditions.ExcludeDrawnChk != start.ExcludeDrawnChk ||
           conditions.ExcludeDrawnSp != start.ExcludeDrawnSp;
}

void CheckAnalysisSettings(const ShrinkConditions& conditions)
{
    if (!ValidTolerance(conditions.ToleranceSpEd)) {
        throw UserError(kToleranceMessage);
    }
    if (conditions.ExcludeDrawnSp < 0) {
        throw UserError(kExcludeDrawnCountMessage);
    }
}

} // namespace quorvane
