#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace quorvane {

// The job title of every printed list.
inline constexpr const char* kPrintJobTitle = "Quorvane";
// The font size of every printed list, in points.
inline constexpr int kPrintFontSize = 12;

// The lines of a printed list: first the time-stamp line " 打印，时间:" + FormatDateTime(time),
// then the given lines in order.
std::vector<std::string> PrintTextLines(const std::vector<std::string>& lines, const std::tm& time);

} // namespace quorvane
