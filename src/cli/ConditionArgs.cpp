#include "ConditionArgs.h"

#include "shrink/ConditionFile.h"
#include "shrink/ConditionKeys.h"

namespace quorvane::cli {

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
        // A file that cannot be read or holds a malformed range piece throws UserError.
        LoadConditionFile(*path, conditions);
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
