#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "app/AboutForm.h"
#include "app/QtText.h"
#include "history/DataPage.h"
#include "text/AtomicFile.h"
#include "views/DataView.h"
#include "views/PageControl.h"
#include "views/PredictPanel.h"
#include "views/QueryView.h"
#include "views/ShrinkPanel.h"

namespace quorvane::gui::test {
namespace {

using quorvane::test::ReadBytes;
using Kind = TScriptedDialogs::Kind;

const std::string kThreeDraws = "2005011 01 02 03 04 05 06 07\r\n"
                                "2005012 05 09 13 22 28 31 12\r\n"
                                "2005013 03 08 14 21 27 30 09\r\n";

QStringList TabCaptions(const QTabWidget* pages, bool visibleOnly)
{
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i) {
        if (!visibleOnly || pages->isTabVisible(i)) {
            captions.push_back(pages->tabText(i));
        }
    }
    return captions;
}

TEST(MainForm, StartsWithAGoodDataFile)
{
    TProgram program;
    program.Start(kThreeDraws);
    TMainForm& form = program.Form();
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quorvane  V2010  技术支持: quorvane@example.org"));
    EXPECT_EQ(form.size(), QSize(812, 566));
    EXPECT_EQ(form.minimumSize(), QSize(300, 300));
    EXPECT_EQ(form.CurrentView(), form.DataPanel);
    EXPECT_TRUE(form.DataPanel->isVisible());
    EXPECT_EQ(form.DataPanel->geometry(), form.centralWidget()->rect());
    EXPECT_EQ(form.StatusText(), QString());
    ASSERT_EQ(form.History().size(), 3u);
    EXPECT_EQ(form.History().back().Issue(), 2005013);
    EXPECT_EQ(form.DataPanel->DataMemo->toPlainText().count(QLatin1Char('\n')), 2);

    const QList<QAction*> levels = form.PopupMenuCodeScale->actions();
    ASSERT_EQ(levels.size(), 20);
    EXPECT_EQ(levels[2]->text(), QStringLiteral("第3级智能缩水号码"));
    EXPECT_EQ(levels[2]->data().toInt(), 3);
    EXPECT_EQ(levels[19]->text(), QStringLiteral("第20级智能缩水号码"));
}

TEST(MainForm, StartsWithABadOrEmptyDataFile)
{
    TProgram bad;
    bad.Start(kThreeDraws + "2005014 03 08 14 21 27 30\r\n",
              [](TScriptedDialogs& d) { d.ExpectMessage(ToQ(std::string(kBadLinesMessage) + "\r\n4,")); });
    EXPECT_TRUE(bad.Form().History().empty());
    EXPECT_TRUE(bad.Form().DataPanel->DataMemo->toPlainText().endsWith(QStringLiteral("27 30")));
    EXPECT_EQ(bad.Form().CurrentView(), bad.Form().DataPanel);

    TProgram empty;
    empty.Start(std::string());
    EXPECT_TRUE(empty.Form().History().empty());
    EXPECT_TRUE(empty.Form().DataPanel->DataMemo->toPlainText().isEmpty());
}

TEST(MainForm, StartsWithoutADataFileAndStaysUsable)
{
    TProgram program;
    const QString path = QString::fromStdString(program.File("ssq.dxt"));
    program.Start(std::nullopt,
                  [&](TScriptedDialogs& d) { d.ExpectError(ToQ(FileOpenErrorText(path.toStdString()))); });
    TMainForm& form = program.Form();
    form.show();
    EXPECT_TRUE(form.History().empty());
    EXPECT_EQ(form.CurrentView(), form.DataPanel);

    // The user types draws and saves them: the file is created and the history follows.
    form.DataPanel->DataMemo->setPlainText(QStringLiteral("2005013 03 08 14 21 27 30 09"));
    program.Find<QToolButton>(QStringLiteral("Sheet1TbrSaveBt"))->click();
    EXPECT_EQ(ReadBytes(path.toStdString()), "2005013 03 08 14 21 27 30 09\r\n");
    EXPECT_EQ(form.History().size(), 1u);
}

TEST(MainForm, EveryMenuItemAndToolButtonShowsItsView)
{
    TProgram program;
    program.Start(DemoDataText(40)); // the chart pages shown need 30 draws
    TMainForm& form = program.Form();
    form.show();
    const std::pair<const char*, QWidget*> commands[] = {
        {"GridMenu", form.ChartPCtr},      {"GridXMenu", form.GridPctl}, {"ScaleMenu", form.RcmPanel},
        {"RcmMenu", form.PridictPanel},    {"DataMenu", form.fxPCtr},    {"SqlMenu", form.SqlPanel},
        {"FileMenuManul", form.DataPanel},
    };
    for (const auto& [name, view] : commands) {
        program.Find<QAction>(QString::fromUtf8(name))->trigger();
        EXPECT_EQ(form.CurrentView(), view) << name;
        EXPECT_TRUE(view->isVisible()) << name;
        form.SqlMenuClick();
    }
    const std::pair<const char*, QWidget*> buttons[] = {
        {"GridMenuBt", form.ChartPCtr},
        {"GridXMenubBt", form.GridPctl},
        {"RcmMenuSuperScaleBt", form.RcmPanel},
        {"RcmMenuBt", form.PridictPanel},
        {"DataMenuBt", form.fxPCtr},
        {"SqlMenuBt", form.SqlPanel},
        {"FileMenuManulBt", form.DataPanel},
    };
    for (const auto& [name, view] : buttons) {
        QToolButton* button = program.Find<QToolButton>(QString::fromUtf8(name));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(form.CurrentView(), view) << name;
        EXPECT_TRUE(view->isVisible()) << name;
    }
    // The main tool bar's captions, left to right.
    QStringList captions;
    for (QAction* action : form.MainTbr->actions()) {
        captions.push_back(action->text());
    }
    EXPECT_EQ(
        captions.join(QLatin1Char(',')),
        QStringLiteral(
            "数据更新,常用图表,图表分析,超强缩水,号码推荐,数据分析,查询统计,网站支持,关于软件,关闭退出"));
    // F2 shows the data view.
    form.SqlMenuClick();
    EXPECT_EQ(program.Find<QAction>(QStringLiteral("FileMenuManul"))->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(program.Find<QAction>(QStringLiteral("FileMenuDown"))->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(program.Find<QAction>(QStringLiteral("HelpMenuTopic"))->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST(MainForm, ChartMenusOpenTheirPages)
{
    TProgram program;
    program.Start(DemoDataText(40)); // the chart pages shown need 30 draws
    TMainForm& form = program.Form();
    form.show();
    // "图表分析(&F)" always opens the first chart page.
    form.GridPctl->setCurrentIndex(5);
    form.GridXMenuClick();
    EXPECT_EQ(form.GridPctl->currentIndex(), 0);
    EXPECT_EQ(form.GridPctl->currentWidget()->objectName(), QStringLiteral("ExTabSheet1"));
    // "常用图表(&G)" and "数据分析(&D)" keep the page last shown.
    form.ChartPCtr->setCurrentIndex(2);
    form.fxPCtr->setCurrentIndex(4);
    form.SqlMenuClick();
    form.GridMenuClick();
    EXPECT_EQ(form.ChartPCtr->currentIndex(), 2);
    form.DataMenuClick();
    EXPECT_EQ(form.fxPCtr->currentIndex(), 4);
    // The jump buttons of the shrink pages.
    form.ShowGridPage(9);
    EXPECT_EQ(form.CurrentView(), form.GridPctl);
    EXPECT_EQ(form.GridPctl->currentWidget()->objectName(), QStringLiteral("ExTabSheet9"));
    form.ShowPredictView();
    EXPECT_EQ(form.CurrentView(), form.PridictPanel);
}

TEST(MainForm, PageControlsHoldTheirPages)
{
    TProgram program;
    program.Start(kThreeDraws);
    TMainForm& form = program.Form();
    ASSERT_EQ(form.GridPctl->count(), 25);
    EXPECT_EQ(
        TabCaptions(form.GridPctl, false).mid(0, 11).join(QLatin1Char(',')),
        QStringLiteral("红球走势图,区域分布图,尾号走势图,奇偶走势图,尾数大小走势图,大小走势图,空行空列图,"
                       "红球统计图,旋转图,蓝球走势图,蓝球统计图"));
    EXPECT_EQ(form.GridPctl->widget(5)->objectName(), QStringLiteral("ExTabSheet22"));
    EXPECT_EQ(form.GridPctl->widget(21)->objectName(), QStringLiteral("ExTabSheet21"));
    EXPECT_EQ(form.GridPctl->widget(22)->objectName(), QStringLiteral("ExTabSheet23"));
    EXPECT_EQ(TabCaptions(form.ChartPCtr, false).join(QLatin1Char(',')),
              QStringLiteral("三区比例图,一区和值图,二区和值图,三区和值图"));
    EXPECT_EQ(
        TabCaptions(form.fxPCtr, false).join(QLatin1Char(',')),
        QStringLiteral(
            "一区和值频率图,一区和值遗漏图,二区和值频率图,二区和值遗漏图,三区和值频率图,三区和值遗漏图"));

    auto* rcm = program.Find<TPageControl>(QStringLiteral("RcmPctl"));
    EXPECT_EQ(
        TabCaptions(rcm, true).join(QLatin1Char(',')),
        QStringLiteral("选号范围,条件一,条件二,条件三,条件四,条件五,条件六,条件缩水,常规缩水,缩水结果"));
    EXPECT_EQ(rcm->count(), 18);
    EXPECT_NE(rcm->Page(QStringLiteral("RcmSheet2")), nullptr);
    EXPECT_EQ(rcm->Page(QStringLiteral("RcmSheet4"))->findChild<QPlainTextEdit*>(QStringLiteral("RcmMemo")) !=
                  nullptr,
              true);
    EXPECT_NE(program.Find<QPlainTextEdit>(QStringLiteral("TuiMemo")), nullptr);
}

TEST(MainForm, StatusBarShowsTheHints)
{
    TProgram program;
    program.Start(kThreeDraws);
    TMainForm& form = program.Form();
    form.show();
    const int widths[] = {420, 80, 50};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(program.Find<QLabel>(QStringLiteral("StatusPanel%1").arg(i))->width(), widths[i]);
    }
    const std::pair<const char*, const char*> hints[] = {
        {"FileMenuManulBt", "进入开奖数据的编辑管理模块"},
        {"GridMenuBt", "打开分析图表深入研究"},
        {"RcmMenuSuperScaleBt", "进入拖胆缩水模块进行号码缩水工作。 "},
        {"SqlMenuBt", "进入号码查询模块查询历史开奖号码。 "},
        {"HelpMenuRecmBt", "打开技术支持网站的主页"},
        {"HelpMenuAboutBt", "查看软件说明以及版权信息"},
        {"FileMenuExitBt", "关闭程序，退出彩票系统"},
    };
    for (const auto& [name, hint] : hints) {
        QToolButton* button = program.Find<QToolButton>(QString::fromUtf8(name));
        QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(form.StatusText(), QString::fromUtf8(hint)) << name;
    }
    const std::pair<const char*, const char*> menuHints[] = {
        {"FileMenuManul", "手工编辑开奖数据"},         {"FileMenuDown", "直接从网站下载开奖数据"},
        {"FileMenuExit", "关闭程序，退出彩票系统。"},  {"HelpMenuTopic", "打开帮助主题文件"},
        {"HelpMenuWebSite", "打开技术支持网站的主页"},
    };
    for (const auto& [name, hint] : menuHints) {
        program.Find<QAction>(QString::fromUtf8(name))->showStatusText(form.menuBar());
        EXPECT_EQ(form.StatusText(), QString::fromUtf8(hint)) << name;
    }
    // A hint in two parts shows the part after "|".
    QStatusTipEvent tip(QStringLiteral("红球|选择可能入奖的红球，最少选择6个。"));
    QApplication::sendEvent(form.RcmPanel, &tip);
    EXPECT_EQ(form.StatusText(), QStringLiteral("选择可能入奖的红球，最少选择6个。"));
}

TEST(MainForm, HelpCommandsOpenTheHelpFileTheSiteAndTheAboutWindow)
{
    TProgram program;
    program.Start(kThreeDraws);
    TScriptedDialogs& dialogs = program.Dialogs();
    dialogs.ExpectOpenUrl(QUrl::fromLocalFile(program.Folder() + QStringLiteral("/readme.txt")).toString())
        .ExpectOpenUrl(QStringLiteral("https://quorvane.example.org/"))
        .ExpectOpenUrl(QStringLiteral("https://quorvane.example.org/"));
    program.Find<QAction>(QStringLiteral("HelpMenuTopic"))->trigger();
    program.Find<QAction>(QStringLiteral("HelpMenuWebSite"))->trigger();
    program.Find<QToolButton>(QStringLiteral("HelpMenuRecmBt"))->click();

    bool looked = false;
    dialogs.ExpectModal([&](QDialog& dialog) {
        auto& about = dynamic_cast<TAboutForm&>(dialog);
        EXPECT_EQ(about.windowTitle(), QStringLiteral("关于"));
        EXPECT_EQ(about.NameLbl->text(), QStringLiteral("Quorvane"));
        EXPECT_TRUE(about.VersionLbl->text().contains(QStringLiteral("2010")));
        EXPECT_EQ(about.DateLbl->text(), QStringLiteral("发行日期:2010年10月"));
        EXPECT_TRUE(about.WebLbl->text().contains(QStringLiteral("https://quorvane.example.org/")));
        EXPECT_EQ(about.CloseBt->text(), QStringLiteral("关闭"));
        // Clicking the address opens it in the browser; "关闭" closes the window.
        dialogs.ExpectOpenUrl(QStringLiteral("https://quorvane.example.org/"));
        emit about.WebLbl->linkActivated(QStringLiteral("https://quorvane.example.org/"));
        about.show();
        about.CloseBt->click();
        EXPECT_FALSE(about.isVisible());
        looked = true;
        return about.result();
    });
    program.Find<QToolButton>(QStringLiteral("HelpMenuAboutBt"))->click();
    EXPECT_TRUE(looked);
    dialogs.ExpectModal();
    program.Find<QAction>(QStringLiteral("HelpMenuAbout"))->trigger();
    EXPECT_EQ(dialogs.Texts(Kind::Modal), (QStringList{QStringLiteral("关于"), QStringLiteral("关于")}));
}

TEST(MainForm, SwitchingViewsKeepsTheEditorsState)
{
    TProgram program;
    program.Start(kThreeDraws);
    TMainForm& form = program.Form();
    form.show();
    QPlainTextEdit* memo = form.DataPanel->DataMemo;
    memo->appendPlainText(QStringLiteral("2005014 01"));
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(10);
    memo->setTextCursor(cursor);
    const QString text = memo->toPlainText();
    form.SqlMenuClick();
    program.Dialogs().ExpectOpenUrl();
    form.HelpMenuWebSiteClick();
    program.Find<QToolButton>(QStringLiteral("FileMenuManulBt"))->click();
    EXPECT_EQ(form.CurrentView(), form.DataPanel);
    EXPECT_EQ(memo->toPlainText(), text);
    EXPECT_EQ(memo->textCursor().position(), 10);
}

TEST(MainForm, ClosingWithUnsavedEditsAsksToSave)
{
    TProgram program;
    program.Start(kThreeDraws);
    TMainForm& form = program.Form();
    form.show();
    // Nothing changed: closes without a question.
    EXPECT_TRUE(form.close());

    form.show();
    form.DataPanel->DataMemo->appendPlainText(QStringLiteral("2005014 01 02 03 04 05 06 07"));
    TScriptedDialogs& dialogs = program.Dialogs();
    dialogs.ExpectAsk(TAnswer::Cancel, ToQ(kSaveChangesQuestion));
    program.Find<QToolButton>(QStringLiteral("FileMenuExitBt"))->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), kThreeDraws);

    dialogs.ExpectAsk(TAnswer::No);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), kThreeDraws);

    form.show();
    dialogs.ExpectAsk(TAnswer::Yes);
    program.Find<QAction>(QStringLiteral("FileMenuExit"))->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), kThreeDraws + "2005014 01 02 03 04 05 06 07\r\n");

    // After the save, nothing is unsaved.
    form.show();
    EXPECT_TRUE(form.close());
}

TEST(MainForm, ClosingStaysOpenWhenTheSaveFails)
{
    TProgram program;
    program.Start(kThreeDraws);
    TMainForm& form = program.Form();
    form.show();
    form.DataPanel->DataMemo->appendPlainText(QStringLiteral("x"));
    // The data file's place is taken by a folder: the save cannot replace it.
    std::filesystem::remove(program.File("ssq.dxt"));
    std::filesystem::create_directory(program.File("ssq.dxt"));
    program.Dialogs().ExpectAsk(TAnswer::Yes).ExpectError(ToQ(FileWriteErrorText(program.File("ssq.dxt"))));
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace quorvane::gui::test
