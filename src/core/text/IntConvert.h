#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// A signed decimal integer in 32 bits: optional spaces, an optional '+' or '-', one or more
// digits 0-9, optional spaces. Anything else, or a value outside the 32-bit range, is refused.
std::optional<std::int32_t> TryStrToInt(std::string_view piece);

// As TryStrToInt, but a refused piece throws UserError with IntegerErrorText(piece).
std::int32_t StrToInt(std::string_view piece);

// "'<piece>' is not a valid integer value", the piece with its control bytes escaped
// (EscapeControlBytes).
std::string IntegerErrorText(std::string_view piece);

// True when text is an IntegerErrorText: for callers that show a conversion failure differently
// from the other messages of a command.
bool IsIntegerErrorText(std::string_view text);

} // namespace quorvane
