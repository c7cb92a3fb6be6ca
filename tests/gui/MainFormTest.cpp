#include <cerrno>
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
#include "history/BuiltinHistory.h"
#include "history/DataPage.h"
#include "text/AtomicFile.h"
#include "text/Encoding.h"
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
    // The status bar tells where the data file is: the whole path in the panel's tip, the text
    // shortened in the middle when the path is longer than the panel.
    QLabel* panel = program.Find<QLabel>(QStringLiteral("StatusPanel0"));
    const QString path = program.Folder() + QStringLiteral("/ssq.dxt");
    EXPECT_EQ(panel->toolTip(), path);
    EXPECT_TRUE(form.StatusText().startsWith(QStringLiteral("数据文件: ") + path.left(4))) << form.StatusText().toStdString();
    EXPECT_TRUE(form.StatusText().endsWith(QStringLiteral("ssq.dxt")));
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(form.StatusText()), panel->width());
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

TEST(MainForm, StartsWithoutADataFileFromTheCarriedHistory)
{
    TProgram program;
    program.Start(std::nullopt);
    TMainForm& form = program.Form();
    form.show();
    // Real draws from the first start, stored as the data file byte for byte, and said once.
    ASSERT_EQ(form.History().size(), 3493u);
    EXPECT_EQ(form.History().front().Issue(), 2003001);
    EXPECT_EQ(form.History().back().Issue(), 2026096);
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), std::string(BuiltinHistoryBytes()));
    EXPECT_EQ(form.StatusText(), QStringLiteral("已载入内置开奖数据，截至第2026096期"));
    EXPECT_EQ(form.DataPanel->DataMemo->document()->blockCount(), 3493);
    EXPECT_TRUE(form.close()); // nothing unsaved

    // The next start reads the file and leaves it byte-identical, whatever it holds.
    const std::string mine = "2005013 03 08 14 21 27 30 09\r\n";
    TProgram second;
    second.Start(mine);
    EXPECT_EQ(second.Form().History().size(), 1u);
    EXPECT_EQ(ReadBytes(second.File("ssq.dxt")), mine);
    TProgram empty;
    empty.Start(std::string());
    EXPECT_TRUE(empty.Form().History().empty());
    EXPECT_EQ(ReadBytes(empty.File("ssq.dxt")), "");
}

TEST(MainForm, AFolderThatCannotBeWrittenStillOpensWithTheCarriedHistory)
{
    quorvane::test::TempDir dir;
    quorvane::test::WriteBytes(dir.File("plain"), "x");
    const std::string folder = dir.File("plain") + "/data"; // inside a file: never writable
    auto dialogs = std::make_unique<TScriptedDialogs>();
    dialogs->ExpectError(ToQ(FileWriteErrorText(folder + "/ssq.dxt", WriteFailureReason(ENOTDIR))));
    TScriptedDialogs* script = dialogs.get();
    TMainForm form(std::move(dialogs), ToQ(folder));
    EXPECT_TRUE(script->AllUsed());
    EXPECT_EQ(form.History().size(), 3493u);
    EXPECT_EQ(form.StatusText(), QStringLiteral("已载入内置开奖数据，截至第2026096期"));
}

TEST(MainForm, StartsWithAnUnreadableDataFileAndStaysUsable)
{
    TProgram program;
    const QString path = QString::fromStdString(program.File("ssq.dxt"));
    std::filesystem::create_directory(path.toStdString()); // there, but not a file
    program.Start(std::nullopt,
                  [&](TScriptedDialogs& d) { d.ExpectError(ToQ(FileOpenErrorText(path.toStdString()))); });
    TMainForm& form = program.Form();
    form.show();
    EXPECT_TRUE(form.History().empty());
    EXPECT_EQ(form.CurrentView(), form.DataPanel);
    EXPECT_TRUE(form.DataPanel->DataMemo->toPlainText().isEmpty());

    // The user types draws; the save reports the folder in the way and changes nothing.
    form.DataPanel->DataMemo->setPlainText(QStringLiteral("2005013 03 08 14 21 27 30 09"));
    program.Dialogs().ExpectError(ToQ(FileWriteErrorText(path.toStdString(), WriteFailureReason(EISDIR))));
    program.Find<QToolButton>(QStringLiteral("Sheet1TbrSaveBt"))->click();
    EXPECT_TRUE(std::filesystem::is_directory(path.toStdString()));
    EXPECT_TRUE(form.History().empty());
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

TEST(MainForm, HelpFallsBackToTheProgramsOwnWindowsWhenTheDesktopCannotOpen)
{
    TProgram program;
    program.Start(kThreeDraws);
    TScriptedDialogs& dialogs = program.Dialogs();
    const QString help = program.Folder() + QStringLiteral("/readme.txt");
    EXPECT_EQ(program.Form().HelpFile(), help);

    // No handler and no help file: the message names the file it looked for.
    dialogs.ExpectOpenUrl(QString(), false).ExpectMessage(QStringLiteral("找不到帮助文件：\r\n") + help);
    program.Find<QAction>(QStringLiteral("HelpMenuTopic"))->trigger();

    // No handler: the help text shows in the program's text window.
    quorvane::test::WriteBytes(help.toStdString(), Utf8ToGbk("使用说明\r\n第二行\r\n"));
    bool shown = false;
    dialogs.ExpectOpenUrl(QString(), false).ExpectModal([&](QDialog& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("帮助主题"));
        EXPECT_EQ(window.findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->toPlainText(),
                  QStringLiteral("使用说明\n第二行"));
        shown = true;
        return 0;
    });
    program.Find<QAction>(QStringLiteral("HelpMenuTopic"))->trigger();
    EXPECT_TRUE(shown);

    // Web addresses: a message with the address to copy, from the menu, the tool bar and About.
    const QString site = QStringLiteral("https://quorvane.example.org/");
    const QString message = QStringLiteral("无法打开浏览器。请把下面的网址复制到浏览器中打开：\r\n") + site;
    dialogs.ExpectOpenUrl(site, false).ExpectMessage(message).ExpectOpenUrl(site, false).ExpectMessage(message);
    program.Find<QAction>(QStringLiteral("HelpMenuWebSite"))->trigger();
    program.Find<QToolButton>(QStringLiteral("HelpMenuRecmBt"))->click();
    dialogs.ExpectModal([&](QDialog& dialog) {
        auto& about = dynamic_cast<TAboutForm&>(dialog);
        // The About window says where the data file is.
        EXPECT_EQ(about.DataLbl->text(), QStringLiteral("数据文件: ") + program.Folder() + QStringLiteral("/ssq.dxt"));
        dialogs.ExpectOpenUrl(site, false).ExpectMessage(message);
        emit about.WebLbl->linkActivated(site);
        return 0;
    });
    program.Find<QAction>(QStringLiteral("HelpMenuAbout"))->trigger();
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
    EXPECT_EQ(dialogs.Log().back().Default, TAnswer::Cancel); // Enter keeps the program open
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

TEST(MainForm, TheQuitQuestionNeverEmptiesOrCorruptsTheFileUnasked)
{
    TProgram program;
    program.Start(kThreeDraws);
    TMainForm& form = program.Form();
    TScriptedDialogs& dialogs = program.Dialogs();
    form.show();

    // 清空数据, then 关闭退出 and 是: a second question in plain words, default 否, guards the file.
    program.Find<QToolButton>(QStringLiteral("Sheet1TbrClearBt"))->click();
    dialogs.ExpectAsk(TAnswer::Yes, ToQ(kSaveChangesQuestion)).ExpectAsk(TAnswer::No, ToQ(kEmptySaveQuestion));
    EXPECT_FALSE(form.close());
    EXPECT_EQ(dialogs.Log().back().Default, TAnswer::No);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), kThreeDraws);

    // A bad line, then 是: saved as 保存数据 saves it, the parse message shows, the program stays open
    // with the text and the previous history.
    form.DataPanel->DataMemo->setPlainText(ToQ(kThreeDraws) + QStringLiteral("2005014 01 02"));
    dialogs.ExpectAsk(TAnswer::Yes, ToQ(kSaveChangesQuestion))
        .ExpectMessage(ToQ(std::string(kBadLinesMessage) + "\r\n4,"));
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.StatusText(), QStringLiteral("保存文档完毕"));
    EXPECT_TRUE(form.DataPanel->DataMemo->toPlainText().endsWith(QStringLiteral("2005014 01 02")));

    // The user corrects the line; closing asks again and saves the corrected text.
    form.DataPanel->DataMemo->setPlainText(ToQ(kThreeDraws) + QStringLiteral("2005014 01 02 03 04 05 06 07"));
    dialogs.ExpectAsk(TAnswer::Yes, ToQ(kSaveChangesQuestion));
    EXPECT_TRUE(form.close());
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), kThreeDraws + "2005014 01 02 03 04 05 06 07\r\n");
    EXPECT_EQ(form.History().size(), 4u);

    // Emptying the file takes both answers.
    form.show();
    form.DataPanel->DataMemo->clear();
    dialogs.ExpectAsk(TAnswer::Yes, ToQ(kSaveChangesQuestion)).ExpectAsk(TAnswer::Yes, ToQ(kEmptySaveQuestion));
    EXPECT_TRUE(form.close());
    EXPECT_EQ(ReadBytes(program.File("ssq.dxt")), "");
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
    program.Dialogs().ExpectAsk(TAnswer::Yes).ExpectError(ToQ(FileWriteErrorText(program.File("ssq.dxt"), WriteFailureReason(EISDIR))));
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace quorvane::gui::test
