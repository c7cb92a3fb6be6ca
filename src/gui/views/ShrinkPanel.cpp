#include "views/ShrinkPanel.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/QtText.h"
#include "app/ViewContext.h"
#include "controls/ColorChk.h"
#include "recommend/QuickPicks.h"
#include "shrink/ConditionFile.h"
#include "text/FormatNumbers.h"
#include "text/UserError.h"
#include "views/ConditionBinder.h"
#include "views/ConditionPageBuilder.h"
#include "views/ConditionPages.h"
#include "views/HiddenPageActions.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

const char* const kSameTailCaption = "尾数与上期相同个数：";
// The settings key of "显示全部条件页".
const char* const kAllPagesSetting = "ShrinkPanel/ShowAllConditionPages";

// "已经选中" + count + middle + the checked captions joined by ",".
QString SelectionText(const TColorMChk& selector, const char* middle)
{
    return ToQ("已经选中") + QString::number(selector.CheckedCount()) + ToQ(middle) +
           ToQ(selector.GetCheckedText(","));
}

} // namespace

TShrinkPanel::TShrinkPanel(TViewContext& context, QMenu* levelMenu, QWidget* parent)
    : QWidget(parent)
    , PopupMenuCodeScale(levelMenu)
    , m_context(context)
    , m_binder(new TConditionBinder(this))
{
    setObjectName(QStringLiteral("RcmPanel"));
    QVBoxLayout* layout = NewFlatLayout(this);
    CreateToolBar();
    layout->addWidget(RcmPanelTbr);
    RcmPctl = new TPageControl("RcmPctl", kRcmPages, this);
    layout->addWidget(RcmPctl, 1);

    QWidget* resultPage = RcmPctl->Page(QStringLiteral("RcmSheet4"));
    RcmMemo = NewMemo(resultPage, QStringLiteral("RcmMemo"));
    NewFlatLayout(resultPage)->addWidget(RcmMemo);

    BuildPages();
    CreatePopupMenus();
    ConnectPageButtons();
    ConnectQuickPicks();
    connect(m_binder, &TConditionBinder::Written, this, [this] { UpdateSelectionLabels(); });
    connect(RcmPctl, &QTabWidget::currentChanged, this, [this] {
        if (RcmPctl->currentWidget() == RcmPctl->Page(QStringLiteral("RcmSheet1"))) {
            UpdateSameTailLabel();
        }
    });
}

TShrinkPanel::~TShrinkPanel() = default;

void TShrinkPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The history may have been replaced while another view was in front.
    UpdateSameTailLabel();
}

void TShrinkPanel::CreateToolBar()
{
    RcmPanelTbr = NewViewToolBar(this, QStringLiteral("RcmPanelTbr"));
    RcmPanelTbr->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto add = [this](const char* name, const char* caption, QStyle::StandardPixmap icon) {
        return AddToolButton(RcmPanelTbr, QString::fromLatin1(name), ToQ(caption), icon);
    };
    RcmPanelScaleBt = add("RcmPanelScaleBt", "缩水计算", QStyle::SP_MediaPlay);
    RcmPanelTbr->addSeparator();
    RcmPanelImportBindsBt = add("RcmPanelImportBindsBt", "条件导入", QStyle::SP_DialogOpenButton);
    RcmPanelExportBindsBt = add("RcmPanelExportBindsBt", "条件导出", QStyle::SP_DialogSaveButton);
    RcmPanelClearBindsBt = add("RcmPanelClearBindsBt", "清除条件", QStyle::SP_DialogResetButton);
    RcmPanelTbr->addSeparator();
    RcmPanelExportBt = add("RcmPanelExportBt", "导出结果", QStyle::SP_FileIcon);
    RcmPanelPrintBt = add("RcmPanelPrintBt", "打印结果", QStyle::SP_FileDialogContentsView);
    RcmPanelViewCodeBt = add("RcmPanelViewCodeBt", "查看结果", QStyle::SP_FileDialogDetailedView);
    RcmPanelCheckBt = add("RcmPanelCheckBt", "结果兑奖", QStyle::SP_FileDialogInfoView);
    RcmPanelCodeAwardBt = add("RcmPanelCodeAwardBt", "号码兑奖", QStyle::SP_DialogApplyButton);
    RcmPanelCodeScaleBt = add("RcmPanelCodeScaleBt", "级别缩水", QStyle::SP_ArrowDown);
    RcmPanelCodeRcmBt = add("RcmPanelCodeRcmBt", "超级推荐", QStyle::SP_ArrowUp);

    ConnectCommand(RcmPanelScaleBt, &QAction::triggered, this, [this] { RcmPanelScaleBtClick(); });
    ConnectCommand(RcmPanelImportBindsBt, &QAction::triggered, this, [this] { RcmPanelImportBindsBtClick(); });
    ConnectCommand(RcmPanelExportBindsBt, &QAction::triggered, this, [this] { RcmPanelExportBindsBtClick(); });
    ConnectCommand(RcmPanelClearBindsBt, &QAction::triggered, this, [this] { RcmPanelClearBindsBtClick(); });
    ConnectCommand(RcmPanelExportBt, &QAction::triggered, this, [this] { RcmPanelExportBtClick(); });
    ConnectCommand(RcmPanelPrintBt, &QAction::triggered, this, [this] { RcmPanelPrintBtClick(); });
    ConnectCommand(RcmPanelViewCodeBt, &QAction::triggered, this, [this] { RcmPanelViewCodeBtClick(); });
    ConnectCommand(RcmPanelCheckBt, &QAction::triggered, this, [this] { RcmPanelCheckBtClick(); });
    ConnectCommand(RcmPanelCodeAwardBt, &QAction::triggered, this, [this] { RcmPanelCodeAwardBtClick(); });
    ConnectCommand(RcmPanelCodeScaleBt, &QAction::triggered, this, [this] { RcmPanelCodeScaleBtClick(); });
    ConnectCommand(RcmPanelCodeRcmBt, &QAction::triggered, this, [this] { RcmPanelCodeRcmBtClick(); });
}

void TShrinkPanel::CreatePopupMenus()
{
    if (PopupMenuCodeScale != nullptr) {
        for (QAction* item : PopupMenuCodeScale->actions()) {
            const int level = item->data().toInt();
            ConnectCommand(item, &QAction::triggered, this, [this, level] { LevelShrink(level); });
        }
    }
    // "超级推荐": a menu whose items carry no action.
    CodeRcmMenu = new QMenu(this);
    CodeRcmMenu->setObjectName(QStringLiteral("CodeRcmMenu"));
    for (const char* caption : {"智能二码推荐", "智能试机号二码推荐", "智能奖号推荐", "智能试机号奖号推荐", ""}) {
        if (*caption == '\0') {
            CodeRcmMenu->addSeparator();
        } else {
            CodeRcmMenu->addAction(ToQ(caption));
        }
    }
    for (const char* caption : {"每周胆码推荐", "每期胆码推荐", "每周和值推荐", "每期和值推荐", "百位胆码推荐",
                                "十位胆码推荐", "个位胆码推荐", "本期奇数推荐", "本期偶数推荐", "本期冷码推荐"}) {
        CodeRcmMenu->addAction(ToQ(caption));
    }
}

void TShrinkPanel::BuildPages()
{
    for (const TPageSpecification& pageTable : VisibleConditionPages()) {
        BuildConditionPage(RcmPctl->Page(ToQ(pageTable.PageName)), pageTable, *m_binder);
    }
    for (const TPageSpecification& pageTable : HiddenConditionPages()) {
        BuildConditionPage(RcmPctl->Page(ToQ(pageTable.PageName)), pageTable, *m_binder);
    }
    ConnectHiddenPages(this, m_context);
    ssTb0MChk = findChild<TColorMChk*>(QStringLiteral("ssTb0MChk"));
    ssTb0BChk = findChild<TColorMChk*>(QStringLiteral("ssTb0BChk"));
    ssTb0SheetGbx1Lbl = findChild<QLabel*>(QStringLiteral("ssTb0SheetGbx1Lbl"));
    ssTb0SheetGbx2Lbl = findChild<QLabel*>(QStringLiteral("ssTb0SheetGbx2Lbl"));
    SameTailCountLbl = findChild<QLabel*>(QStringLiteral("SameTailCountLbl"));
    connect(ssTb0MChk, &TColorMChk::OnChange, this, [this] { UpdateSelectionLabels(); });
    connect(ssTb0BChk, &TColorMChk::OnChange, this, [this] { UpdateSelectionLabels(); });
}

void TShrinkPanel::ConnectPageButtons()
{
    for (const ConditionClearButton& clear : ConditionClearButtons()) {
        if (auto* button = findChild<QPushButton*>(ToQ(clear.Name))) {
            const ConditionPage page = clear.Page;
            ConnectCommand(button, &QPushButton::clicked, this, [this, page] { ClearPage(page); });
        }
    }
    for (const TJumpButton& jump : ConditionJumpButtons()) {
        auto* button = findChild<QPushButton*>(ToQ(jump.Name));
        if (button == nullptr) {
            continue;
        }
        const QString name = button->objectName();
        switch (jump.Kind) {
        case TJumpKind::GridPage: {
            const int page = jump.GridPage;
            ConnectCommand(button, &QPushButton::clicked, this, [this, page] { m_context.ShowGridPage(page); });
            break;
        }
        case TJumpKind::ChartWindow:
            ConnectCommand(button, &QPushButton::clicked, this, [this, name] { m_context.ChartWindow(name); });
            break;
        case TJumpKind::PredictView:
            ConnectCommand(button, &QPushButton::clicked, this, [this] { m_context.ShowPredictView(); });
            break;
        }
    }
    // The hidden button of the red part saves the conditions like "条件导出".
    if (auto* save = findChild<QPushButton*>(QStringLiteral("ssTb0SheetBt3"))) {
        ConnectCommand(save, &QPushButton::clicked, this, [this] { RcmPanelExportBindsBtClick(); });
    }
}

void TShrinkPanel::ConnectQuickPicks()
{
    const auto on = [this](const char* name, auto fn) {
        if (auto* button = findChild<QPushButton*>(QString::fromLatin1(name))) {
            ConnectCommand(button, &QPushButton::clicked, this, [this, fn] {
                fn();
                UpdateSelectionLabels();
            });
        }
    };
    // Checks the cells one by one after clearing the selector; the expert pick's own message is a
    // plain message box, a count that cannot be made an error.
    const auto pick = [this](TColorMChk* selector, const auto& cells) {
        std::vector<int> chosen;
        try {
            chosen = cells();
        } catch (const UserError& e) {
            if (std::string(e.what()) != kExpertTooFewDraws) {
                throw;
            }
            m_context.Dialogs().ShowMessage(ToQ(e.what()));
            return;
        }
        selector->UncheckAll();
        for (const int cell : chosen) {
            selector->SetCheck(cell, true);
        }
    };
    on("ssTb0SheetBt1", [this] { ssTb0MChk->CheckAll(); });
    on("ssTb0SheetBt2", [this] { ssTb0MChk->UncheckAll(); });
    on("ssTb0SheetBt4", [this] { ssTb0MChk->InvertAll(); });
    on("ssTb0SheetBt11", [this] { ssTb0BChk->CheckAll(); });
    on("ssTb0SheetBt12", [this] { ssTb0BChk->UncheckAll(); });
    on("ssTb0SheetBt14", [this] { ssTb0BChk->InvertAll(); });
    on("ssTb0SheetBt5", [this, pick] { pick(ssTb0MChk, [this] { return ExpertRedPick(m_context.History()); }); });
    on("ssTb0SheetBt15", [this, pick] { pick(ssTb0BChk, [this] { return ExpertBluePick(m_context.History()); }); });
    on("ssTb0SheetBt6", [this, pick] { pick(ssTb0MChk, [this] { return RandomRedPick(m_context.ProgramRandom()); }); });
    on("ssTb0SheetBt16",
       [this, pick] { pick(ssTb0BChk, [this] { return RandomBluePick(m_context.ProgramRandom()); }); });
    on("ssTb0SheetBt7", [pick, this] { pick(ssTb0MChk, [] { return FirstTwelvePick(); }); });
}

void TShrinkPanel::BindAllPagesItem(QAction* item)
{
    if (item == nullptr) {
        return;
    }
    const bool shown = m_context.Settings().value(QString::fromLatin1(kAllPagesSetting), false).toBool();
    item->setChecked(shown);
    ShowAllPages(shown);
    connect(item, &QAction::toggled, this, [this](bool on) {
        ShowAllPages(on);
        m_context.Settings().setValue(QString::fromLatin1(kAllPagesSetting), on);
    });
}

void TShrinkPanel::ShowAllPages(bool show)
{
    for (std::size_t i = 0; i < std::size(kRcmPages); ++i) {
        if (kRcmPages[i].Hidden) {
            RcmPctl->setTabVisible(static_cast<int>(i), show);
        }
    }
}

void TShrinkPanel::UpdateSelectionLabels()
{
    ssTb0SheetGbx1Lbl->setText(SelectionText(*ssTb0MChk, "个红球："));
    ssTb0SheetGbx2Lbl->setText(SelectionText(*ssTb0BChk, "个蓝球："));
}

void TShrinkPanel::UpdateSameTailLabel()
{
    const DrawHistory& history = m_context.History();
    QString text = ToQ(kSameTailCaption);
    if (!history.empty()) {
        text += ToQ("(上期号码:") + ToQ(FormatTicket(history.back().Reds)) + QLatin1Char(')');
    }
    SameTailCountLbl->setText(text);
}

void TShrinkPanel::ClearPage(ConditionPage page)
{
    ShrinkConditions conditions = m_binder->Read();
    ClearConditionPage(conditions, page);
    m_binder->Write(conditions);
}

void TShrinkPanel::ClearAllConditions(bool ask)
{
    // Enter answers 否: clearing every condition takes a deliberate 是.
    if (ask &&
        m_context.Dialogs().AskWithDefault(ToQ(kClearAllQuestion), false, TAnswer::No) != TAnswer::Yes) {
        return;
    }
    ShrinkConditions conditions = m_binder->Read();
    quorvane::ClearAllConditions(conditions);
    m_binder->Write(conditions);
}

void TShrinkPanel::RcmPanelClearBindsBtClick()
{
    ClearAllConditions(true);
}

void TShrinkPanel::RcmPanelImportBindsBtClick()
{
    const std::optional<QString> name = m_context.Dialogs().OpenFileName(
        {ToQ(kConditionLoadTitle), ToQ(kConditionFileFilter), ToQ(kConditionFileExtension), m_context.ProgramFolder()});
    if (!name) {
        return;
    }
    // The file is read whole before anything is applied: a file that does not load changes nothing.
    ShrinkConditions conditions = m_binder->Read();
    LoadConditionFile(FromQ(*name), conditions);
    m_binder->Write(conditions);
    window()->setWindowTitle(ToQ(ConditionFileCaption(FromQ(*name))));
}

void TShrinkPanel::RcmPanelExportBindsBtClick()
{
    const std::optional<QString> name = m_context.Dialogs().SaveFileName(
        {ToQ(kConditionSaveTitle), ToQ(kConditionFileFilter), ToQ(kConditionFileExtension), m_context.ProgramFolder()});
    if (!name) {
        return;
    }
    SaveConditionFile(FromQ(*name), m_binder->Read());
    window()->setWindowTitle(ToQ(ConditionFileCaption(FromQ(*name))));
}

} // namespace quorvane::gui
