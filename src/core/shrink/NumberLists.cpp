#include "shrink/NumberLists.h"

#include "text/IntConvert.h"
#include "text/SplitText.h"

namespace quorvane {

std::vector<int> NumberList(std::string_view text)
{
    std::vector<int> values;
    ForEachPiece(" ", text, [&](std::string_view piece) {
        values.push_back(StrToInt(piece));
        return true;
    });
    return values;
}

unsigned DigitsOfText(std::string_view text)
{
    unsigned digits = 0;
    for (std::size_t i = 0; i < text.size();) {
        // One character: a UTF-8 sequence is reported whole in the message.
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        len = len < text.size() - i ? len : text.size() - i;
        const int d = StrToInt(text.substr(i, len));
        if (d >= 0 && d <= 9) {
            digits |= 1u << d;
        }
        i += len;
    }
    return digits;
}

CodedEntry ParseCodedEntry(std::string_view entry, int tableSize)
{
    CodedEntry e;
    int part = 0;
    ForEachPiece("&", entry, [&](std::string_view piece) {
        ForEachPiece(",", piece, [&](std::string_view item) {
            const int v = StrToInt(item);
            if (part == 0 && v >= 0 && v < tableSize && v < 64) {
                e.Members |= 1ull << v;
            } else if (part == 1 && v >= 0 && v <= 6) {
                e.Counts = static_cast<std::uint8_t>(e.Counts | (1u << v));
            }
            return true;
        });
        return ++part < 2;
    });
    return e;
}

} // namespace quorvane
