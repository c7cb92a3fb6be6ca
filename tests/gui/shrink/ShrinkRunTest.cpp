// The run from the window: conditions set through the controls filter exactly as the same settings
// applied to the conditions in core, and a condition that does not convert stops the run.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "ShrinkTestSupport.h"
#include "app/ProgressForm.h"
#include "app/QtText.h"
#include "shrink/ConditionClear.h"
#include "shrink/ConditionKeys.h"
#include "shrink/ShrinkRun.h"
#include "text/SplitText.h"

namespace quorvane::gui::test {
namespace {

// One setting: how the user makes it (a control, or one cell of a picker when Cell >= 0), and the
// condition key and value that say the same.
struct TSetting
{
    const char* Control;
    int Cell;
    const char* Value;
    const char* Key;
    const char* KeyValue;
};

struct TCase
{
    const char* Name;
    std::vector<TSetting> Settings;
};

const std::vector<TCase>& Cases()
{
    static const std::vector<TCase> cases{
        {"reds 01..10", {{"ssTb0MChk", -1, "01#02#03#04#05#06#07#08#09#10", "ssTb0MChk", "01#02#03#04#05#06#07#08#09#10"}}},
        {"odd ratio, sum and excluded sums",
         {{"tj1QiOuBiChk", -1, "1", "tj1QiOuBiChk", "1"},
          {"tj1QiOuBiMChk", -1, "3:3", "tj1QiOuBiMChk", "3:3"},
          {"tj1HeZhiChk", -1, "1", "tj1HeZhiChk", "1"},
          {"tj1HeZhiSpEd", -1, "90,110", "tj1HeZhiSpEd", "90,110"},
          {"tj1PaiChuHeZhiEd", -1, "  99   100 ", "tj1PaiChuHeZhiEd", "  99   100 "}}},
        {"runs, segments and AC",
         {{"tj1LainHaoChk", -1, "1", "tj1LainHaoChk", "1"},
          {"tj1LianHaoMChk", -1, "1对", "tj1LianHaoMChk", "1对"},
          {"tj1LianGeShuCbb", -1, "1", "tj1LianGeShuCbb", "1"},
          {"tj1FenDuanChk", -1, "1", "tj1FenDuanChk", "1"},
          {"tj1FenDuanArr1", -1, "1,3", "tj1FenDuanArr1", "1,3"},
          {"tj1AcZhiChk", -1, "1", "tj1AcZhiChk", "1"},
          {"tj1AcZhiSpEd", -1, "5,9", "tj1AcZhiSpEd", "5,9"},
          {"tj1PaiChuAcZhiEd", -1, "7", "tj1PaiChuAcZhiEd", "7"}}},
        {"big, high tails and same-tail pairs",
         {{"tj2DaXiaoBiChk", -1, "1", "tj2DaXiaoBiChk", "1"},
          {"tj2DaXiaoBiMChk", -1, "2:4,3:3", "tj2DaXiaoBiMChk", "2:4,3:3"},
          {"tj2GaoDiWeiChk", -1, "1", "tj2GaoDiWeiChk", "1"},
          {"tj2GaoDiWeiMChk", -1, "3:3", "tj2GaoDiWeiMChk", "3:3"},
          {"tj2TongWeiDuiChk", -1, "1", "tj2TongWeiDuiChk", "1"},
          {"tj2TongWeiDuiMChk", -1, "0对", "tj2TongWeiDuiMChk", "0对"}}},
        {"must-have numbers and a never-together group",
         {{"tj2BiXuanHaoChk", -1, "1", "tj2BiXuanHaoChk", "1"},
          {"tj2BiXuanHaoEd", -1, "21 25", "tj2BiXuanHaoEd", "21 25"},
          {"tj2BiBuTongChk", -1, "1", "tj2BiBuTongChk", "1"},
          {"tj2BiBuTongEdArr2", -1, "03 08 14", "tj2BiBuTongEdArr2", "03 08 14"}}},
        {"positions",
         {{"tj3AnWeiChk", -1, "1", "tj3AnWeiChk", "1"},
          {"tj4AnWeiQoArr0", -1, "2", "tj4AnWeiQoArr0", "2"},
          {"tj4AnWeiZdEdArr0", -1, " 02 04 ", "tj4AnWeiZdEdArr0", "02 04"},
          {"tj4AnWeiWsArr3", -1, "1", "tj4AnWeiWsArr3", "1"},
          {"tj4AnWeiC3EdArr5", -1, "01", "tj4AnWeiC3EdArr5", "01"}}},
        {"gaps",
         {{"tj3JianJuChk", -1, "1", "tj3JianJuChk", "1"},
          {"tj4JianJuSeArr7", -1, "30,34", "tj4JianJuSeArr7", "30,34"},
          {"tj4JianJuQoArr0", -1, "1", "tj4JianJuQoArr0", "1"},
          {"tj4JianJuEdArr5", -1, "20 25 30", "tj4JianJuEdArr5", "20 25 30"}}},
        {"tails and groups",
         {{"tj4WeiShuChk", -1, "1", "tj4WeiShuChk", "1"},
          {"tj4WeiShuArr0", -1, "0,1", "tj4WeiShuArr0", "0,1"},
          {"tj4FenZuChk", -1, "1", "tj4FenZuChk", "1"},
          {"tj4FenZuEdArr0", -1, "01 02 03 04 05", "tj4FenZuEdArr0", "01 02 03 04 05"},
          {"tj4FenZuMChkArr0", -1, "1,2", "tj4FenZuMChkArr0", "1,2"}}},
        {"zones",
         {{"ssTb2GBX1Num10", 2, "1", "3区间02", "1"},
          {"ssTb2GBX1Num21", -1, "1,2", "ssTb2GBX1Num21", "1,2"},
          {"ssTb2GBX1NumX", -1, "5,6", "ssTb2GBX1NumX", "5,6"}}},
        {"gap sizes",
         {{"tj6JianJuCheckArr0", -1, "1", "tj6JianJuCheckArr0", "1"},
          {"tj6JianJuMChkArr0", -1, "0对,1对", "tj6JianJuMChkArr0", "0对,1对"},
          {"tj6JianJuCheckArr3", -1, "1", "tj6JianJuCheckArr3", "1"},
          {"tj6JianJuMChkArr3", -1, "1对", "tj6JianJuMChkArr3", "1对"}}},
        {"condition shrink",
         {{"Mod3NumChk0", 2, "1", "除3余02", "1"},
          {"AcDesignSpEd", -1, "5,8", "AC值设计", "5,8"},
          {"SameTailCountChk", 1, "1", "尾数与上期相同个数1", "1"},
          {"SameTailCountChk", 2, "1", "尾数与上期相同个数2", "1"},
          {"TailSumSpEd", -1, "10,30", "尾数和", "10,30"},
          {"TailBigSmallChk", 3, "1", "尾数大小比3", "1"},
          {"TailBigSmallChk", 2, "1", "尾数大小比2", "1"}}},
        {"regular ranges",
         {{"ssTb8Gbx1SeArr2", -1, "100,140", "ssTb8Gbx1SeArr02", "100"},
          {"ssTb8Gbx1SeArr2", -1, "100,140", "ssTb8Gbx1SeArr12", "140"},
          {"ssTb8Gbx1SeArr9", -1, "5,8", "ssTb8Gbx1SeArr09", "5"},
          {"ssTb8Gbx1SeArr9", -1, "5,8", "ssTb8Gbx1SeArr19", "8"}}},
    };
    return cases;
}

class ShrinkRun : public ShrinkPanelFixture
{
};

TEST_F(ShrinkRun, ConditionsSetThroughTheControlsFilterAsInCore)
{
    Start(150);
    ShrinkConditions start;
    ClearAllConditions(start);
    for (const TCase& c : Cases()) {
        SCOPED_TRACE(c.Name);
        Panel().ClearAllConditions(false);
        ShrinkConditions expected = start;
        for (const TSetting& s : c.Settings) {
            if (s.Cell >= 0) {
                SetCell(s.Control, s.Cell, true);
            } else {
                SetControl(s.Control, s.Value);
            }
            ASSERT_TRUE(ApplyConditionSetting(expected, s.Key, s.KeyValue)) << s.Key;
        }
        Click("RcmPanelScaleBt");
        TicketPool pool;
        SurvivorFlags flags;
        const std::vector<std::string> lines = RunShrink(expected, program.Form().History(), pool, flags);
        ASSERT_EQ(Panel().Flags().size(), flags.size());
        EXPECT_TRUE(Panel().Flags() == flags);
        // The memo is the core's text, from the second line on (the first holds the time).
        const QStringList memo = MemoText().split(QLatin1Char('\n'));
        ASSERT_EQ(static_cast<std::size_t>(memo.size()), lines.size());
        for (std::size_t i = 1; i < lines.size(); ++i) {
            EXPECT_EQ(FromQ(memo[static_cast<qsizetype>(i)]), lines[i]) << i;
        }
        // Every case filters something and keeps something.
        EXPECT_NE(MemoText().indexOf(QStringLiteral("缩水结果为总共")), -1);
        EXPECT_EQ(MemoText().indexOf(QStringLiteral("缩水结果为总共1107568注")), -1);
        EXPECT_EQ(MemoText().indexOf(QStringLiteral("缩水结果为总共0注")), -1);
    }
    EXPECT_TRUE(program.Dialogs().Log().empty());
}

TEST_F(ShrinkRun, ShowsTheResultWithTheHeaderAndHidesTheProgressWindow)
{
    Start();
    SetControl("ssTb0MChk", "01#02#03#04#05#06#07");
    SetControl("ssTb0BChk", "03#11");
    Click("RcmPanelScaleBt");
    const QStringList memo = MemoText().split(QLatin1Char('\n'));
    ASSERT_GE(memo.size(), 8);
    EXPECT_TRUE(memo[0].startsWith(QStringLiteral("Quorvane ")));
    EXPECT_EQ(memo[1], QStringLiteral("缩水基础号码总共1107568注号码"));
    EXPECT_EQ(memo[3], QStringLiteral("选择的蓝球：03,11"));
    EXPECT_EQ(memo[5], QStringLiteral("缩水结果为总共7注号码"));
    EXPECT_EQ(memo[6], QStringLiteral("01 02 03 04 05 06, 01 02 03 04 05 07, 01 02 03 04 06 07, 01 02 03 05 06 07, "
                                      "01 02 04 05 06 07, "));
    EXPECT_EQ(memo[7], QStringLiteral("01 03 04 05 06 07, 02 03 04 05 06 07, "));
    TProgressForm& progress = program.Form().ProgressForm();
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.ProgressBar->maximum(), kShrinkProgressMaximum);
    EXPECT_EQ(progress.TitleLbl->text(), QStringLiteral("正在进行缩水计算..."));
}

TEST_F(ShrinkRun, ANumberListThatIsNotWholeNumbersStopsTheRunAndKeepsTheOldResult)
{
    Start();
    SetControl("ssTb0MChk", "01#02#03#04#05#06");
    Click("RcmPanelScaleBt");
    const QString before = MemoText();
    ASSERT_NE(before.indexOf(QStringLiteral("缩水结果为总共1注号码")), -1);
    const std::vector<std::uint8_t> flagsBefore(Panel().Flags().begin(), Panel().Flags().end());

    SetControl("tj1HeZhiChk", "1");
    SetControl("tj1PaiChuHeZhiEd", "29 5x 55");
    program.Dialogs().ExpectError(QStringLiteral("'5x' is not a valid integer value"));
    Click("RcmPanelScaleBt");
    EXPECT_TRUE(program.Dialogs().AllUsed());
    EXPECT_EQ(MemoText(), before);
    EXPECT_TRUE(std::equal(flagsBefore.begin(), flagsBefore.end(), Panel().Flags().begin()));
    EXPECT_FALSE(program.Form().ProgressForm().isVisible());
}

TEST_F(ShrinkRun, PositionEditsShowTheirTrimmedTextsAfterTheRun)
{
    Start();
    SetControl("tj3AnWeiChk", "1");
    SetControl("tj4AnWeiZdEdArr2", "  08 09  ");
    SetControl("tj4AnWeiC3EdArr2", " 1 ");
    SetControl("ssTb0MChk", "01#02#03#04#05#06#07#08#09#10");
    Click("RcmPanelScaleBt");
    EXPECT_EQ(program.Find<QLineEdit>(QStringLiteral("tj4AnWeiZdEdArr2"))->text(), QStringLiteral("08 09"));
    EXPECT_EQ(program.Find<QLineEdit>(QStringLiteral("tj4AnWeiC3EdArr2"))->text(), QStringLiteral("1"));
}

} // namespace
} // namespace quorvane::gui::test
