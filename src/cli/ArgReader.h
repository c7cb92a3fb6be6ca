#pragma once

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quorvane::cli {

// Reads options with a value ("--name value", "-n value"), switches ("--flag") and positional
// words; a word of '-' and a digit is a negative number, not an option. Unknown options, a missing
// value or a repeated single-valued option make the reader fail with a usage message.
class ArgReader final
{
public:
    // valueOptions take one value each; those in repeatable may be given more than once.
    ArgReader(const std::vector<std::string>& args, std::set<std::string> valueOptions,
              std::set<std::string> flags = {}, std::set<std::string> repeatable = {});

    bool Ok() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }

    std::optional<std::string> Value(const std::string& name) const;
    std::vector<std::string> Values(const std::string& name) const;
    bool Flag(const std::string& name) const;
    const std::vector<std::string>& Positional() const { return m_positional; }
    // Every option with a value, in command-line order.
    const std::vector<std::pair<std::string, std::string>>& Options() const { return m_options; }

private:
    std::vector<std::pair<std::string, std::string>> m_options;
    std::set<std::string> m_flags;
    std::vector<std::string> m_positional;
    std::string m_error;
};

} // namespace quorvane::cli
