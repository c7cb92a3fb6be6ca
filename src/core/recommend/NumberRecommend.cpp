#include "recommend/NumberRecommend.h"

#include <string>

#include "recommend/Frequency.h"

namespace quorvane {

namespace {

// The constants of one number recommendation. Each group raises the stride base by one, picks the
// ranking positions (i * stride + start) mod 33 + 1 and moves the start on by (start + 3) mod 33 + 1.
struct NumberPickRule
{
    const char* Title;
    bool NumberedGroups; // "<title>(第j组)k个号" rather than "<title>:k个号"
    int Groups;
    int Picks;
    int Start;
    int StrideBase;
    const char* Status;
};

constexpr NumberPickRule kColdRule{"冷码推荐", true, 3, 4, 3, 4, "完成 冷码推荐"};
constexpr NumberPickRule kHotRule{"热码推荐", true, 3, 4, 9, 8, "完成 热码推荐"};
constexpr NumberPickRule kMustRule{"必出码推荐", false, 1, 5, 11, 8, "完成 必出码推荐"};
constexpr NumberPickRule kBankerRule{"胆码推荐", false, 1, 5, 14, 16, "完成 胆码推荐"};

RecommendResult RunNumberPickRule(const DrawHistory& history, const NumberPickRule& rule)
{
    const TRedRanking ranking = RankSmallRedNumbers(history, kNumberRecommendDraws);

    RecommendResult result;
    int start = rule.Start;
    int stride = rule.StrideBase;
    for (int group = 1; group <= rule.Groups; ++group) {
        ++stride;
        const JoinedSelection joined = JoinSelected(ranking, StridePicks<33>(rule.Picks, stride, start), ",");
        std::string header = rule.Title;
        if (rule.NumberedGroups) {
            header += "(第" + std::to_string(group) + "组)";
        } else {
            header += ":";
        }
        result.Lines.push_back(header + std::to_string(joined.Count) + "个号");
        result.Lines.push_back(joined.Text);
        start = (start + 3) % 33 + 1;
    }
    result.Status = rule.Status;
    return result;
}

} // namespace

RecommendResult ColdNumberRecommend(const DrawHistory& history)
{
    return RunNumberPickRule(history, kColdRule);
}

RecommendResult HotNumberRecommend(const DrawHistory& history)
{
    return RunNumberPickRule(history, kHotRule);
}

RecommendResult MustNumberRecommend(const DrawHistory& history)
{
    return RunNumberPickRule(history, kMustRule);
}

RecommendResult BankerNumberRecommend(const DrawHistory& history)
{
    return RunNumberPickRule(history, kBankerRule);
}

} // namespace quorvane
