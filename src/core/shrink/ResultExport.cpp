#include "shrink/ResultExport.h"

#include "shrink/SurvivorLines.h"
#include "text/AtomicFile.h"
#include "text/Encoding.h"

namespace quorvane {

std::vector<std::string> ExportLines(const TicketPool& pool, const SurvivorFlags& flags)
{
    std::vector<std::string> lines;
    const std::int32_t survivors = CountPoolSurvivors(pool, flags);
    lines.reserve(static_cast<std::size_t>(survivors) / 5 + 3);
    lines.push_back("缩水结果有" + std::to_string(survivors) + "注号码");
    FormatSurvivorLines(pool, flags, lines);
    return lines;
}

void ExportSurvivors(const std::string& path, const TicketPool& pool, const SurvivorFlags& flags)
{
    const std::vector<std::string> lines = ExportLines(pool, flags);
    // Only the first line holds Chinese text; the ticket lines are ASCII and the same in GBK.
    std::string bytes = Utf8ToGbk(lines.front());
    std::size_t size = bytes.size() + 2;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    bytes.reserve(size);
    bytes += "\r\n";
    for (std::size_t i = 1; i < lines.size(); ++i) {
        bytes += lines[i];
        bytes += "\r\n";
    }
    WriteFileAtomic(path, bytes);
}

std::string ResultSearchStatus(bool found, std::string_view text)
{
    return std::string(found ? "恭喜，找到号码" : "抱歉，没有找到号码") + std::string(text);
}

} // namespace quorvane
