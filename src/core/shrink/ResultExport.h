#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/TicketPool.h"

// Export of the shrink result ("导出结果") and the text search of the result memo ("结果兑奖").

namespace quorvane {

inline constexpr const char* kExportFileFilter = "文本文件|*.txt";
inline constexpr const char* kExportFileExtension = "txt";

// "缩水结果有" + survivors + "注号码", then FormatSurvivorLines of every survivor (no cap).
std::vector<std::string> ExportLines(const TicketPool& pool, const SurvivorFlags& flags);

// Writes ExportLines to the file in GBK, each line followed by CR LF, through a temporary file
// renamed over the target. Throws UserError when the file cannot be written (it is then unchanged).
void ExportSurvivors(const std::string& path, const TicketPool& pool, const SurvivorFlags& flags);

// The text search of the result memo: the input box's title, and the status texts of a found and
// a missed text.
inline constexpr const char* kResultSearchTitle = "输入开奖号码";
std::string ResultSearchStatus(bool found, std::string_view text);

} // namespace quorvane
