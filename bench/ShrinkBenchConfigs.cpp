#include "ShrinkBenchConfigs.h"

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

#include "shrink/ConditionKeys.h"

namespace quorvane::benchconfig {

namespace {

using Settings = std::initializer_list<std::pair<const char*, const char*>>;

void Apply(ShrinkConditions& c, Settings settings)
{
    for (const auto& [name, value] : settings) {
        if (!ApplyConditionSetting(c, name, value)) {
            throw std::logic_error(std::string("unknown condition ") + name);
        }
    }
}

// Stages 8-40 and 42-49 with lenient tests that still fail on some tickets.
void Lenient(ShrinkConditions& c)
{
    Apply(c,
          {
              {"ssTb0MChk", "01#02#03#04#05#06#07#08#09#10#11#12#13#14#15#16#17#18#19#20#21#22#23#24#25#26#"
                            "27#28#29#30#31#32"}, // 8
              {"3区间00", "1"},
              {"3区间01", "1"},
              {"3区间02", "1"},
              {"3区间03", "1"},
              {"3区间04", "1"},
              {"3区间05", "1"},                  // 9
              {"ssTb2GBX1Num20", "0,1,2,3,4,5"}, // 10
              {"ssTb2GBX1Num34", "0,1,2,3,4"},   // 11
              {"ssTb2GBX1Num41", "0,1,2,3,4,5"}, // 12
              {"ssTb2GBX1NumX", "2,3,4,5,6"},    // 13
              {"除3余00", "1"},
              {"除3余01", "1"},
              {"除3余02", "1"},
              {"除3余03", "1"},
              {"除3余04", "1"},
              {"除3余05", "1"}, // 14
              {"除6余分组出现组数1", "1"},
              {"除6余分组出现组数2", "1"},
              {"除6余分组出现组数3", "1"},
              {"除6余分组出现组数4", "1"},
              {"除6余分组出现组数5", "1"}, // 15
              {"AC值设计", "4,10"},        // 16
              {"最大间隔", "1,26"},        // 17
              {"奇偶设计6", "1"},
              {"奇偶设计1", "1"},
              {"奇偶设计2", "1"},
              {"奇偶设计3", "1"},
              {"奇偶设计4", "1"},
              {"奇偶设计5", "1"}, // 18
              {"号码大小比1", "1"},
              {"号码大小比2", "1"},
              {"号码大小比3", "1"},
              {"号码大小比4", "1"},
              {"号码大小比5", "1"},
              {"号码大小比6", "1"}, // 19
              {"连号1", "1"},
              {"连号组数0", "1"},
              {"连号组数1", "1"},
              {"连号组数2", "1"},   // 20
              {"总和值", "40,170"}, // 21
              {"尾数相同个数1", "1"},
              {"尾数相同个数2", "1"},
              {"尾数相同个数3", "1"}, // 22
              {"尾数与上期相同个数0", "1"},
              {"尾数与上期相同个数1", "1"},
              {"尾数与上期相同个数6", "1"},
              {"尾数与上期相同个数2", "1"},
              {"尾数与上期相同个数3", "1"},
              {"尾数与上期相同个数4", "1"},
              {"尾数与上期相同个数5", "1"}, // 23
              {"尾数和", "8,48"},           // 24
              {"尾数分组组合1", "1"},
              {"尾数分组组合2", "1"},
              {"尾数分组组合3", "1"},
              {"尾数分组组合4", "1"}, // 25
              {"尾数大小比0", "1"},
              {"尾数大小比1", "1"},
              {"尾数大小比2", "1"},
              {"尾数大小比3", "1"},
              {"尾数大小比4", "1"},
              {"尾数大小比5", "1"},                                                                     // 26
              {"3D匹配", "0&0,1,2#0,5&0,1,2,3"},                                                        // 27
              {"CodeSelLbx1ssTb3Gbx1Lbx", "1,2,3,4,5,6,7,8,9,10,11&0,1,2,3,4,5#30,31,32,33&0,1,2,3"},   // 28
              {"ssTb3Gbx2Num", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26"}, // 29
              {"ssTb3SheetGbx1Sp1", "30"},                                                              // 30
              {"tj1QiOuBiChk", "1"},
              {"tj1QiOuBiMChk", "1:5,2:4,3:3,4:2,5:1,6:0"}, // 31
              {"tj1HeZhiChk", "1"},
              {"tj1HeZhiSpEd", "35,175"},
              {"tj1PaiChuHeZhiEd", "22 23 182"}, // 32, 33
              {"tj1AcZhiChk", "1"},
              {"tj1AcZhiSpEd", "1,10"},
              {"tj1PaiChuAcZhiEd", "2"}, // 34, 35
              {"tj1LainHaoChk", "1"},
              {"tj1LianHaoMChk", "0对,1对,2对"},
              {"tj1LianGeShuCbb", "2"}, // 36
              {"tj1FenDuanChk", "1"},
              {"tj1FenDuanArr0", "0,5"},
              {"tj1FenDuanArr1", "0,5"},
              {"tj1FenDuanArr2", "0,5"}, // 37
              {"tj2DaXiaoBiChk", "1"},
              {"tj2DaXiaoBiMChk", "1:5,2:4,3:3,4:2,5:1,6:0"}, // 38
              {"tj2GaoDiWeiChk", "1"},
              {"tj2GaoDiWeiMChk", "0:6,1:5,2:4,3:3,4:2,5:1"}, // 39
              {"tj2TongWeiDuiChk", "1"},
              {"tj2TongWeiDuiMChk", "0对,1对,2对"}, // 40
              {"tj2BiBuTongChk", "1"},
              {"tj2BiBuTongEdArr0", "01 02 03 04"},
              {"tj2BiBuTongEdArr1", "10 20 30"},
              {"tj2BiBuTongEdArr2", "15 16 17 18"},
              {"tj2BiBuTongEdArr3", "31 32 33"}, // 42
              {"tj3AnWeiChk", "1"},
              {"tj4AnWeiZdEdArr0", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20"},
              {"tj4AnWeiZdEdArr5", "10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33"},
              {"tj4AnWeiQoArr2", "0"}, // 43
              {"tj3JianJuChk", "1"},
              {"tj4JianJuSeArr0", "1,20"},
              {"tj4JianJuSeArr5", "8,32"},
              {"tj4JianJuSeArr7", "10,62"}, // 44
              {"tj4WeiShuChk", "1"},
              {"tj4WeiShuArr0", "0,2"},
              {"tj4WeiShuArr3", "0,3"}, // 45
              {"tj4FenZuChk", "1"},
              {"tj4FenZuEdArr0", "03 08 16 24 30"},
              {"tj4FenZuMChkArr0", "0,1,2,3"},
              {"tj4FenZuEdArr1", "11 12 13 14 15 16"},
              {"tj4FenZuMChkArr1", "0,1,2,3,4"}, // 46
              {"tj6JianJuCheckArr0", "1"},
              {"tj6JianJuMChkArr0", "0对,1对,2对,3对"},
              {"tj6JianJuCheckArr4", "1"},
              {"tj6JianJuMChkArr4", "0对,1对,2对"}, // 47
              {"ssTb8Gbx1SeArr02", "30"},
              {"ssTb8Gbx1SeArr115", "6"},
              {"ssTb8Gbx1SeArr114", "24"},
              {"ssTb8Gbx1SeArr06", "0"},
              {"ssTb8Gbx1SeArr16", "4"}, // 48
              {"ssTb4Gbx1Chk", "1"},
              {"ssTb4Gbx1MChk", "0,1,2,3"},
              {"ssTb4SheetGbx1Memo", "01 02 03 04 05 06#01 02 03 04 05 07#01 02 03 04 06 07"}, // 49
          });
}

} // namespace

DrawHistory History()
{
    TBeenCodesRec r;
    r.Year = 2010;
    r.Number = 42;
    r.Reds = {3, 8, 14, 21, 27, 33};
    r.Blue = 7;
    return {r};
}

ShrinkConditions MostSurvive()
{
    ShrinkConditions c;
    Lenient(c);
    return c;
}

ShrinkConditions AllLenient()
{
    ShrinkConditions c;
    Lenient(c);
    Apply(c, {
                 {"FwshlRowCbbArr5", "1"}, // 1: none of 31..33
                 {"FwshlColCbbArr1", "3"}, // 2: two of 11 13 15 17 19 32
                 {"zqjqEd1", "0"},         // 3: no tail 0
                 {"FzqjqRowCbbArr0", "3"}, // 4: two with tails 0..2
                 {"FzqjqColCbbArr1", "3"}, // 5: two with tails 1, 4, 7
                 {"RowCbb6", "1"},         // 6: none of 31..33
                 {"ColCbb3", "2"},         // 7: one of 03 09 15 21 27 33
                 {"tj2BiXuanHaoChk", "1"}, // 41
                 {"tj2BiXuanHaoEd", "19"},
             });
    return c;
}

ShrinkConditions EveryCondition()
{
    ShrinkConditions c = AllLenient();
    Apply(c, {
                 {"ssTb8Gbx1SeArr10", "5"},  // 48: odd count 0..5
                 {"ssTb8Gbx1SeArr01", "1"},  // big count 1..6
                 {"ssTb8Gbx1SeArr13", "45"}, // tail sum 3..45
                 {"ssTb8Gbx1SeArr04", "10"}, // largest number 10..33
                 {"ssTb8Gbx1SeArr15", "25"}, // smallest number 1..25
                 {"ssTb8Gbx1SeArr17", "4"},  // even chain 0..4
                 {"ssTb8Gbx1SeArr08", "8"},  // head-tail gap 8..32
                 {"ssTb8Gbx1SeArr09", "4"},  // AC 4..10
                 {"ssTb8Gbx1SeArr110", "5"}, // numbers in runs 0..5
                 {"ssTb8Gbx1SeArr111", "2"}, // runs 0..2
                 {"ssTb8Gbx1SeArr112", "5"}, // primes 0..5
                 {"ssTb8Gbx1SeArr113", "3"}, // shared tails 0..3
                 {"ExcludeDrawnChk", "1"},
             });
    return c;
}

ShrinkConditions Heavy()
{
    ShrinkConditions c = AllLenient();
    Apply(c, {
                 {"ssTb0MChk",
                  "01#02#03#04#05#06#07#08#09#11#12#13#14#15#16#17#18#19#21#22#23#24#25#26#27#28#29"},
                 {"tj2BiXuanHaoEd", ""},
                 {"tj2BiXuanHaoChk", "0"},
                 {"FzqjqColCbbArr1", "0"},
                 {"FzqjqRowCbbArr0", "0"},
             });
    Apply(c,
          {{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "13"}, {"总和值", "40,160"}, {"AC值设计", "4,10"}});
    return c;
}

} // namespace quorvane::benchconfig
