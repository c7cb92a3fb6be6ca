#include "text/PrintText.h"

#include "text/DateTimeText.h"

namespace quorvane {

std::vector<std::string> PrintTextLines(const std::vector<std::string>& lines, const std::tm& time)
{
    std::vector<std::string> printed;
    printed.reserve(lines.size() + 1);
    printed.push_back(" 打印，时间:" + FormatDateTime(time));
    printed.insert(printed.end(), lines.begin(), lines.end());
    return printed;
}

} // namespace quorvane
