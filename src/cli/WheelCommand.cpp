#include <ostream>

#include "ArgReader.h"
#include "Cli.h"
#include "CliCommon.h"
#include "wheel/WheelBuilder.h"
#include "wheel/WheelInput.h"
#include "wheel/WheelReport.h"

namespace quorvane::cli {

namespace {

constexpr const char* kUsage =
    "quorvane-cli wheel --numbers 01,02,... --guarantee M:T [--seconds S] [--seed N] "
    "[--iterations N]";
constexpr double kWheelSeconds = 2.0;

} // namespace

// Builds a wheel on the chosen numbers and prints it with its size and the checker's verdict.
// --iterations limits the local search to that many steps, so that a seed gives the same wheel
// whatever the machine (as long as --seconds does not run out first).
int RunWheelCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const ArgReader reader(args, {"--numbers", "--guarantee", "--seconds", "--seed", "--iterations"});
    if (const std::string problem = ArgsProblem(reader); !problem.empty()) {
        return UsageError(err, problem, kUsage);
    }
    const auto numbers = reader.Value("--numbers");
    const auto guarantee = reader.Value("--guarantee");
    if (!numbers || !guarantee) {
        return UsageError(err, "--numbers and --guarantee are required", kUsage);
    }
    SearchOptions options;
    options.Seconds = kWheelSeconds;
    const std::vector<int> chosen = ParseWheelNumbers(*numbers);
    const WheelGuarantee wanted = ParseWheelGuarantee(*guarantee);
    if (const auto seconds = reader.Value("--seconds")) {
        options.Seconds = ParseSearchSeconds(*seconds);
    }
    if (const auto seed = reader.Value("--seed")) {
        options.Seed = ParseSearchSeed(*seed);
    }
    if (const auto steps = reader.Value("--iterations")) {
        options.MaxSteps = ParseSearchSteps(*steps);
    }
    PrintLines(out, WheelReportLines(BuildWheel(chosen, wanted, options)));
    return kExitOk;
}

} // namespace quorvane::cli
