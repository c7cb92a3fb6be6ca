#include "shrink/RunConditions.h"

#include <string_view>

#include "shrink/ShrinkCaptions.h"

namespace quorvane {

namespace {

// The stages of the run with their pages and captions, in run order; stage 48 is listed by item.
struct StageName
{
    int Stage;
    const char* Page;
    const char* Caption;
};

constexpr StageName kStageNames[] = {
    {1, "尾数行列", "行"},
    {2, "尾数行列", "列"},
    {3, "赚钱机器", "绝杀尾数"},
    {4, "赚钱机器", "行"},
    {5, "赚钱机器", "列"},
    {6, "赢钱法宝", "行"},
    {7, "赢钱法宝", "列"},
    {9, "条件五", "3分区设置"},
    {10, "条件五", "4分区设置"},
    {11, "条件五", "5分区设置"},
    {12, "条件五", "6分区设置"},
    {13, "条件五", "6区间分段出现区间数"},
    {14, "条件缩水", "除3余"},
    {15, "条件缩水", "除6余分组出现的组数"},
    {16, "条件缩水", "AC值设计"},
    {17, "条件缩水", "最大间隔"},
    {18, "条件缩水", "奇偶设计"},
    {19, "条件缩水", "号码大小比"},
    {20, "条件缩水", "连号"},
    {21, "条件缩水", "总和值"},
    {22, "条件缩水", "尾数相同个数"},
    {23, "条件缩水", "尾数与上期相同个数"},
    {24, "条件缩水", "尾数和"},
    {25, "条件缩水", "尾数除5余分组出现的组数"},
    {26, "条件缩水", "尾数大小比"},
    {27, "匹配", "选号设置"},
    {28, "自选号码", "选号匹配"},
    {29, "自选号码", "胆码"},
    {30, "自选号码", "和值范围"},
    {31, "条件一", "奇偶比设定"},
    {32, "条件一", "总码数设定"},
    {33, "条件一", "排除和值"},
    {34, "条件一", "AC值设定"},
    {35, "条件一", "排除AC值"},
    {36, "条件一", "连号设定"},
    {37, "条件一", "分段设定"},
    {38, "条件二", "大小数比设定"},
    {39, "条件二", "高低尾数比设定"},
    {40, "条件二", "同尾码对数设定"},
    {41, "条件二", "必选号码设定"},
    {42, "条件二", "必不同时出现号码"},
    {43, "条件三", "按位设定"},
    {44, "条件三", "间距设定"},
    {45, "条件四", "尾数设定"},
    {46, "条件四", "分组设定"},
    {47, "条件六", "间距"},
    {48, "常规缩水", nullptr},
    {49, "其他设置", "容错过滤"},
    {kExcludeDrawnStage, "查重", "排除历史开奖号码"},
};

std::string JoinName(const char* page, std::string_view caption)
{
    return std::string(page) + "·" + std::string(caption);
}

// "≤号码和值≤" -> "号码和值".
std::string_view RegularCaption(std::size_t item)
{
    constexpr std::string_view bound = "≤";
    std::string_view label = RegularItemLabels()[item];
    if (label.substr(0, bound.size()) == bound) {
        label.remove_prefix(bound.size());
    }
    if (label.size() >= bound.size() && label.substr(label.size() - bound.size()) == bound) {
        label.remove_suffix(bound.size());
    }
    return label;
}

std::vector<RunCondition> MakeRunConditions()
{
    std::vector<RunCondition> conditions;
    for (const StageName& s : kStageNames) {
        if (s.Stage == 48) {
            for (std::size_t i = 0; i < kRegularItemCount; ++i) {
                conditions.push_back({48, static_cast<int>(i), JoinName(s.Page, RegularCaption(i))});
            }
            continue;
        }
        RunCondition c{s.Stage, -1, JoinName(s.Page, s.Caption)};
        c.ReadsLatestDraw = s.Stage == 23;
        c.ReadsDraws = s.Stage == kExcludeDrawnStage;
        conditions.push_back(std::move(c));
    }
    return conditions;
}

// Copies the controls that a stage reads; stages 32 and 33, 34 and 35 share their switch.
void CopyStage(const ShrinkConditions& from, ShrinkConditions& to, int stage, int item)
{
    switch (stage) {
    case 1:
        to.wshlRowcbb = from.wshlRowcbb;
        break;
    case 2:
        to.wshlColcbb = from.wshlColcbb;
        break;
    case 3:
        to.zqjqEd = from.zqjqEd;
        break;
    case 4:
        to.zqjqRowCbb = from.zqjqRowCbb;
        break;
    case 5:
        to.zqjqColCbb = from.zqjqColCbb;
        break;
    case 6:
        to.RowCbb = from.RowCbb;
        break;
    case 7:
        to.ColCbb = from.ColCbb;
        break;
    case 8:
        to.ssTb0MChk = from.ssTb0MChk;
        break;
    case 9:
        to.ssTb2GBX1Num1 = from.ssTb2GBX1Num1;
        break;
    case 10:
        to.ssTb2GBX1Num2 = from.ssTb2GBX1Num2;
        break;
    case 11:
        to.ssTb2GBX1Num3 = from.ssTb2GBX1Num3;
        break;
    case 12:
        to.ssTb2GBX1Num4 = from.ssTb2GBX1Num4;
        break;
    case 13:
        to.ssTb2GBX1NumX = from.ssTb2GBX1NumX;
        break;
    case 14:
        to.Mod3NumChk = from.Mod3NumChk;
        break;
    case 15:
        to.Mod6GroupChk = from.Mod6GroupChk;
        break;
    case 16:
        to.AcDesignSpEd = from.AcDesignSpEd;
        break;
    case 17:
        to.MaxGapSpEd = from.MaxGapSpEd;
        break;
    case 18:
        to.OddEvenDesignChk = from.OddEvenDesignChk;
        break;
    case 19:
        to.BigSmallRatioChk = from.BigSmallRatioChk;
        break;
    case 20:
        to.RunLengthChk = from.RunLengthChk;
        to.RunCountChk = from.RunCountChk;
        break;
    case 21:
        to.TotalSumSpEd = from.TotalSumSpEd;
        break;
    case 22:
        to.TailRepeatChk = from.TailRepeatChk;
        break;
    case 23:
        to.SameTailCountChk = from.SameTailCountChk;
        break;
    case 24:
        to.TailSumSpEd = from.TailSumSpEd;
        break;
    case 25:
        to.TailMod5GroupChk = from.TailMod5GroupChk;
        break;
    case 26:
        to.TailBigSmallChk = from.TailBigSmallChk;
        break;
    case 27:
        to.Sel3DCodeLbx = from.Sel3DCodeLbx;
        break;
    case 28:
        to.CodeSelLbx1ssTb3Gbx1Lbx = from.CodeSelLbx1ssTb3Gbx1Lbx;
        break;
    case 29:
        to.ssTb3Gbx2Num = from.ssTb3Gbx2Num;
        break;
    case 30:
        to.ssTb3SheetGbx1Sp1 = from.ssTb3SheetGbx1Sp1;
        to.ssTb3SheetGbx1Sp2 = from.ssTb3SheetGbx1Sp2;
        break;
    case 31:
        to.tj1QiOuBiChk = from.tj1QiOuBiChk;
        to.tj1QiOuBiMChk = from.tj1QiOuBiMChk;
        break;
    case 32: // the excluded sums stay empty: no exclusion
        to.tj1HeZhiChk = from.tj1HeZhiChk;
        to.tj1HeZhiSpEd = from.tj1HeZhiSpEd;
        break;
    case 33: // the range stays 21..183: every sum
        to.tj1HeZhiChk = from.tj1HeZhiChk;
        to.tj1PaiChuHeZhiEd = from.tj1PaiChuHeZhiEd;
        break;
    case 34: // the excluded AC values stay empty
        to.tj1AcZhiChk = from.tj1AcZhiChk;
        to.tj1AcZhiSpEd = from.tj1AcZhiSpEd;
        break;
    case 35: // the range stays 0..15: every AC value
        to.tj1AcZhiChk = from.tj1AcZhiChk;
        to.tj1PaiChuAcZhiEd = from.tj1PaiChuAcZhiEd;
        break;
    case 36:
        to.tj1LainHaoChk = from.tj1LainHaoChk;
        to.tj1LianHaoMChk = from.tj1LianHaoMChk;
        to.tj1LianGeShuCbb = from.tj1LianGeShuCbb;
        break;
    case 37:
        to.tj1FenDuanChk = from.tj1FenDuanChk;
        to.tj1FenDuanArr = from.tj1FenDuanArr;
        break;
    case 38:
        to.tj2DaXiaoBiChk = from.tj2DaXiaoBiChk;
        to.tj2DaXiaoBiMChk = from.tj2DaXiaoBiMChk;
        break;
    case 39:
        to.tj2GaoDiWeiChk = from.tj2GaoDiWeiChk;
        to.tj2GaoDiWeiMChk = from.tj2GaoDiWeiMChk;
        break;
    case 40:
        to.tj2TongWeiDuiChk = from.tj2TongWeiDuiChk;
        to.tj2TongWeiDuiMChk = from.tj2TongWeiDuiMChk;
        break;
    case 41:
        to.tj2BiXuanHaoChk = from.tj2BiXuanHaoChk;
        to.tj2BiXuanHaoEd = from.tj2BiXuanHaoEd;
        break;
    case 42:
        to.tj2BiBuTongChk = from.tj2BiBuTongChk;
        to.tj2BiBuTongEdArr = from.tj2BiBuTongEdArr;
        break;
    case 43:
        to.tj3AnWeiChk = from.tj3AnWeiChk;
        to.tj4AnWeiQoArr = from.tj4AnWeiQoArr;
        to.tj4AnWeiWsArr = from.tj4AnWeiWsArr;
        to.tj4AnWeiC3EdArr = from.tj4AnWeiC3EdArr;
        to.tj4AnWeiZdEdArr = from.tj4AnWeiZdEdArr;
        break;
    case 44:
        to.tj3JianJuChk = from.tj3JianJuChk;
        to.tj4JianJuQoArr = from.tj4JianJuQoArr;
        to.tj4JianJuSeArr = from.tj4JianJuSeArr;
        to.tj4JianJuEdArr = from.tj4JianJuEdArr;
        break;
    case 45:
        to.tj4WeiShuChk = from.tj4WeiShuChk;
        to.tj4WeiShuArr = from.tj4WeiShuArr;
        break;
    case 46:
        to.tj4FenZuChk = from.tj4FenZuChk;
        to.tj4FenZuEdArr = from.tj4FenZuEdArr;
        to.tj4FenZuMChkArr = from.tj4FenZuMChkArr;
        break;
    case 47:
        to.tj6JianJuCheckArr = from.tj6JianJuCheckArr;
        to.tj6JianJuMChkArr = from.tj6JianJuMChkArr;
        break;
    case 48:
        to.ssTb8Gbx1SeArr[static_cast<std::size_t>(item)] =
            from.ssTb8Gbx1SeArr[static_cast<std::size_t>(item)];
        break;
    case 49:
        to.ssTb4Gbx1Chk = from.ssTb4Gbx1Chk;
        to.ssTb4SheetGbx1Memo = from.ssTb4SheetGbx1Memo;
        to.ssTb4Gbx1MChk = from.ssTb4Gbx1MChk;
        break;
    case kExcludeDrawnStage:
        to.ExcludeDrawnChk = from.ExcludeDrawnChk;
        to.ExcludeDrawnSp = from.ExcludeDrawnSp;
        break;
    default:
        break;
    }
}

// The red selection alone.
ShrinkPlan CompileBase(const ShrinkConditions& conditions)
{
    ShrinkConditions base;
    CopyStage(conditions, base, 8, -1);
    return CompileShrinkPlan(base, {});
}

} // namespace

const std::vector<RunCondition>& AllRunConditions()
{
    static const std::vector<RunCondition> conditions = MakeRunConditions();
    return conditions;
}

ShrinkConditions IsolateCondition(const ShrinkConditions& conditions, const RunCondition& condition)
{
    ShrinkConditions alone;
    CopyStage(conditions, alone, condition.Stage, condition.Item);
    return alone;
}

std::vector<ActiveCondition> CompileActiveConditions(const ShrinkConditions& conditions,
                                                     const DrawHistory& history)
{
    std::vector<ActiveCondition> active;
    for (const RunCondition& condition : AllRunConditions()) {
        ShrinkPlan plan = CompileShrinkPlan(IsolateCondition(conditions, condition), history);
        if (!plan.Inactive) {
            active.push_back({&condition, std::move(plan)});
        }
    }
    return active;
}

std::uint64_t BaseNumbers(const ShrinkConditions& conditions)
{
    return CompileBase(conditions).Positions[0] & kAllNumbers;
}

bool BaseActive(const ShrinkConditions& conditions)
{
    return !CompileBase(conditions).Inactive;
}

} // namespace quorvane
