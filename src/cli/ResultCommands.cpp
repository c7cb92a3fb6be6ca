#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "ReduceArgs.h"
#include "shrink/LevelShrink.h"
#include "shrink/PrizeCheck.h"

// The commands on the result of a shrink run: each runs the shrink with its CONDITIONS first, as
// the result page works on the last run, and with --reduce works on the reduced list.
namespace quorvane::cli {

// Checks every survivor against the draw and prints the report. Above 20,000 survivors the
// window asks first; the command line goes ahead.
int RunPrizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    static const std::string kUsage = std::string("quorvane-cli prize ") + kShrinkArgsUsage +
                                      " --draw \"01 02 09 21 30 32+05\" " + kReduceArgsUsage;
    const ArgReader reader = ShrinkArgReader(args, WithReduceOptions({"--draw"}));
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const auto draw = reader.Value("--draw");
    if (!draw) {
        return UsageError(err, "--draw is required", kUsage);
    }
    ParsePrizeAnswer(*draw); // a mistyped draw stops before the run
    ReduceArgs reduce;
    if (const std::string problem = ReadReduceArgs(reader, reduce); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    ShrinkArgsRun run;
    if (const std::string problem = RunShrinkFromArgs(reader, run); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    if (reduce.Keep) {
        ReduceRun(reduce, run);
    }
    PrintLines(out, CheckPrizes(*draw, run.Conditions.ssTb0BChk, run.Pool, run.Flags, true).Lines);
    return kExitOk;
}

// Prints the level shrink of level 1..20 of the run's survivors.
int RunLevelCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    static const std::string kUsage =
        std::string("quorvane-cli level ") + kShrinkArgsUsage + " --level L " + kReduceArgsUsage;
    const ArgReader reader = ShrinkArgReader(args, WithReduceOptions({"--level"}));
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const auto levelText = reader.Value("--level");
    if (!levelText) {
        return UsageError(err, "--level is required", kUsage);
    }
    const int level = IntArg(*levelText);
    if (level < 1 || level > kLevelCount) {
        return UsageError(err, "--level must be between 1 and " + std::to_string(kLevelCount), kUsage);
    }
    ReduceArgs reduce;
    if (const std::string problem = ReadReduceArgs(reader, reduce); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    ShrinkArgsRun run;
    if (const std::string problem = RunShrinkFromArgs(reader, run); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    if (reduce.Keep) {
        ReduceRun(reduce, run);
    }
    PrintLines(out, LevelShrinkLines(run.Pool, run.Flags, level));
    return kExitOk;
}

} // namespace quorvane::cli
