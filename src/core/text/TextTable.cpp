#include "text/TextTable.h"

#include <algorithm>

namespace quorvane {

namespace {

bool IsWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

int DisplayWidth(std::string_view text)
{
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        for (std::size_t k = 1; k < len && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        width += IsWide(c) ? 2 : 1;
        i += len;
    }
    return width;
}

std::vector<std::string> FormatTable(const std::vector<std::vector<std::string>>& rows,
                                     const std::vector<Align>& align)
{
    std::vector<int> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) {
                line += "  ";
            }
            const bool last = c + 1 == row.size();
            const std::string padding(last && (c >= align.size() || align[c] == Align::Left)
                                          ? 0
                                          : static_cast<std::size_t>(widths[c] - DisplayWidth(row[c])),
                                      ' ');
            const bool right = c < align.size() && align[c] == Align::Right;
            line += right ? padding + row[c] : row[c] + padding;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace quorvane
