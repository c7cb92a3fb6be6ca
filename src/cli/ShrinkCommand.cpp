#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "shrink/ConditionVerdicts.h"
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
    const bool list = reader.Flag("--list");
    ShrinkRunOptions options;
    options.Verdicts = steps ? &verdicts : nullptr;
    options.MemoTickets = !list;
    if (const std::string problem = RunShrinkFromArgs(reader, run, options); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    if (const auto path = reader.Value("--export")) {
        ExportSurvivors(*path, run.Pool, run.Flags);
    }
    if (!list) {
        PrintLines(out, run.Lines);
    } else {
        // Written in pieces of about 64 KB from one reused buffer, not as one string of the whole list.
        constexpr std::size_t kPiece = 64 * 1024;
        std::string text;
        text.reserve(kPiece + 32);
        ForEachSurvivor(run.Pool, run.Flags, [&](const TCodeRedArr& ticket) {
            AppendTicket(text, ticket);
            text += '\n';
            if (text.size() >= kPiece) {
                out << text;
                text.clear();
            }
        });
        out << text;
    }
    if (steps) {
        PrintLines(out, StageReportLines(BuildStageReport(run.Conditions, verdicts)));
    }
    return kExitOk;
}

} // namespace quorvane::cli
