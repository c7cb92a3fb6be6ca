#include "CliCommon.h"

#include <filesystem>
#include <ostream>

#include "Cli.h"
#include "history/BuiltinHistory.h"
#include "history/DataFile.h"
#include "history/ProgramFolders.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane::cli {

namespace {

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

} // namespace

std::string DefaultDataPath()
{
    if (FileExists(kDataFileName)) {
        return kDataFileName;
    }
    const std::string inDataFolder = (std::filesystem::path(DefaultDataFolder()) / kDataFileName).string();
    return FileExists(inDataFolder) ? inDataFolder : std::string(kDataFileName);
}

DrawHistory LoadHistoryArg(const ArgReader& reader)
{
    const std::string path = reader.Value("--data").value_or(DefaultDataPath());
    if (path == kBuiltinDataName) {
        return BuiltinHistory();
    }
    const auto lines = LoadDataFile(path);
    if (!lines) {
        return {};
    }
    ParseResult parsed = ParseDrawText(*lines);
    if (!parsed.Ok) {
        throw UserError(parsed.Message);
    }
    return std::move(parsed.History);
}

DrawHistory LoadOptionalHistoryArg(const ArgReader& reader)
{
    if (!reader.Value("--data") && !FileExists(DefaultDataPath())) {
        return {};
    }
    return LoadHistoryArg(reader);
}

std::string ArgsProblem(const ArgReader& reader, std::size_t words, const std::string& missing)
{
    if (!reader.Ok()) {
        return reader.Error();
    }
    const std::vector<std::string>& positional = reader.Positional();
    if (positional.size() < words) {
        return missing;
    }
    if (positional.size() > words) {
        return "unexpected argument " + positional[words];
    }
    return {};
}

int UsageError(std::ostream& err, const std::string& problem, std::string_view usage)
{
    if (!problem.empty()) {
        // The problem may quote what the user typed: its control bytes show as text.
        err << "quorvane-cli: " << EscapeControlBytes(problem) << '\n';
    }
    err << "usage: " << usage << '\n';
    return kExitUsage;
}

int IntArg(const std::string& text)
{
    return StrToInt(text);
}

int IntOption(const ArgReader& reader, const std::string& name, int fallback)
{
    const auto value = reader.Value(name);
    return value ? IntArg(*value) : fallback;
}

void PrintLines(std::ostream& out, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    out << text;
}

} // namespace quorvane::cli
