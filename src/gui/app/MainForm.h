#pragma once

#include <memory>

#include <QHash>
#include <QMainWindow>

#include "app/Dialogs.h"
#include "app/ViewContext.h"

class QLabel;
class QSettings;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace quorvane::gui {

class TDataView;
class TPageControl;
class TPredictPanel;
class TQueryView;
class TShrinkPanel;
class TSmForm;

// The program's contact for support, shown in the window caption and the About window, and its
// support web site, opened by "网站支持". The README names both too.
inline constexpr const char* kSupportContact = "quorvane@example.org";
inline constexpr const char* kSupportWebSite = "https://quorvane.example.org/";
// The settings file, an INI file in the program's folder.
inline constexpr const char* kSettingsFileName = "quorvane.ini";

// "Quorvane  V2010  技术支持: <contact>"
QString MainCaption();

// The main window. It owns the draw history, the dialog service, the views and the secondary
// windows, runs the start-up sequence when it is made, and switches the views from its menus and
// tool bar.
class TMainForm final : public QMainWindow, public TViewContext
{
    Q_OBJECT

public:
    // dialogs: the dialog service (the Qt dialogs when null). programFolder: where the data file,
    // the settings, the update download and the help text stand; when empty, the data folder is
    // chosen by ChooseDataFolder (beside the program, or the user's data folder for an installed
    // program) and the help text by HelpFilePath.
    explicit TMainForm(std::unique_ptr<IDialogs> dialogs = nullptr, const QString& programFolder = QString(),
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // The views; one of them at a time fills the client area.
    TDataView* DataPanel = nullptr;
    TQueryView* SqlPanel = nullptr;
    TShrinkPanel* RcmPanel = nullptr;
    TPageControl* GridPctl = nullptr;
    TPredictPanel* PridictPanel = nullptr;
    TPageControl* ChartPCtr = nullptr;
    TPageControl* fxPCtr = nullptr;

    QToolBar* MainTbr = nullptr;
    QMenu* PopupMenuCodeScale = nullptr;
    // "显示全部条件页" of the menu "超强缩水(&T)": shows the condition pages whose tabs are hidden.
    QAction* ScaleMenuAllPages = nullptr;

    // The view in front.
    QWidget* CurrentView() const;
    // Brings a view to the front, filling the client area.
    void ShowView(QWidget* view);
    // Status-bar panel 0's text.
    QString StatusText() const;
    // The data file, and the status that names it after the start-up ("数据文件: ~/...").
    QString DataFilePath() const;
    QString DataFileStatus() const;
    // The help text "帮助主题" opens.
    QString HelpFile() const { return m_helpFile; }

    // The commands of the menus and the tool bar.
    void FileMenuManulClick();
    void FileMenuDownClick();
    void FileMenuExitClick();
    void GridMenuClick();
    void GridXMenuClick();
    void ScaleMenuClick();
    void RcmMenuClick();
    void DataMenuClick();
    void SqlMenuClick();
    void HelpMenuTopicClick();
    void HelpMenuWebSiteClick();
    void HelpMenuAboutClick();

    // TViewContext
    const DrawHistory& History() const override { return m_history; }
    void SetHistory(DrawHistory history) override;
    IDialogs& Dialogs() override { return *m_dialogs; }
    Random& ProgramRandom() override { return m_random; }
    QString ProgramFolder() const override { return m_programFolder; }
    QSettings& Settings() override { return *m_settings; }
    void SetStatusText(const QString& text) override;
    void PrintList(const QStringList& lines) override;
    void ShowTextWindow(const QString& caption, const QStringList& lines) override;
    TProgressForm& ProgressForm() override { return *m_progressForm; }
    TCodeViewForm& CodeViewForm() override { return *m_codeViewForm; }
    TTuForm& ChartWindow(const QString& buttonName) override;
    void ShowGridPage(int pageIndex) override;
    void ShowPredictView() override;

signals:
    // After every successful parse.
    void HistoryReplaced();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void CreateLevelMenu();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateViews();

    std::unique_ptr<IDialogs> m_dialogs;
    QString m_programFolder;
    QString m_helpFile;
    std::unique_ptr<QSettings> m_settings;
    DrawHistory m_history;
    Random m_random;
    QStackedWidget* m_clientArea = nullptr;
    QLabel* m_statusPanels[3] = {};
    TProgressForm* m_progressForm = nullptr;
    TSmForm* m_smForm = nullptr;
    TCodeViewForm* m_codeViewForm = nullptr;
    QHash<QString, TTuForm*> m_chartWindows;
};

} // namespace quorvane::gui
