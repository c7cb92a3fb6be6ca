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
    for (std::size_t i = 0; i < reds.size(); ++i) {
        if (i > 0) {
            out += ' ';
        }
        out += static_cast<char>('0' + reds[i] / 10 % 10);
        out += static_cast<char>('0' + reds[i] % 10);
    }
}

std::string FormatTicket(const TCodeRedArr& reds)
{
    std::string out;
    out.reserve(17);
    AppendTicket(out, reds);
    return out;
}

} // namespace quorvane
