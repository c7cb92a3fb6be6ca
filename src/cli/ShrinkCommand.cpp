#include <algorithm>
#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "ReduceArgs.h"
#include "shrink/ConditionVerdicts.h"
#include "shrink/ResultExport.h"
#include "shrink/ShrinkRun.h"
#include "shrink/StageReport.h"
#include "text/FormatNumbers.h"

namespace quorvane::cli {

namespace {

// Every survivor on a line of its own, written in pieces of about 64 KB from one reused buffer, not
// as one string of the whole list.
void PrintSurvivorList(std::ostream& out, const ShrinkArgsRun& run)
{
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

} // namespace

// Prints the result memo of a shrink run, or with --list every surviving ticket on its own line;
// --export also writes the export file of the result, and --steps prints the stage report after
// the rest. With --reduce the memo's lines before its tickets are followed by the reduced list
// instead of the survivors, and --export writes the reduced list.
int RunShrinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    static const std::string kUsage = std::string("quorvane-cli shrink ") + kShrinkArgsUsage +
                                      " [--export FILE] [--list] [--steps] " + kReduceArgsUsage;
    const ArgReader reader = ShrinkArgReader(args, WithReduceOptions({"--export"}), {"--list", "--steps"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    ReduceArgs reduce;
    if (const std::string problem = ReadReduceArgs(reader, reduce); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    if (reduce.Keep && reader.Flag("--list")) {
        return UsageError(err, "--list and --reduce cannot be combined", kUsage);
    }
    ShrinkArgsRun run;
    ConditionVerdicts verdicts;
    const bool steps = reader.Flag("--steps");
    const bool list = reader.Flag("--list");
    ShrinkRunOptions options;
    options.Verdicts = steps ? &verdicts : nullptr;
    options.MemoTickets = !list && !reduce.Keep;
    if (const std::string problem = RunShrinkFromArgs(reader, run, options); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    if (reduce.Keep) {
        // The reduced list replaces the survivors: in the flags, for the export, and in the memo.
        for (std::string& line : ReduceRun(reduce, run)) {
            run.Lines.push_back(std::move(line));
        }
    }
    if (const auto path = reader.Value("--export")) {
        ExportSurvivors(*path, run.Pool, run.Flags);
    }
    if (list) {
        PrintSurvivorList(out, run);
    } else {
        PrintLines(out, run.Lines);
    }
    if (steps) {
        PrintLines(out, StageReportLines(BuildStageReport(run.Conditions, verdicts)));
    }
    return kExitOk;
}

} // namespace quorvane::cli
