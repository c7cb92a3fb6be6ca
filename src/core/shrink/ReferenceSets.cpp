#include "shrink/ReferenceSets.h"

#include <array>

#include "text/FormatNumbers.h"

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

} // namespace quorvane
