#pragma once

#include <string>
#include <string_view>
#include <vector>

// Plain-text tables for a monospaced font, as the command line and the report memos print them.

namespace quorvane {

// The columns a UTF-8 text takes in a monospaced font: two for an East Asian wide or full-width
// character (Chinese, full-width letters), one for any other.
int DisplayWidth(std::string_view text);

enum class Align
{
    Left,
    Right,
};

// The rows as lines: cells joined by two spaces, every column but the last padded to its widest
// cell (on the left for Align::Right, on the right for Align::Left); the last column is not padded,
// so no line ends in spaces. A row may have fewer cells than there are columns.
std::vector<std::string> FormatTable(const std::vector<std::vector<std::string>>& rows,
                                     const std::vector<Align>& align);

} // namespace quorvane
