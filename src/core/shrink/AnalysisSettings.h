#pragma once

#include <string>
#include <string_view>

#include "shrink/ShrinkConditions.h"

// The analysis settings of a run: the tolerance over the conditions and the exclusion of past draws
// ("排除历史开奖号码"). The condition file keeps them in a section of their own, written only when
// they differ from their start values.

namespace quorvane {

inline constexpr const char* kAnalysisSection = "容错与查重";

// The largest number of failed conditions a tolerance may allow.
inline constexpr int kToleranceLimit = 60;

inline constexpr const char* kToleranceMessage =
    "容错范围有错误：应写成 最少..最多（例如 0..2），且 0 ≤ 最少 ≤ 最多 ≤ 60。";
inline constexpr const char* kExcludeDrawnCountMessage =
    "排除历史开奖号码的期数有错误：应为 0（全部历史开奖）或正整数。";

// True for 0 <= Min <= Max <= kToleranceLimit.
bool ValidTolerance(const TRangePair& tolerance);

// "MIN..MAX", two whole numbers (surrounding spaces allowed) that make a valid tolerance; throws
// UserError(kToleranceMessage) otherwise.
TRangePair ParseTolerance(std::string_view text);

// "0..2".
std::string FormatTolerance(const TRangePair& tolerance);

// True when the tolerance is 0..0: the plain run.
bool IsPlainTolerance(const TRangePair& tolerance);

// True when some analysis setting differs from its start value.
bool HasAnalysisSettings(const ShrinkConditions& conditions);

// Throws UserError with the message of the first analysis setting that is out of its range.
void CheckAnalysisSettings(const ShrinkConditions& conditions);

} // namespace quorvane
