#include "text/IntConvert.h"

#include <limits>

#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

constexpr std::string_view kIntegerErrorTail = "' is not a valid integer value";

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view piece)
{
    std::size_t b = 0;
    std::size_t e = piece.size();
    while (b < e && piece[b] == ' ') {
        ++b;
    }
    while (e > b && piece[e - 1] == ' ') {
        --e;
    }
    std::string_view s = piece.substr(b, e - b);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) {
        return std::nullopt;
    }
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    // Digits only from here; accumulate in 64 bits and stop as soon as the 32-bit range is left.
    std::int64_t value = 0;
    for (const char c : s) {
        value = value * 10 + (c - '0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(std::string_view piece)
{
    if (const auto v = TryStrToInt(piece)) {
        return *v;
    }
    throw UserError(IntegerErrorText(piece));
}

std::string IntegerErrorText(std::string_view piece)
{
    // Appended piece by piece: "'" + std::string trips a false -Wrestrict of GCC 12 at -O3.
    std::string text = "'";
    text += EscapeControlBytes(piece);
    text += kIntegerErrorTail;
    return text;
}

bool IsIntegerErrorText(std::string_view text)
{
    return text.size() > kIntegerErrorTail.size() && text.front() == '\'' &&
           text.substr(text.size() - kIntegerErrorTail.size()) == kIntegerErrorTail;
}

} // namespace quorvane
