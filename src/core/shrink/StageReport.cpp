#include "shrink/StageReport.h"

#include "shrink/AnalysisSettings.h"
#include "shrink/RunConditions.h"
#include "text/TextTable.h"

namespace quorvane {

namespace {

constexpr const char* kReportTitle = "逐条件统计（按运行顺序）：";
constexpr const char* kBaseName = "选号范围（基础）";
constexpr const char* kHistogramTitle = "不满足条件个数分布：";

} // namespace

StageReport BuildStageReport(const ShrinkConditions& conditions, const ConditionVerdicts& verdicts)
{
    const VerdictCounts counts = CountVerdicts(verdicts);
    StageReport report;
    report.BaseActive = BaseActive(conditions);
    report.Base = counts.Base;
    for (std::size_t k = 0; k < verdicts.Conditions.size(); ++k) {
        report.Rows.push_back({verdicts.Conditions[k].Condition->Name, counts.SurvivorsAfter[k],
                               counts.Failing[k], counts.FailingAlone[k]});
    }
    report.FailHistogram = counts.FailHistogram;
    while (report.FailHistogram.size() > 1 && report.FailHistogram.back() == 0) {
        report.FailHistogram.pop_back();
    }
    report.Tolerance = conditions.ToleranceSpEd;
    for (int k = report.Tolerance.Min; k <= report.Tolerance.Max; ++k) {
        if (k >= 0 && static_cast<std::size_t>(k) < report.FailHistogram.size()) {
            report.Kept += report.FailHistogram[static_cast<std::size_t>(k)];
        }
    }
    return report;
}

std::string FailCountLine(int failed, std::int32_t tickets)
{
    return "不满足" + std::to_string(failed) + "个条件：" + std::to_string(tickets) + "注";
}

std::vector<std::string> StageReportLines(const StageReport& report)
{
    std::vector<std::vector<std::string>> rows{{"序号", "剩余注数", "不满足注数", "仅此不满足", "条件"}};
    rows.push_back(
        {"0", std::to_string(report.Base), "-", "-", report.BaseActive ? kBaseName : "全部号码（基础）"});
    for (std::size_t k = 0; k < report.Rows.size(); ++k) {
        const StageReportRow& r = report.Rows[k];
        rows.push_back({std::to_string(k + 1), std::to_string(r.SurvivorsAfter), std::to_string(r.Failing),
                        std::to_string(r.FailingAlone), r.Name});
    }
    std::vector<std::string> lines{kReportTitle};
    for (std::string& line :
         FormatTable(rows, {Align::Right, Align::Right, Align::Right, Align::Right, Align::Left})) {
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.emplace_back(kHistogramTitle);
    for (std::size_t k = 0; k < report.FailHistogram.size(); ++k) {
        lines.push_back(FailCountLine(static_cast<int>(k), report.FailHistogram[k]));
    }
    lines.push_back("容错" + FormatTolerance(report.Tolerance) + "：保留" + std::to_string(report.Kept) +
                    "注");
    return lines;
}

} // namespace quorvane
