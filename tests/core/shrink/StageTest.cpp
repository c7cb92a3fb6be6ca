// Each stage on its own: the fast run must keep exactly the tickets that the stage-by-stage
// reference keeps, over the whole pool, and the counts that follow from the stage's rule are
// checked where they can be worked out by hand.

#include <gtest/gtest.h>

#include "ShrinkTestSupport.h"
#include "measures/Measures.h"

using namespace quorvane;
using namespace quorvane::test;

namespace {

constexpr std::int32_t kAll = kPoolCount;

std::int32_t Choose(int n, int k)
{
    std::int64_t r = 1;
    for (int i = 1; i <= k; ++i) {
        r = r * (n - k + i) / i;
    }
    return static_cast<std::int32_t>(r);
}

} // namespace

TEST(ShrinkStages, StartStateKeepsEveryTicket)
{
    // Among others: the regular ranges at their start values (tail sum 3..48, smallest gap 1..5,
    // largest gap 1..22) would remove tickets if they were applied.
    EXPECT_EQ(SameAsReference(ShrinkConditions{}), kAll);
}

TEST(ShrinkStages, RowAndColumnSelectors_1_2_4_5_6_7)
{
    EXPECT_EQ(SameAsReference(With({{"FwshlRowCbbArr5", "2"}})), 3 * Choose(30, 5)); // one of 31..33
    EXPECT_EQ(SameAsReference(With({{"FwshlRowCbbArr0", "1"}, {"FwshlRowCbbArr4", "3"}})),
              Choose(6, 2) * Choose(21, 4)); // none of 01 11 21 02 12 22, two of 09 19 29 10 20 30
    SameAsReference(With({{"FwshlColCbbArr0", "2"}, {"FwshlColCbbArr3", "1"}, {"FwshlColCbbArr5", "4"}}));
    EXPECT_EQ(SameAsReference(With({{"FzqjqRowCbbArr3", "1"}})), Choose(30, 6)); // no tail 9
    SameAsReference(With({{"FzqjqRowCbbArr0", "3"}, {"FzqjqRowCbbArr1", "3"}}));
    SameAsReference(With({{"FzqjqColCbbArr1", "3"}, {"FzqjqColCbbArr2", "2"}}));
    EXPECT_EQ(SameAsReference(With({{"RowCbb6", "4"}})), Choose(30, 3)); // all of 31..33
    SameAsReference(With({{"RowCbb1", "2"}, {"RowCbb3", "3"}, {"RowCbb5", "2"}}));
    SameAsReference(With({{"ColCbb1", "1"}, {"ColCbb6", "3"}}));
    // Every selector of a layout at a count: the counts must add up to 6 to keep anything.
    EXPECT_EQ(SameAsReference(With({{"RowCbb1", "2"},
                                    {"RowCbb2", "2"},
                                    {"RowCbb3", "2"},
                                    {"RowCbb4", "2"},
                                    {"RowCbb5", "2"},
                                    {"RowCbb6", "2"}})),
              6 * 6 * 6 * 6 * 6 * 3);
    EXPECT_EQ(
        SameAsReference(With({{"FzqjqColCbbArr0", "4"}, {"FzqjqColCbbArr1", "4"}, {"FzqjqColCbbArr2", "2"}})),
        0);
    // An item index outside the list is no demand.
    ShrinkConditions c;
    c.RowCbb[0] = 7;
    c.ColCbb[1] = -2;
    EXPECT_EQ(SameAsReference(c), kAll);
}

TEST(ShrinkStages, KilledTails_3)
{
    EXPECT_EQ(SameAsReference(With({{"zqjqEd1", "05"}})), Choose(27, 6)); // 05 10 15 20 25 30 gone
    EXPECT_EQ(SameAsReference(With({{"zqjqEd2", "1"}, {"zqjqEd3", "99"}})), Choose(26, 6)); // tails 1, 9
    EXPECT_EQ(SameAsReference(With({{"zqjqEd1", ""}, {"zqjqEd2", ""}})), kAll);
    EXPECT_EQ(ErrorText([] {
                  ShrinkSurvivors(With({{"zqjqEd1", "1 2"}}), {});
              }),
              "' ' is not a valid integer value");
    EXPECT_EQ(ErrorText([] {
                  ShrinkSurvivors(With({{"zqjqEd3", "3五"}}), {});
              }),
              "'五' is not a valid integer value");
}

TEST(ShrinkStages, SelectedReds_8)
{
    EXPECT_EQ(SameAsReference(With({{"ssTb0MChk", "01#02#03#04#05#06#07#08#09#10"}})), 210);
    EXPECT_EQ(SameAsReference(With({{"ssTb0MChk", "01#02#03#04#05#06"}})), 1);
    EXPECT_EQ(SameAsReference(With({{"ssTb0MChk", "01#12#33#20#07"}})), 0);
    EXPECT_EQ(
        SameAsReference(With({{"ssTb0MChk", "01#02#03#04#05#06#07#08#09#10#11#12#13#14#15#16#17#18#19#20#21#"
                                            "22#23#24#25#26#27#28#29#30#31#32"}})),
        Choose(32, 6));
}

TEST(ShrinkStages, Zones_9_10_11_12_13)
{
    EXPECT_EQ(SameAsReference(With({{"3区间02", "1"}})), Choose(11, 2) * Choose(22, 4));
    SameAsReference(With({{"3区间01", "1"}, {"3区间03", "1"}, {"3区间20", "1"}, {"3区间22", "1"}}));
    SameAsReference(With({{"ssTb2GBX1Num20", "0,1"}, {"ssTb2GBX1Num23", "2,3,4"}}));
    SameAsReference(With({{"ssTb2GBX1Num31", "1"}, {"ssTb2GBX1Num34", "0,2"}}));
    SameAsReference(With({{"ssTb2GBX1Num40", "1"}, {"ssTb2GBX1Num41", "1"}, {"ssTb2GBX1Num45", "0,1"}}));
    EXPECT_EQ(SameAsReference(With({{"ssTb2GBX1NumX", "6"}})), 6 * 6 * 6 * 6 * 6 * 3);
    SameAsReference(With({{"ssTb2GBX1NumX", "2,4"}}));
    EXPECT_EQ(SameAsReference(With({{"ssTb2GBX1Num40", "6"}, {"ssTb2GBX1Num45", "6"}})), 0);
}

TEST(ShrinkStages, ConditionShrinkPage_14_to_19)
{
    EXPECT_EQ(SameAsReference(With({{"除3余02", "1"}})), Choose(11, 2) * Choose(22, 4));
    SameAsReference(With({{"除3余10", "1"}, {"除3余11", "1"}, {"除3余22", "1"}, {"除3余23", "1"}}));
    // Six numbers of remainder 1 have no cell.
    EXPECT_EQ(SameAsReference(With({{"除3余10", "1"},
                                    {"除3余11", "1"},
                                    {"除3余12", "1"},
                                    {"除3余13", "1"},
                                    {"除3余14", "1"},
                                    {"除3余15", "1"}})),
              kAll - Choose(11, 6));
    SameAsReference(With({{"除6余分组出现组数3", "1"}, {"除6余分组出现组数5", "1"}}));
    // AC range: active only when min > 3 or max < 10.
    EXPECT_EQ(SameAsReference(With({{"AC值设计", "0,10"}})), kAll);
    SameAsReference(With({{"AC值设计", "4,10"}}));
    SameAsReference(With({{"AC值设计", "3,6"}}));
    EXPECT_EQ(SameAsReference(With({{"AC值设计", "8,5"}})), 0);
    EXPECT_EQ(SameAsReference(With({{"最大间隔", "1,28"}})), kAll);
    SameAsReference(With({{"最大间隔", "2,28"}}));
    SameAsReference(With({{"最大间隔", "5,12"}}));
    SameAsReference(With({{"奇偶设计0", "1"}, {"奇偶设计3", "1"}}));
    SameAsReference(With({{"号码大小比6", "1"}, {"号码大小比2", "1"}}));
}

TEST(ShrinkStages, ConditionShrinkPage_20_to_26)
{
    // Runs: a length cell and a count cell must both be checked.
    EXPECT_EQ(SameAsReference(With({{"连号1", "1"}})), kAll);
    SameAsReference(With({{"连号1", "1"}, {"连号组数1", "1"}}));
    SameAsReference(With({{"连号1", "1"}, {"连号2", "1"}, {"连号组数0", "1"}}));
    EXPECT_EQ(SameAsReference(With({{"连号0", "1"}, {"连号组数0", "1"}})),
              kAll);                                                            // no run of 1 exists: count 0
    EXPECT_EQ(SameAsReference(With({{"连号5", "1"}, {"连号组数1", "1"}})), 28); // one run of six numbers
    EXPECT_EQ(SameAsReference(With({{"总和值", "21,183"}})), kAll);
    SameAsReference(With({{"总和值", "90,110"}}));
    SameAsReference(With({{"尾数相同个数1", "1"}}));
    SameAsReference(With({{"尾数相同个数2", "1"}, {"尾数相同个数4", "1"}}));
    SameAsReference(With({{"尾数与上期相同个数2", "1"}, {"尾数与上期相同个数5", "1"}}));
    // Without a history the stage has no reference set and is skipped.
    EXPECT_EQ(SameAsReference(With({{"尾数与上期相同个数2", "1"}}), DrawHistory{}), kAll);
    EXPECT_EQ(SameAsReference(With({{"尾数和", "2,54"}})), kAll);
    EXPECT_EQ(SameAsReference(With({{"尾数和", "3,51"}})), kAll);
    SameAsReference(With({{"尾数和", "4,54"}}));
    SameAsReference(With({{"尾数和", "20,30"}}));
    SameAsReference(With({{"尾数分组组合2", "1"}, {"尾数分组组合4", "1"}}));
    SameAsReference(With({{"尾数大小比1", "1"}, {"尾数大小比5", "1"}}));
}

TEST(ShrinkStages, HiddenLists_27_to_30)
{
    // Tails 1 or 2 (01 02 11 12 21 22 31 32): one or two of them.
    SameAsReference(With({{"3D匹配", "1,2&1,2"}}));
    SameAsReference(With({{"3D匹配", "0,5&0#3,4,9&1,2,3"}}));
    EXPECT_EQ(SameAsReference(With({{"3D匹配", "1,2"}})), 0);          // no counts: nothing passes
    EXPECT_EQ(SameAsReference(With({{"选号匹配", "1,2,3&0"}})), kAll); // the code-set list is no stage
    EXPECT_EQ(SameAsReference(With({{"CodeSelLbx1ssTb3Gbx1Lbx", "03,08,16&0"}})), Choose(30, 6));
    SameAsReference(With({{"CodeSelLbx1ssTb3Gbx1Lbx", "1,2,3,4,5,6,7,8,9,10&2,3#10,20,30,33&0,1"}}));
    EXPECT_EQ(SameAsReference(With({{"ssTb3Gbx2Num", "1,2,3"}})), kAll - Choose(30, 6));
    EXPECT_EQ(SameAsReference(With({{"ssTb3SheetGbx1Sp1", "10"}})), kAll); // active only above 21
    SameAsReference(With({{"ssTb3SheetGbx1Sp1", "100"}, {"ssTb3SheetGbx1Sp2", "120"}}));
    SameAsReference(With({{"ssTb3SheetGbx1Sp2", "182"}}));
}

TEST(ShrinkStages, AGroupNamedTwiceIsOneTestOfBothCounts)
{
    // The same numbers in another order and with other counts: only the counts named by both pass.
    EXPECT_EQ(SameAsReference(With({{"CodeSelLbx1ssTb3Gbx1Lbx", "1,2,3&0,1#3,2,1&1,2"}})), 3 * Choose(30, 5));
    // A code-set entry naming the numbers of a tail group (tail 1: 01 11 21 31) joins that group,
    // and so does the banker group for the same numbers.
    EXPECT_EQ(SameAsReference(With({{"3D匹配", "1&1,2"}, {"CodeSelLbx1ssTb3Gbx1Lbx", "31,21,11,01&2,3"}})),
              Choose(4, 2) * Choose(29, 4));
    EXPECT_EQ(SameAsReference(With({{"CodeSelLbx1ssTb3Gbx1Lbx", "1,2&0,1#5&0"}, {"ssTb3Gbx2Num", "1,2"}})),
              2 * Choose(30, 5));
    // Many entries, with repeats among them, keep what the first ones alone keep.
    std::string entries = "1,2,3&0,1#3,2,1&1,2";
    for (int i = 0; i < 3000; ++i) {
        entries += "#" + std::to_string(1 + i % 3) + "," + std::to_string(1 + (i + 1) % 3) + ",3&0,1,2,3,4,5,6";
    }
    EXPECT_EQ(CountSurvivors(ShrinkSurvivors(With({{"CodeSelLbx1ssTb3Gbx1Lbx", entries.c_str()}}), SmallHistory())),
              3 * Choose(30, 5));
}

TEST(ShrinkStages, PageOne_31_to_37)
{
    EXPECT_EQ(SameAsReference(With({{"tj1QiOuBiChk", "1"}})), 0);       // switched on, no cell checked
    EXPECT_EQ(SameAsReference(With({{"tj1QiOuBiMChk", "3:3"}})), kAll); // switched off
    EXPECT_EQ(SameAsReference(With({{"tj1QiOuBiChk", "1"}, {"tj1QiOuBiMChk", "3:3"}})),
              Choose(17, 3) * Choose(16, 3));
    // Switched on with its start range, the sum range keeps everything.
    EXPECT_EQ(SameAsReference(With({{"tj1HeZhiChk", "1"}})), kAll);
    SameAsReference(With({{"tj1HeZhiChk", "1"}, {"tj1HeZhiSpEd", "100,100"}}));
    EXPECT_EQ(SameAsReference(With({{"tj1HeZhiChk", "1"}, {"tj1HeZhiSpEd", "120,100"}})), 0);
    SameAsReference(With({{"tj1HeZhiChk", "1"}, {"tj1PaiChuHeZhiEd", "   29  55  -4 999 "}}));
    SameAsReference(With({{"tj1AcZhiChk", "1"}, {"tj1AcZhiSpEd", "2,9"}, {"tj1PaiChuAcZhiEd", "5 6 9  12"}}));
    // The highest AC value, 10, excluded alone: exactly the tickets of AC 10 go.
    std::int32_t ac10 = 0;
    for (const TCodeRedArr& t : SharedPool()) {
        ac10 += ACOfCodeArr(t) == 10 ? 1 : 0;
    }
    ASSERT_GT(ac10, 0);
    EXPECT_EQ(SameAsReference(With({{"tj1AcZhiChk", "1"}, {"tj1PaiChuAcZhiEd", "10"}})), kAll - ac10);
    EXPECT_EQ(SameAsReference(With({{"tj1LainHaoChk", "1"}})), 0);
    SameAsReference(With({{"tj1LainHaoChk", "1"}, {"tj1LianHaoMChk", "1对"}}));
    SameAsReference(With({{"tj1LainHaoChk", "1"}, {"tj1LianHaoMChk", "0对,2对"}, {"tj1LianGeShuCbb", "2"}}));
    EXPECT_EQ(SameAsReference(With({{"tj1FenDuanChk", "1"}})), kAll);
    SameAsReference(With({{"tj1FenDuanChk", "1"}, {"tj1FenDuanArr0", "1,3"}, {"tj1FenDuanArr2", "2,2"}}));
}

TEST(ShrinkStages, PageTwo_38_to_42)
{
    SameAsReference(With({{"tj2DaXiaoBiChk", "1"}, {"tj2DaXiaoBiMChk", "2:4,4:2"}}));
    SameAsReference(With({{"tj2GaoDiWeiChk", "1"}, {"tj2GaoDiWeiMChk", "3:3"}}));
    SameAsReference(With({{"tj2TongWeiDuiChk", "1"}, {"tj2TongWeiDuiMChk", "1对,2对"}}));
    EXPECT_EQ(SameAsReference(With({{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "21 25 33"}})),
              Choose(30, 3));
    EXPECT_EQ(SameAsReference(With({{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "  "}})), kAll);
    EXPECT_EQ(SameAsReference(With({{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "21 34"}})), 0);
    EXPECT_EQ(SameAsReference(With({{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "1 2 3 4 5 6 7"}})), 0);
    // Exactly six must-have numbers: the one ticket that holds them all.
    EXPECT_EQ(SameAsReference(With({{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "33 1 2 3 4 5"}})), 1);
    EXPECT_EQ(SameAsReference(With({{"tj2BiBuTongChk", "1"}, {"tj2BiBuTongEdArr0", "03 08 14"}})),
              kAll - Choose(30, 3));
    SameAsReference(
        With({{"tj2BiBuTongChk", "1"}, {"tj2BiBuTongEdArr1", "1 2"}, {"tj2BiBuTongEdArr3", "5 6 7"}}));
    EXPECT_EQ(SameAsReference(With({{"tj2BiBuTongChk", "1"}, {"tj2BiBuTongEdArr2", "03 40"}})), kAll);
}

// A number listed twice is one must-have number (the plain reading counted it twice and so kept
// no ticket); a group listed with a repeat is still one group.
TEST(ShrinkStages, RepeatedNumbersCountOnce_41_42)
{
    EXPECT_EQ(SameAsReference(With({{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "21 21"}})), Choose(32, 5));
    EXPECT_EQ(SameAsReference(With({{"tj2BiXuanHaoChk", "1"}, {"tj2BiXuanHaoEd", "21 021 25"}})),
              Choose(31, 4));
    EXPECT_EQ(SameAsReference(With({{"tj2BiBuTongChk", "1"}, {"tj2BiBuTongEdArr0", "03 08 03"}})),
              kAll - Choose(31, 4));
}

TEST(ShrinkStages, PageThree_43_44)
{
    // Position 1 even and 02 or 04.
    EXPECT_EQ(
        SameAsReference(With({{"tj3AnWeiChk", "1"}, {"tj4AnWeiQoArr0", "2"}, {"tj4AnWeiZdEdArr0", "02 04"}})),
        Choose(31, 5) + Choose(29, 5));
    EXPECT_EQ(SameAsReference(With({{"tj3AnWeiChk", "1"}})), kAll);
    SameAsReference(With({{"tj3AnWeiChk", "1"}, {"tj4AnWeiWsArr2", "1"}, {"tj4AnWeiQoArr5", "1"}}));
    SameAsReference(With({{"tj3AnWeiChk", "1"}, {"tj4AnWeiC3EdArr1", "0 2 7"}, {"tj4AnWeiWsArr4", "2"}}));
    SameAsReference(
        With({{"tj3AnWeiChk", "1"}, {"tj4AnWeiZdEdArr3", "10 11 12 13 99"}, {"tj4AnWeiC3EdArr3", "1"}}));
    // With its switch on, stage 44 applies every row's range: rows 0..6 at 1..33, row 7 at 1..66.
    EXPECT_EQ(SameAsReference(With({{"tj3JianJuChk", "1"}})), kAll);
    ShrinkConditions sum = With({{"tj3JianJuChk", "1"}, {"tj4JianJuSeArr7", "30,34"}});
    const SurvivorFlags flags = ShrinkSurvivors(sum, {});
    EXPECT_EQ(flags[static_cast<std::size_t>(OrdinalOfTicket({1, 2, 3, 4, 5, 33}))], 1);
    EXPECT_EQ(flags[static_cast<std::size_t>(OrdinalOfTicket({5, 6, 7, 8, 9, 33}))], 0);
    SameAsReference(sum);
    SameAsReference(With({{"tj3JianJuChk", "1"},
                          {"tj4JianJuQoArr0", "1"},
                          {"tj4JianJuSeArr2", "2,6"},
                          {"tj4JianJuEdArr4", "1 3 5"}}));
    SameAsReference(With({{"tj3JianJuChk", "1"}, {"tj4JianJuQoArr5", "2"}, {"tj4JianJuEdArr6", "7 8 9 10"}}));
    SameAsReference(With({{"tj3JianJuChk", "1"}, {"tj4JianJuQoArr7", "1"}, {"tj4JianJuSeArr6", "3,12"}}));
    EXPECT_EQ(SameAsReference(With({{"tj3JianJuChk", "1"}, {"tj4JianJuSeArr3", "0,0"}})), 0);
}

TEST(ShrinkStages, PageFourAndSix_45_46_47)
{
    EXPECT_EQ(SameAsReference(With({{"tj4WeiShuChk", "1"}})), kAll);
    SameAsReference(With({{"tj4WeiShuChk", "1"}, {"tj4WeiShuArr0", "1,1"}, {"tj4WeiShuArr7", "0,0"}}));
    EXPECT_EQ(SameAsReference(With({{"tj4WeiShuChk", "1"}, {"tj4WeiShuArr3", "4,6"}})),
              Choose(4, 4) * Choose(29, 2));
    SameAsReference(With({{"tj4FenZuChk", "1"},
                          {"tj4FenZuEdArr0", "03 08 16 24"},
                          {"tj4FenZuMChkArr0", "1,2"},
                          {"tj4FenZuEdArr9", "1 2 3 4 5 6 7"},
                          {"tj4FenZuMChkArr9", "0,3"}}));
    EXPECT_EQ(SameAsReference(With({{"tj4FenZuChk", "1"}, {"tj4FenZuEdArr4", "5 6"}})), 0);    // picker clear
    EXPECT_EQ(SameAsReference(With({{"tj4FenZuChk", "1"}, {"tj4FenZuMChkArr4", "0"}})), kAll); // no group
    // Gap size 2 checked with only cell 0: no two neighbours two apart.
    SameAsReference(With({{"tj6JianJuCheckArr0", "1"}, {"tj6JianJuMChkArr0", "0对"}}));
    EXPECT_EQ(SameAsReference(With({{"tj6JianJuCheckArr3", "1"}})), 0);
    EXPECT_EQ(SameAsReference(With({{"tj6JianJuMChkArr3", "1对"}})), kAll);
    SameAsReference(With({{"tj6JianJuCheckArr1", "1"},
                          {"tj6JianJuMChkArr1", "1对,2对"},
                          {"tj6JianJuCheckArr9", "1"},
                          {"tj6JianJuMChkArr9", "0对"}}));
}

TEST(ShrinkStages, RegularItems_48)
{
    const std::pair<int, const char*> items[] = {
        {0, "2,4"},  {1, "1,3"},  {2, "100,183"}, {3, "10,40"}, {4, "20,30"}, {5, "3,9"},
        {6, "1,2"},  {7, "0,0"},  {8, "20,25"},   {9, "5,8"},   {10, "2,4"},  {11, "1,1"},
        {12, "0,2"}, {13, "1,2"}, {14, "4,9"},    {15, "2,4"},
    };
    for (const auto& [item, range] : items) {
        ShrinkConditions c;
        const std::string pieces(range);
        ASSERT_TRUE(ApplyConditionSetting(c, "ssTb8Gbx1SeArr0" + std::to_string(item),
                                          pieces.substr(0, pieces.find(','))));
        ASSERT_TRUE(ApplyConditionSetting(c, "ssTb8Gbx1SeArr1" + std::to_string(item),
                                          pieces.substr(pieces.find(',') + 1)));
        const std::int32_t n = SameAsReference(c);
        EXPECT_GT(n, 0) << item;
        EXPECT_LT(n, kAll) << item;
    }
    // Item 2 back at its start value is inactive again.
    EXPECT_EQ(SameAsReference(With({{"ssTb8Gbx1SeArr02", "21"}, {"ssTb8Gbx1SeArr12", "183"}})), kAll);
}

TEST(ShrinkStages, FaultTolerantFilter_49)
{
    ShrinkConditions c;
    c.ssTb4Gbx1Chk = true;
    c.ssTb4SheetGbx1Memo = {"01 02 03 04 05 06"};
    c.ssTb4Gbx1MChk[0] = 1;
    EXPECT_EQ(SameAsReference(c), Choose(27, 6));
    c.ssTb4Gbx1Chk = false;
    EXPECT_EQ(SameAsReference(c), kAll);
    c.ssTb4Gbx1Chk = true;
    c.ssTb4Gbx1MChk = {0, 1, 1, 0, 0, 0, 0};
    c.ssTb4SheetGbx1Memo = {"03 08 14 21 27 33", "", "1 2 3 4 5 6 7 8 9 10 11 12", "01 01 02 40"};
    SameAsReference(c);
    c.ssTb4Gbx1MChk = {0, 0, 0, 0, 0, 1, 1};
    SameAsReference(c);
    c.ssTb4Gbx1MChk = {};
    EXPECT_EQ(SameAsReference(c), kAll); // no count checked: inactive
    c.ssTb4Gbx1MChk[3] = 1;
    c.ssTb4SheetGbx1Memo.clear();
    EXPECT_EQ(SameAsReference(c), kAll); // no line: inactive
}

TEST(ShrinkStages, ExcludeDrawnRemovesExactlyThePastReds)
{
    // Five draws, two of them with the same reds: four distinct red sets.
    DrawHistory history = SmallHistory();
    history.insert(history.begin(), history[1]);
    history.push_back(history[0]);
    history.push_back(history.back());
    history[3].Reds = {10, 11, 12, 13, 14, 15};
    history[4].Reds = {28, 29, 30, 31, 32, 33};
    ShrinkConditions c;
    c.ExcludeDrawnChk = true;
    EXPECT_EQ(SameAsReference(c, history), kAll - 4);
    c.ExcludeDrawnSp = 2; // the last two draws only
    EXPECT_EQ(SameAsReference(c, history), kAll - 2);
    c.ExcludeDrawnSp = 99; // more than the history holds: all of it
    EXPECT_EQ(SameAsReference(c, history), kAll - 4);
    // With other stages: the reds 01..10 keep C(10, 6) tickets, one of which was drawn.
    c.ssTb0MChk = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(SameAsReference(c, history), Choose(10, 6) - 1);
    EXPECT_EQ(SameAsReference(c, DrawHistory{}), Choose(10, 6)); // no draws: nothing to exclude
    c.ExcludeDrawnChk = false;
    EXPECT_EQ(SameAsReference(c, history), Choose(10, 6));
}
