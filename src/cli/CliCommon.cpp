#include "CliCommon.h"

#include <filesystem>
#include <ostream>

#include "Cli.h"
#include "history/DataFile.h"
#include "text/IntConvert.h"
#include "text/UserError.h"

namespace quorvane::cli {

DrawHistory LoadHistoryArg(const ArgReader& reader)
{
    const std::string path = reader.Value("--data").value_or(kDataFileName);
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
    std::error_code ec;
    if (!reader.Value("--data") && !std::filesystem::exists(kDataFileName, ec)) {
        return {};
    }
    return LoadHistoryArg(reader);
}

int UsageError(std::ostream& err, const std::string& problem, const char* usage)
{
    if (!problem.empty()) {
        err << "quorvane-cli: " << problem << '\n';
    }
    err << "usage: " << usage << '\n';
    return kExitUsage;
}

int IntArg(const std::string& text)
{
    return StrToInt(text);
}

} // namespace quorvane::cli
