#include "history/BuiltinHistory.h"

#include <cstddef>
#include <filesystem>

#include "history/DataFile.h"
#include "text/AtomicFile.h"
#include "text/Encoding.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

namespace embedded {
extern const unsigned char kBuiltinHistory[];
extern const std::size_t kBuiltinHistorySize;
} // namespace embedded

std::string_view BuiltinHistoryBytes()
{
    return {reinterpret_cast<const char*>(embedded::kBuiltinHistory), embedded::kBuiltinHistorySize};
}

std::vector<std::string> BuiltinHistoryLines()
{
    return SplitLines(DecodeFileText(BuiltinHistoryBytes()));
}

DrawHistory BuiltinHistory()
{
    return ParseDrawText(BuiltinHistoryLines()).History;
}

std::string BuiltinHistoryStatus(const DrawHistory& history)
{
    const std::string issue = history.empty() ? std::string("?") : std::to_string(history.back().Issue());
    return "已载入内置开奖数据，截至第" + issue + "期";
}

StartupData LoadStartupData(const std::string& path)
{
    StartupData data;
    std::error_code ec;
    // symlink_status: a link to nowhere is a file the user has, not a place to write.
    if (std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found) {
        if (auto lines = LoadDataFile(path)) {
            data.Lines = std::move(*lines);
        }
        return data;
    }
    data.Builtin = true;
    data.Lines = BuiltinHistoryLines();
    try {
        WriteFileAtomic(path, BuiltinHistoryBytes());
    } catch (const UserError& e) {
        data.WriteError = e.what();
    }
    return data;
}

} // namespace quorvane
