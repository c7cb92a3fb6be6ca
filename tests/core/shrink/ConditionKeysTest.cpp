#include "shrink/ConditionKeys.h"

#include <cctype>
#include <gtest/gtest.h>
#include <set>

#include "TestSupport.h"
#include "shrink/ShrinkCaptions.h"

using namespace quorvane;
using quorvane::test::ErrorText;

namespace {

std::string Get(const ShrinkConditions& c, const std::string& name)
{
    const ConditionKey* k = FindConditionKey(name);
    EXPECT_NE(k, nullptr) << name;
    return k ? k->Get(c) : std::string();
}

void Set(ShrinkConditions& c, const std::string& name, const std::string& value)
{
    ASSERT_TRUE(ApplyConditionSetting(c, name, value)) << name;
}

} // namespace

TEST(ConditionKeys, NamesAreUniqueIgnoringCaseAndStoredKeysComeFirst)
{
    std::set<std::string> seen;
    bool unstoredSeen = false;
    for (const ConditionKey& k : ConditionKeys()) {
        std::string lower = k.Name;
        for (char& ch : lower) {
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }
        EXPECT_TRUE(seen.insert(lower).second) << k.Name;
        if (!k.Stored) {
            unstoredSeen = true;
        }
        EXPECT_FALSE(unstoredSeen && k.Stored) << k.Name << " stored after the unstored keys";
    }
    EXPECT_EQ(ConditionKeys().front().Name, "Edit51");
    EXPECT_EQ(FindConditionKey("ssTb3Gbx2Num")->Stored, true);
    EXPECT_EQ(FindConditionKey("RowCbb6")->Stored, false);
    EXPECT_EQ(FindConditionKey("ssTb4SheetGbx1Memo")->Stored, false);
    EXPECT_EQ(FindConditionKey("FzqjqRowCbbArr0"), FindConditionKey("FZQJQROWCBBARR0"));
    EXPECT_EQ(FindConditionKey("RowCbb0"), nullptr);
    EXPECT_EQ(FindConditionKey("FwshlRowCbbArr6"), nullptr);
}

TEST(ConditionKeys, StartValuesReadAsTheFileWouldHoldThem)
{
    const ShrinkConditions c;
    EXPECT_EQ(Get(c, "Edit51"), "123");
    EXPECT_EQ(Get(c, "tj1HeZhiSpEd"), "21,183");
    EXPECT_EQ(Get(c, "tj1AcZhiSpEd"), "0,15");
    EXPECT_EQ(Get(c, "AC值设计"), "3,10");
    EXPECT_EQ(Get(c, "最大间隔"), "1,28");
    EXPECT_EQ(Get(c, "尾数和"), "0,54");
    EXPECT_EQ(Get(c, "tj4JianJuSeArr6"), "1,33");
    EXPECT_EQ(Get(c, "tj4JianJuSeArr7"), "1,66");
    EXPECT_EQ(Get(c, "tj4WeiShuArr9"), "0,6");
    EXPECT_EQ(Get(c, "ssTb8Gbx1SeArr02"), "21");
    EXPECT_EQ(Get(c, "ssTb8Gbx1SeArr115"), "5");
    EXPECT_EQ(Get(c, "ssTb0MChk"), "");
    EXPECT_EQ(Get(c, "tj1QiOuBiChk"), "0");
    EXPECT_EQ(Get(c, "ssTb3SheetGbx1Sp2"), "183");
    for (const ConditionKey& k : ConditionKeys()) {
        if (k.Stored && k.Encoding != ConditionEncoding::Range && k.Name.rfind("ssTb8Gbx1SeArr", 0) != 0 &&
            k.Name.rfind("Edit5", 0) != 0) {
            EXPECT_EQ(k.Get(c), k.MissingValue) << k.Name;
        }
    }
}

TEST(ConditionKeys, EachEncodingWritesTheFieldOfItsControl)
{
    ShrinkConditions c;
    Set(c, "ssTb0MChk", " 01# 05##12 #xx#34");
    EXPECT_EQ(Get(c, "ssTb0MChk"), "01#05#12");
    EXPECT_EQ(c.ssTb0MChk[0] + c.ssTb0MChk[4] + c.ssTb0MChk[11], 3);
    Set(c, "tj1QiOuBiMChk", "0:6,3:3, 4:2,9:9");
    EXPECT_EQ(Get(c, "tj1QiOuBiMChk"), "0:6,3:3"); // " 4:2" keeps its space and matches no caption
    Set(c, "tj6JianJuMChkArr9", "0对,5对");
    EXPECT_EQ(c.tj6JianJuMChkArr[9], (TCheckCells<6>{1, 0, 0, 0, 0, 1}));
    Set(c, "ssTb3Gbx2Num", "1,33");
    EXPECT_EQ(c.ssTb3Gbx2Num[0] + c.ssTb3Gbx2Num[32], 2);

    Set(c, "3区间21", "1");
    Set(c, "除3余05", "7");
    Set(c, "尾数分组组合4", "1");
    EXPECT_EQ(c.ssTb2GBX1Num1[2][1], 1);
    EXPECT_EQ(c.Mod3NumChk[0][5], 1);
    EXPECT_EQ(c.TailMod5GroupChk[4], 1);
    Set(c, "tj1HeZhiChk", "-3");
    EXPECT_TRUE(c.tj1HeZhiChk);

    Set(c, "tj1HeZhiSpEd", "100,120,999");
    EXPECT_EQ(c.tj1HeZhiSpEd, (TRangePair{100, 120}));
    Set(c, "tj1HeZhiSpEd", "");
    EXPECT_EQ(c.tj1HeZhiSpEd, (TRangePair{100, 120}));
    Set(c, "tj1HeZhiSpEd", "7");
    EXPECT_EQ(c.tj1HeZhiSpEd, (TRangePair{7, 120}));

    Set(c, "ssTb8Gbx1SeArr015", "2");
    Set(c, "ssTb8Gbx1SeArr115", "4");
    EXPECT_EQ(c.ssTb8Gbx1SeArr[15], (TRangePair{2, 4}));
    Set(c, "RowCbb1", "4");
    Set(c, "FwshlColCbbArr5", "2");
    Set(c, "FzqjqColCbbArr2", "1");
    EXPECT_EQ(c.RowCbb[0], 4);
    EXPECT_EQ(c.wshlColcbb[5], 2);
    EXPECT_EQ(c.zqjqColCbb[2], 1);

    Set(c, "3D匹配", "1,2&0,1#3&2");
    EXPECT_EQ(c.Sel3DCodeLbx, (std::vector<std::string>{"1,2&0,1", "3&2"}));
    Set(c, "ssTb4SheetGbx1Memo", "01 02 03 04 05 06#07 08 09 10 11 12");
    EXPECT_EQ(Get(c, "ssTb4SheetGbx1Memo"), "01 02 03 04 05 06#07 08 09 10 11 12");
    Set(c, "tj2BiXuanHaoEd", "  21 25  ");
    EXPECT_EQ(c.tj2BiXuanHaoEd, "  21 25  ");
}

TEST(ConditionKeys, BadValuesGiveTheMessageAndUnknownNamesAreRefused)
{
    ShrinkConditions c;
    EXPECT_FALSE(ApplyConditionSetting(c, "NoSuchControl", "1"));
    EXPECT_FALSE(ApplyConditionSetting(c, "", "1"));
    EXPECT_EQ(ErrorText([&] { Set(c, "tj1HeZhiChk", "yes"); }), "'yes' is not a valid integer value");
    EXPECT_EQ(ErrorText([&] { Set(c, "tj1HeZhiSpEd", "50,x"); }), "'x' is not a valid integer value");
    EXPECT_EQ(c.tj1HeZhiSpEd, (TRangePair{50, 183})); // the piece before the bad one is kept
    EXPECT_EQ(ErrorText([&] { Set(c, "tj1HeZhiSpEd", "99999999999"); }),
              "'99999999999' is not a valid integer value");
    EXPECT_EQ(ErrorText([&] { Set(c, "FwshlRowCbbArr0", "5"); }),
              "'5' is not a valid item index of FwshlRowCbbArr0");
    EXPECT_EQ(ErrorText([&] { Set(c, "tj1LianGeShuCbb", "-1"); }),
              "'-1' is not a valid item index of tj1LianGeShuCbb");
    EXPECT_EQ(c.wshlRowcbb[0], 0);
    EXPECT_EQ(c.tj1LianGeShuCbb, 0);
    Set(c, "tj1LianGeShuCbb", "4");
    EXPECT_EQ(c.tj1LianGeShuCbb, 4);
}

TEST(ConditionKeys, MessagesQuoteTheWholePieceWithControlBytesEscaped)
{
    ShrinkConditions c;
    EXPECT_EQ(ErrorText([&] { Set(c, "tj1HeZhiSpEd", std::string("30,1\0" "2", 6)); }),
              "'1\\x002' is not a valid integer value");
    EXPECT_EQ(ErrorText([&] { Set(c, "FwshlRowCbbArr0", "9\x1b[2J"); }), "'9\\x1B[2J' is not a valid integer value");
}

TEST(ConditionKeys, StrictReadingRefusesPickerPiecesThatNameNoCell)
{
    const auto problem = [](const char* name, const char* value) {
        return StrictSettingProblem(*FindConditionKey(name), value);
    };
    EXPECT_EQ(problem("ssTb0MChk", "1#2#3"),
              "'1' names no cell of ssTb0MChk; the captions are 01#02#03#04#05#06#07#08#09#10#11#12#13#14#15#"
              "16#17#18#19#20#21#22#23#24#25#26#27#28#29#30#31#32#33");
    EXPECT_EQ(problem("ssTb0MChk", " 01 # 33 ##"), ""); // selectors trim their pieces and skip empty ones
    EXPECT_EQ(problem("ssTb0MChk", ""), "");
    EXPECT_EQ(problem("ssTb0BChk", "16#17"), "'17' names no cell of ssTb0BChk; the captions are "
                                             "01#02#03#04#05#06#07#08#09#10#11#12#13#14#15#16");
    EXPECT_EQ(problem("tj1QiOuBiMChk", "2:4,3:3"), "");
    EXPECT_EQ(problem("tj1QiOuBiMChk", "2:4, 3:3"),
              "' 3:3' names no cell of tj1QiOuBiMChk; the captions are 0:6,1:5,2:4,3:3,4:2,5:1,6:0");
    // Other encodings have their own checks (or none): the strict reading adds nothing.
    EXPECT_EQ(problem("tj1HeZhiSpEd", "x"), "");
    EXPECT_EQ(problem("tj2BiXuanHaoEd", "anything"), "");

    // The condition file's reading of the same value stays lenient: unknown pieces are ignored.
    ShrinkConditions c;
    Set(c, "ssTb0MChk", "1#02#3");
    EXPECT_EQ(Get(c, "ssTb0MChk"), "02");
}

TEST(ShrinkCaptions, PickerCaptionsAndItems)
{
    EXPECT_EQ(RatioCaptions().front(), "0:6");
    EXPECT_EQ(RatioCaptions().back(), "6:0");
    EXPECT_EQ(PairCaptions(4), (std::vector<std::string>{"0对", "1对", "2对", "3对"}));
    EXPECT_EQ(TwoDigitCaptions(16).back(), "16");
    EXPECT_EQ(NumberCaptions(1, 6).front(), "1");
    EXPECT_EQ(RowColSelectorItems().size(), 5u);
    EXPECT_EQ(RegularItemLabels()[9], std::string("≤ＡＣ 值≤"));
}
