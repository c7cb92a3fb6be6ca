#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Removes every character at or below the space (spaces and control characters) from both ends.
std::string_view TrimText(std::string_view text);

// Trims the whole text, then cuts it at every occurrence of the delimiter. Runs of delimiters and
// leading or trailing delimiters give no empty pieces; the pieces themselves are not trimmed. An
// empty delimiter gives the whole trimmed text as one piece (none when it is empty).
std::vector<std::string> SplitText(std::string_view delimiter, std::string_view text);

// The pieces of SplitText, handed one by one to fn(std::string_view) until it returns false, so a
// caller that needs only the first pieces of a long text does not copy the rest.
template <typename Fn>
void ForEachPiece(std::string_view delimiter, std::string_view text, Fn&& fn)
{
    text = TrimText(text);
    if (delimiter.empty()) {
        if (!text.empty()) {
            fn(text);
        }
        return;
    }
    while (!text.empty()) {
        const std::size_t pos = text.find(delimiter);
        if (pos == 0) {
            text.remove_prefix(delimiter.size());
            continue;
        }
        if (pos == std::string_view::npos) {
            fn(text);
            return;
        }
        if (!fn(text.substr(0, pos))) {
            return;
        }
        text.remove_prefix(pos + delimiter.size());
    }
}

// Lines of a text, split at CR LF, a bare CR or a bare LF. A line end after the last line does not
// start another line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The text with every control byte (0x00-0x1F, 0x7F) written as "\xNN" (two upper-case hex
// digits), for quoting a piece of input in a message: a NUL byte cannot cut the message short and
// a terminal's control sequence shows as text. Other bytes, UTF-8 included, stay as they are.
std::string EscapeControlBytes(std::string_view text);

// Joins pieces with a separator between them (none before the first or after the last).
std::string JoinText(const std::vector<std::string>& pieces, std::string_view separator);

} // namespace quorvane
