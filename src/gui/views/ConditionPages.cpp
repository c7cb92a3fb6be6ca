#include "views/ConditionPages.h"

#include <string>

#include "shrink/ShrinkCaptions.h"
#include "views/ChartPages.h"

namespace quorvane::gui {

namespace {

std::string N(const char* base, std::size_t i)
{
    return base + std::to_string(i);
}

const char* const kClearCaption = "清除条件";
const char* const kChartCaption = "图表分析";

TPageSpecification SelectionPage()
{
    TPageSpecification page{"ssTb0Sheet", {}, {}};
    TGroupSpec red{"ssTb0SheetGbx1", "选号范围", {}, 0};
    red.Rows = {
        {NamedLbl("ssTb0SheetGbx1Lbl", "已经选中0个红球：")},
        {Colors("ssTb0MChk", TwoDigitCaptions(33), 10, 0xFF99CC, "|选择可能入奖的红球，最少选择6个。")},
        {Strip({Btn("ssTb0SheetBt1", "全部选择"), Btn("ssTb0SheetBt2", "全部不选"), Btn("ssTb0SheetBt4", "全部反选"),
                Btn("ssTb0SheetBt5", "专家推荐"), Btn("ssTb0SheetBt6", "机选号码"), Btn("ssTb0SheetBt7", "选择1-12"),
                Invisible(Btn("ssTb0SheetBt3", "条件导出"))})},
        {Strip({Btn("tjXhtb11Bt", "出球频率图"), Btn("tjXhtb12Bt", "红球遗漏图"), Btn("tjXhtb13Bt", "冷热号推荐"),
                Btn("tjxhQingchu1Bt", kClearCaption)})},
    };
    TGroupSpec blue{"ssTb0SheetGbx2", "蓝球设定", {}, 0};
    blue.Rows = {
        {NamedLbl("ssTb0SheetGbx2Lbl", "已经选中0个蓝球：")},
        {Colors("ssTb0BChk", TwoDigitCaptions(16), 8, 0x66FFFF, "|选择可能入奖的蓝球号，最少选择1个。")},
        {Strip({Btn("ssTb0SheetBt11", "全部选择"), Btn("ssTb0SheetBt12", "全部不选"),
                Btn("ssTb0SheetBt14", "全部反选"), Btn("ssTb0SheetBt15", "专家推荐"),
                Btn("ssTb0SheetBt16", "机选号码"), Invisible(Btn("ssTb0SheetBt13", "条件导出"))})},
        {Strip({Btn("tjXhtb21Bt", "出球频率图"), Btn("tjXhtb22Bt", "蓝球遗漏图"), Btn("tjXhtb23Bt", "冷热号推荐"),
                Btn("tjxhQingchu2Bt", kClearCaption)})},
    };
    page.Groups = {red, blue};
    return page;
}

TItemSpec MinMax(std::string name)
{
    return Range(name, name, "最小值:", "最大值:");
}

TPageSpecification Page1()
{
    TPageSpecification page{"ScalC1Tab", {}, {Btn("tj1QingchuBt", kClearCaption), Btn("tj1tbBt", kChartCaption)}};
    TGroupSpec g{"tj1Gbx", "条件一", {}, 0};
    g.Rows = {
        {Chk("tj1QiOuBiChk", "奇偶比设定："), Cells("tj1QiOuBiMChk", RatioCaptions(), 7)},
        {Chk("tj1HeZhiChk", "总码数设定："), MinMax("tj1HeZhiSpEd")},
        {Lbl(""), Strip({Lbl("排除和值："), Edit("tj1PaiChuHeZhiEd", "排除多个和值，用空格隔开。如：29 55 68 93 103", 260)})},
        {Chk("tj1AcZhiChk", "AC值设定："), MinMax("tj1AcZhiSpEd")},
        {Lbl(""), Strip({Lbl("排除AC值："), Edit("tj1PaiChuAcZhiEd", "排除多个AC值，用空格隔开。如：5 6 9  12", 260)})},
        {Chk("tj1LainHaoChk", "连号设定："),
         Strip({Lbl("对数："), Cells("tj1LianHaoMChk", PairCaptions(4), 4), Lbl("每对个数最多为："),
                Combo("tj1LianGeShuCbb", LongestRunItems())})},
    };
    const char* const segments[] = {"01-11", "12-22", "23-33"};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string name = N("tj1FenDuanArr", i);
        g.Rows.push_back({i == 0 ? Chk("tj1FenDuanChk", "分段 设定：") : Lbl(""),
                          Range(name, name, "", std::string("≤") + segments[i] + "段号码个数≤")});
    }
    page.Groups = {g};
    return page;
}

TPageSpecification Page2()
{
    TPageSpecification page{"ScalC2Tab", {}, {Btn("tj2QingchuBt", kClearCaption), Btn("tj2tbBt", kChartCaption)}};
    TGroupSpec g{"tj2Gbx", "条件二", {}, 0};
    g.Rows = {
        {Chk("tj2DaXiaoBiChk", "大小数比设定："), Cells("tj2DaXiaoBiMChk", RatioCaptions(), 7)},
        {Chk("tj2GaoDiWeiChk", "高低尾数比设定："), Cells("tj2GaoDiWeiMChk", RatioCaptions(), 7)},
        {Chk("tj2TongWeiDuiChk", "同尾码对数设定："), Cells("tj2TongWeiDuiMChk", PairCaptions(4), 4)},
        {Chk("tj2BiXuanHaoChk", "必选号码设定："), Edit("tj2BiXuanHaoEd", "设定必选号码，用空格隔开。如：21 25 33", 260)},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        g.Rows.push_back({i == 0 ? Chk("tj2BiBuTongChk", "必不同时出现号码：") : Lbl(""),
                          Edit(N("tj2BiBuTongEdArr", i), "设定一组必不同时出现的号码，用空格隔开，如: 03 08 14", 260)});
    }
    page.Groups = {g};
    return page;
}

TPageSpecification Page3()
{
    TPageSpecification page{"ScalC3Tab", {}, {}};
    TGroupSpec positions{"tj31Gbx", "", {}, 0};
    positions.Rows = {{Spanned(Chk("tj3AnWeiChk", "按位设定："), 2)},
                      {Lbl("位置"), Lbl("指定奇偶"), Lbl("指定尾数"), Lbl("012路"), Lbl("指定号码")}};
    for (std::size_t p = 0; p < 6; ++p) {
        positions.Rows.push_back({Lbl("第" + std::to_string(p + 1) + "位"), Combo(N("tj4AnWeiQoArr", p), ParityItems()),
                                  Combo(N("tj4AnWeiWsArr", p), TailHeightItems()),
                                  Edit(N("tj4AnWeiC3EdArr", p), "设定除3的值，连续输入，如: 02", 60),
                                  Edit(N("tj4AnWeiZdEdArr", p), "指定该位的号码，用空格隔开，如: 03 08 16 24", 190)});
    }
    positions.Rows.push_back(
        {Spanned(Strip({Btn("tj31QingchuBt", kClearCaption), Btn("tj31TbBt", "按位分析图")}), 5)});

    TGroupSpec gaps{"tj32Gbx", "", {}, 1};
    gaps.Rows = {{Spanned(Chk("tj3JianJuChk", "间距设定："), 2)},
                 {Lbl("间距"), Lbl("指定奇偶"), Lbl("最小值  最大值"), Lbl("指定间距")}};
    const char* const rows[] = {"第1与第2位", "第2与第3位", "第3与第4位", "第4与第5位",
                                "第5与第6位", "首尾间距",   "最大间距",   "首尾和值"};
    for (std::size_t r = 0; r < 8; ++r) {
        const std::string range = N("tj4JianJuSeArr", r);
        gaps.Rows.push_back({Lbl(rows[r]), Combo(N("tj4JianJuQoArr", r), ParityItems()), Range(range, range, "", ""),
                             Edit(N("tj4JianJuEdArr", r), "指定间距的数值，用空格隔开，如: 4 6 15", 150)});
    }
    gaps.Rows.push_back({Spanned(Strip({Btn("tj32QingchuBt", kClearCaption), Btn("tj32TbBt", "间距分析图")}), 4)});
    page.Groups = {positions, gaps};
    return page;
}

TPageSpecification Page4()
{
    TPageSpecification page{"ScalC4Tab", {}, {}};
    TGroupSpec tails{"tj41Gbx", "", {}, 0};
    tails.Rows = {{Chk("tj4WeiShuChk", "尾数设定：")}};
    for (std::size_t t = 0; t < 10; ++t) {
        const std::string name = N("tj4WeiShuArr", t);
        tails.Rows.push_back({Range(name, name, "", "≤尾数" + std::to_string(t) + "的号码个数≤")});
    }
    tails.Rows.push_back({Strip({Btn("tj41QingchuBt", kClearCaption), Btn("tj41tbBt", kChartCaption)})});

    TGroupSpec groups{"tj42Gbx", "", {}, 1};
    groups.Rows = {{Spanned(Chk("tj4FenZuChk", "分组设定："), 2)}, {Lbl("号码分组"), Lbl("个数")}};
    for (std::size_t r = 0; r < 10; ++r) {
        groups.Rows.push_back({Edit(N("tj4FenZuEdArr", r), "设定一组号码，用空格隔开，如: 03 08 16 24", 220),
                               Cells(N("tj4FenZuMChkArr", r), NumberCaptions(0, 5), 6)});
    }
    groups.Rows.push_back({Spanned(Strip({Btn("tj42QingchuBt", kClearCaption), Btn("Button4", kChartCaption)}), 2)});
    page.Groups = {tails, groups};
    return page;
}

// A partition's count pickers, one row per zone; the 3-zone pickers are stored cell by cell.
TGroupSpec ZoneGroup(const char* title, const char* groupName, const char* controlBase,
                     std::initializer_list<const char*> zones, bool perCell, int column)
{
    TGroupSpec g{groupName, title, {}, column};
    std::size_t p = 0;
    for (const char* zone : zones) {
        const std::string control = N(controlBase, p);
        g.Rows.push_back({Lbl(zone), perCell ? CellsByCell(control, N("3区间", p), NumberCaptions(0, 6), 7)
                                             : Cells(control, NumberCaptions(0, 6), 7)});
        ++p;
    }
    return g;
}

TGroupSpec RadioGroup(const char* name, const char* title, const char* zoneName)
{
    TGroupSpec g{name, title, {}, 2};
    const std::string zone(zoneName);
    g.Rows = {{Lbl(zone + "和值奇偶选择:"), Radio(std::string(name) + "Rdo1", {"未定", "奇数", "偶数"}, 3)},
              {Lbl(zone + "和值尾数大小选择:"), Radio(std::string(name) + "Rdo2", {"未定", "大数", "小数"}, 3)}};
    return g;
}

TPageSpecification Page5()
{
    TPageSpecification page{"ScalC5Tab", {}, {Btn("tj5QingchuBt", kClearCaption), Btn("tj5TbBt", kChartCaption)}};
    TGroupSpec six = ZoneGroup("6分区设置：", "ssTb2Gbx6", "ssTb2GBX1Num4",
                               {"01-06", "07-12", "13-18", "19-24", "25-30", "31-33"}, false, 0);
    six.Rows.push_back({Lbl("6区间分段出现区间数:   "), Cells("ssTb2GBX1NumX", NumberCaptions(1, 6), 6)});
    page.Groups = {
        ZoneGroup("3分区设置：", "ssTb2Gbx3", "ssTb2GBX1Num1", {"01-11", "12-22", "23-33"}, true, 0),
        ZoneGroup("4分区设置：", "ssTb2Gbx4", "ssTb2GBX1Num2", {"01-08", "09-16", "17-24", "25-33"}, false, 0),
        ZoneGroup("5分区设置：", "ssTb2Gbx5", "ssTb2GBX1Num3", {"01-07", "08-14", "15-21", "22-28", "29-33"},
                  false, 0),
        six,
        RadioGroup("Area1Gbx", "第一区(01-11)：", "第一区"),
        RadioGroup("Area2Gbx", "第二区(12-22)：", "第二区"),
        RadioGroup("Area3Gbx", "第三区(23-33)：", "第三区"),
    };
    page.Groups[3].Column = 1;
    return page;
}

TPageSpecification Page6()
{
    TPageSpecification page{"ScalC6Tab", {}, {Btn("tj6QingchuBt", kClearCaption), Btn("tj6TuBt", "间距走势图")}};
    TGroupSpec g{"tj6Gbx", "条件六", {}, 0};
    for (std::size_t k = 0; k < 10; ++k) {
        g.Rows.push_back({Chk(N("tj6JianJuCheckArr", k), "间距" + std::to_string(k + 2) + "："),
                          Cells(N("tj6JianJuMChkArr", k), PairCaptions(6), 6)});
    }
    page.Groups = {g};
    return page;
}

TPageSpecification ConditionShrinkPage()
{
    TPageSpecification page{"RcmSheet1",
                            {},
                            {Btn("tjtjQingchuBt", kClearCaption), Btn("tjtjTbBt", kChartCaption),
                             Btn("Button1", "红球遗漏图"), Btn("Button2", "冷热号推荐")}};
    TGroupSpec mod{"RcmSheet1Gbx1", "除3余类型：", {}, 0};
    const char* const remainders[] = {"除3余:余0有", "余1有", "余2有"};
    for (std::size_t r = 0; r < 3; ++r) {
        mod.Rows.push_back({Lbl(remainders[r]), CellsByCell(N("Mod3NumChk", r), N("除3余", r), NumberCaptions(0, 5), 6)});
    }
    mod.Rows.push_back({Lbl("除6余分组出现的组数:"), CellsByCell("Mod6GroupChk", "除6余分组出现组数", NumberCaptions(1, 6), 6)});

    TGroupSpec misc{"RcmSheet1Gbx2", "杂项缩水：", {}, 0};
    misc.Rows = {
        {Lbl("AC值设计："), Range("AcDesignSpEd", "AC值设计", "最小值:", "最大值:")},
        {Lbl("最大间隔："), Range("MaxGapSpEd", "最大间隔", "最小值:", "最大值:")},
        {Lbl("奇偶设计："), CellsByCell("OddEvenDesignChk", "奇偶设计", RatioCaptions(), 7)},
        {Lbl("号码大小比:"), CellsByCell("BigSmallRatioChk", "号码大小比", RatioCaptions(), 7)},
        {Invisible(Lbl("连号：")), Invisible(Strip({CellsByCell("RunLengthChk", "连号", NumberCaptions(1, 6), 6),
                                                   CellsByCell("RunCountChk", "连号组数", NumberCaptions(0, 3), 4)}))},
        {Lbl("总和值："), Range("TotalSumSpEd", "总和值", "最小值:", "最大值:")},
    };

    TGroupSpec tails{"RcmSheet1Gbx3", "尾数设计：", {}, 1};
    tails.Rows = {
        {Lbl("尾数相同个数："), CellsByCell("TailRepeatChk", "尾数相同个数", NumberCaptions(0, 4), 5)},
        {NamedLbl("SameTailCountLbl", "尾数与上期相同个数："),
         CellsByCell("SameTailCountChk", "尾数与上期相同个数", NumberCaptions(0, 6), 7)},
        {Lbl("尾数和："), Range("TailSumSpEd", "尾数和", "最小值:", "最大值:")},
        {Lbl("尾数除5余分组出现的组数:"), CellsByCell("TailMod5GroupChk", "尾数分组组合", NumberCaptions(1, 5), 5)},
        {Lbl("尾数大小比："), CellsByCell("TailBigSmallChk", "尾数大小比", RatioCaptions(), 7)},
    };
    page.Groups = {mod, misc, tails};
    return page;
}

TPageSpecification RegularPage()
{
    TPageSpecification page{"ssTb8Sheet", {}, {Btn("tjcgQingchuBt", kClearCaption), Btn("tjcgtbBt", kChartCaption)}};
    TGroupSpec g{"ssTb8Gbx1", "常规缩水设置：", {}, 0};
    const auto& labels = RegularItemLabels();
    const std::size_t half = kRegularItemCount / 2;
    for (std::size_t i = 0; i < half; ++i) {
        TRowSpec row;
        for (const std::size_t item : {i, i + half}) {
            TItemSpec range = Range(N("ssTb8Gbx1SeArr", item), "", "", labels[item]);
            range.Keys = {N("ssTb8Gbx1SeArr0", item), N("ssTb8Gbx1SeArr1", item)};
            row.push_back(range);
        }
        g.Rows.push_back(row);
    }
    page.Groups = {g};
    return page;
}

} // namespace

std::vector<TPageSpecification> VisibleConditionPages()
{
    return {SelectionPage(), Page1(), Page2(), Page3(), Page4(), Page5(), Page6(), ConditionShrinkPage(),
            RegularPage()};
}

const std::vector<TJumpButton>& ConditionJumpButtons()
{
    static const std::vector<TJumpButton> buttons{
        {"tjcgtbBt", TJumpKind::GridPage, kRedTrendPage},
        {"tj1tbBt", TJumpKind::GridPage, kRedTrendPage},
        {"tj2tbBt", TJumpKind::GridPage, kRedTrendPage},
        {"tjtjTbBt", TJumpKind::GridPage, kRedTrendPage},
        {"tjXhtb12Bt", TJumpKind::GridPage, kRedTrendPage},
        {"Button1", TJumpKind::GridPage, kRedTrendPage},
        {"Button4", TJumpKind::GridPage, kRedTrendPage},
        {"tj5TbBt", TJumpKind::GridPage, kZoneSplitPage},
        {"tj41tbBt", TJumpKind::GridPage, kTailTrendPage},
        {"tjXhtb11Bt", TJumpKind::GridPage, kRedFrequencyPage},
        {"tjXhtb22Bt", TJumpKind::GridPage, kBlueTrendPage},
        {"tjXhtb21Bt", TJumpKind::GridPage, kBlueFrequencyPage},
        {"tjXhtb13Bt", TJumpKind::PredictView, 0},
        {"Button2", TJumpKind::PredictView, 0},
        {"tjXhtb23Bt", TJumpKind::PredictView, 0},
        {"tj6TuBt", TJumpKind::ChartWindow, 0},
        {"tj31TbBt", TJumpKind::ChartWindow, 0},
        {"tj32TbBt", TJumpKind::ChartWindow, 0},
    };
    return buttons;
}

} // namespace quorvane::gui
