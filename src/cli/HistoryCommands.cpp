#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "history/DemoHistory.h"
#include "history/IssueQuery.h"

namespace quorvane::cli {

int RunParseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    constexpr const char* kUsage = "quorvane-cli parse --data FILE";
    const ArgReader reader(args, {"--data"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const DrawHistory history = LoadHistoryArg(reader);
    out << "draws: " << history.size() << '\n';
    return kExitOk;
}

int RunQueryCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    constexpr const char* kUsage = "quorvane-cli query --data FILE --from ISSUE --count N";
    const ArgReader reader(args, {"--data", "--from", "--count"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const auto from = reader.Value("--from");
    if (!from) {
        return UsageError(err, "--from is required", kUsage);
    }
    const int issue = IntArg(*from);
    const int count = IntOption(reader, "--count", 30);
    const DrawHistory history = LoadHistoryArg(reader);
    PrintLines(out, QueryIssues(history, issue, count));
    return kExitOk;
}

int RunDemoDataCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    constexpr const char* kUsage = "quorvane-cli demo-data [--draws N] [--seed S]";
    const ArgReader reader(args, {"--draws", "--seed"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const int draws = IntOption(reader, "--draws", 1500);
    const int seed = IntOption(reader, "--seed", 1);
    if (draws < 0 || draws > 100000) {
        return UsageError(err, "--draws must be between 0 and 100000", kUsage);
    }
    // Data files use CR LF line ends.
    for (const std::string& line : MakeDemoHistoryLines(draws, static_cast<std::uint32_t>(seed))) {
        out << line << "\r\n";
    }
    return kExitOk;
}

} // namespace quorvane::cli
