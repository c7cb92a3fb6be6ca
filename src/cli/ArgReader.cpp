#include "ArgReader.h"

namespace quorvane::cli {

ArgReader::ArgReader(const std::vector<std::string>& args, std::set<std::string> valueOptions,
                     std::set<std::string> flags, std::set<std::string> repeatable)
{
    for (std::size_t i = 0; i < args.size() && m_error.empty(); ++i) {
        const std::string& a = args[i];
        // "-5" is a (negative) number, not an option.
        const bool isOption = a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9');
        if (!isOption) {
            m_positional.push_back(a);
        } else if (flags.count(a) != 0) {
            m_flags.insert(a);
        } else if (valueOptions.count(a) == 0) {
            m_error = "unknown option " + a;
        } else if (i + 1 >= args.size()) {
            m_error = "option " + a + " needs a value";
        } else if (repeatable.count(a) == 0 && Value(a)) {
            m_error = "option " + a + " given twice";
        } else {
            m_options.emplace_back(a, args[++i]);
        }
    }
}

std::optional<std::string> ArgReader::Value(const std::string& name) const
{
    for (const auto& [n, v] : m_options) {
        if (n == name) {
            return v;
        }
    }
    return std::nullopt;
}

std::vector<std::string> ArgReader::Values(const std::string& name) const
{
    std::vector<std::string> out;
    for (const auto& [n, v] : m_options) {
        if (n == name) {
            out.push_back(v);
        }
    }
    return out;
}

bool ArgReader::Flag(const std::string& name) const
{
    return m_flags.count(name) != 0;
}

} // namespace quorvane::cli
