#include "charts/OmissionTables.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "charts/FrequencyCharts.h"
#include "measures/Measures.h"

namespace quorvane {

namespace {

// Statistics of values 0 .. size - 1 over a walk of the history from the oldest draw.
struct OmissionStats
{
    explicit OmissionStats(std::size_t size)
        : Total(size)
        , Last20(size)
        , Last50(size)
        , Last100(size)
        , Omission(size)
        , MaxOmission(size)
        , Run(size)
        , MaxRun(size)
    {
    }

    std::vector<int> Total, Last20, Last50, Last100, Omission, MaxOmission, Run, MaxRun;

    // Records draw k of `draws` in which the values flagged in `present` came.
    void AddDraw(int k, int draws, const std::vector<bool>& present)
    {
        for (std::size_t v = 0; v < Total.size(); ++v) {
            if (present[v]) {
                ++Total[v];
                Last100[v] += k >= draws - 100;
                Last20[v] += k >= draws - 20;
                Last50[v] += k >= draws - 50;
                Omission[v] = 0;
                MaxRun[v] = std::max(MaxRun[v], ++Run[v]);
            } else {
                MaxOmission[v] = std::max(MaxOmission[v], ++Omission[v]);
                Run[v] = 0;
            }
        }
    }
};

// draws ÷ total with two decimals, or "-" for a value that never came.
std::string AverageIntervalText(int draws, int total)
{
    if (total == 0) {
        return "-";
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2.2f", static_cast<double>(draws) / total);
    return buf;
}

// Heads of columns 1-8 of both kinds of table, over the texts of StatisticTexts.
const std::vector<std::string>& StatisticHeads()
{
    static const std::vector<std::string> kHeads = {
        "遗漏值",   "最大间隔",         "平均间隔",         "最多连续",
        "出现总数", "20期出\r\n现次数", "50期出\r\n现次数", "100期出\r\n现次数"};
    return kHeads;
}

// The texts of value v's statistics, columns 1-8 of a table: omission, its maximum, the average
// interval, the longest run, the total and the last-20, -50 and -100 counts.
std::vector<std::string> StatisticTexts(const OmissionStats& s, std::size_t v, int draws)
{
    return {IntText(s.Omission[v]), IntText(s.MaxOmission[v]), AverageIntervalText(draws, s.Total[v]),
            IntText(s.MaxRun[v]),   IntText(s.Total[v]),       IntText(s.Last20[v]),
            IntText(s.Last50[v]),   IntText(s.Last100[v])};
}

// Writes `label` and `texts` into a row from column 0 on, every cell in `color`.
void WriteRow(TTitledTableModel& table, int row, std::string label, const std::vector<std::string>& texts,
              TColor color)
{
    table.SetValue(0, row, std::move(label));
    table.SetCellColor(0, row, color);
    for (std::size_t c = 0; c < texts.size(); ++c) {
        table.SetValue(static_cast<int>(c + 1), row, texts[c]);
        table.SetCellColor(static_cast<int>(c + 1), row, color);
    }
}

// Fills the number table of values 1 .. values - 1 (row v) from the statistics.
void FillNumberTable(TTitledTableModel& table, const char* title, int values, TColor body,
                     const OmissionStats& s, int draws)
{
    table.FTitle = title;
    table.FLineColor = kBlack;
    table.SetGrid(9, values, std::vector<std::int32_t>(9, 64));
    table.FRowHeight = 32;
    WriteRow(table, 0, "号码", StatisticHeads(), kOmissionHeadColor);
    for (int v = 1; v < values; ++v) {
        WriteRow(table, v, IntText(v), StatisticTexts(s, static_cast<std::size_t>(v), draws), body);
    }
}

} // namespace

BuildResult BuildOmissionTables(std::vector<TTitledTableModel>& tables, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    const int draws = static_cast<int>(history.size());
    OmissionStats reds(34);
    OmissionStats blues(17);
    std::vector<bool> redPresent(34);
    std::vector<bool> bluePresent(17);
    for (int k = 0; k < draws; ++k) {
        const TBeenCodesRec& draw = history[static_cast<std::size_t>(k)];
        std::fill(redPresent.begin(), redPresent.end(), false);
        std::fill(bluePresent.begin(), bluePresent.end(), false);
        for (const int red : draw.Reds) {
            if (IsRedNumber(red)) {
                redPresent[static_cast<std::size_t>(red)] = true;
            }
        }
        if (draw.Blue >= 1 && draw.Blue <= 16) {
            bluePresent[static_cast<std::size_t>(draw.Blue)] = true;
        }
        reds.AddDraw(k, draws, redPresent);
        blues.AddDraw(k, draws, bluePresent);
    }

    tables.resize(2);
    FillNumberTable(tables[0], "红球分析表", 34, kOmissionRedBodyColor, reds, draws);
    FillNumberTable(tables[1], "蓝球分析表", 17, kOmissionBlueBodyColor, blues, draws);
    tables[0].FPlacement = TPlacement{};
    tables[0].FPlacement.Width = 576;
    tables[0].FPlacement.Height = 1152;
    tables[0].FPlacement.CentreHorizontally = true;
    tables[1].FPlacement = tables[0].FPlacement;
    tables[1].FPlacement.Height = 800;
    tables[1].FPlacement.GapBelowPrevious = 20;
    return {};
}

BuildResult BuildZoneSumOmissionTable(std::vector<TTitledTableModel>& tables, const DrawHistory& history,
                                      int n, int zone)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    const int values = ZoneSumValueCount(zone);
    const int draws = static_cast<int>(history.size());
    OmissionStats stats(static_cast<std::size_t>(values));
    std::vector<int> follower(static_cast<std::size_t>(values), -1);
    std::vector<bool> present(static_cast<std::size_t>(values));
    int previous = -1;
    for (int k = 0; k < draws; ++k) {
        const int sum = ZoneSumOfCodeArr(history[static_cast<std::size_t>(k)].Reds, zone);
        const bool kept = sum >= 0 && sum < values;
        if (previous >= 0) {
            follower[static_cast<std::size_t>(previous)] = sum;
        }
        previous = kept ? sum : -1;
        std::fill(present.begin(), present.end(), false);
        if (kept) {
            present[static_cast<std::size_t>(sum)] = true;
        }
        stats.AddDraw(k, draws, present);
    }

    tables.resize(1);
    TTitledTableModel& table = tables[0];
    static constexpr std::array<const char*, 3> kTitles = {"一区和值遗漏图", "二区和值遗漏图",
                                                           "三区和值遗漏图"};
    table.FTitle = kTitles[static_cast<std::size_t>(zone == 1 ? 0 : zone == 2 ? 1 : 2)];
    table.FLineColor = kBlack;
    table.SetGrid(10, values, std::vector<std::int32_t>(10, 64));
    table.FRowHeight = 24;
    std::vector<std::string> heads = StatisticHeads();
    heads.push_back("后续和值");
    WriteRow(table, 0, "和值", heads, kOmissionHeadColor);
    for (int v = 0; v + 1 < values; ++v) {
        const auto i = static_cast<std::size_t>(v);
        std::vector<std::string> texts = StatisticTexts(stats, i, draws);
        texts.push_back(follower[i] < 0 ? std::string("-") : IntText(follower[i]));
        WriteRow(table, v + 1, IntText(v), texts, kOmissionRedBodyColor);
    }
    table.FPlacement = TPlacement{};
    table.FPlacement.Width = 576;
    // Tall enough for every row under the title: the layout pass shows (height - 6) div (row
    // height + line width) rows.
    table.FPlacement.Height = values * (table.FRowHeight + table.FLineWidth) + 6 + 30;
    table.FPlacement.CentreHorizontally = zone == 1;
    return {};
}

} // namespace quorvane
