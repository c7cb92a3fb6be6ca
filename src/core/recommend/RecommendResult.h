#pragma once

#include <string>
#include <vector>

namespace quorvane {

// What a command of the recommendation view shows: the lines that replace the output memo's text,
// and the status-bar text ("" for the commands that leave the status bar as it is). A command that
// cannot run throws UserError with its message instead and changes nothing.
struct RecommendResult
{
    std::vector<std::string> Lines;
    std::string Status;
};

} // namespace quorvane
