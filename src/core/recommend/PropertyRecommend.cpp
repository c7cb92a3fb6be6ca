#include "recommend/PropertyRecommend.h"

#include <array>
#include <stdexcept>
#include <string>

#include "measures/Measures.h"
#include "recommend/Frequency.h"
#include "shrink/ShrinkCaptions.h"
#include "text/UserError.h"

namespace quorvane {

namespace {

constexpr int kTailDraws = 20;
// Among equal counts the tail earlier in this order ranks higher.
constexpr std::array<int, 10> kTailTieOrder{1, 0, 2, 3, 4, 5, 6, 7, 8, 9};

constexpr int kOddEvenMinDraws = 198;
constexpr int kOddEvenFirstBack = 99;
// The recommendation names one of the first six ratio captions, "0:6" .. "5:1".
constexpr std::size_t kOddEvenRatioCount = 6;

// The highest sum a zone can reach: its six largest numbers, 28..33 in zone 3.
constexpr int kMaxZoneSum = 183;

struct ZoneSumRule
{
    const char* Caption;
    int Draws;
    int Picks;
};

constexpr std::array<ZoneSumRule, 3> kZoneSumRules{{
    {"1区和值推荐", 138, 12},
    {"2区和值推荐", 158, 16},
    {"3区和值推荐", 148, 19},
}};

const TBeenCodesRec& DrawBack(const DrawHistory& history, std::size_t placesBack)
{
    return history[history.size() - placesBack];
}

// The sums of every subset of zero to six numbers of a zone's eleven, ascending.
std::vector<int> MakeZoneSumCandidates(int zone)
{
    std::array<bool, kMaxZoneSum + 1> reachable{};
    const int first = 11 * zone - 10;
    for (unsigned subset = 0; subset < (1u << 11); ++subset) {
        int members = 0;
        int sum = 0;
        for (int i = 0; i < 11; ++i) {
            if ((subset >> i) & 1u) {
                ++members;
                sum += first + i;
            }
        }
        if (members <= 6) {
            reachable[static_cast<std::size_t>(sum)] = true;
        }
    }
    std::vector<int> candidates;
    for (int v = 0; v <= kMaxZoneSum; ++v) {
        if (reachable[static_cast<std::size_t>(v)]) {
            candidates.push_back(v);
        }
    }
    return candidates;
}

void RequireZone(int zone)
{
    if (zone < 1 || zone > 3) {
        throw std::invalid_argument("zone must be 1..3");
    }
}

} // namespace

RecommendResult TailRecommend(const DrawHistory& history)
{
    if (history.size() < static_cast<std::size_t>(kTailDraws)) {
        throw UserError(kForecastTooFewDraws);
    }
    std::array<int, 10> counts{};
    for (std::size_t back = 1; back <= kTailDraws; ++back) {
        for (const int red : DrawBack(history, back).Reds) {
            ++counts[static_cast<std::size_t>(red % 10)];
        }
    }
    // Ten passes, each taking the highest remaining count; a taken tail drops to -2.
    std::array<int, 10> ranking{};
    for (int& slot : ranking) {
        int best = kTailTieOrder[0];
        for (const int tail : kTailTieOrder) {
            if (counts[static_cast<std::size_t>(tail)] > counts[static_cast<std::size_t>(best)]) {
                best = tail;
            }
        }
        slot = best;
        counts[static_cast<std::size_t>(best)] = -2;
    }

    RecommendResult result;
    int start = 8;
    int stride = 5;
    for (int group = 0; group < 2; ++group) {
        ++stride;
        const JoinedSelection joined = JoinSelected(ranking, StridePicks<10>(3, stride, start), ",");
        result.Lines.push_back("尾数推荐:" + std::to_string(joined.Count) + "个号");
        result.Lines.push_back(joined.Text);
        start = (start + 3) % 10;
    }
    result.Status = "完成 尾数推荐";
    return result;
}

RecommendResult OddEvenRecommend(const DrawHistory& history)
{
    if (history.size() < static_cast<std::size_t>(kOddEvenMinDraws)) {
        throw UserError(kOddEvenTooFewDraws);
    }
    RecommendResult result;
    result.Lines.emplace_back();
    result.Lines.emplace_back("奇偶比推荐(共3组):");
    for (std::size_t c = 0; c < 3; ++c) {
        const int odd = OddNumOfCodeArr(DrawBack(history, kOddEvenFirstBack + c).Reds);
        result.Lines.push_back(RatioCaptions()[static_cast<std::size_t>(odd + 2) % kOddEvenRatioCount]);
    }
    return result;
}

const std::vector<int>& ZoneSumCandidates(int zone)
{
    RequireZone(zone);
    static const std::array<std::vector<int>, 3> kCandidates{
        MakeZoneSumCandidates(1), MakeZoneSumCandidates(2), MakeZoneSumCandidates(3)};
    return kCandidates[static_cast<std::size_t>(zone - 1)];
}

const char* ZoneSumCaption(int zone)
{
    RequireZone(zone);
    return kZoneSumRules[static_cast<std::size_t>(zone - 1)].Caption;
}

RecommendResult ZoneSumRecommend(const DrawHistory& history, int zone)
{
    RequireZone(zone);
    const ZoneSumRule& rule = kZoneSumRules[static_cast<std::size_t>(zone - 1)];
    if (history.size() < static_cast<std::size_t>(rule.Draws)) {
        throw UserError(kZoneSumTooFewDraws);
    }
    std::array<int, kMaxZoneSum + 1> bySum{};
    for (std::size_t back = 1; back <= static_cast<std::size_t>(rule.Draws); ++back) {
        // A valid red set never sums above kMaxZoneSum in one zone; the check keeps a set that
        // breaks the invariant from reaching outside the table.
        const int sum = ZoneSumOfCodeArr(DrawBack(history, back).Reds, zone);
        if (sum <= kMaxZoneSum) {
            ++bySum[static_cast<std::size_t>(sum)];
        }
    }
    const std::vector<int>& candidates = ZoneSumCandidates(zone);
    std::vector<int> counts(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        counts[i] = bySum[static_cast<std::size_t>(candidates[i])];
    }
    // The rarest candidate first; the earliest (smallest) among equals. A taken candidate is
    // marked so that it is not taken again.
    constexpr int kTaken = -1;
    std::string text;
    for (int pass = 0; pass < rule.Picks; ++pass) {
        std::size_t rarest = counts.size();
        for (std::size_t i = 0; i < counts.size(); ++i) {
            if (counts[i] != kTaken && (rarest == counts.size() || counts[i] < counts[rarest])) {
                rarest = i;
            }
        }
        text += "和值" + std::to_string(candidates[rarest]) + ",";
        counts[rarest] = kTaken;
    }

    RecommendResult result;
    result.Lines.emplace_back();
    result.Lines.push_back(std::to_string(zone) + "区和值推荐(共" + std::to_string(rule.Picks) + "个):");
    result.Lines.push_back(std::move(text));
    return result;
}

} // namespace quorvane
