#include "ConditionArgs.h"

#include "CliCommon.h"
#include "shrink/AnalysisSettings.h"
#include "shrink/ConditionFile.h"
#include "shrink/ConditionKeys.h"
#include "shrink/ReferenceSets.h"
#include "shrink/ShrinkRun.h"

namespace quorvane::cli {

namespace {

constexpr const char* kConditionsOption = "--conditions";
constexpr const char* kSetOption = "--set";
constexpr const char* kToleranceOption = "--tolerance";

} // namespace

std::string ReadConditionArgs(const ArgReader& reader, ShrinkConditions& conditions)
{
    conditions = ShrinkConditions{};
    if (const auto path = reader.Value(kConditionsOption)) {
        // A file that cannot be read or holds a malformed range piece throws UserError.
        LoadConditionFile(*path, conditions);
    }
    for (const std::string& setting : reader.Values(kSetOption)) {
        const std::size_t eq = setting.find('=');
        if (eq == std::string::npos || eq == 0) {
            return std::string(kSetOption) + " needs NAME=VALUE: " + setting;
        }
        const std::string name = setting.substr(0, eq);
        const std::string_view value = std::string_view(setting).substr(eq + 1);
        const ConditionKey* key = FindConditionKey(name);
        if (key == nullptr) {
            return "unknown condition name " + name;
        }
        if (std::string problem = StrictSettingProblem(*key, value); !problem.empty()) {
            return problem;
        }
        key->Set(conditions, value);
    }
    if (const auto tolerance = reader.Value(kToleranceOption)) {
        conditions.ToleranceSpEd = ParseTolerance(*tolerance);
    }
    // The reference lines of the fault-tolerant filter are checked as the window checks them before
    // a run: a line that is not a set of numbers is refused rather than read in part.
    if (conditions.ssTb4Gbx1Chk) {
        CheckReferenceLines(conditions.ssTb4SheetGbx1Memo);
    }
    return {};
}

ArgReader ShrinkArgReader(const std::vector<std::string>& args, std::set<std::string> valueOptions,
                          std::set<std::string> flags)
{
    valueOptions.insert({"--data", kConditionsOption, kSetOption, kToleranceOption});
    return ArgReader(args, std::move(valueOptions), std::move(flags), {kSetOption});
}

std::string RunShrinkFromArgs(const ArgReader& reader, ShrinkArgsRun& run, const ShrinkRunOptions& options)
{
    std::string problem = ReadConditionArgs(reader, run.Conditions);
    if (problem.empty()) {
        const DrawHistory history = LoadOptionalHistoryArg(reader);
        run.Lines = RunShrink(run.Conditions, history, run.Pool, run.Flags, options);
    }
    return problem;
}

} // namespace quorvane::cli
