// The pages whose tabs are hidden: they filter like the command line, check their selectors, edit
// their lists, report the health checks, fill the reference memo, and a menu item shows them.
#include <gtest/gtest.h>

#include <sstream>

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

#include "Cli.h"
#include "ShrinkTestSupport.h"
#include "app/CodeViewForm.h"
#include "app/QtText.h"
#include "controls/ColorChk.h"
#include "controls/MultiChk.h"
#include "recommend/QuickPicks.h"
#include "shrink/CodeSets.h"
#include "shrink/HealthCheck.h"
#include "shrink/ReferenceSets.h"
#include "text/SplitText.h"

namespace quorvane::gui::test {
namespace {

using quorvane::test::TempDir;
using quorvane::test::WriteBytes;

class HiddenPages : public ShrinkPanelFixture
{
protected:
    // Chooses an item of a selector as the user does.
    void Choose(const char* selector, int item)
    {
        auto* combo = program.Find<QComboBox>(QString::fromLatin1(selector));
        combo->setCurrentIndex(item);
        emit combo->activated(item);
    }
    int Item(const char* selector) { return program.Find<QComboBox>(QString::fromLatin1(selector))->currentIndex(); }
    TMultiChk* Picker(const char* name) { return program.Find<TMultiChk>(QString::fromLatin1(name)); }
    QListWidget* List(const char* name) { return program.Find<QListWidget>(QString::fromLatin1(name)); }
    QStringList Entries(const char* name)
    {
        QStringList entries;
        for (int i = 0; i < List(name)->count(); ++i) {
            entries.push_back(List(name)->item(i)->text());
        }
        return entries;
    }
    QString ReferenceMemo() { return program.Find<QPlainTextEdit>(QStringLiteral("ssTb4SheetGbx1Memo"))->toPlainText(); }

    TempDir dir;
};

TEST_F(HiddenPages, AFileSettingHiddenPagesFiltersAsTheCommandLineDoes)
{
    Start(150);
    const std::string conditions = dir.File("hidden.ini");
    WriteBytes(conditions, "[条件设置]\r\n"
                           "ssTb0MChk=01#02#03#04#05#06#07#08#09#10#11#12#13#14#15#16#17#18#19#20\r\n"
                           "FwshlRowCbbArr0=3\r\n"
                           "FzqjqColCbbArr2=3\r\n"
                           "zqjqEd1=9\r\n"
                           "3D匹配=0,5&0,1#1,2,3&1,2,3\r\n"
                           "CodeSelLbx1ssTb3Gbx1Lbx=1,2,3,4,5,6&1,2\r\n"
                           "ssTb3Gbx2Num=10,11,12,13\r\n");
    LoadThroughButton(conditions);
    Click("RcmPanelScaleBt");
    // The window shows what was loaded.
    EXPECT_EQ(Item("wshlRowcbb1"), 3);
    EXPECT_EQ(Item("zqjqColCbb3"), 3);
    EXPECT_EQ(Entries("Sel3DCodeLbx"), (QStringList{QStringLiteral("0,5&0,1"), QStringLiteral("1,2,3&1,2,3")}));

    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(cli::RunCli({"shrink", "--data", program.File("ssq.dxt"), "--conditions", conditions}, out, err), 0)
        << err.str();
    const std::vector<std::string> cliLines = SplitLines(out.str());
    const QStringList memo = MemoText().split(QLatin1Char('\n'));
    ASSERT_GE(cliLines.size(), 6u);
    ASSERT_GE(memo.size(), 6);
    EXPECT_EQ(memo[5], ToQ(cliLines[5])); // the count line
    EXPECT_EQ(memo[5].indexOf(QStringLiteral("总共0注")), -1);
    for (std::size_t i = 1; i < cliLines.size() && i < static_cast<std::size_t>(memo.size()); ++i) {
        EXPECT_EQ(FromQ(memo[static_cast<qsizetype>(i)]), cliLines[i]) << i;
    }
}

TEST_F(HiddenPages, SelectorChecksRefuseMoreThanSixAndAnIncompleteGroup)
{
    Start();
    Choose("RowCbb1", 4); // "3"
    Choose("RowCbb2", 4);
    program.Dialogs().ExpectMessage(QStringLiteral("6行选择的出球总数超过6个，请重新选择!"));
    Choose("RowCbb3", 2); // "1": seven in all
    EXPECT_EQ(Item("RowCbb3"), 0);
    EXPECT_EQ(Item("RowCbb1"), 4);

    Choose("zqjqColCbb1", 3); // "2"
    Choose("zqjqColCbb2", 3);
    program.Dialogs().ExpectMessage(QStringLiteral("3列全部选择以后，选择的出球总数应该是6个！现在是5个，请重新选择!"));
    Choose("zqjqColCbb3", 2);
    EXPECT_EQ(Item("zqjqColCbb3"), 0);
    Choose("zqjqColCbb3", 3); // 2 + 2 + 2 = 6: accepted
    EXPECT_EQ(Item("zqjqColCbb3"), 3);
    EXPECT_TRUE(program.Dialogs().AllUsed());

    // A loaded file sets the selectors without a check; the clears leave them as they are.
    Panel().ClearAllConditions(false);
    EXPECT_EQ(Item("RowCbb1"), 4);
}

TEST_F(HiddenPages, CodeSetListsAddDeleteAndLoadBack)
{
    Start();
    Picker("ssTb3Gbx1NumChk")->SetCheckedText(",", "1,2,3");
    program.Dialogs().ExpectMessage(ToQ(kCodeSetEntryMessage));
    ClickButton("ssTb3SheetBt3");
    EXPECT_EQ(List("CodeSelLbx1ssTb3Gbx1Lbx")->count(), 0);
    Picker("ssTb3Gbx1CountChk")->SetCheckedText(",", "1,2");
    ClickButton("ssTb3SheetBt3");
    Picker("ssTb3Gbx1NumChk")->SetCheckedText(",", "30,31");
    Picker("ssTb3Gbx1CountChk")->SetCheckedText(",", "0");
    ClickButton("ssTb3SheetBt3");
    EXPECT_EQ(Entries("CodeSelLbx1ssTb3Gbx1Lbx"), (QStringList{QStringLiteral("1,2,3&1,2"), QStringLiteral("30,31&0")}));

    // One selected entry goes back into the pickers.
    List("CodeSelLbx1ssTb3Gbx1Lbx")->setCurrentRow(0);
    EXPECT_EQ(Picker("ssTb3Gbx1NumChk")->GetCheckedText(","), "1,2,3");
    EXPECT_EQ(Picker("ssTb3Gbx1CountChk")->GetCheckedText(","), "1,2");
    ClickButton("ssTb3SheetBt4");
    EXPECT_EQ(Entries("CodeSelLbx1ssTb3Gbx1Lbx"), QStringList{QStringLiteral("30,31&0")});
    ClickButton("ssTb3SheetBt2");
    EXPECT_EQ(Picker("ssTb3Gbx1NumChk")->CheckedCount(), 33);
    ClickButton("ssTb3SheetBt1");
    EXPECT_EQ(Picker("ssTb3Gbx1NumChk")->CheckedCount(), 0);

    // The tail-digit sets of "匹配" say which picker is empty.
    program.Dialogs().ExpectMessage(ToQ(kTailSetNoDigitMessage));
    ClickButton("SelCodeGbxAddBt");
    Picker("SelCodeGbxNumChk")->SetCheckedText(",", "0,5");
    program.Dialogs().ExpectMessage(ToQ(kTailSetNoCountMessage));
    ClickButton("SelCodeGbxAddBt");
    Picker("SelCodeGbxCountChk")->SetCheckedText(",", "2");
    ClickButton("SelCodeGbxAddBt");
    EXPECT_EQ(Entries("Sel3DCodeLbx"), QStringList{QStringLiteral("0,5&2")});
    ClickButton("SelCodeGbxClearBt");
    EXPECT_EQ(Picker("SelCodeGbxNumChk")->CheckedCount() + Picker("SelCodeGbxCountChk")->CheckedCount(), 0);
    EXPECT_EQ(List("Sel3DCodeLbx")->count(), 1);

    // Several selected entries of "自选号码x" are deleted at once.
    for (const char* numbers : {"1,2", "3,4", "5,6"}) {
        Picker("RcmSheet2Gbx1NumChk")->SetCheckedText(",", numbers);
        Picker("RcmSheet2Gbx1CountChk")->SetCheckedText(",", "1");
        ClickButton("Sheet2AddSetBt1");
    }
    List("CodeSelLbx1")->item(0)->setSelected(true);
    List("CodeSelLbx1")->item(2)->setSelected(true);
    ClickButton("Sheet2DelSetBt1");
    EXPECT_EQ(Entries("CodeSelLbx1"), QStringList{QStringLiteral("3,4&1")});
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(HiddenPages, HealthChecksReportInTheirWindow)
{
    Start(120);
    program.Dialogs().ExpectMessage(ToQ(kHealthNoNumberMessage));
    ClickButton("Sheet2CodeStatBt1");
    TCodeViewForm& window = program.Form().CodeViewForm();
    EXPECT_FALSE(window.isVisible());

    Picker("RcmSheet2Gbx1NumChk")->SetCheckedText(",", "1,2");
    ClickButton("Sheet2CodeStatBt1");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("号码体检"));
    EXPECT_EQ(window.Memo->toPlainText(), QStringLiteral("开奖号码总共120期\n1,2出现3个号总共0期\n1,2出现4个号总共0期\n"
                                                         "1,2出现5个号总共0期\n1,2出现6个号总共0期"));

    Picker("SelCodeGbxNumChk")->SetCheckedText(",", "0,1,2,3,4,5,6,7,8,9");
    ClickButton("SelCodeGbxStatBt");
    const QStringList lines = window.Memo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[6], QStringLiteral("0,1,2,3,4,5,6,7,8,9出现6个号总共120期"));
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(HiddenPages, ReferenceFillsContinueTheProgramsGenerator)
{
    Start(120);
    Random random;
    // A quick pick first: the fills continue after it.
    ClickButton("ssTb0SheetBt6");
    RandomRedPick(random);

    program.Find<QSpinBox>(QStringLiteral("ssTb4Gbx1Sp3"))->setValue(3);
    program.Find<QRadioButton>(QStringLiteral("ssTb4Gbx1Rd3"))->click();
    EXPECT_EQ(FromQ(ReferenceMemo()), JoinText(RandomReferenceLines(random, 6, 3), "\n"));
    program.Find<QSpinBox>(QStringLiteral("ssTb4Gbx1Sp5"))->setValue(2);
    program.Find<QRadioButton>(QStringLiteral("ssTb4Gbx1Rd5"))->click();
    EXPECT_EQ(FromQ(ReferenceMemo()), JoinText(RandomReferenceLines(random, 15, 2), "\n"));
    // The next random pick goes on from there.
    ClickButton("ssTb0SheetBt16");
    const std::vector<int> blues = RandomBluePick(random);
    EXPECT_EQ(Panel().ssTb0BChk->CheckedCount(), static_cast<int>(blues.size()));
    for (const int cell : blues) {
        EXPECT_EQ(Panel().ssTb0BChk->GetCheck(cell), 1);
    }

    program.Find<QRadioButton>(QStringLiteral("ssTb4Gbx1Rd1"))->click();
    EXPECT_EQ(FromQ(ReferenceMemo()), JoinText(HistoryReferenceLines(program.Form().History(), 10), "\n"));
}

TEST_F(HiddenPages, ImportedReferenceLinesAreCheckedWholeBeforeTheMemoChanges)
{
    Start();
    const QString before = ReferenceMemo();
    ClickButton("ssTb4Gbx1Bt1"); // "导入数据" not chosen: nothing happens
    program.Find<QRadioButton>(QStringLiteral("ssTb4Gbx1Rd6"))->click();

    const std::string good = dir.File("good.txt");
    WriteBytes(good, "01 02 03 04 05 06\r\n07 08 09 10 11 12 13 14 15 16 17 18\r\n");
    const std::string bad = dir.File("bad.txt");
    WriteBytes(bad, "01 02 03 04 05 06\r\n01 02 03 x 05 06\r\n");
    program.Dialogs()
        .ExpectOpenFile(ToQ(bad))
        .ExpectMessage(ToQ(ReferenceLineErrorText(2, "01 02 03 x 05 06")))
        .ExpectOpenFile(ToQ(dir.File("missing.txt")))
        .ExpectMessage();
    ClickButton("ssTb4Gbx1Bt1");
    ClickButton("ssTb4Gbx1Bt1");
    EXPECT_EQ(ReferenceMemo(), before);
    program.Dialogs().ExpectOpenFile(ToQ(good));
    ClickButton("ssTb4Gbx1Bt1");
    EXPECT_EQ(ReferenceMemo(), QStringLiteral("01 02 03 04 05 06\n07 08 09 10 11 12 13 14 15 16 17 18"));

    // A line typed by hand that is no set of numbers stops the run with its message.
    program.Find<QPlainTextEdit>(QStringLiteral("ssTb4SheetGbx1Memo"))->setPlainText(QStringLiteral("01 02 03\n"));
    SetControl("ssTb4Gbx1Chk", "1");
    Picker("ssTb4Gbx1MChk")->SetCheckedText(",", "1");
    program.Dialogs().ExpectMessage(ToQ(ReferenceLineErrorText(1, "01 02 03")));
    Click("RcmPanelScaleBt");
    EXPECT_TRUE(MemoText().isEmpty());
    EXPECT_TRUE(program.Dialogs().AllUsed());
    // The message numbers the line as the memo shows it, blank lines counted.
    program.Find<QPlainTextEdit>(QStringLiteral("ssTb4SheetGbx1Memo"))
        ->setPlainText(QStringLiteral("01 02 03 04 05 06\n\n01 02 03 x 05 06"));
    program.Dialogs().ExpectMessage(ToQ(ReferenceLineErrorText(3, "01 02 03 x 05 06")));
    Click("RcmPanelScaleBt");
    EXPECT_TRUE(MemoText().isEmpty());
    EXPECT_TRUE(program.Dialogs().AllUsed());
}

TEST_F(HiddenPages, TheMenuItemShowsExactlyTheHiddenTabsAndIsRemembered)
{
    Start();
    const auto shownTabs = [this] {
        QStringList shown;
        for (int i = 0; i < Panel().RcmPctl->count(); ++i) {
            if (Panel().RcmPctl->isTabVisible(i)) {
                shown.push_back(Panel().RcmPctl->widget(i)->objectName());
            }
        }
        return shown;
    };
    QStringList visible;
    QStringList all;
    for (const TPageSpec& page : kRcmPages) {
        all.push_back(QString::fromLatin1(page.Name));
        if (!page.Hidden) {
            visible.push_back(QString::fromLatin1(page.Name));
        }
    }
    QAction* item = program.Find<QAction>(QStringLiteral("ScaleMenuAllPages"));
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(shownTabs(), visible);
    item->trigger();
    EXPECT_EQ(shownTabs(), all);

    // The next start shows them too.
    program.Form().Settings().sync();
    TMainForm second(std::make_unique<TScriptedDialogs>(), program.Folder());
    EXPECT_TRUE(second.ScaleMenuAllPages->isChecked());
    TPageControl* pages = second.RcmPanel->RcmPctl;
    EXPECT_TRUE(pages->isTabVisible(pages->indexOf(pages->Page(QStringLiteral("wshlSheet")))));
    item->trigger();
    EXPECT_EQ(shownTabs(), visible);
}

} // namespace
} // namespace quorvane::gui::test
