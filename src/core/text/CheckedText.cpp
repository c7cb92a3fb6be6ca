#include "text/CheckedText.h"

#include "text/IntConvert.h"
#include "text/SplitText.h"

namespace quorvane {

int IndexOfCaption(const std::vector<std::string>& captions, std::string_view text)
{
    for (std::size_t i = captions.size(); i-- > 0;) {
        if (captions[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

namespace {

// Hands each piece of the text to fn(piece, caption index or -1), trimmed and skipped when empty
// as the trim rule says.
template <typename Fn>
void ForEachCellPiece(const std::vector<std::string>& captions, std::string_view delimiter, std::string_view text,
                      CaptionTrim trim, Fn&& fn)
{
    ForEachPiece(delimiter, text, [&](std::string_view piece) {
        if (trim == CaptionTrim::Trim) {
            piece = TrimText(piece);
            if (piece.empty()) {
                return true;
            }
        }
        fn(piece, IndexOfCaption(captions, piece));
        return true;
    });
}

} // namespace

std::vector<std::uint8_t> CheckedFromText(const std::vector<std::string>& captions, std::string_view delimiter,
                                          std::string_view text, CaptionTrim trim)
{
    std::vector<std::uint8_t> checked(captions.size(), 0);
    ForEachCellPiece(captions, delimiter, text, trim, [&](std::string_view, int index) {
        if (index >= 0) {
            checked[static_cast<std::size_t>(index)] = 1;
        }
    });
    return checked;
}

std::vector<std::string> UnknownPieces(const std::vector<std::string>& captions, std::string_view delimiter,
                                       std::string_view text, CaptionTrim trim)
{
    std::vector<std::string> unknown;
    ForEachCellPiece(captions, delimiter, text, trim, [&](std::string_view piece, int index) {
        if (index < 0) {
            unknown.emplace_back(piece);
        }
    });
    return unknown;
}

std::string CheckedToText(const std::vector<std::string>& captions, const std::vector<std::uint8_t>& checked,
                          std::string_view delimiter, CaptionTrim trim)
{
    std::string out;
    bool first = true;
    const std::size_t count = captions.size() < checked.size() ? captions.size() : checked.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (checked[i] == 0) {
            continue;
        }
        if (!first) {
            out += delimiter;
        }
        first = false;
        out += trim == CaptionTrim::Trim ? TrimText(captions[i]) : std::string_view(captions[i]);
    }
    return out;
}

void ValuesFromText(std::string_view delimiter, std::string_view text, std::vector<int>& values)
{
    std::size_t k = 0;
    ForEachPiece(delimiter, text, [&](std::string_view piece) {
        if (k >= values.size()) {
            return false;
        }
        values[k++] = StrToInt(piece);
        return true;
    });
}

std::string ValuesToText(const std::vector<int>& values, std::string_view delimiter)
{
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += delimiter;
        }
        out += std::to_string(values[i]);
    }
    return out;
}

} // namespace quorvane
