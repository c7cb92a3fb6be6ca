#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvane {

// A synthetic history for trying the program: draws of random numbers (never real results), about
// 150 a year from 2003 on, six distinct ascending reds and a blue each, increasing issue numbers.
// The same seed gives the same lines.
std::vector<std::string> MakeDemoHistoryLines(int draws, std::uint32_t seed);

} // namespace quorvane
