#pragma once

#include <stdexcept>
#include <string>

namespace quorvane {

// An input problem a user can cause (a bad file, a piece of text that is not a number, a condition
// that cannot be read). Carries the exact text to show; the command that raised it changed nothing.
class UserError final : public std::runtime_error
{
public:
    explicit UserError(const std::string& text)
        : std::runtime_error(text)
    {
    }
};

} // namespace quorvane
