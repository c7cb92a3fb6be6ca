#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "wheel/WheelGuarantee.h"

// What a user types for a wheel or a reduction, read strictly: each reader throws UserError with a
// message that names the mistake, and returns only values the builders accept.

namespace quorvane {

inline constexpr const char* kReduceEmptyMessage = "缩水结果没有号码，请先缩水产生红球号码，再做保证缩水。";

// The chosen numbers: whole numbers 1..33 separated by commas or spaces ("01,03,05"), each once,
// 7 to 33 of them; returned ascending. A piece that is not a whole number gives the integer message.
std::vector<int> ParseWheelNumbers(std::string_view text);

// A guarantee as "6:5" or "中6保5" (spaces around the parts allowed), one of kWheelGuarantees.
WheelGuarantee ParseWheelGuarantee(std::string_view text);

// The reds a reduction keeps: 3, 4 or 5.
int ParseReduceKeep(std::string_view text);

// A search budget in seconds: a decimal number above 0 and at most kMostSearchSeconds.
inline constexpr double kMostSearchSeconds = 3600;
double ParseSearchSeconds(std::string_view text);

// A seed of the search: a whole number 0..4294967295.
std::uint32_t ParseSearchSeed(std::string_view text);

// A limit of local-search steps: a whole number 1..10^15.
std::uint64_t ParseSearchSteps(std::string_view text);

} // namespace quorvane
