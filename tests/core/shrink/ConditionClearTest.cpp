#include "shrink/ConditionClear.h"

#include <gtest/gtest.h>

#include "RandomConditions.h"
#include "shrink/ConditionKeys.h"

using namespace quorvane;
using quorvane::test::ConditionText;
using quorvane::test::RandomConditionFiller;

TEST(ConditionClear, ClearAllResetsEverythingButTheControlsNoClearTouches)
{
    RandomConditionFiller filler(42);
    for (int i = 0; i < 20; ++i) {
        ShrinkConditions c = filler.Make();
        ShrinkConditions expected;
        expected.Edit51 = c.Edit51;
        expected.Edit52 = c.Edit52;
        expected.Edit53 = c.Edit53;
        expected.wshlRowcbb = c.wshlRowcbb;
        expected.wshlColcbb = c.wshlColcbb;
        expected.zqjqEd = c.zqjqEd;
        expected.zqjqRowCbb = c.zqjqRowCbb;
        expected.zqjqColCbb = c.zqjqColCbb;
        expected.RowCbb = c.RowCbb;
        expected.ColCbb = c.ColCbb;
        expected.Sel3DCodeLbx = c.Sel3DCodeLbx;
        expected.CodeSelLbx1 = c.CodeSelLbx1;
        expected.RunLengthChk = c.RunLengthChk;
        expected.RunCountChk = c.RunCountChk;
        expected.ssTb3SheetGbx1Sp1 = c.ssTb3SheetGbx1Sp1;
        expected.ssTb3SheetGbx1Sp2 = c.ssTb3SheetGbx1Sp2;
        expected.ssTb4SheetGbx1Memo = c.ssTb4SheetGbx1Memo;
        expected.ssTb4Gbx1MChk = c.ssTb4Gbx1MChk;
        ClearAllConditions(c);
        ASSERT_EQ(ConditionText(c), ConditionText(expected));
    }
}

TEST(ConditionClear, EachPageClearsOnlyItsOwnControls)
{
    const auto& buttons = ConditionClearButtons();
    EXPECT_STREQ(buttons.front().Name, "tjxhQingchu1Bt");
    EXPECT_STREQ(buttons.back().Name, "tjqtQingchuBt");
    EXPECT_STREQ(kClearAllQuestion, "你确定要清除全部条件设置，继续吗？点 YES 确定执行清除。");

    RandomConditionFiller filler(9);
    const ShrinkConditions before = filler.Make();
    // Every key is changed by at most one page clear, and clearing all pages one by one equals the
    // clear-all.
    ShrinkConditions stepwise = before;
    std::vector<int> changedBy(ConditionKeys().size(), -1);
    for (std::size_t p = 0; p < buttons.size(); ++p) {
        ShrinkConditions one = before;
        ClearConditionPage(one, buttons[p].Page);
        ClearConditionPage(stepwise, buttons[p].Page);
        for (std::size_t k = 0; k < ConditionKeys().size(); ++k) {
            const ConditionKey& key = ConditionKeys()[k];
            if (key.Get(one) != key.Get(before)) {
                EXPECT_EQ(changedBy[k], -1) << key.Name << " cleared by two pages";
                changedBy[k] = static_cast<int>(p);
            }
        }
    }
    ShrinkConditions all = before;
    ClearAllConditions(all);
    EXPECT_EQ(ConditionText(stepwise), ConditionText(all));

    ShrinkConditions c = before;
    c.tj1LianGeShuCbb = 3;
    c.tj4JianJuSeArr[7] = {5, 5};
    ClearConditionPage(c, ConditionPage::Page1);
    ClearConditionPage(c, ConditionPage::Page3Gaps);
    EXPECT_EQ(c.tj1LianGeShuCbb, 0); // "2个"
    EXPECT_EQ(c.tj1HeZhiSpEd, (TRangePair{21, 183}));
    EXPECT_EQ(c.tj1AcZhiSpEd, (TRangePair{0, 15}));
    EXPECT_EQ(c.tj4JianJuSeArr[0], (TRangePair{1, 33}));
    EXPECT_EQ(c.tj4JianJuSeArr[7], (TRangePair{1, 66}));
    EXPECT_EQ(c.tj4JianJuQoArr[7], 0); // "不确定"
    ClearConditionPage(c, ConditionPage::ConditionShrink);
    EXPECT_EQ(c.AcDesignSpEd, (TRangePair{3, 10}));
    EXPECT_EQ(c.TailSumSpEd, (TRangePair{0, 54}));
    EXPECT_EQ(c.RunLengthChk, before.RunLengthChk);
    ClearConditionPage(c, ConditionPage::Other);
    EXPECT_FALSE(c.ssTb4Gbx1Chk);
    EXPECT_EQ(c.ssTb4SheetGbx1Memo, before.ssTb4SheetGbx1Memo);
}
