#include "history/DataFile.h"

#include "text/AtomicFile.h"
#include "text/Encoding.h"
#include "text/SplitText.h"

namespace quorvane {

std::vector<std::string> LoadTextFile(const std::string& path)
{
    return SplitLines(DecodeFileText(ReadFileBytes(path, kDataFileLimit)));
}

std::optional<std::vector<std::string>> LoadDataFile(const std::string& path)
{
    const std::string bytes = ReadFileBytes(path, kDataFileLimit);
    if (bytes.empty()) {
        return std::nullopt;
    }
    return SplitLines(DecodeFileText(bytes));
}

void SaveDataFile(const std::string& path, const std::vector<std::string>& lines)
{
    SaveTextLines(path, lines);
}

} // namespace quorvane
