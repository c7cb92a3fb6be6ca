#pragma once

#include <string>
#include <vector>

// The row and column selectors of the hidden pages ("尾数行列", "赚钱机器", "赢钱法宝") demand
// exact counts that must add up to the six numbers of a ticket. Whenever one of them changes, its
// group is checked: more than six is refused at once, and a group with every selector chosen must
// come to exactly six.

namespace quorvane {

enum class SelectorGroup
{
    SixRows,   // wshlRowcbb1..6 and RowCbb1..6
    SixCols,   // wshlColcbb1..6 and ColCbb1..6
    FourRows,  // zqjqRowCbb1..4
    ThreeCols, // zqjqColCbb1..3
};

struct SelectorCheck
{
    // The messages to show, in order (none when the group is acceptable).
    std::vector<std::string> Messages;
    // Whether the selector that changed goes back to "N" (item 0).
    bool ResetChanged = false;
};

// items: the item index of every selector of the group after the change (0 = "N", k = exactly
// k - 1 numbers).
SelectorCheck CheckSelectorGroup(SelectorGroup group, const std::vector<int>& items);

} // namespace quorvane
