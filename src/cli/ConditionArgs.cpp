#include "ConditionArgs.h"

#include "shrink/ConditionKeys.h"

namespace quorvane::cli {

namespace {

// --conditions FILE: loads the file into the conditions with the load rules of the condition
// file. The condition-file loader is not part of this build yet, so the option is refused as a
// usage problem; this is the one place to call the loader from.
std::string LoadConditionFileArg(const std::string& /*path*/, ShrinkConditions& /*conditions*/)
{
    return std::string(kConditionsOption) + " is not available yet";
}

} // namespace

void AddConditionOptions(std::set<std::string>& valueOptions, std::set<std::string>& repeatable)
{
    valueOptions.insert(kConditionsOption);
    valueOptions.insert(kSetOption);
    repeatable.insert(kSetOption);
}

std::string ReadConditionArgs(const ArgReader& reader, ShrinkConditions& conditions)
{
    conditions = ShrinkConditions{};
    if (const auto path = reader.Value(kConditionsOption)) {
        const std::string problem = LoadConditionFileArg(*path, conditions);
        if (!problem.empty()) {
            return problem;
        }
    }
    for (const std::string& setting : reader.Values(kSetOption)) {
        const std::size_t eq = setting.find('=');
        if (eq == std::string::npos || eq == 0) {
            return std::string(kSetOption) + " needs NAME=VALUE: " + setting;
        }
        const std::string name = setting.substr(0, eq);
        if (!ApplyConditionSetting(conditions, name, std::string_view(setting).substr(eq + 1))) {
            return "unknown condition name " + name;
        }
    }
    return {};
}

} // namespace quorvane::cli
