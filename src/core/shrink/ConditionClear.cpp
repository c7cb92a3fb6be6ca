#include "shrink/ConditionClear.h"

namespace quorvane {

namespace {

template <typename T> void Clear(T& cells)
{
    cells = T{};
}

template <typename T, std::size_t N> void ClearEach(std::array<T, N>& items)
{
    for (T& item : items) {
        item = T{};
    }
}

} // namespace

const std::array<ConditionClearButton, 14>& ConditionClearButtons()
{
    static const std::array<ConditionClearButton, 14> buttons{{
        {"tjxhQingchu1Bt", ConditionPage::SelectionRed},
        {"tjxhQingchu2Bt", ConditionPage::SelectionBlue},
        {"tjcgQingchuBt", ConditionPage::Regular},
        {"tj1QingchuBt", ConditionPage::Page1},
        {"tj2QingchuBt", ConditionPage::Page2},
        {"tj31QingchuBt", ConditionPage::Page3Positions},
        {"tj32QingchuBt", ConditionPage::Page3Gaps},
        {"tj41QingchuBt", ConditionPage::Page4Tails},
        {"tj42QingchuBt", ConditionPage::Page4Groups},
        {"tj5QingchuBt", ConditionPage::Page5},
        {"tj6QingchuBt", ConditionPage::Page6},
        {"tjtjQingchuBt", ConditionPage::ConditionShrink},
        {"tjzxQingchuBt", ConditionPage::OwnNumbers},
        {"tjqtQingchuBt", ConditionPage::Other},
    }};
    return buttons;
}

void ClearConditionPage(ShrinkConditions& c, ConditionPage page)
{
    // The start values live in the default-constructed model.
    static const ShrinkConditions start;
    switch (page) {
    case ConditionPage::SelectionRed:
        Clear(c.ssTb0MChk);
        break;
    case ConditionPage::SelectionBlue:
        Clear(c.ssTb0BChk);
        break;
    case ConditionPage::Regular:
        c.ssTb8Gbx1SeArr = start.ssTb8Gbx1SeArr;
        break;
    case ConditionPage::Page1:
        c.tj1QiOuBiChk = c.tj1HeZhiChk = c.tj1AcZhiChk = c.tj1LainHaoChk = c.tj1FenDuanChk = false;
        Clear(c.tj1QiOuBiMChk);
        Clear(c.tj1LianHaoMChk);
        c.tj1HeZhiSpEd = start.tj1HeZhiSpEd;
        c.tj1AcZhiSpEd = start.tj1AcZhiSpEd;
        c.tj1PaiChuHeZhiEd.clear();
        c.tj1PaiChuAcZhiEd.clear();
        c.tj1LianGeShuCbb = start.tj1LianGeShuCbb;
        c.tj1FenDuanArr = start.tj1FenDuanArr;
        break;
    case ConditionPage::Page2:
        c.tj2DaXiaoBiChk = c.tj2GaoDiWeiChk = c.tj2TongWeiDuiChk = c.tj2BiXuanHaoChk = c.tj2BiBuTongChk =
            false;
        Clear(c.tj2DaXiaoBiMChk);
        Clear(c.tj2GaoDiWeiMChk);
        Clear(c.tj2TongWeiDuiMChk);
        c.tj2BiXuanHaoEd.clear();
        ClearEach(c.tj2BiBuTongEdArr);
        break;
    case ConditionPage::Page3Positions:
        c.tj3AnWeiChk = false;
        ClearEach(c.tj4AnWeiQoArr);
        ClearEach(c.tj4AnWeiWsArr);
        ClearEach(c.tj4AnWeiC3EdArr);
        ClearEach(c.tj4AnWeiZdEdArr);
        break;
    case ConditionPage::Page3Gaps:
        c.tj3JianJuChk = false;
        ClearEach(c.tj4JianJuQoArr);
        c.tj4JianJuSeArr = start.tj4JianJuSeArr;
        ClearEach(c.tj4JianJuEdArr);
        break;
    case ConditionPage::Page4Tails:
        c.tj4WeiShuChk = false;
        c.tj4WeiShuArr = start.tj4WeiShuArr;
        break;
    case ConditionPage::Page4Groups:
        c.tj4FenZuChk = false;
        ClearEach(c.tj4FenZuEdArr);
        ClearEach(c.tj4FenZuMChkArr);
        break;
    case ConditionPage::Page5:
        ClearEach(c.ssTb2GBX1Num1);
        ClearEach(c.ssTb2GBX1Num2);
        ClearEach(c.ssTb2GBX1Num3);
        ClearEach(c.ssTb2GBX1Num4);
        Clear(c.ssTb2GBX1NumX);
        break;
    case ConditionPage::Page6:
        ClearEach(c.tj6JianJuCheckArr);
        ClearEach(c.tj6JianJuMChkArr);
        break;
    case ConditionPage::ConditionShrink:
        ClearEach(c.Mod3NumChk);
        Clear(c.Mod6GroupChk);
        Clear(c.OddEvenDesignChk);
        Clear(c.BigSmallRatioChk);
        Clear(c.TailRepeatChk);
        Clear(c.SameTailCountChk);
        Clear(c.TailMod5GroupChk);
        Clear(c.TailBigSmallChk);
        c.AcDesignSpEd = start.AcDesignSpEd;
        c.MaxGapSpEd = start.MaxGapSpEd;
        c.TotalSumSpEd = start.TotalSumSpEd;
        c.TailSumSpEd = start.TailSumSpEd;
        break;
    case ConditionPage::OwnNumbers:
        c.CodeSelLbx1ssTb3Gbx1Lbx.clear();
        Clear(c.ssTb3Gbx2Num);
        break;
    case ConditionPage::Other:
        c.ssTb4Gbx1Chk = false;
        break;
    }
}

void ClearAllConditions(ShrinkConditions& conditions)
{
    for (const ConditionClearButton& button : ConditionClearButtons()) {
        ClearConditionPage(conditions, button.Page);
    }
}

} // namespace quorvane
