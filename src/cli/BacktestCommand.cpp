#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "ConditionArgs.h"
#include "shrink/Backtest.h"

namespace quorvane::cli {

// Judges the reds of each of the last N draws by the conditions as set up before that draw and
// prints, per condition, the draws it keeps, then per draw the conditions it fails, then what the
// whole configuration keeps.
int RunBacktestCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    static const std::string kUsage = std::string("quorvane-cli backtest --last N ") + kShrinkArgsUsage;
    const ArgReader reader = ShrinkArgReader(args, {"--last"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const auto last = reader.Value("--last");
    if (!last) {
        return UsageError(err, "--last is required", kUsage);
    }
    const int count = IntArg(*last);
    ShrinkConditions conditions;
    if (const std::string problem = ReadConditionArgs(reader, conditions); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    PrintLines(out, BacktestLines(RunBacktest(conditions, LoadHistoryArg(reader), count)));
    return kExitOk;
}

} // namespace quorvane::cli
