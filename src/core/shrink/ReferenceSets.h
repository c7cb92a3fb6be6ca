#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/Random.h"
#include "history/DrawHistory.h"

// The reference lines of the fault-tolerant filter (the memo ssTb4SheetGbx1Memo), as the radio
// buttons of the page "其他设置" fill them.

namespace quorvane {

// A random set of k numbers: up to 1001 draws n = trunc(r * 33) + 1 from the generator, each new
// number kept until k are kept (fewer if the draws run out); the kept numbers ascending, each as
// two digits followed by one space ("03 08 14 21 27 33 ").
std::string RandomReferenceLine(Random& random, int k);

// count random sets of k numbers (none for count <= 0).
std::vector<std::string> RandomReferenceLines(Random& random, int k, int count);

// The red sets of the last count draws, newest first, as FormatTicket writes them; at most the
// number of draws held.
std::vector<std::string> HistoryReferenceLines(const DrawHistory& history, int count);

// Checks the reference lines of the fault-tolerant filter: each line must hold at least six
// distinct whole numbers 1..33 separated by spaces (the random fills write 6, 12 or 15). Throws
// UserError(ReferenceLineErrorText(line number, line)) for the first line that does not; empty
// lines are allowed and ignored by the filter.
void CheckReferenceLines(const std::vector<std::string>& lines);

// "容错过滤的参考号码第" + lineNumber + "行有错误：" + line + ", 每行应是空格隔开的至少6个1-33的号码。"
std::string ReferenceLineErrorText(std::size_t lineNumber, const std::string& line);

} // namespace quorvane
