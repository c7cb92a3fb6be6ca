// Everything done with a result from the panel, and the selection page's labels, quick picks and
// chart buttons.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ShrinkTestSupport.h"
#include "views/PredictPanel.h"
#include "app/QtText.h"
#include "controls/ColorChk.h"
#include "recommend/QuickPicks.h"
#include "shrink/LevelShrink.h"
#include "shrink/PrizeCheck.h"
#include "text/Encoding.h"
#include "text/FormatNumbers.h"
#include "text/SplitText.h"

namespace quorvane::gui::test {
namespace {

using quorvane::test::ReadBytes;
using quorvane::test::TempDir;

class ShrinkResults : public ShrinkPanelFixture
{
protected:
    // A run that keeps the seven tickets of the reds 01..07, played with the blues given.
    void RunSevenTickets(const char* blues)
    {
        SetControl("ssTb0MChk", "01#02#03#04#05#06#07");
        SetControl("ssTb0BChk", blues);
        Click("RcmPanelScaleBt");
        ASSERT_NE(MemoText().indexOf(QStringLiteral("缩水结果为总共7注号码")), -1);
    }
    bool ResultPageShown() { return Panel().RcmPctl->currentWidget() == Panel().RcmPctl->Page(QStringLiteral("RcmSheet4")); }
    void ShowFirstPage() { Panel().RcmPctl->setCurrentIndex(0); }

    TempDir dir;
};

TEST_F(ShrinkResults, PrizeCheckListsTheWinnersAndRefusesWhatItCannotCheck)
{
    Start();
    // Before any run there is nothing to check.
    program.Dialogs().ExpectInput(QStringLiteral("01 02 03 04 05 06")).ExpectMessage(ToQ(kPrizeNoRedsMessage));
    Click("RcmPanelCodeAwardBt");

    RunSevenTickets("");
    const QString result = MemoText();
    program.Dialogs()
        .ExpectInput(QStringLiteral("01 02 03 04 05"))
        .ExpectMessage(ToQ(kPrizeFormatMessage))
        .ExpectInput(QStringLiteral("01 02 03 04 05 06+05"))
        .ExpectMessage(ToQ(kPrizeNoBlueMessage))
        .ExpectInput(QStringLiteral("01 02 03 04 05 06+x"))
        .ExpectError(QStringLiteral("'x' is not a valid integer value"))
        .ExpectInput(std::nullopt);
    for (int i = 0; i < 4; ++i) {
        Click("RcmPanelCodeAwardBt");
    }
    EXPECT_EQ(MemoText(), result);

    SetControl("ssTb0BChk", "05#09");
    ShowFirstPage();
    program.Dialogs().ExpectInput(QStringLiteral(" 01 02 03 04 05 06+05 "));
    Click("RcmPanelCodeAwardBt");
    EXPECT_TRUE(ResultPageShown());
    const QStringList report = MemoText().split(QLatin1Char('\n'));
    ASSERT_GE(report.size(), 12);
    EXPECT_EQ(report[1], QStringLiteral("双色球彩票兑奖"));
    EXPECT_EQ(report[2], QStringLiteral("开奖号码：01 02 03 04 05 06+05"));
    EXPECT_TRUE(report[3].startsWith(QStringLiteral("中奖合计：一等1注,")));
    EXPECT_EQ(report[5], QStringLiteral("红球号码总共7注, 蓝球选择2个."));
    EXPECT_TRUE(report.contains(QStringLiteral("01 02 03 04 05 06+05     中6+1    1    一等")));
    EXPECT_TRUE(report.contains(QStringLiteral("01 02 03 04 05 06+09     中6+0    2    二等")));
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(ShrinkResults, PrizeCheckAsksAboveTwentyThousandSurvivors)
{
    Start();
    Click("RcmPanelScaleBt"); // nothing set: every ticket survives
    const QString result = MemoText();
    program.Dialogs()
        .ExpectInput(QStringLiteral("01 02 03 04 05 06"))
        .ExpectAsk(TAnswer::No, ToQ(PrizeConfirmQuestion(1107568)));
    Click("RcmPanelCodeAwardBt");
    EXPECT_EQ(MemoText(), result);
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(ShrinkResults, LevelShrinkNeedsARunAndThenListsItsLevel)
{
    Start();
    ShowFirstPage();
    Click("RcmPanelCodeScaleBt");
    EXPECT_TRUE(ResultPageShown());
    EXPECT_TRUE(Panel().PopupMenuCodeScale->isVisible());
    Panel().PopupMenuCodeScale->hide();
    ASSERT_EQ(Panel().PopupMenuCodeScale->actions().size(), 20);
    program.Dialogs().ExpectMessage(ToQ(kLevelShrinkNeedsRunMessage));
    Panel().PopupMenuCodeScale->actions()[0]->trigger();
    EXPECT_TRUE(MemoText().isEmpty());

    SetControl("ssTb0MChk", "01#02#03#04#05#06#07#08#09#10#11#12");
    Click("RcmPanelScaleBt");
    Panel().PopupMenuCodeScale->actions()[2]->trigger();
    EXPECT_EQ(FromQ(MemoText()), JoinText(LevelShrinkLines(Panel().Pool(), Panel().Flags(), 3), "\n"));
    EXPECT_TRUE(MemoText().startsWith(QStringLiteral("第3级智能预测(")));
    EXPECT_EQ(program.Form().StatusText(), QStringLiteral("完成 第3级智能预测"));
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(ShrinkResults, ExportPrintSearchViewAndTheRecommendationMenu)
{
    Start();
    RunSevenTickets("03");
    const std::string exported = dir.File("result.txt");
    program.Dialogs().ExpectSaveFile(ToQ(exported));
    Click("RcmPanelExportBt");
    EXPECT_EQ(GbkToUtf8(ReadBytes(exported)),
              "缩水结果有7注号码\r\n"
              "01 02 03 04 05 06, 01 02 03 04 05 07, 01 02 03 04 06 07, 01 02 03 05 06 07, 01 02 04 05 06 07, \r\n"
              "01 03 04 05 06 07, 02 03 04 05 06 07, \r\n\r\n");

    const QString pdf = ToQ(dir.File("result.pdf"));
    program.Dialogs().ExpectPrintToPdf(pdf);
    Click("RcmPanelPrintBt");
    const QStringList printed = PdfLines(pdf);
    ASSERT_FALSE(printed.isEmpty());
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("打印，时间:20"))) << printed[0].toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("缩水结果为总共7注号码")));

    ShowFirstPage();
    program.Dialogs().ExpectInput(QStringLiteral("02 03 04 05 06 07"));
    Click("RcmPanelCheckBt");
    EXPECT_TRUE(ResultPageShown());
    EXPECT_EQ(Panel().RcmMemo->textCursor().selectedText(), QStringLiteral("02 03 04 05 06 07"));
    EXPECT_EQ(program.Form().StatusText(), QStringLiteral("恭喜，找到号码02 03 04 05 06 07"));
    program.Dialogs().ExpectInput(QStringLiteral("08 09"));
    Click("RcmPanelCheckBt");
    EXPECT_EQ(program.Form().StatusText(), QStringLiteral("抱歉，没有找到号码08 09"));
    EXPECT_EQ(Panel().RcmMemo->textCursor().position(), 0);

    ShowFirstPage();
    Click("RcmPanelViewCodeBt");
    EXPECT_TRUE(ResultPageShown());

    ShowFirstPage();
    Click("RcmPanelCodeRcmBt");
    EXPECT_TRUE(ResultPageShown());
    EXPECT_TRUE(Panel().CodeRcmMenu->isVisible());
    QStringList items;
    for (QAction* item : Panel().CodeRcmMenu->actions()) {
        items.push_back(item->isSeparator() ? QStringLiteral("|") : item->text());
    }
    EXPECT_EQ(items.join(QLatin1Char(',')),
              QStringLiteral("智能二码推荐,智能试机号二码推荐,智能奖号推荐,智能试机号奖号推荐,|,每周胆码推荐,每期胆码推荐,"
                             "每周和值推荐,每期和值推荐,百位胆码推荐,十位胆码推荐,个位胆码推荐,本期奇数推荐,"
                             "本期偶数推荐,本期冷码推荐"));
    Panel().CodeRcmMenu->actions()[0]->trigger(); // the items do nothing
    Panel().CodeRcmMenu->hide();
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(ShrinkResults, SelectionLabelsFollowTheSelectorsAndTheQuickPicks)
{
    Start(120);
    TColorMChk* reds = Panel().ssTb0MChk;
    QLabel* redLabel = Panel().ssTb0SheetGbx1Lbl;
    QLabel* blueLabel = Panel().ssTb0SheetGbx2Lbl;
    EXPECT_EQ(redLabel->text(), QStringLiteral("已经选中0个红球："));
    QTest::mouseClick(reds, Qt::LeftButton, {}, reds->RectOfChk(4).center());
    EXPECT_EQ(redLabel->text(), QStringLiteral("已经选中1个红球：05"));
    QTest::mouseClick(Panel().ssTb0BChk, Qt::LeftButton, {}, Panel().ssTb0BChk->RectOfChk(15).center());
    EXPECT_EQ(blueLabel->text(), QStringLiteral("已经选中1个蓝球：16"));

    ClickButton("ssTb0SheetBt7");
    EXPECT_EQ(redLabel->text(), QStringLiteral("已经选中12个红球：01,02,03,04,05,06,07,08,09,10,11,12"));
    ClickButton("ssTb0SheetBt4");
    EXPECT_EQ(reds->CheckedCount(), 21);
    EXPECT_TRUE(redLabel->text().startsWith(QStringLiteral("已经选中21个红球：13,14,")));
    ClickButton("ssTb0SheetBt2");
    EXPECT_EQ(redLabel->text(), QStringLiteral("已经选中0个红球："));
    ClickButton("ssTb0SheetBt11");
    EXPECT_EQ(Panel().ssTb0BChk->CheckedCount(), 16);

    // The random picks continue the program's one generator.
    Random random;
    for (int press = 0; press < 2; ++press) {
        std::vector<int> expected = RandomRedPick(random);
        std::sort(expected.begin(), expected.end());
        ClickButton("ssTb0SheetBt6");
        std::vector<int> checked;
        for (int i = 0; i < reds->Count(); ++i) {
            if (reds->GetCheck(i) != 0) {
                checked.push_back(i);
            }
        }
        EXPECT_EQ(checked, expected) << press;
    }
    const std::vector<int> blues = RandomBluePick(random);
    ClickButton("ssTb0SheetBt16");
    EXPECT_EQ(Panel().ssTb0BChk->CheckedCount(), static_cast<int>(blues.size()));
    for (const int cell : blues) {
        EXPECT_EQ(Panel().ssTb0BChk->GetCheck(cell), 1);
    }

    // The expert picks check the cells core ranks.
    ClickButton("ssTb0SheetBt5");
    const std::vector<int> expert = ExpertRedPick(program.Form().History());
    EXPECT_EQ(reds->CheckedCount(), static_cast<int>(expert.size()));
    for (const int cell : expert) {
        EXPECT_EQ(reds->GetCheck(cell), 1);
    }
    EXPECT_TRUE(redLabel->text().startsWith(QStringLiteral("已经选中22个红球：")));
    ClickButton("ssTb0SheetBt15");
    EXPECT_EQ(Panel().ssTb0BChk->CheckedCount(), 9);

    // Too few draws: the pick's message, and the selector stays as it was.
    program.Form().SetHistory(DrawHistory(program.Form().History().begin(), program.Form().History().begin() + 20));
    const QString before = redLabel->text();
    program.Dialogs().ExpectMessage(ToQ(kExpertTooFewDraws));
    ClickButton("ssTb0SheetBt5");
    EXPECT_EQ(redLabel->text(), before);
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(ShrinkResults, SameTailLabelNamesTheLastDrawOfTheCurrentHistory)
{
    Start(120);
    const auto lastDrawText = [this] {
        return "尾数与上期相同个数：(上期号码:" + FormatTicket(program.Form().History().back().Reds) + ")";
    };
    QLabel* label = program.Find<QLabel>(QStringLiteral("SameTailCountLbl"));
    Panel().RcmPctl->setCurrentWidget(Panel().RcmPctl->Page(QStringLiteral("RcmSheet1")));
    EXPECT_EQ(FromQ(label->text()), lastDrawText());

    // A history replaced while another view is in front: the page shows the new last draw when the
    // panel comes back, though its tab never changed.
    program.Form().FileMenuManulClick();
    const DrawHistory& history = program.Form().History();
    program.Form().SetHistory(DrawHistory(history.begin(), history.begin() + 50));
    program.Form().ScaleMenuClick();
    EXPECT_EQ(FromQ(label->text()), lastDrawText());
}

TEST_F(ShrinkResults, ChartButtonsJumpToTheirCharts)
{
    Start();
    ClickButton("tj41tbBt");
    EXPECT_EQ(program.Form().CurrentView(), program.Form().GridPctl);
    EXPECT_EQ(program.Form().GridPctl->currentIndex(), 2);
    ClickButton("tjXhtb22Bt");
    EXPECT_EQ(program.Form().GridPctl->currentIndex(), 9);
    ClickButton("Button2");
    EXPECT_EQ(program.Form().CurrentView(), static_cast<QWidget*>(program.Form().PridictPanel));
    ClickButton("tj6TuBt");
    EXPECT_NE(program.Form().findChild<QWidget*>(QStringLiteral("tj6TuBtTuForm")), nullptr);
}

} // namespace
} // namespace quorvane::gui::test
