#pragma once

#include <array>
#include <string>
#include <vector>

#include "shrink/ShrinkConditions.h"

// The captions of the condition pickers' cells and the items of the condition drop-down lists. The
// condition pages build their controls from these tables, and the condition file reads and writes
// picker states through them.

namespace quorvane {

// Cells "first".."last" as decimal captions without leading zero ("0".."6", "1".."33").
std::vector<std::string> NumberCaptions(int first, int last);
// Cells "01".."last", two digits with a leading zero (the red and blue selectors).
std::vector<std::string> TwoDigitCaptions(int last);
// Ratio pickers: "0:6", "1:5", "2:4", "3:3", "4:2", "5:1", "6:0"; cell k stands for a count of k.
const std::vector<std::string>& RatioCaptions();
// Pair pickers: "0对", "1对", ... ("count" cells); cell k stands for k.
std::vector<std::string> PairCaptions(int count);

// Row and column selectors of the hidden pages: item 0 "N" (no demand), item k exactly k - 1.
const std::vector<std::string>& RowColSelectorItems();
// tj1LianGeShuCbb: "2个".."6个"; item k allows runs of at most k + 2 numbers.
const std::vector<std::string>& LongestRunItems();
// Parity lists of stages 43 and 44: "不确定", "奇数", "偶数".
const std::vector<std::string>& ParityItems();
// Tail-height lists of stage 43: "不确定", "高数", "低数".
const std::vector<std::string>& TailHeightItems();

// The labels of the sixteen ranges of the page "常规缩水" ("≤奇号个数≤", ...), in item order.
const std::array<const char*, kRegularItemCount>& RegularItemLabels();

} // namespace quorvane
