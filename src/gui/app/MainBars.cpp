// The main window's menu bar, tool bar and status bar.
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "app/ErrorReport.h"
#include "app/Icons.h"
#include "app/MainForm.h"
#include "app/QtText.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

using Command = void (TMainForm::*)();

struct TCommandSpec
{
    const char* Name;
    const char* Caption;
    const char* Hint; // shown in the status bar while the pointer rests on the command
    Command Run;
    QStyle::StandardPixmap Icon = QStyle::SP_CustomBase; // tool buttons only
};

// Gives the action the command's hints and runs the command when the action is triggered.
QAction* BindCommand(TMainForm* form, const TCommandSpec& command, QAction* action)
{
    const QString hint = ToQ(command.Hint);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? action->text() : hint);
    const Command run = command.Run;
    ConnectCommand(action, &QAction::triggered, form, [form, run] { (form->*run)(); });
    return action;
}

// A menu command: an action named after the command.
QAction* NewCommand(TMainForm* form, const TCommandSpec& command, QObject* parent)
{
    auto* action = new QAction(ToQ(command.Caption), parent);
    action->setObjectName(ToQ(command.Name));
    return BindCommand(form, command, action);
}

// The part of a hint after "|" (the whole hint when it has none).
QString LongHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace

void TMainForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* file = bar->addMenu(QStringLiteral("数据更新(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    QAction* manual = NewCommand(
        this, {"FileMenuManul", "手工编辑(&N)", "手工编辑开奖数据", &TMainForm::FileMenuManulClick}, file);
    manual->setShortcut(Qt::Key_F2);
    QAction* down = NewCommand(
        this, {"FileMenuDown", "在线更新(&O)", "直接从网站下载开奖数据", &TMainForm::FileMenuDownClick},
        file);
    down->setShortcut(Qt::Key_F3);
    file->addAction(manual);
    file->addAction(down);
    file->addSeparator();
    file->addAction(NewCommand(
        this, {"FileMenuExit", "退出(&X)", "关闭程序，退出彩票系统。", &TMainForm::FileMenuExitClick}, file));

    // Menus without items: choosing the menu runs its command.
    const TCommandSpec views[] = {
        {"GridMenu", "常用图表(&G)", "", &TMainForm::GridMenuClick},
        {"GridXMenu", "图表分析(&F)", "", &TMainForm::GridXMenuClick},
        {"ScaleMenu", "超强缩水(&T)", "", &TMainForm::ScaleMenuClick},
        {"RcmMenu", "号码推荐", "", &TMainForm::RcmMenuClick},
        {"DataMenu", "数据分析(&D)", "", &TMainForm::DataMenuClick},
        {"SqlMenu", "查询统计(&C)", "", &TMainForm::SqlMenuClick},
    };
    for (const TCommandSpec& command : views) {
        if (command.Run != &TMainForm::ScaleMenuClick) {
            bar->addAction(NewCommand(this, command, bar));
            continue;
        }
        // "超强缩水(&T)" is a menu: the command that shows the shrink panel, and the switch that
        // shows the condition pages whose tabs are hidden.
        QMenu* scale = bar->addMenu(ToQ(command.Caption));
        scale->setObjectName(QStringLiteral("ScaleMenuItems"));
        QAction* show = NewCommand(this, command, scale);
        show->setText(QStringLiteral("超强缩水"));
        scale->addAction(show);
        ScaleMenuAllPages = scale->addAction(QStringLiteral("显示全部条件页"));
        ScaleMenuAllPages->setObjectName(QStringLiteral("ScaleMenuAllPages"));
        ScaleMenuAllPages->setCheckable(true);
    }

    QMenu* help = bar->addMenu(QStringLiteral("帮助(&H)"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* topic = NewCommand(
        this, {"HelpMenuTopic", "帮助主题(&H)", "打开帮助主题文件", &TMainForm::HelpMenuTopicClick}, help);
    topic->setShortcut(Qt::Key_F1);
    help->addAction(topic);
    help->addAction(NewCommand(
        this, {"HelpMenuWebSite", "网站支持(&S)", "打开技术支持网站的主页", &TMainForm::HelpMenuWebSiteClick},
        help));
    help->addAction(
        NewCommand(this, {"HelpMenuAbout", "关于(&A)...", "", &TMainForm::HelpMenuAboutClick}, help));
}

void TMainForm::CreateToolBar()
{
    MainTbr = addToolBar(QStringLiteral("MainTbr"));
    MainTbr->setObjectName(QStringLiteral("MainTbr"));
    MainTbr->setMovable(false);
    MainTbr->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    MainTbr->setIconSize(QSize(32, 32));
    const TCommandSpec buttons[] = {
        {"FileMenuManulBt", "数据更新", "进入开奖数据的编辑管理模块", &TMainForm::FileMenuManulClick,
         QStyle::SP_FileDialogDetailedView},
        {"GridMenuBt", "常用图表", "打开分析图表深入研究", &TMainForm::GridMenuClick, QStyle::SP_DirIcon},
        {"GridXMenubBt", "图表分析", "", &TMainForm::GridXMenuClick, QStyle::SP_FileDialogListView},
        {"RcmMenuSuperScaleBt", "超强缩水", "进入拖胆缩水模块进行号码缩水工作。 ", &TMainForm::ScaleMenuClick,
         QStyle::SP_BrowserReload},
        {"RcmMenuBt", "号码推荐", "", &TMainForm::RcmMenuClick, QStyle::SP_DialogApplyButton},
        {"DataMenuBt", "数据分析", "", &TMainForm::DataMenuClick, QStyle::SP_FileDialogInfoView},
        {"SqlMenuBt", "查询统计", "进入号码查询模块查询历史开奖号码。 ", &TMainForm::SqlMenuClick,
         QStyle::SP_FileDialogContentsView},
        {"HelpMenuRecmBt", "网站支持", "打开技术支持网站的主页", &TMainForm::HelpMenuWebSiteClick,
         QStyle::SP_DialogHelpButton},
        {"HelpMenuAboutBt", "关于软件", "查看软件说明以及版权信息", &TMainForm::HelpMenuAboutClick,
         QStyle::SP_MessageBoxInformation},
        {"FileMenuExitBt", "关闭退出", "关闭程序，退出彩票系统", &TMainForm::FileMenuExitClick,
         QStyle::SP_DialogCloseButton},
    };
    for (const TCommandSpec& command : buttons) {
        QAction* action = AddToolButton(MainTbr, ToQ(command.Name), ToQ(command.Caption), command.Icon);
        // The program's own pictures, one per command.
        action->setIcon(IconOf(ToolIconDrawing(ToQ(command.Name))));
        BindCommand(this, command, action);
    }
}

void TMainForm::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    const int widths[3] = {420, 80, 50};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(panel);
        m_statusPanels[i] = panel;
    }
}

void TMainForm::SetStatusText(const QString& text)
{
    m_statusPanels[0]->setText(text);
}

QString TMainForm::StatusText() const
{
    return m_statusPanels[0]->text();
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        SetStatusText(LongHint(static_cast<QStatusTipEvent*>(event)->tip()));
        return true;
    }
    return QMainWindow::event(event);
}

} // namespace quorvane::gui
