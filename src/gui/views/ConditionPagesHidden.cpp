// The descriptions of the condition pages whose tabs are hidden: the three selector boards, the
// code-set pages, the fault-tolerant filter and the page whose edits no stage reads.
#include <string>

#include "measures/Layouts.h"
#include "shrink/CodeSets.h"
#include "shrink/ShrinkCaptions.h"
#include "text/FormatNumbers.h"
#include "views/ConditionBoards.h"
#include "views/ConditionPages.h"

namespace quorvane::gui {

namespace {

std::vector<std::string> Names(const std::string& base, int first, int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(base + std::to_string(first + i));
    }
    return names;
}

TItemSpec Board(TBoardSpec layout)
{
    return CustomItem([layout](QWidget* parent, TConditionBinder& binder) { return MakeSelectorBoard(parent, binder, layout); });
}

TPageSpecification TailRowColPage()
{
    TBoardSpec board{"wshlNet", 6, 6, 48,
                     [](int r, int c) {
                         const int n = TailLayoutNumberAt(r, c);
                         return n > 0 ? Pad2(n) : std::string();
                     },
                     Names("wshlRowcbb", 1, 6), Names("FwshlRowCbbArr", 0, 6), Names("wshlColcbb", 1, 6),
                     Names("FwshlColCbbArr", 0, 6)};
    TPageSpecification page{"wshlSheet", {}, {}};
    page.Groups = {TGroupSpec{"wshlGbx", "尾数行列设置 ", {{Board(board)}}, 0}};
    return page;
}

TPageSpecification MoneyMachinePage()
{
    TBoardSpec board{"zqjqNet", 4, 3, 68,
                     [](int r, int c) {
                         const int digit = r * 3 + c;
                         return digit <= 9 ? std::to_string(digit) : std::string();
                     },
                     Names("zqjqRowCbb", 1, 4), Names("FzqjqRowCbbArr", 0, 4), Names("zqjqColCbb", 1, 3),
                     Names("FzqjqColCbbArr", 0, 3)};
    TGroupSpec g{"ZqjqGbx", "赚钱机器设置 ", {{Board(board)}}, 0};
    TGroupSpec killed{"zqjqGbx2", "", {}, 1};
    for (int i = 1; i <= 3; ++i) {
        const std::string name = "zqjqEd" + std::to_string(i);
        killed.Rows.push_back({Lbl("绝杀尾数" + std::to_string(i) + "："), Edit(name, "", 120)});
    }
    TPageSpecification page{"zqjqSheet", {}, {}};
    page.Groups = {g, killed};
    return page;
}

TPageSpecification SixBySixPage()
{
    TBoardSpec board{"yqfbNet", 6, 6, 48,
                     [](int r, int c) {
                         const int n = r * 6 + c + 1;
                         return n <= 33 ? Pad2(n) : std::string();
                     },
                     Names("RowCbb", 1, 6), Names("RowCbb", 1, 6), Names("ColCbb", 1, 6), Names("ColCbb", 1, 6)};
    TPageSpecification page{"yqfbSheet", {}, {}};
    page.Groups = {TGroupSpec{"YqfbGbx", "赢钱法宝设置 ", {{Board(board)}}, 0}};
    return page;
}

TPageSpecification TailMatchPage()
{
    TGroupSpec g{"SelCodeGbx", "选号设置：0-9个，匹配0-6个", {}, 0};
    g.Rows = {
        {Lbl("自选号码："), Cells("SelCodeGbxNumChk", NumberCaptions(0, 9), 10)},
        {Lbl("入奖数目："), Cells("SelCodeGbxCountChk", NumberCaptions(0, 6), 7)},
        {Lbl(""), ListBox("Sel3DCodeLbx", "3D匹配", 320, 200)},
        {Lbl(""), Strip({Btn("SelCodeGbxAddBt", "增加"), Btn("SelCodeGbxDelBt", "删除"), Btn("SelCodeGbxClearBt", "清空"),
                         Btn("SelCodeGbxStatBt", "号码体检")})},
    };
    // The pickers only make entries: they are no condition themselves.
    g.Rows[0][1].Key.clear();
    g.Rows[1][1].Key.clear();
    TPageSpecification page{"SelCodeSheet", {}, {}};
    page.Groups = {g};
    return page;
}

TPageSpecification OwnNumbersPage()
{
    TGroupSpec sets{"ssTb3Gbx1", "选号匹配：1-33个,匹配个数0-6个", {}, 0};
    sets.Rows = {
        {Lbl("自选号码:"), Cells("ssTb3Gbx1NumChk", NumberCaptions(1, 33), 11)},
        {Lbl("入奖数目:"), Cells("ssTb3Gbx1CountChk", NumberCaptions(0, 6), 7)},
        {Lbl(""), ListBox("CodeSelLbx1ssTb3Gbx1Lbx", "CodeSelLbx1ssTb3Gbx1Lbx", 320, 160)},
        {Lbl(""), Strip({Btn("ssTb3SheetBt1", "清除号码"), Btn("ssTb3SheetBt2", "全选号码"), Btn("ssTb3SheetBt3", "增加"),
                         Btn("ssTb3SheetBt4", "删除")})},
    };
    sets.Rows[0][1].Key.clear();
    sets.Rows[1][1].Key.clear();
    TGroupSpec banker{"ssTb3Gbx2", "胆码过滤", {{Lbl("胆   码:"), Cells("ssTb3Gbx2Num", NumberCaptions(1, 33), 11)}}, 1};
    TGroupSpec sum{"ssTb3SheetGbx1",
                   "",
                   {{Strip({Lbl("和值范围: 最小值"), Spin("ssTb3SheetGbx1Sp1", "ssTb3SheetGbx1Sp1", 0, 183, 0),
                            Lbl("，最大值"), Spin("ssTb3SheetGbx1Sp2", "ssTb3SheetGbx1Sp2", 0, 183, 183)})}},
                   1};
    TPageSpecification page{"ssTb3Sheet", {}, {Btn("tjzxQingchuBt", "清除条件")}};
    page.Groups = {sets, banker, sum};
    return page;
}

TPageSpecification OtherPage()
{
    TGroupSpec g{"ssTb4Gbx1", "容错过滤", {}, 0};
    g.Rows = {
        {Chk("ssTb4Gbx1Chk", "启用容错过滤"), Strip({Lbl("出球个数："), Cells("ssTb4Gbx1MChk", NumberCaptions(0, 6), 7)})},
        {Option("ssTb4Gbx1Rd1", "使用历史数据     选择历史期数："), Spin("ssTb4Gbx1Sp1", "", 0, 10000, 10)},
        {Option("ssTb4Gbx1Rd2", "固定数据         选择注数：", true), Spin("ssTb4Gbx1Sp2", "", 0, 10000, 10)},
        {Option("ssTb4Gbx1Rd3", "使用系统推荐     选择推荐注数："), Spin("ssTb4Gbx1Sp3", "", 0, 10000, 10)},
        {Option("ssTb4Gbx1Rd4", "12码推荐         选择推荐注数："), Spin("ssTb4Gbx1Sp4", "", 0, 10000, 10)},
        {Option("ssTb4Gbx1Rd5", "15码推荐         选择推荐注数："), Spin("ssTb4Gbx1Sp5", "", 0, 10000, 10)},
        {Option("ssTb4Gbx1Rd6", "导入数据       "), Btn("ssTb4Gbx1Bt1", "点击选择数据")},
    };
    TGroupSpec memo{"ssTb4SheetGbx1", "", {{MemoBox("ssTb4SheetGbx1Memo", "ssTb4SheetGbx1Memo", 420, 420)}}, 1};
    TPageSpecification page{"ssTb4Sheet", {}, {Btn("tjqtQingchuBt", "清除条件")}};
    page.Groups = {g, memo};
    return page;
}

TPageSpecification CodeSetPage()
{
    TPageSpecification page{"RcmSheet2", {}, {}};
    int column = 0;
    for (const CodeSetGroup& group : CodeSetGroups()) {
        const std::string base = group.GroupName;
        TGroupSpec g{base, group.Caption, {}, column++};
        const std::string listKey = std::string(group.ListName) == "CodeSelLbx1" ? "选号匹配" : "";
        TItemSpec list = ListBox(group.ListName, listKey, 320, 200);
        g.Rows = {
            {Cells(base + "NumChk", NumberCaptions(1, 33), 11)},
            {Cells(base + "CountChk", NumberCaptions(0, group.CountLast), group.CountLast + 1)},
            {list},
            {Strip({Btn(group.ClearButton, "清除号码"), Btn(group.AddButton, "增加"), Btn(group.DeleteButton, "删除"),
                    Btn(group.HealthButton, "号码体检")})},
        };
        g.Rows[0][0].Key.clear();
        g.Rows[1][0].Key.clear();
        page.Groups.push_back(g);
    }
    return page;
}

TPageSpecification ZonePage()
{
    TGroupSpec g{"RcmSheet3Gbx1", "综合设置：", {}, 0};
    for (const char* name : {"Edit51", "Edit52", "Edit53"}) {
        g.Rows.push_back({Edit(name, "连续输入数目，设置示例：124", 120)});
    }
    TPageSpecification page{"RcmSheet3", {}, {}};
    page.Groups = {g};
    return page;
}

} // namespace

std::vector<TPageSpecification> HiddenConditionPages()
{
    return {TailRowColPage(), MoneyMachinePage(), SixBySixPage(), TailMatchPage(),
            OwnNumbersPage(), OtherPage(),        CodeSetPage(),  ZonePage()};
}

} // namespace quorvane::gui
