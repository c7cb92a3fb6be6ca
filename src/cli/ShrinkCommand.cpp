#include <algorithm>
#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "ReduceArgs.h"
#include "shrink/ResultExport.h"
#include "shrink/ShrinkRun.h"
#include "text/FormatNumbers.h"

namespace quorvane::cli {

// Prints the result memo of a shrink run, or with --list every surviving ticket on its own line;
// --export also writes the export file of the result. With --reduce the memo's head lines are
// followed by the reduced list instead of the survivors, and --export writes the reduced list.
int RunShrinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    static const std::string kUsage = std::string("quorvane-cli shrink ") + kShrinkArgsUsage +
                                      " [--export FILE] [--list] " + kReduceArgsUsage;
    const ArgReader reader = ShrinkArgReader(args, WithReduceOptions({"--export"}), {"--list"});
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
    if (const std::string problem = RunShrinkFromArgs(reader, run); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    if (reduce.Keep) {
        const auto head = static_cast<std::ptrdiff_t>(std::min(kShrinkHeadLines, run.Lines.size()));
        std::vector<std::string> lines(run.Lines.begin(), run.Lines.begin() + head);
        for (std::string& line : ReduceRun(reduce, run)) {
            lines.push_back(std::move(line));
        }
        if (const auto path = reader.Value("--export")) {
            ExportSurvivors(*path, run.Pool, run.Flags);
        }
        PrintLines(out, lines);
        return kExitOk;
    }
    if (const auto path = reader.Value("--export")) {
        ExportSurvivors(*path, run.Pool, run.Flags);
    }
    if (!reader.Flag("--list")) {
        PrintLines(out, run.Lines);
        return kExitOk;
    }
    std::string text;
    for (std::size_t i = 0; i < run.Pool.size(); ++i) {
        if (run.Flags[i] == 1) {
            AppendTicket(text, run.Pool[i]);
            text += '\n';
        }
    }
    out << text;
    return kExitOk;
}

} // namespace quorvane::cli
