#pragma once

#include <ctime>
#include <string>

namespace quorvane {

// A date and time as the program writes it in time stamps: "yyyy.MM.dd hh:mm:ss" (24-hour clock),
// e.g. "2010.10.05 09:08:07".
std::string FormatDateTime(const std::tm& time);

// The current local time.
std::tm LocalNow();

} // namespace quorvane
