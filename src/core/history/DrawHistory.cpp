#include "history/DrawHistory.h"

#include <array>
#include <string_view>

#include "text/IntConvert.h"
#include "text/SplitText.h"

namespace quorvane {

namespace {

// Converts one trimmed, non-blank line; false when it is a bad line.
bool ConvertLine(std::string_view line, TBeenCodesRec& rec)
{
    std::array<std::string_view, 8> pieces;
    std::size_t count = 0;
    ForEachPiece(" ", line, [&](std::string_view piece) {
        pieces[count++] = piece;
        return count < pieces.size();
    });
    if (count < 8 || pieces[0].size() != 7) {
        return false;
    }
    for (std::size_t k = 1; k < 8; ++k) {
        if (pieces[k].size() != 2) {
            return false;
        }
    }
    const auto year = TryStrToInt(pieces[0].substr(0, 4));
    const auto number = TryStrToInt(pieces[0].substr(4, 3));
    const auto blue = TryStrToInt(pieces[7]);
    if (!year || !number || !blue || *blue < 1 || *blue > 16) {
        return false;
    }
    std::array<int, 6> numbers{};
    for (std::size_t k = 0; k < 6; ++k) {
        const auto red = TryStrToInt(pieces[k + 1]);
        if (!red) {
            return false;
        }
        numbers[k] = *red;
    }
    const auto reds = ToCodeRedArr(numbers);
    if (!reds) {
        return false;
    }
    rec.Year = *year;
    rec.Number = *number;
    rec.Reds = *reds;
    rec.Blue = *blue;
    return true;
}

} // namespace

ParseResult ParseDrawText(const std::vector<std::string>& lines)
{
    ParseResult result;
    std::string badList;
    int badCount = 0;
    int lineNo = 0;
    for (const std::string& raw : lines) {
        const std::string_view line = TrimText(raw);
        if (line.empty()) {
            continue;
        }
        ++lineNo;
        TBeenCodesRec rec;
        if (ConvertLine(line, rec)) {
            if (badCount == 0) {
                result.History.push_back(rec);
            }
            continue;
        }
        ++badCount;
        badList += std::to_string(lineNo);
        badList += ',';
        if (badCount % 10 == 0) {
            badList += "\r\n";
        }
    }
    if (badCount > 0) {
        result.History.clear();
        result.Message = std::string(kBadLinesMessage) + "\r\n" + badList;
        return result;
    }
    result.Ok = true;
    return result;
}

} // namespace quorvane
