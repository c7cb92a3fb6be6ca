#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "shrink/LevelShrink.h"
#include "shrink/PrizeCheck.h"
#include "shrink/ShrinkRun.h"

// The commands on the result of a shrink run: each runs the shrink with its CONDITIONS first, as
// the result page works on the last run.
namespace quorvane::cli {

namespace {

constexpr const char* kPrizeUsage =
    "quorvane-cli prize [--data FILE] [--conditions FILE] [--set NAME=VALUE]... "
    "--draw \"01 02 09 21 30 32+05\"";
constexpr const char* kLevelUsage =
    "quorvane-cli level [--data FILE] [--conditions FILE] [--set NAME=VALUE]... --level L";

// The reader of a command that runs a shrink: --data, CONDITIONS and the command's own option.
ArgReader ResultArgReader(const std::vector<std::string>& args, const std::string& option)
{
    std::set<std::string> valueOptions{"--data", option};
    std::set<std::string> repeatable;
    AddConditionOptions(valueOptions, repeatable);
    return ArgReader(args, valueOptions, {}, repeatable);
}

// The pool and flags of the last run, and the conditions it ran with.
struct RunState
{
    ShrinkConditions Conditions;
    TicketPool Pool;
    SurvivorFlags Flags;
};

// Reads the CONDITIONS and runs the shrink. Returns a usage problem ("" when there is none); a
// condition value or data file the user got wrong throws UserError.
std::string RunFromArgs(const ArgReader& reader, RunState& run)
{
    const std::string problem = ReadConditionArgs(reader, run.Conditions);
    if (!problem.empty()) {
        return problem;
    }
    const DrawHistory history = LoadOptionalHistoryArg(reader);
    RunShrink(run.Conditions, history, run.Pool, run.Flags);
    return {};
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

} // namespace

// Checks every survivor against the draw and prints the report. Above 20,000 survivors the
// window asks first; the command line goes ahead.
int RunPrizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ArgReader reader = ResultArgReader(args, "--draw");
    if (!reader.Ok() || !reader.Positional().empty()) {
        return UsageError(err,
                          reader.Ok() ? "unexpected argument " + reader.Positional().front() : reader.Error(),
                          kPrizeUsage);
    }
    const auto draw = reader.Value("--draw");
    if (!draw) {
        return UsageError(err, "--draw is required", kPrizeUsage);
    }
    ParsePrizeAnswer(*draw); // a mistyped draw stops before the run
    RunState run;
    const std::string problem = RunFromArgs(reader, run);
    if (!problem.empty()) {
        return UsageError(err, problem, kPrizeUsage);
    }
    PrintLines(out, CheckPrizes(*draw, run.Conditions.ssTb0BChk, run.Pool, run.Flags, true).Lines);
    return kExitOk;
}

// Prints the level shrink of level 1..20 of the run's survivors.
int RunLevelCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ArgReader reader = ResultArgReader(args, "--level");
    if (!reader.Ok() || !reader.Positional().empty()) {
        return UsageError(err,
                          reader.Ok() ? "unexpected argument " + reader.Positional().front() : reader.Error(),
                          kLevelUsage);
    }
    const auto levelText = reader.Value("--level");
    if (!levelText) {
        return UsageError(err, "--level is required", kLevelUsage);
    }
    const int level = IntArg(*levelText);
    if (level < 1 || level > kLevelCount) {
        return UsageError(err, "--level must be between 1 and 20", kLevelUsage);
    }
    RunState run;
    const std::string problem = RunFromArgs(reader, run);
    if (!problem.empty()) {
        return UsageError(err, problem, kLevelUsage);
    }
    PrintLines(out, LevelShrinkLines(run.Pool, run.Flags, level));
    return kExitOk;
}

} // namespace quorvane::cli
