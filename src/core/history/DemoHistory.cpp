#include "history/DemoHistory.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

#include "text/FormatNumbers.h"

namespace quorvane {

std::vector<std::string> MakeDemoHistoryLines(int draws, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::max(draws, 0)));
    std::array<int, 33> numbers{};
    std::iota(numbers.begin(), numbers.end(), 1);
    int year = 2003;
    int number = 0;
    // Three draws a week make 153 or 154 a year.
    int drawsThisYear = 153;
    for (int d = 0; d < draws; ++d) {
        if (++number > drawsThisYear) {
            ++year;
            number = 1;
            drawsThisYear = 153 + static_cast<int>(rng() % 2);
        }
        // A partial shuffle picks six distinct numbers.
        for (int i = 0; i < 6; ++i) {
            std::uniform_int_distribution<int> pick(i, 32);
            std::swap(numbers[static_cast<std::size_t>(i)], numbers[static_cast<std::size_t>(pick(rng))]);
        }
        TCodeRedArr reds{};
        for (std::size_t i = 0; i < 6; ++i) {
            reds[i] = static_cast<std::uint8_t>(numbers[i]);
        }
        std::sort(reds.begin(), reds.end());
        const int blue = std::uniform_int_distribution<int>(1, 16)(rng);
        lines.push_back(FormatIssue(year, number) + " " + FormatTicket(reds) + " " + Pad2(blue));
    }
    return lines;
}

} // namespace quorvane
