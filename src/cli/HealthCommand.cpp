#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "shrink/HealthCheck.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"

namespace quorvane::cli {

namespace {

constexpr const char* kUsage = "quorvane-cli health --data FILE (--numbers 1,2,3 | --tails 0,5)";

// The list of an option as a picker's checked text ("1,2,3"): every piece a whole number in
// first..last. Returns false for a number outside that range; a piece that is not a number throws
// the integer message.
bool ListArg(const std::string& text, int first, int last, std::string& checked)
{
    for (const std::string& piece : SplitText(",", text)) {
        const int n = StrToInt(piece);
        if (n < first || n > last) {
            return false;
        }
        checked += (checked.empty() ? "" : ",") + std::to_string(n);
    }
    return true;
}

} // namespace

int RunHealthCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ArgReader reader(args, {"--data", "--numbers", "--tails"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const auto numbers = reader.Value("--numbers");
    const auto tails = reader.Value("--tails");
    if (numbers.has_value() == tails.has_value()) {
        return UsageError(err, "give either --numbers or --tails", kUsage);
    }
    std::string checked;
    if (numbers && !ListArg(*numbers, 1, 33, checked)) {
        return UsageError(err, "--numbers takes numbers from 1 to 33", kUsage);
    }
    if (tails && !ListArg(*tails, 0, 9, checked)) {
        return UsageError(err, "--tails takes digits from 0 to 9", kUsage);
    }
    const DrawHistory history = LoadHistoryArg(reader);
    PrintLines(out, numbers ? NumberHealthReport(history, checked) : TailHealthReport(history, checked));
    return kExitOk;
}

} // namespace quorvane::cli
