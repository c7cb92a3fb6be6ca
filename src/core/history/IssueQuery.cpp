#include "history/IssueQuery.h"

#include "text/FormatNumbers.h"

namespace quorvane {

std::string FormatQueryLine(const TBeenCodesRec& draw)
{
    return "第" + FormatIssue(draw.Year, draw.Number) + "期,开奖号:" + FormatTicket(draw.Reds) + " " + Pad2(draw.Blue);
}

std::vector<std::string> QueryIssues(const DrawHistory& history, long long issue, long long count)
{
    std::vector<std::string> lines;
    std::size_t found = history.size();
    for (std::size_t i = history.size(); i-- > 0;) {
        if (history[i].Issue() == issue) {
            found = i;
            break;
        }
    }
    if (found == history.size() || count <= 0) {
        return lines;
    }
    for (std::size_t i = found; i < history.size() && static_cast<long long>(i - found) < count; ++i) {
        lines.push_back(FormatQueryLine(history[i]));
    }
    return lines;
}

} // namespace quorvane
