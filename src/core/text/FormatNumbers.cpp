#include "text/FormatNumbers.h"

#include <cstdio>

namespace quorvane {

std::string Pad2(int value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s%02d", value < 0 ? "-" : "", value < 0 ? -value : value);
    return buf;
}

std::string FormatIssue(int year, int number)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%4d%s%03d", year, number < 0 ? "-" : "", number < 0 ? -number : number);
    return buf;
}

void AppendTicket(std::string& out, const TCodeRedArr& reds)
{
    // One append of a finished buffer: the result lists append millions of tickets.
    char buf[17];
    for (std::size_t i = 0; i < reds.size(); ++i) {
        buf[i * 3] = static_cast<char>('0' + reds[i] / 10 % 10);
        buf[i * 3 + 1] = static_cast<char>('0' + reds[i] % 10);
        if (i + 1 < reds.size()) {
            buf[i * 3 + 2] = ' ';
        }
    }
    out.append(buf, sizeof buf);
}

std::string FormatTicket(const TCodeRedArr& reds)
{
    std::string out;
    out.reserve(17);
    AppendTicket(out, reds);
    return out;
}

std::string FormatPercent(long long part, long long whole)
{
    if (whole <= 0) {
        return "-";
    }
    const long long tenths = (part * 2000 + whole) / (2 * whole); // part * 1000 / whole, rounded
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%lld.%lld%%", tenths < 0 ? "-" : "",
                  (tenths < 0 ? -tenths : tenths) / 10, (tenths < 0 ? -tenths : tenths) % 10);
    return buf;
}

} // namespace quorvane
