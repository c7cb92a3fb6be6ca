#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/CodeRedArr.h"

namespace quorvane {

// One draw.
struct TBeenCodesRec
{
    std::int32_t Year = 0;   // the first four characters of the issue number, e.g. 2005
    std::int32_t Number = 0; // the draw's sequence number within the year, e.g. 13
    TCodeRedArr Reds{};      // ascending (the parse sorts them)
    std::int32_t Blue = 0;   // 1..16

    // Year * 1000 + Number, e.g. 2005013.
    std::int32_t Issue() const { return Year * 1000 + Number; }

    friend bool operator==(const TBeenCodesRec& a, const TBeenCodesRec& b)
    {
        return a.Year == b.Year && a.Number == b.Number && a.Reds == b.Reds && a.Blue == b.Blue;
    }
};

using TBeenCodesRecArr = std::vector<TBeenCodesRec>;

// The draw history: oldest draw first, most recent last, so the last n draws are the last n
// elements. Replaced whole by every successful parse; nothing else writes it.
using DrawHistory = TBeenCodesRecArr;

// Message of a parse that found bad lines; followed by CR LF and the list of their numbers.
inline constexpr const char* kBadLinesMessage = "文本内容中下列行的数据有错误，请纠正再保存！！";

// Outcome of ParseDrawText: the new history, or the message to show (the old history stays).
struct ParseResult
{
    bool Ok = false;
    DrawHistory History;
    std::string Message;
};

// Parses the data editor's lines (UTF-8). Blank lines are skipped and do not count. A line is bad
// when it has fewer than eight space-separated pieces, its first piece is not seven characters, a
// red or the blue is not two characters, a piece (year = characters 1-4, number = 5-7) is not an
// integer, the reds are not six distinct numbers 1..33 or the blue is outside 1..16. Any
// bad line refuses the whole text with kBadLinesMessage, CR LF and the list "3,7," of bad line
// numbers (a CR LF after every tenth). Pieces after the eighth are ignored. Reds are stored
// ascending.
ParseResult ParseDrawText(const std::vector<std::string>& lines);

} // namespace quorvane
