#include "charts/StatisticsTable.h"

#include <array>

#include "measures/Measures.h"

namespace quorvane {

namespace {

constexpr int kCols = 29;
constexpr int kFirstMeasureCol = 8;
constexpr int kAverageCol = 9;
constexpr int kFirstRelationalCol = 26;

// Heads of columns 8-28, each a span over both header rows.
constexpr std::array<const char*, 21> kMeasureHeads = {
    "和值",         "平均\r\n值",   "尾数\r\n和值", "奇号\r\n个数", "偶号\r\n个数", "奇偶\r\n偏差",
    "奇号\r\n连续", "偶号\r\n连续", "大号\r\n个数", "小号\r\n个数", "大小\r\n偏差", "尾号\r\n组数",
    "AC\r\n值",     "质号\r\n个数", "连号\r\n个数", "连号\r\n组数", "首尾\r\n差",   "最大\r\n间距",
    "同位\r\n相同", "重号\r\n个数", "斜号\r\n个数",
};

// Values of columns 8-25 for a red set.
std::array<int, 18> MeasuresOf(const TCodeRedArr& r)
{
    return {SumOfCodeArr(r),         AverageOfCodeArr(r),      TailSumOfCodeArr(r),
            OddNumOfCodeArr(r),      EvenNumOfCodeArr(r),      OddEvenDevOfCodeArr(r),
            OddChainOfCodeArr(r),    EvenChainOfCodeArr(r),    BigNumOfCodeArr(r),
            SmallNumOfCodeArr(r),    BigSmallDevOfCodeArr(r),  TailGroupNumOfCodeArr(r),
            ACOfCodeArr(r),          PrimeNumOfCodeArr(r),     ConsecNumOfCodeArr(r),
            ConsecGroupOfCodeArr(r), HeadTailDiffOfCodeArr(r), MaxGapOfCodeArr(r)};
}

} // namespace

BuildResult BuildStatisticsTable(TTrendGridModel& grid, const DrawHistory& history, int n)
{
    if (std::string message = CheckN(n, history); !message.empty()) {
        return {message};
    }
    n = ClampedN(n);
    const std::vector<std::int32_t> widths = WidthRuns({{1, 56}, {6, 18}, {1, 24}, {2, 32}, {19, 25}});
    BeginTableChart(grid, 9, widths, n);
    grid.SetHeadCount(3 + static_cast<int>(kMeasureHeads.size()));
    SetCommonSpans(grid);
    for (std::size_t k = 0; k < kMeasureHeads.size(); ++k) {
        const int col = kFirstMeasureCol + static_cast<int>(k);
        SetSpan(grid, 3 + static_cast<int>(k), kMeasureHeads[k], col, 0, col, 1);
    }

    std::array<int, kCols> totals{};
    const int draws = static_cast<int>(history.size());
    for (int i = 0; i < n; ++i) {
        const TBeenCodesRec& draw = NewestDraw(history, i);
        const int row = i + 2;
        WriteDrawColumns(grid, row, draw);
        const auto values = MeasuresOf(draw.Reds);
        for (std::size_t k = 0; k < values.size(); ++k) {
            const int col = kFirstMeasureCol + static_cast<int>(k);
            grid.SetValue(row, col, col == kAverageCol ? IntText(values[k]) : TwoDigitText(values[k]));
            totals[static_cast<std::size_t>(col)] += values[k];
        }
        // The oldest draw of the history has no draw before it.
        if (i < draws - 1) {
            const TCodeRedArr& prev = NewestDraw(history, i + 1).Reds;
            const std::array<int, 3> relational = {SamePosOfCodeArr(draw.Reds, prev),
                                                   RepeatOfCodeArr(draw.Reds, prev),
                                                   DiagonalOfCodeArr(draw.Reds, prev)};
            for (std::size_t k = 0; k < relational.size(); ++k) {
                const int col = kFirstRelationalCol + static_cast<int>(k);
                grid.SetValue(row, col, TwoDigitText(relational[k]));
                totals[static_cast<std::size_t>(col)] += relational[k];
            }
        }
    }
    WriteFooter(grid);
    for (int col = kFirstMeasureCol; col < kCols; ++col) {
        grid.SetValue(FooterRow(grid), col, IntText(totals[static_cast<std::size_t>(col)]));
    }
    return {};
}

const std::vector<std::string>& StatisticsExplanationLines()
{
    static const std::vector<std::string> kLines = {
        "说明：",
        "和值：所有红球的和数值；",
        "平均值：所有红球的和数值/6；",
        "尾数和值：所有红球的个位数之和；",
        "奇号个数：红球中号码为奇数的个数；   ",
        "偶号个数：红球中号码为偶数的个数；",
        "奇偶偏差：奇号个数-偶号个数；",
        "奇号连续：前后两个号间隔为2，且号码都是奇数，这样的号码的组数，例如：01，03，07，09，11，19则奇号连"
        "续为3，即01-"
        "03，07-09，09-11。",
        "偶号连续：前后两个号间隔为2，且号码都是偶数，这样的号码的组数，例如：02，04，08，10，12，20则偶号连"
        "续为3，即02-"
        "04，08-10，10-12。",
        "大号个数：红球中号码为大数（大于17的数为大数）的个数；",
        "小号个数：红球中号码为小数（小于17的数为小数）的个数；",
        "大小偏差：大号个数-小号个数；",
        "AC值：一个算术复杂度的计算值。",
        "质号个数：红球中号码为质数的个数；连号个数：红球中相连的号码个数，例如：01,02,06,07,08,"
        "10，则连号个数为5,01,02,"
        "06,07,08；",
        "连号组数：红球中相连号码出现的组的个数，例如：01,02,06,07,08,10，则连号组数为2。",
        "首尾差：红球中最大号－最小号；",
        "最大间距：相邻的两个红球之间最大的间隔；",
        "同位相同：本期红球与上期红球同位置相同号码的个数；",
        "重号个数：本期红球中出现上期红球的个数；    ",
        "斜号个数：本期红球与上期红球号码斜连的个数。",
    };
    return kLines;
}

} // namespace quorvane
