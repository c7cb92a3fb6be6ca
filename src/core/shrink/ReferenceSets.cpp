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
    int count = 0;
    for (int draw = 0; draw < kMaxDraws && count < k; ++draw) {
        const int n = static_cast<int>(random.NextReal() * 33) + 1;
        if (!kept[static_cast<std::size_t>(n)]) {
            kept[static_cast<std::size_t>(n)] = true;
            ++count;
        }
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
