#include "wheel/WheelReport.h"

#include <algorithm>
#include <stdexcept>

#include "text/FormatNumbers.h"
#include "wheel/WheelCheck.h"

namespace quorvane {

namespace {

constexpr const char* kCountPrefix = "共";
constexpr const char* kCountSuffix = "注";
constexpr const char* kWheelEarlyNote = "号码太多，搜索在时限内未能完成，注数未经优化。";
constexpr const char* kReduceEarlyNote = "缩水结果太大，保证缩水在时限内提前停止，注数未经充分缩减。";
constexpr const char* kVerdictPass = "校验通过：";
constexpr const char* kVerdictFail = "校验失败：开奖红球为";
constexpr const char* kNotSurvivor = "校验失败：不是缩水结果中的号码：";

void AppendTickets(std::vector<std::string>& lines, const TCodeRedArrArr& tickets)
{
    for (const TCodeRedArr& t : tickets) {
        lines.push_back(FormatTicket(t));
    }
    lines.push_back(kCountPrefix + std::to_string(tickets.size()) + kCountSuffix);
}

void RequireHolds(const CoverVerdict& verdict)
{
    if (!verdict.Holds) {
        throw std::logic_error(kVerdictFail + FormatTicket(verdict.Counterexample) + "时没有一注达到保证。");
    }
}

} // namespace

std::vector<std::string> WheelReportLines(const Wheel& wheel)
{
    RequireHolds(CheckWheel(wheel.Numbers, wheel.Tickets, wheel.Guarantee));
    std::string numbers;
    for (const int n : wheel.Numbers) {
        numbers += (numbers.empty() ? "" : " ") + Pad2(n);
    }
    std::vector<std::string> lines;
    lines.push_back("旋转矩阵 " + GuaranteeCaption(wheel.Guarantee) + "，选号" +
                    std::to_string(wheel.Numbers.size()) + "个：" + numbers);
    AppendTickets(lines, wheel.Tickets);
    if (wheel.StoppedEarly) {
        lines.emplace_back(kWheelEarlyNote);
    }
    lines.push_back(kVerdictPass + std::string("开奖红球至少有") + std::to_string(wheel.Guarantee.Match) +
                    "个在所选号码中时，必有一注至少中" + std::to_string(wheel.Guarantee.Keep) + "个红球。");
    return lines;
}

std::vector<std::string> ReductionReportLines(const ReducedResult& result, const TCodeRedArrArr& survivors)
{
    RequireHolds(CheckReduction(survivors, result.Tickets, result.Keep));
    // Both lists are in pool order: each ticket must come up in turn among the survivors.
    auto next = survivors.begin();
    for (const TCodeRedArr& t : result.Tickets) {
        next = std::find(next, survivors.end(), t);
        if (next == survivors.end()) {
            throw std::logic_error(std::string(kNotSurvivor) + FormatTicket(t));
        }
        ++next;
    }
    std::vector<std::string> lines;
    lines.push_back("保证缩水 保" + std::to_string(result.Keep) + "个红球，从" +
                    std::to_string(survivors.size()) + "注中选出" + std::to_string(result.Tickets.size()) +
                    "注：");
    AppendTickets(lines, result.Tickets);
    if (result.StoppedEarly) {
        lines.emplace_back(kReduceEarlyNote);
    }
    lines.push_back(kVerdictPass + std::string("开奖红球是缩水结果中的一注时，必有一注至少中") +
                    std::to_string(result.Keep) + "个红球。");
    return lines;
}

} // namespace quorvane
