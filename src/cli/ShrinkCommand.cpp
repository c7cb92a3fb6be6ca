#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "shrink/ResultExport.h"
#include "text/FormatNumbers.h"

namespace quorvane::cli {

// Prints the result memo of a shrink run, or with --list every surviving ticket on its own line;
// --export also writes the export file of the result.
int RunShrinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    static const std::string kUsage =
        std::string("quorvane-cli shrink ") + kShrinkArgsUsage + " [--export FILE] [--list]";
    const ArgReader reader = ShrinkArgReader(args, {"--export"}, {"--list"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    ShrinkArgsRun run;
    if (const std::string problem = RunShrinkFromArgs(reader, run); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    if (const auto path = reader.Value("--export")) {
        ExportSurvivors(*path, run.Pool, run.Flags);
    }
    if (!reader.Flag("--list")) {
        PrintLines(out, run.Lines);
        return kExitOk;
    }
    std::string text;
    ForEachSurvivor(run.Pool, run.Flags, [&text](const TCodeRedArr& ticket) {
        AppendTicket(text, ticket);
        text += '\n';
    });
    out << text;
    return kExitOk;
}

} // namespace quorvane::cli
