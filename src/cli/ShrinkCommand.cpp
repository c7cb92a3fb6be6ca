#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "shrink/ResultExport.h"
#include "shrink/StageReport.h"
#include "text/FormatNumbers.h"

namespace quorvane::cli {

// Prints the result memo of a shrink run, or with --list every surviving ticket on its own line;
// --export also writes the export file of the result, and --steps prints the stage report after
// the rest.
int RunShrinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    static const std::string kUsage =
        std::string("quorvane-cli shrink ") + kShrinkArgsUsage + " [--export FILE] [--list] [--steps]";
    const ArgReader reader = ShrinkArgReader(args, {"--export"}, {"--list", "--steps"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    ShrinkArgsRun run;
    ConditionVerdicts verdicts;
    const bool steps = reader.Flag("--steps");
    if (const std::string problem = RunShrinkFromArgs(reader, run, steps ? &verdicts : nullptr);
        !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    if (const auto path = reader.Value("--export")) {
        ExportSurvivors(*path, run.Pool, run.Flags);
    }
    if (!reader.Flag("--list")) {
        PrintLines(out, run.Lines);
    } else {
        std::string text;
        ForEachSurvivor(run.Pool, run.Flags, [&text](const TCodeRedArr& ticket) {
            AppendTicket(text, ticket);
            text += '\n';
        });
        out << text;
    }
    if (steps) {
        PrintLines(out, StageReportLines(BuildStageReport(run.Conditions, verdicts)));
    }
    return kExitOk;
}

} // namespace quorvane::cli
