#include "shrink/Backtest.h"

#include "measures/Measures.h"
#include "shrink/AnalysisSettings.h"
#include "shrink/DrawnTickets.h"
#include "shrink/VerdictEngine.h"
#include "text/FormatNumbers.h"
#include "text/TextTable.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

// The verdicts of the conditions that read the history, as set up before draw i.
class HistoryConditions final
{
public:
    HistoryConditions(const ShrinkConditions& conditions, const DrawHistory& history)
        : m_conditions(conditions)
        , m_history(history)
        , m_previous(PreviousSameReds(history))
    {
    }

    // True when the reds of draw i fail the condition set up before it.
    bool Fails(const RunCondition& condition, std::size_t i)
    {
        if (condition.ReadsDraws) {
            return DrawnBefore(m_previous, i, m_conditions.ExcludeDrawnSp);
        }
        // The latest draw before draw i is draw i - 1; before the first draw there is none, and the
        // condition is skipped as the run skips it with an empty history.
        const DrawHistory before = i == 0 ? DrawHistory{} : DrawHistory{m_history[i - 1]};
        const ShrinkPlan plan = CompileShrinkPlan(IsolateCondition(m_conditions, condition), before);
        return VerdictEngine({&plan}).FailedPlans(m_history[i].Reds) != 0;
    }

private:
    const ShrinkConditions& m_conditions;
    const DrawHistory& m_history;
    std::vector<std::int32_t> m_previous;
};

std::string DrawText(const TBeenCodesRec& draw)
{
    return FormatIssue(draw.Year, draw.Number) + " " + FormatTicket(draw.Reds);
}

} // namespace

std::string BacktestCountMessage(std::size_t draws)
{
    return "回测期数应为1至" + std::to_string(draws) + "之间的整数。";
}

BacktestResult RunBacktest(const ShrinkConditions& conditions, const DrawHistory& history, int lastN)
{
    if (history.empty()) {
        throw UserError(kBacktestNoDrawsMessage);
    }
    if (lastN < 1 || static_cast<std::size_t>(lastN) > history.size()) {
        throw UserError(BacktestCountMessage(history.size()));
    }
    CheckAnalysisSettings(conditions);
    const std::vector<ActiveCondition> active = CompileActiveConditions(conditions, history);

    BacktestResult result;
    result.BaseActive = BaseActive(conditions);
    result.Tolerance = conditions.ToleranceSpEd;
    result.Kept.assign(active.size(), 0);
    // The conditions that do not read the history are judged by one engine; the others per draw.
    std::vector<const ShrinkPlan*> plans;
    std::vector<std::size_t> fixed;
    std::vector<std::size_t> perDraw;
    for (std::size_t k = 0; k < active.size(); ++k) {
        result.Conditions.push_back(active[k].Condition);
        const bool readsHistory = active[k].Condition->ReadsLatestDraw || active[k].Condition->ReadsDraws;
        (readsHistory ? perDraw : fixed).push_back(k);
        if (!readsHistory) {
            plans.push_back(&active[k].Plan);
        }
    }
    VerdictEngine engine(plans);
    HistoryConditions historyConditions(conditions, history);
    const std::uint64_t base = BaseNumbers(conditions);

    for (std::size_t i = history.size() - static_cast<std::size_t>(lastN); i < history.size(); ++i) {
        BacktestDraw d;
        d.Draw = history[i];
        d.InBase = (detail::MaskOf(d.Draw.Reds) & ~base) == 0;
        std::uint64_t failed = 0; // bit k: active condition k
        const std::uint64_t fails = engine.FailedPlans(d.Draw.Reds);
        for (std::size_t j = 0; j < fixed.size(); ++j) {
            failed |= ((fails >> j) & 1u) << fixed[j];
        }
        for (const std::size_t k : perDraw) {
            failed |= historyConditions.Fails(*active[k].Condition, i) ? 1ull << k : 0;
        }
        for (std::size_t k = 0; k < active.size(); ++k) {
            if (((failed >> k) & 1u) != 0) {
                d.Failed.push_back(k);
            } else {
                ++result.Kept[k];
            }
        }
        const auto count = static_cast<std::int32_t>(d.Failed.size());
        d.Kept = d.InBase && result.Tolerance.Min <= count && count <= result.Tolerance.Max;
        result.BaseKept += d.InBase ? 1 : 0;
        result.WholeKept += d.Kept ? 1 : 0;
        result.Draws.push_back(std::move(d));
    }
    return result;
}

std::vector<std::string> BacktestLines(const BacktestResult& result)
{
    const auto n = static_cast<long long>(result.Draws.size());
    std::vector<std::string> lines;
    const TBeenCodesRec& first = result.Draws.front().Draw;
    const TBeenCodesRec& last = result.Draws.back().Draw;
    lines.push_back("回测最近" + std::to_string(n) + "期（" + FormatIssue(first.Year, first.Number) + "至" +
                    FormatIssue(last.Year, last.Number) + "），每期开奖红球按当时的条件判定：");
    std::vector<std::vector<std::string>> rows{{"序号", "保留期数", "比例", "条件"}};
    if (result.BaseActive) {
        rows.push_back(
            {"0", std::to_string(result.BaseKept), FormatPercent(result.BaseKept, n), "选号范围（基础）"});
    }
    for (std::size_t k = 0; k < result.Conditions.size(); ++k) {
        rows.push_back({std::to_string(k + 1), std::to_string(result.Kept[k]),
                        FormatPercent(result.Kept[k], n), result.Conditions[k]->Name});
    }
    for (std::string& line : FormatTable(rows, {Align::Right, Align::Right, Align::Right, Align::Left})) {
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.emplace_back("逐期结果：");
    for (const BacktestDraw& d : result.Draws) {
        std::string line = DrawText(d.Draw) + (d.Kept ? "  保留  " : "  排除  ");
        if (!d.InBase) {
            line += "不在选号范围；";
        }
        line += "不满足" + std::to_string(d.Failed.size()) + "个条件";
        for (std::size_t j = 0; j < d.Failed.size(); ++j) {
            line += (j == 0 ? "：" : "、") + result.Conditions[d.Failed[j]]->Name;
        }
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.push_back("整体配置（容错" + FormatTolerance(result.Tolerance) + "）保留" +
                    std::to_string(result.WholeKept) + "期，共" + std::to_string(n) + "期，占" +
                    FormatPercent(result.WholeKept, n));
    return lines;
}

} // namespace quorvane
