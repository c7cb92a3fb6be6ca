#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "history/DrawHistory.h"

// The number health check ("号码体检"): how many past draws held k of the chosen red numbers, or k
// reds whose tail digit is among the chosen digits.

namespace quorvane {

inline constexpr const char* kHealthNoNumberMessage = "请勾选自选号码若干个！！\r\n这样才能进行号码体检!!";
// The report window: its caption while it shows a report, and its caption before the first one.
inline constexpr const char* kHealthWindowCaption = "号码体检";
inline constexpr const char* kHealthWindowStartCaption = "查看缩水结果";

// numbers: the checked text of a picker with the cells "1".."33" (captions joined by ","; pieces
// that match no cell are ignored). The lines "开奖号码总共" + draws + "期", then for k = 3..6
// T + "出现" + k + "个号总共" + draws with k of the numbers + "期", T being the checked captions
// joined by ",". Throws UserError(kHealthNoNumberMessage) when no number is checked.
std::vector<std::string> NumberHealthReport(const DrawHistory& history, std::string_view numbers);

// The same over tail digits: digits is the checked text of a picker with the cells "0".."9", a
// draw counts the reds whose tail is chosen, and k runs from 1 to 6.
std::vector<std::string> TailHealthReport(const DrawHistory& history, std::string_view digits);

} // namespace quorvane
