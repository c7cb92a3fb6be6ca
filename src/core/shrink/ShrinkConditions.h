#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The state of every shrink condition control, as plain data. Each field is named after the control
// it stands for (a row of controls becomes an array, index 0 for the first control); a default
// constructed ShrinkConditions holds the start values, which leave every stage of the run inactive.
// The condition pages bind their controls to these fields; the run, the condition file and the
// command-line program read and write them.

namespace quorvane {

// The states of a picker's cells, in cell order: 0 = clear, 1 = checked.
template <std::size_t N> using TCheckCells = std::array<std::uint8_t, N>;

// A range pair of two spin edits: value 0 is the minimum, value 1 the maximum.
struct TRangePair
{
    std::int32_t Min = 0;
    std::int32_t Max = 0;

    friend bool operator==(const TRangePair& a, const TRangePair& b)
    {
        return a.Min == b.Min && a.Max == b.Max;
    }
    friend bool operator!=(const TRangePair& a, const TRangePair& b) { return !(a == b); }
};

// Number of items of the sixteen ranges of the page "常规缩水".
inline constexpr std::size_t kRegularItemCount = 16;
// Start values of those ranges, in item order (odd count, big count, sum, tail sum, largest number,
// smallest number, odd chain, even chain, head-tail gap, AC, numbers in runs, runs, primes, shared
// tails, largest gap, smallest gap).
inline constexpr std::array<TRangePair, kRegularItemCount> kRegularStartRanges{{{0, 6},
                                                                                {0, 6},
                                                                                {21, 183},
                                                                                {3, 48},
                                                                                {6, 33},
                                                                                {1, 28},
                                                                                {0, 6},
                                                                                {0, 6},
                                                                                {5, 32},
                                                                                {3, 10},
                                                                                {0, 6},
                                                                                {0, 3},
                                                                                {0, 6},
                                                                                {0, 6},
                                                                                {1, 22},
                                                                                {1, 5}}};

// Drop-down lists hold an item index (0 = the first item). The lists' items are in
// ShrinkCaptions.h.
struct ShrinkConditions
{
    // Hidden page "分区缩水x", group "综合设置：": three edits that no stage reads.
    std::string Edit51 = "123";
    std::string Edit52 = "123";
    std::string Edit53 = "123";

    // Stages 1-2, hidden page "尾数行列": wshlRowcbb1..6 and wshlColcbb1..6 (items "N", "0".."3").
    std::array<std::int32_t, 6> wshlRowcbb{};
    std::array<std::int32_t, 6> wshlColcbb{};
    // Stage 3, hidden page "赚钱机器": the killed-tail edits zqjqEd1..3.
    std::array<std::string, 3> zqjqEd;
    // Stages 4-5: zqjqRowCbb1..4 and zqjqColCbb1..3 (items "N", "0".."3").
    std::array<std::int32_t, 4> zqjqRowCbb{};
    std::array<std::int32_t, 3> zqjqColCbb{};
    // Stages 6-7, hidden page "赢钱法宝": RowCbb1..6 and ColCbb1..6 (items "N", "0".."3").
    std::array<std::int32_t, 6> RowCbb{};
    std::array<std::int32_t, 6> ColCbb{};

    // Stage 8, page "选号范围": the red selector (cells "01".."33") and the blue selector (cells
    // "01".."16", listed in the result, no stage reads it).
    TCheckCells<33> ssTb0MChk{};
    TCheckCells<16> ssTb0BChk{};

    // Stages 9-12, page "条件五": the zone count pickers (cells "0".."6"), one per zone of the 3-,
    // 4-, 5- and 6-zone partitions.
    std::array<TCheckCells<7>, 3> ssTb2GBX1Num1{};
    std::array<TCheckCells<7>, 4> ssTb2GBX1Num2{};
    std::array<TCheckCells<7>, 5> ssTb2GBX1Num3{};
    std::array<TCheckCells<7>, 6> ssTb2GBX1Num4{};
    // Stage 13: the six-zones-hit picker (cells "1".."6").
    TCheckCells<6> ssTb2GBX1NumX{};

    // Stages 14-26, page "条件缩水".
    std::array<TCheckCells<6>, 3> Mod3NumChk{}; // 14: remainder 0, 1, 2 count pickers, cells "0".."5"
    TCheckCells<6> Mod6GroupChk{};              // 15: cells "1".."6"
    TRangePair AcDesignSpEd{3, 10};             // 16: "AC值设计："
    TRangePair MaxGapSpEd{1, 28};               // 17: "最大间隔："
    TCheckCells<7> OddEvenDesignChk{};          // 18: ratio picker "奇偶设计："
    TCheckCells<7> BigSmallRatioChk{};          // 19: ratio picker "号码大小比:"
    TCheckCells<6> RunLengthChk{};              // 20: run lengths, cells "1".."6"
    TCheckCells<4> RunCountChk{};               // 20: run counts, cells "0".."3"
    TRangePair TotalSumSpEd{21, 183};           // 21: "总和值："
    TCheckCells<5> TailRepeatChk{};             // 22: cells "0".."4"
    TCheckCells<7> SameTailCountChk{};          // 23: cells "0".."6"
    TRangePair TailSumSpEd{0, 54};              // 24: "尾数和："
    TCheckCells<5> TailMod5GroupChk{};          // 25: cells "1".."5"
    TCheckCells<7> TailBigSmallChk{};           // 26: ratio picker "尾数大小比："

    // Stage 27, hidden page "匹配": coded entries "digits&counts".
    std::vector<std::string> Sel3DCodeLbx;
    // The list of the hidden page "自选号码x" (code sets); no stage reads it.
    std::vector<std::string> CodeSelLbx1;
    // Stage 28, hidden page "自选号码": coded entries "numbers&counts".
    std::vector<std::string> CodeSelLbx1ssTb3Gbx1Lbx;
    // Stage 29: banker picker, cells "1".."33".
    TCheckCells<33> ssTb3Gbx2Num{};
    // Stage 30: sum range spin edits (0..183).
    std::int32_t ssTb3SheetGbx1Sp1 = 0;
    std::int32_t ssTb3SheetGbx1Sp2 = 183;

    // Stages 31-37, page "条件一".
    bool tj1QiOuBiChk = false;
    TCheckCells<7> tj1QiOuBiMChk{};
    bool tj1HeZhiChk = false;
    TRangePair tj1HeZhiSpEd{21, 183};
    std::string tj1PaiChuHeZhiEd;
    bool tj1AcZhiChk = false;
    TRangePair tj1AcZhiSpEd{0, 15};
    std::string tj1PaiChuAcZhiEd;
    bool tj1LainHaoChk = false;
    TCheckCells<4> tj1LianHaoMChk{};
    std::int32_t tj1LianGeShuCbb = 0; // items "2个".."6个": longest run at most index + 2
    bool tj1FenDuanChk = false;
    std::array<TRangePair, 3> tj1FenDuanArr{{{0, 6}, {0, 6}, {0, 6}}};

    // Stages 38-42, page "条件二".
    bool tj2DaXiaoBiChk = false;
    TCheckCells<7> tj2DaXiaoBiMChk{};
    bool tj2GaoDiWeiChk = false;
    TCheckCells<7> tj2GaoDiWeiMChk{};
    bool tj2TongWeiDuiChk = false;
    TCheckCells<4> tj2TongWeiDuiMChk{};
    bool tj2BiXuanHaoChk = false;
    std::string tj2BiXuanHaoEd;
    bool tj2BiBuTongChk = false;
    std::array<std::string, 4> tj2BiBuTongEdArr;

    // Stage 43, page "条件三", one row per position 1..6.
    bool tj3AnWeiChk = false;
    std::array<std::int32_t, 6> tj4AnWeiQoArr{}; // "不确定", "奇数", "偶数"
    std::array<std::int32_t, 6> tj4AnWeiWsArr{}; // "不确定", "高数", "低数"
    std::array<std::string, 6> tj4AnWeiC3EdArr;  // remainders 0..2 of the tail
    std::array<std::string, 6> tj4AnWeiZdEdArr;  // numbers 1..33
    // Stage 44, one row per value of GapVectorOfCodeArr.
    bool tj3JianJuChk = false;
    std::array<std::int32_t, 8> tj4JianJuQoArr{}; // "不确定", "奇数", "偶数"
    std::array<TRangePair, 8> tj4JianJuSeArr{
        {{1, 33}, {1, 33}, {1, 33}, {1, 33}, {1, 33}, {1, 33}, {1, 33}, {1, 66}}};
    std::array<std::string, 8> tj4JianJuEdArr; // values 1..66

    // Stages 45-46, page "条件四".
    bool tj4WeiShuChk = false;
    std::array<TRangePair, 10> tj4WeiShuArr{
        {{0, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}}};
    bool tj4FenZuChk = false;
    std::array<std::string, 10> tj4FenZuEdArr;
    std::array<TCheckCells<6>, 10> tj4FenZuMChkArr{}; // cells "0".."5"

    // Stage 47, page "条件六": boxes for the gap sizes 2..11 and their pair pickers (cells 0..5).
    std::array<bool, 10> tj6JianJuCheckArr{};
    std::array<TCheckCells<6>, 10> tj6JianJuMChkArr{};

    // Stage 48, page "常规缩水": ssTb8Gbx1SeArr0 holds the minima, ssTb8Gbx1SeArr1 the maxima.
    std::array<TRangePair, kRegularItemCount> ssTb8Gbx1SeArr = kRegularStartRanges;

    // Stage 49, hidden page "其他设置": the fault-tolerant filter.
    bool ssTb4Gbx1Chk = false;
    std::vector<std::string> ssTb4SheetGbx1Memo; // one red set per line
    TCheckCells<7> ssTb4Gbx1MChk{};              // "出球个数：", cells "0".."6"

    // The analysis settings of the run (condition file section "容错与查重").
    // "排除历史开奖号码": removes every ticket whose reds equal those of a past draw, the last
    // ExcludeDrawnSp draws of the history (0 = all of them). It runs after stage 49.
    bool ExcludeDrawnChk = false;
    std::int32_t ExcludeDrawnSp = 0;
    // Tolerance: a ticket survives when the number of active conditions it fails lies in
    // Min..Max (0 <= Min <= Max <= 60); 0..0 is the plain run. The red selection of stage 8 is
    // the base of the run, not a condition: a ticket outside it never survives.
    TRangePair ToleranceSpEd{0, 0};
};

} // namespace quorvane
