#include "shrink/SurvivorLines.h"

#include "text/FormatNumbers.h"

namespace quorvane {

void FormatSurvivorLines(const TicketPool& pool, const SurvivorFlags& flags, std::vector<std::string>& lines)
{
    std::string line;
    int onLine = 0;
    ForEachSurvivor(pool, flags, [&](const TCodeRedArr& ticket) {
        AppendTicket(line, ticket);
        line += ", ";
        if (++onLine == 5) {
            lines.push_back(std::move(line));
            line.clear();
            onLine = 0;
        }
    });
    if (onLine > 0) {
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
}

} // namespace quorvane
