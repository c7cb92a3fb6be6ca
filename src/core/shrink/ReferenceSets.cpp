#include "shrink/ReferenceSets.h"

#include <array>

#include "text/FormatNumbers.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

namespace {
constexpr int kMaxDraws = 1001;
}

std::string RandomReferenceLine(Random& random, int k)
{
    std::array<bool, 34> kept{};
    for (const int cell : DrawDistinct(random, 33, k, kMaxDraws)) {
        kept[static_cast<std::size_t>(cell) + 1] = true;
    }
    std::string line;
    for (int n = 1; n <= 33; ++n) {
        if (kept[static_cast<std::size_t>(n)]) {
            line += Pad2(n) + " ";
        }
    }
    return line;
}

std::vector<std::string> RandomReferenceLines(Random& random, int k, int count)
{
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back(RandomReferenceLine(random, k));
    }
    return lines;
}

std::vector<std::string> HistoryReferenceLines(const DrawHistory& history, int count)
{
    std::vector<std::string> lines;
    for (auto it = history.rbegin(); it != history.rend() && static_cast<int>(lines.size()) < count; ++it) {
        lines.push_back(FormatTicket(it->Reds));
    }
    return lines;
}

std::string ReferenceLineErrorText(std::size_t lineNumber, const std::string& line)
{
    return "容错过滤的参考号码第" + std::to_string(lineNumber) + "行有错误：" + line +
           ", 每行应是空格隔开的至少6个1-33的号码。";
}

void CheckReferenceLines(const std::vector<std::string>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> pieces = SplitText(" ", lines[i]);
        if (pieces.empty()) {
            continue;
        }
        std::array<bool, 34> seen{};
        bool good = pieces.size() >= 6;
        for (const std::string& piece : pieces) {
            const std::optional<std::int32_t> n = TryStrToInt(piece);
            if (!n || *n < 1 || *n > 33 || seen[static_cast<std::size_t>(*n)]) {
                good = false;
                break;
            }
            seen[static_cast<std::size_t>(*n)] = true;
        }
        if (!good) {
            throw UserError(ReferenceLineErrorText(i + 1, lines[i]));
        }
    }
}

} // namespace quorvane
