#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text form of the selection controls: a row of captioned on/off cells is read and written as
// the captions of its "on" cells joined by a delimiter, a row of integer editors as its values
// joined by a delimiter. The controls and the condition file share these routines.

namespace quorvane {

// How the pieces and captions are treated: the coloured number pickers trim each piece and caption
// (spaces and control characters at both ends) and skip pieces that are then empty; the plain check
// rows use them as they are.
enum class CaptionTrim
{
    None,
    Trim,
};

// The index of the cell whose caption equals the text exactly; the highest such index when several
// captions are equal; -1 when none.
int IndexOfCaption(const std::vector<std::string>& captions, std::string_view text);

// Cell states (0/1, one per caption) for a text: every cell off, then each piece of
// SplitText(delimiter, text) that matches a caption turns that cell on. Unknown pieces are ignored.
std::vector<std::uint8_t> CheckedFromText(const std::vector<std::string>& captions, std::string_view delimiter,
                                          std::string_view text, CaptionTrim trim);

// The pieces of the text that CheckedFromText would ignore because they match no caption, in order.
std::vector<std::string> UnknownPieces(const std::vector<std::string>& captions, std::string_view delimiter,
                                       std::string_view text, CaptionTrim trim);

// The captions of the cells whose state is not 0, in cell order, joined by the delimiter; "" when
// none is on. Extra states or captions beyond the shorter list are ignored.
std::string CheckedToText(const std::vector<std::string>& captions, const std::vector<std::uint8_t>& checked,
                          std::string_view delimiter, CaptionTrim trim);

// Gives values[k] the integer of piece k of SplitText(delimiter, text) while there are both pieces
// and values; extra pieces are ignored, values without a piece keep theirs. A piece that is not an
// integer throws UserError with the integer message; the values before it have been set.
void ValuesFromText(std::string_view delimiter, std::string_view text, std::vector<int>& values);

// The values as decimal integers joined by the delimiter; "" when there are none.
std::string ValuesToText(const std::vector<int>& values, std::string_view delimiter);

} // namespace quorvane
