#include "shrink/PrizeCheck.h"

#include "measures/Measures.h"
#include "shrink/ShrinkCaptions.h"
#include "text/CheckedText.h"
#include "text/FormatNumbers.h"
#include "text/IntConvert.h"
#include "text/SplitText.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

// The first `count` characters of a UTF-8 text (a character is a lead byte and its continuation
// bytes).
std::string_view FirstCharacters(std::string_view text, int count)
{
    std::size_t end = 0;
    int seen = 0;
    while (end < text.size()) {
        const bool lead = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (lead && seen++ == count) {
            break;
        }
        ++end;
    }
    return text.substr(0, end);
}

// Bits of the drawn reds that can match a ticket (1..33).
std::uint64_t DrawnMask(const PrizeAnswer& answer)
{
    std::uint64_t mask = 0;
    for (const std::int32_t n : answer.Reds) {
        if (n >= 1 && n <= 33) {
            mask |= 1ull << n;
        }
    }
    return mask;
}

// "<head>" followed by items "<name(k)><count[k]>注" joined by ",", the last followed by ".".
template <typename Name>
std::string SummaryLine(const char* head, const std::vector<int>& order,
                        const std::array<std::int32_t, 7>& counts, Name name)
{
    std::string line = head;
    for (std::size_t i = 0; i < order.size(); ++i) {
        line += name(order[i]);
        line += std::to_string(counts[static_cast<std::size_t>(order[i])]);
        line += "注";
        line += i + 1 < order.size() ? "," : ".";
    }
    return line;
}

std::vector<std::string> ReportHead(const PrizeAnswer& answer)
{
    // The fourth line (after the answer) is left for the summary, known only at the end.
    return {"", "双色球彩票兑奖", "开奖号码：" + answer.Text, std::string(), ""};
}

// The line suffixes of a ticket by its red hits h: one per prize it wins (none, one or several).
using HitSuffixes = std::array<std::vector<std::string>, 7>;

// Appends, for every survivor with h red hits, one line per suffix of h: the ticket's text
// followed by that suffix. Returns the number of survivors with each h.
std::array<std::int32_t, 7> AppendWinners(const PrizeAnswer& answer, const TicketPool& pool,
                                          const SurvivorFlags& flags, const HitSuffixes& suffixes,
                                          std::vector<std::string>& lines)
{
    const std::uint64_t drawn = DrawnMask(answer);
    std::array<std::int32_t, 7> byHits{};
    ForEachSurvivor(pool, flags, [&](const TCodeRedArr& reds) {
        ++byHits[static_cast<std::size_t>(detail::PopCount(detail::MaskOf(reds) & drawn))];
    });
    std::size_t count = lines.size() + 4;
    for (std::size_t h = 0; h <= 6; ++h) {
        count += static_cast<std::size_t>(byHits[h]) * suffixes[h].size();
    }
    lines.reserve(count);

    std::string ticket;
    ForEachSurvivor(pool, flags, [&](const TCodeRedArr& reds) {
        const auto& forHits =
            suffixes[static_cast<std::size_t>(detail::PopCount(detail::MaskOf(reds) & drawn))];
        if (forHits.empty()) {
            return;
        }
        ticket.clear();
        AppendTicket(ticket, reds);
        for (const std::string& suffix : forHits) {
            // One allocation per line: a million of them make most of the report's time.
            std::string line;
            line.reserve(ticket.size() + suffix.size());
            line.append(ticket).append(suffix);
            lines.push_back(std::move(line));
        }
    });
    return byHits;
}

std::vector<std::string> RedsOnlyReport(const PrizeAnswer& answer, const TicketPool& pool,
                                        const SurvivorFlags& flags, std::int32_t survivors)
{
    std::vector<std::string> lines = ReportHead(answer);
    lines.push_back("红球号码总共" + std::to_string(survivors) + "注.");
    lines.emplace_back();
    lines.emplace_back("中奖号码            中出红球");
    lines.emplace_back();

    // A ticket with h red hits is listed once; with none it is not listed.
    HitSuffixes suffixes;
    for (int h = 1; h <= 6; ++h) {
        suffixes[static_cast<std::size_t>(h)].push_back("     中" + std::to_string(h));
    }
    const std::array<std::int32_t, 7> hits = AppendWinners(answer, pool, flags, suffixes, lines);
    lines.emplace_back();
    lines.emplace_back();
    lines[3] = SummaryLine("中出红球统计：", {6, 5, 4, 3, 2, 1}, hits,
                           [](int h) { return "中" + std::to_string(h) + "个"; });
    return lines;
}

std::vector<std::string> BlueReport(const PrizeAnswer& answer, const TCheckCells<16>& blues,
                                    const TicketPool& pool, const SurvivorFlags& flags,
                                    std::int32_t survivors)
{
    static const std::vector<std::string> captions = TwoDigitCaptions(16);
    const auto& labels = PrizeLabels();
    std::vector<std::size_t> checked;
    for (std::size_t i = 0; i < blues.size(); ++i) {
        if (blues[i] != 0) {
            checked.push_back(i);
        }
    }
    const auto b = static_cast<std::int64_t>(checked.size());
    const std::string blueList = CheckedToText(
        captions, std::vector<std::uint8_t>(blues.begin(), blues.end()), ",", CaptionTrim::None);

    std::vector<std::string> lines = ReportHead(answer);
    lines.push_back("红球号码总共" + std::to_string(survivors) + "注, 蓝球选择" + std::to_string(b) + "个.");
    lines.push_back("蓝球选择: " + blueList);
    lines.push_back("总共注" + std::to_string(survivors * b) + "号码，投资" +
                    std::to_string(2 * survivors * b) + "元人民币.");
    lines.emplace_back();
    lines.emplace_back("中奖号码            红球+蓝球   奖级   奖金");
    lines.emplace_back();

    // For a ticket with h red hits: the line suffix of every checked blue that wins, in cell order,
    // and the count of each level it adds.
    HitSuffixes suffixes;
    std::array<std::array<std::int32_t, 7>, 7> levelsOfHits{};
    for (std::size_t h = 0; h <= 6; ++h) {
        for (const std::size_t cell : checked) {
            const int hit = static_cast<std::int32_t>(cell) + 1 == answer.Blue ? 1 : 0;
            const int level = PrizeLevel(static_cast<int>(h), hit);
            if (level >= 1) {
                suffixes[h].push_back("+" + captions[cell] + "     中" + std::to_string(h) + "+" +
                                      std::to_string(hit) + "    " + std::to_string(level) + "    " +
                                      labels[static_cast<std::size_t>(level)]);
                ++levelsOfHits[h][static_cast<std::size_t>(level)];
            }
        }
    }
    const std::array<std::int32_t, 7> tickets = AppendWinners(answer, pool, flags, suffixes, lines);
    std::array<std::int32_t, 7> levels{};
    std::int64_t winners = 0;
    for (std::size_t h = 0; h <= 6; ++h) {
        for (std::size_t level = 1; level <= 6; ++level) {
            levels[level] += tickets[h] * levelsOfHits[h][level];
            winners += static_cast<std::int64_t>(tickets[h]) * levelsOfHits[h][level];
        }
    }
    lines.emplace_back();
    lines.push_back("总共" + std::to_string(winners) + "组号码中奖");
    lines.emplace_back();
    lines.emplace_back();
    lines[3] = SummaryLine("中奖合计：", {1, 2, 3, 4, 5, 6}, levels, [&labels](int level) {
        return std::string(labels[static_cast<std::size_t>(level)]);
    });
    return lines;
}

} // namespace

const std::array<const char*, kPrizeLevelCount>& PrizeLabels()
{
    static const std::array<const char*, kPrizeLevelCount> labels{"  ",    "一等", "二等", "3000元",
                                                                  "200元", "10元", "5元"};
    return labels;
}

int PrizeLevel(int redHits, int blueHit)
{
    const bool blue = blueHit == 1;
    switch (redHits) {
    case 6:
        return blue ? 1 : 2;
    case 5:
        return blue ? 3 : 4;
    case 4:
        return blue ? 4 : 5;
    case 3:
        return blue ? 5 : 0;
    default:
        return blue ? 6 : 0;
    }
}

PrizeAnswer ParsePrizeAnswer(std::string_view text)
{
    PrizeAnswer answer;
    text = TrimText(text);
    answer.Text = std::string(text);
    std::string_view reds = text;
    const std::size_t plus = text.find('+');
    if (plus != std::string_view::npos) {
        answer.HasBlue = true;
        // Spaces after the "+" do not count among the two characters: "+ 05" is the blue 05.
        answer.Blue = StrToInt(TrimText(FirstCharacters(TrimText(text.substr(plus + 1)), 2)));
        reds = text.substr(0, plus);
    }
    std::size_t read = 0;
    bool ok = true;
    ForEachPiece(" ", reds, [&](std::string_view piece) {
        const auto value = TryStrToInt(piece);
        ok = value.has_value();
        if (ok) {
            answer.Reds[read++] = *value;
        }
        return ok && read < answer.Reds.size();
    });
    if (!ok || read < answer.Reds.size()) {
        throw UserError(kPrizeFormatMessage);
    }
    return answer;
}

std::string PrizeConfirmQuestion(std::int32_t survivors)
{
    return "红球号码总共" + std::to_string(survivors) + "组，兑奖时间比较长，继续吗？" + "\r\n\r\n" +
           "建议先取消，然后增加缩水条件以后再执行兑奖！";
}

PrizeCheckResult CheckPrizes(std::string_view text, const TCheckCells<16>& blues, const TicketPool& pool,
                             const SurvivorFlags& flags, bool confirmed)
{
    const PrizeAnswer answer = ParsePrizeAnswer(text);
    const std::int32_t survivors = CountPoolSurvivors(pool, flags);
    if (answer.HasBlue) {
        bool anyBlue = false;
        for (const auto cell : blues) {
            anyBlue = anyBlue || cell != 0;
        }
        if (!anyBlue) {
            throw UserError(kPrizeNoBlueMessage);
        }
    }
    if (survivors == 0) {
        throw UserError(kPrizeNoRedsMessage);
    }
    PrizeCheckResult result;
    if (survivors > kPrizeConfirmThreshold && !confirmed) {
        result.NeedsConfirmation = true;
        result.Question = PrizeConfirmQuestion(survivors);
        return result;
    }
    result.Lines = answer.HasBlue ? BlueReport(answer, blues, pool, flags, survivors)
                                  : RedsOnlyReport(answer, pool, flags, survivors);
    return result;
}

} // namespace quorvane
