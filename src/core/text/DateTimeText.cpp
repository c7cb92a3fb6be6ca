#include "text/DateTimeText.h"

#include <cstdio>

namespace quorvane {

std::string FormatDateTime(const std::tm& time)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d.%02d.%02d %02d:%02d:%02d", time.tm_year + 1900,
                  time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
    return buffer;
}

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace quorvane
