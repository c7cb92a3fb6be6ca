#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "shrink/ResultExport.h"
#include "shrink/ShrinkRun.h"
#include "text/FormatNumbers.h"

namespace quorvane::cli {

namespace {

constexpr const char* kUsage =
    "quorvane-cli shrink [--data FILE] [--conditions FILE] [--set NAME=VALUE]... [--export FILE] [--list]";

} // namespace

// Prints the result memo of a shrink run, or with --list every surviving ticket on its own line;
// --export also writes the export file of the result.
int RunShrinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::set<std::string> valueOptions{"--data", "--export"};
    std::set<std::string> repeatable;
    AddConditionOptions(valueOptions, repeatable);
    const ArgReader reader(args, valueOptions, {"--list"}, repeatable);
    if (!reader.Ok()) {
        return UsageError(err, reader.Error(), kUsage);
    }
    if (!reader.Positional().empty()) {
        return UsageError(err, "unexpected argument " + reader.Positional().front(), kUsage);
    }
    ShrinkConditions conditions;
    const std::string problem = ReadConditionArgs(reader, conditions);
    if (!problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const DrawHistory history = LoadOptionalHistoryArg(reader);

    TicketPool pool;
    SurvivorFlags flags;
    const std::vector<std::string> lines = RunShrink(conditions, history, pool, flags);
    if (const auto path = reader.Value("--export")) {
        ExportSurvivors(*path, pool, flags);
    }
    if (reader.Flag("--list")) {
        std::string text;
        for (std::size_t i = 0; i < pool.size(); ++i) {
            if (flags[i] == 1) {
                AppendTicket(text, pool[i]);
                text += '\n';
            }
        }
        out << text;
    } else {
        for (const std::string& line : lines) {
            out << line << '\n';
        }
    }
    return kExitOk;
}

} // namespace quorvane::cli
