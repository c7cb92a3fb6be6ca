#include "recommend/QuickPicks.h"

#include "recommend/Frequency.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

constexpr int kExpertDraws = 30;
constexpr int kRandomAttempts = 101;

void RequireExpertDraws(const DrawHistory& history)
{
    if (history.size() < static_cast<std::size_t>(kExpertDraws)) {
        throw UserError(kExpertTooFewDraws);
    }
}

// Cells of the numbers at ranking positions first..last (counted from 1), in ranking order.
template <std::size_t N>
std::vector<int> CellsAtPositions(const std::array<int, N>& ranking, int first, int last)
{
    std::vector<int> cells;
    for (int position = first; position <= last; ++position) {
        cells.push_back(ranking[static_cast<std::size_t>(position - 1)] - 1);
    }
    return cells;
}

} // namespace

std::vector<int> ExpertRedPick(const DrawHistory& history)
{
    RequireExpertDraws(history);
    return CellsAtPositions(RankRedNumbers(CountRedFrequency(history, kExpertDraws)), 4, 25);
}

std::vector<int> ExpertBluePick(const DrawHistory& history)
{
    RequireExpertDraws(history);
    return CellsAtPositions(RankBlueNumbers(CountBlueFrequency(history, kExpertDraws)), 4, 12);
}

std::vector<int> RandomRedPick(Random& random)
{
    return DrawDistinct(random, 33, 22, kRandomAttempts);
}

std::vector<int> RandomBluePick(Random& random)
{
    return DrawDistinct(random, 16, 8, kRandomAttempts);
}

std::vector<int> FirstTwelvePick()
{
    std::vector<int> cells(12);
    for (int i = 0; i < 12; ++i) {
        cells[static_cast<std::size_t>(i)] = i;
    }
    return cells;
}

} // namespace quorvane
