#include "recommend/TicketForecast.h"

#include <array>
#include <string>

#include "base/TicketPool.h"
#include "text/FormatNumbers.h"

namespace quorvane {

namespace {

// A ticket qualifies with kMinCold..kMaxCold cold numbers.
constexpr int kMinCold = 2;
constexpr int kMaxCold = 4;
constexpr int kColdFirstPosition = 20;
constexpr int kSingleDraws = 40;
constexpr std::array<int, 3> kSingleGroupSizes{100, 200, 500};

// Counts the qualifying completions of a partial ticket from the numbers above its last one.
class QualifyingCounter final
{
public:
    explicit QualifyingCounter(const TNumFlags& cold)
        : m_cold(cold)
    {
        // m_coldAbove[n] / m_warmAbove[n]: cold / other numbers among n + 1..33.
        for (int n = 32; n >= 0; --n) {
            const auto above = static_cast<std::size_t>(n + 1);
            m_coldAbove[static_cast<std::size_t>(n)] = m_coldAbove[above] + (m_cold[above] ? 1 : 0);
            m_warmAbove[static_cast<std::size_t>(n)] = m_warmAbove[above] + (m_cold[above] ? 0 : 1);
        }
    }

    bool IsCold(int n) const { return m_cold[static_cast<std::size_t>(n)]; }

    // Ways to choose `left` more numbers above `last` so that the ticket, already holding
    // `coldSoFar` cold numbers, ends with kMinCold..kMaxCold of them.
    std::int32_t Completions(int last, int left, int coldSoFar) const
    {
        const int coldAbove = m_coldAbove[static_cast<std::size_t>(last)];
        const int warmAbove = m_warmAbove[static_cast<std::size_t>(last)];
        std::int32_t ways = 0;
        for (int c = kMinCold - coldSoFar; c <= kMaxCold - coldSoFar; ++c) {
            if (c >= 0) {
                ways += Binomial(coldAbove, c) * Binomial(warmAbove, left - c);
            }
        }
        return ways;
    }

private:
    TNumFlags m_cold;
    std::array<int, 34> m_coldAbove{};
    std::array<int, 34> m_warmAbove{};
};

// Per item: red draws counted, start, stride, reds per group, groups. Three blues per group.
struct CompoundRule
{
    const char* Caption;
    int RedDraws;
    int Start;
    int Stride;
    int Reds;
    int Groups;
};

constexpr int kCompoundBlueDraws = 10;
constexpr int kCompoundBlues = 3;

constexpr std::array<CompoundRule, 3> kCompoundRules{{
    {"复式推荐(23码)推荐2组", 36, 19, 7, 22, 2},
    {"复式推荐(15码)推荐20组", 26, 6, 23, 15, 20},
    {"复式推荐(12码)推荐30组", 26, 13, 1, 12, 30},
}};

const CompoundRule& RuleOf(CompoundKind kind)
{
    return kCompoundRules[static_cast<std::size_t>(kind)];
}

} // namespace

TNumFlags ColdNumbersOf(const TRedRanking& ranking)
{
    TNumFlags cold{};
    for (std::size_t i = kColdFirstPosition - 1; i < ranking.size(); ++i) {
        cold[static_cast<std::size_t>(ranking[i])] = true;
    }
    return cold;
}

std::int32_t CountQualifyingTickets(const TNumFlags& cold)
{
    return QualifyingCounter(cold).Completions(0, 6, 0);
}

TCodeRedArr QualifyingTicketAt(const TNumFlags& cold, std::int32_t ordinal)
{
    // Place the numbers one position at a time, skipping the block of qualifying completions of
    // every smaller choice, as an ordinal is turned into a pool entry.
    const QualifyingCounter counter(cold);
    TCodeRedArr ticket{};
    int next = 1;
    int coldSoFar = 0;
    for (int pos = 0; pos < 6; ++pos) {
        const int left = 5 - pos;
        for (int n = next; n <= 33; ++n) {
            const int coldWith = coldSoFar + (counter.IsCold(n) ? 1 : 0);
            const std::int32_t block = counter.Completions(n, left, coldWith);
            if (ordinal < block || n == 33) {
                ticket[static_cast<std::size_t>(pos)] = static_cast<std::uint8_t>(n);
                next = n + 1;
                coldSoFar = coldWith;
                break;
            }
            ordinal -= block;
        }
    }
    return ticket;
}

RecommendResult SingleTicketForecast(const DrawHistory& history)
{
    const TNumFlags cold = ColdNumbersOf(RankRedNumbers(CountRedFrequency(history, kSingleDraws)));
    const std::int32_t qualifying = CountQualifyingTickets(cold);

    RecommendResult result;
    for (const int size : kSingleGroupSizes) {
        result.Lines.push_back("单注预测(" + std::to_string(size) + "注):");
        // Each walk restarts at the ticket just taken, which counts again: ticket k is the
        // qualifying set numbered step + k * (step - 1) from 1.
        const std::int32_t step = qualifying / size;
        for (std::int32_t k = 0; k < size; ++k) {
            result.Lines.push_back(FormatTicket(QualifyingTicketAt(cold, step + k * (step - 1) - 1)));
        }
        result.Lines.emplace_back();
    }
    result.Status = "完成 单注预测";
    return result;
}

const char* CompoundCaption(CompoundKind kind)
{
    return RuleOf(kind).Caption;
}

RecommendResult CompoundForecast(const DrawHistory& history, CompoundKind kind)
{
    const CompoundRule& rule = RuleOf(kind);
    const TRedRanking reds = RankSmallRedNumbers(history, rule.RedDraws);
    TBlueCounts blueCounts = CountBlueFrequency(history, kCompoundBlueDraws);
    for (int b = 1; b <= 3; ++b) {
        blueCounts[static_cast<std::size_t>(b)] = -1;
    }
    const TBlueRanking blues = RankBlueNumbers(blueCounts);

    RecommendResult result;
    int start = rule.Start;
    for (int group = 1; group <= rule.Groups; ++group) {
        const JoinedSelection red = JoinSelected(reds, StridePicks<33>(rule.Reds, rule.Stride, start), ",");
        const JoinedSelection blue =
            JoinSelected(blues, StridePicks<16>(kCompoundBlues, rule.Stride, start), ",");
        result.Lines.push_back("复式推荐(第" + std::to_string(group) + "组):" + std::to_string(red.Count) +
                               "+" + std::to_string(blue.Count) + "个号");
        result.Lines.push_back(red.Text + "+" + blue.Text);
        start = (start + 3) % 33 + 1;
    }
    result.Status = "完成 复式推荐";
    return result;
}

} // namespace quorvane
