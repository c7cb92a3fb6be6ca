#include "shrink/HealthCheck.h"

#include <array>
#include <cstdint>

#include "measures/Measures.h"
#include "shrink/ShrinkCaptions.h"
#include "text/CheckedText.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

// The report from the chosen captions and the draws' counts (bucket k = draws with k chosen reds).
std::vector<std::string> Report(const std::string& chosen, std::size_t draws,
                                const std::array<std::int32_t, 7>& buckets, int firstK)
{
    std::vector<std::string> lines{"开奖号码总共" + std::to_string(draws) + "期"};
    for (int k = firstK; k <= 6; ++k) {
        lines.push_back(chosen + "出现" + std::to_string(k) + "个号总共" +
                        std::to_string(buckets[static_cast<std::size_t>(k)]) + "期");
    }
    return lines;
}

// The cells of the checked text; throws the health-check message when none is checked.
std::vector<std::uint8_t> CheckedCells(const std::vector<std::string>& captions, std::string_view text)
{
    std::vector<std::uint8_t> cells = CheckedFromText(captions, ",", text, CaptionTrim::None);
    for (const auto c : cells) {
        if (c != 0) {
            return cells;
        }
    }
    throw UserError(kHealthNoNumberMessage);
}

} // namespace

std::vector<std::string> NumberHealthReport(const DrawHistory& history, std::string_view numbers)
{
    static const std::vector<std::string> captions = NumberCaptions(1, 33);
    const std::vector<std::uint8_t> cells = CheckedCells(captions, numbers);
    TNumFlags flags{};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        flags[i + 1] = cells[i] != 0;
    }
    std::array<std::int32_t, 7> buckets{};
    for (const TBeenCodesRec& draw : history) {
        ++buckets[static_cast<std::size_t>(NumInSetOfCodeArr(draw.Reds, flags))];
    }
    return Report(CheckedToText(captions, cells, ",", CaptionTrim::None), history.size(), buckets, 3);
}

std::vector<std::string> TailHealthReport(const DrawHistory& history, std::string_view digits)
{
    static const std::vector<std::string> captions = NumberCaptions(0, 9);
    const std::vector<std::uint8_t> cells = CheckedCells(captions, digits);
    TTailFlags flags{};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        flags[i] = cells[i] != 0;
    }
    std::array<std::int32_t, 7> buckets{};
    for (const TBeenCodesRec& draw : history) {
        ++buckets[static_cast<std::size_t>(TailInSetOfCodeArr(draw.Reds, flags))];
    }
    return Report(CheckedToText(captions, cells, ",", CaptionTrim::None), history.size(), buckets, 1);
}

} // namespace quorvane
