#include "app/MainForm.h"

#include <cstdlib>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStackedWidget>
#include <QUrl>

#include "app/AboutForm.h"
#include "app/CodeViewForm.h"
#include "app/ErrorReport.h"
#include "app/Icons.h"
#include "app/OpenAddress.h"
#include "app/PrintLines.h"
#include "app/ProgressForm.h"
#include "app/QtDialogs.h"
#include "app/QtText.h"
#include "app/SmForm.h"
#include "app/TuForm.h"
#include "controls/InterfaceFont.h"
#include "history/DataFile.h"
#include "history/DataPage.h"
#include "history/ProgramFolders.h"
#include "text/PrintText.h"
#include "views/ChartPageView.h"
#include "views/ChartPages.h"
#include "views/DataView.h"
#include "views/PredictPanel.h"
#include "views/QueryView.h"
#include "views/ShrinkPanel.h"
#include "views/ZoneSumPages.h"

namespace quorvane::gui {

namespace {
constexpr int kLevelCount = 20;
} // namespace

QString MainCaption()
{
    return QStringLiteral("Quorvane  V2010  ") + ToQ("技术支持: ") + ToQ(kSupportContact);
}

namespace {

// The data folder of a program started without one given, the one the command-line program also
// looks in: beside the program or the user's own (created when missing).
QString ChosenDataFolder()
{
    const std::string folder = DefaultDataFolder();
    MakeFolder(folder);
    return ToQ(folder);
}

} // namespace

TMainForm::TMainForm(std::unique_ptr<IDialogs> dialogs, const QString& programFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogs(std::move(dialogs))
    , m_programFolder(programFolder.isEmpty() ? ChosenDataFolder() : programFolder)
    , m_helpFile(ToQ(HelpFilePath(
          FromQ(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder))))
    , m_settings(std::make_unique<QSettings>(QDir(m_programFolder).filePath(ToQ(kSettingsFileName)),
                                             QSettings::IniFormat))
{
    if (!m_dialogs) {
        auto qtDialogs = std::make_unique<TQtDialogs>();
        qtDialogs->SetParent(this);
        qtDialogs->SetTitle(MainCaption());
        m_dialogs = std::move(qtDialogs);
    }
    SetErrorDialogs(m_dialogs.get());
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(ProgramIcon());
    setFont(InterfaceFont());
    resize(812, 566);
    setMinimumSize(300, 300);
    FormCreate();
    // The secondary windows wait hidden until a feature shows them.
    m_progressForm = new TProgressForm(this);
    m_smForm = new TSmForm(this);
    m_codeViewForm = new TCodeViewForm(this);
}

TMainForm::~TMainForm()
{
    if (ErrorDialogs() == m_dialogs.get()) {
        SetErrorDialogs(nullptr);
    }
}

void TMainForm::FormCreate()
{
    CreateLevelMenu();
    setWindowTitle(MainCaption());
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateViews();
    // The update server is a setting the user can change; the file shows it from the first run.
    if (!m_settings->contains(ToQ(kUpdateServerSetting))) {
        m_settings->setValue(ToQ(kUpdateServerSetting), ToQ(kDefaultUpdateServer));
    }
    // A data file that cannot be read is reported; the program still opens with an empty history,
    // so the user can import or download draws and save them.
    RunGuarded([this] { DataPanel->LoadStartupData(); });
    if (!DataPanel->StartedFromBuiltin()) {
        // A long path is shortened in the middle to fit the panel; its tip holds the whole path.
        QLabel* panel = m_statusPanels[0];
        const int room = panel->contentsRect().width() - 2 * panel->margin() - 4;
        SetStatusText(panel->fontMetrics().elidedText(DataFileStatus(), Qt::ElideMiddle, room));
        panel->setToolTip(DataFilePath());
    }
    FileMenuManulClick();
    RcmPanel->ClearAllConditions(false);
    RcmPanel->BindAllPagesItem(ScaleMenuAllPages);
}

void TMainForm::CreateLevelMenu()
{
    PopupMenuCodeScale = new QMenu(this);
    PopupMenuCodeScale->setObjectName(QStringLiteral("PopupMenuCodeScale"));
    for (int level = 1; level <= kLevelCount; ++level) {
        QAction* item = PopupMenuCodeScale->addAction(QStringLiteral("第%1级智能缩水号码").arg(level));
        item->setData(level);
    }
}

void TMainForm::CreateViews()
{
    m_clientArea = new QStackedWidget(this);
    m_clientArea->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_clientArea);
    DataPanel = new TDataView(*this, m_clientArea);
    SqlPanel = new TQueryView(*this, m_clientArea);
    RcmPanel = new TShrinkPanel(*this, PopupMenuCodeScale, m_clientArea);
    GridPctl = NewGridPctl(*this, m_clientArea);
    PridictPanel = new TPredictPanel(*this, m_clientArea);
    ChartPCtr = NewChartPCtr(*this, m_clientArea);
    fxPCtr = NewFxPCtr(*this, m_clientArea);
    // A new history rebuilds the chart in front; the other pages rebuild when shown.
    connect(this, &TMainForm::HistoryReplaced, this, [this] { RebuildShownCharts(*m_clientArea); });
    for (QWidget* view :
         {static_cast<QWidget*>(DataPanel), static_cast<QWidget*>(SqlPanel), static_cast<QWidget*>(RcmPanel),
          static_cast<QWidget*>(GridPctl), static_cast<QWidget*>(PridictPanel),
          static_cast<QWidget*>(ChartPCtr), static_cast<QWidget*>(fxPCtr)}) {
        m_clientArea->addWidget(view);
    }
}

QWidget* TMainForm::CurrentView() const
{
    return m_clientArea->currentWidget();
}

void TMainForm::ShowView(QWidget* view)
{
    m_clientArea->setCurrentWidget(view);
}

void TMainForm::SetHistory(DrawHistory history)
{
    m_history = std::move(history);
    emit HistoryReplaced();
}

void TMainForm::FileMenuManulClick()
{
    ShowView(DataPanel);
}

void TMainForm::FileMenuDownClick()
{
    DataPanel->Sheet1TbrDownBtClick();
}

void TMainForm::FileMenuExitClick()
{
    close();
}

void TMainForm::GridMenuClick()
{
    ShowView(ChartPCtr);
}

void TMainForm::GridXMenuClick()
{
    ShowGridPage(kRedTrendPage);
}

void TMainForm::ScaleMenuClick()
{
    ShowView(RcmPanel);
}

void TMainForm::RcmMenuClick()
{
    ShowView(PridictPanel);
}

void TMainForm::DataMenuClick()
{
    ShowView(fxPCtr);
}

void TMainForm::SqlMenuClick()
{
    ShowView(SqlPanel);
}

QString TMainForm::DataFilePath() const
{
    return DataPanel->DataFilePath();
}

QString TMainForm::DataFileStatus() const
{
    return QStringLiteral("数据文件: ") + ToQ(ShortPath(FromQ(DataFilePath()), std::getenv("HOME")));
}

void TMainForm::HelpMenuTopicClick()
{
    if (m_dialogs->TryOpenUrl(QUrl::fromLocalFile(m_helpFile))) {
        return;
    }
    // No handler on this desktop: the program's own text window shows the help text.
    if (!QFileInfo::exists(m_helpFile)) {
        m_dialogs->ShowMessage(ToQ(kHelpMissingText) + QStringLiteral("\r\n") + m_helpFile);
        return;
    }
    ShowTextWindow(ToQ(kHelpWindowCaption), ToQ(LoadTextFile(FromQ(m_helpFile))));
}

void TMainForm::HelpMenuWebSiteClick()
{
    OpenWebAddress(*m_dialogs, ToQ(kSupportWebSite));
}

void TMainForm::HelpMenuAboutClick()
{
    TAboutForm about(*m_dialogs, this, DataFilePath());
    m_dialogs->ExecModal(about);
}

void TMainForm::ShowGridPage(int pageIndex)
{
    GridPctl->setCurrentIndex(pageIndex);
    ShowView(GridPctl);
}

void TMainForm::ShowPredictView()
{
    ShowView(PridictPanel);
}

void TMainForm::PrintList(const QStringList& lines)
{
    PrintLines(*m_dialogs, ToQ(kPrintJobTitle), lines, kPrintFontSize);
}

void TMainForm::ShowTextWindow(const QString& caption, const QStringList& lines)
{
    m_smForm->setWindowTitle(caption);
    m_smForm->Memo->setPlainText(lines.join(QLatin1Char('\n')));
    m_dialogs->ExecModal(*m_smForm);
}

TTuForm& TMainForm::ChartWindow(const QString& buttonName)
{
    TTuForm*& window = m_chartWindows[buttonName];
    if (window == nullptr) {
        window = NewChartWindow(*this, buttonName, this);
    }
    const ChartPage* page = ChartWindowPage(buttonName);
    window->ShowOver(this, page != nullptr ? ToQ(page->Caption) : window->windowTitle());
    BuildChartWindow(*this, *window, buttonName);
    return *window;
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (DataPanel->ConfirmClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace quorvane::gui
