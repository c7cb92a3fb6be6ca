#include "views/PredictPanel.h"

#include <QCursor>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/QtText.h"
#include "app/ViewContext.h"
#include "recommend/NumberRecommend.h"
#include "recommend/PropertyRecommend.h"
#include "recommend/TicketForecast.h"
#include "shrink/ResultExport.h"
#include "text/AtomicFile.h"
#include "text/UserError.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

QAction* AddMenuItem(QMenu* menu, const QString& objectName, const char* caption)
{
    QAction* item = menu->addAction(ToQ(caption));
    item->setObjectName(objectName);
    return item;
}

} // namespace

TPredictPanel::TPredictPanel(TViewContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("PridictPanel"));
    QVBoxLayout* layout = NewFlatLayout(this);
    CreateToolBar();
    layout->addWidget(PridictTbr);
    TuiMemo = NewMemo(this, QStringLiteral("TuiMemo"));
    TuiMemo->setStyleSheet(
        QStringLiteral("QPlainTextEdit#TuiMemo { background-color: rgb(241, 223, 205); }"));
    layout->addWidget(TuiMemo, 1);
    CreatePopupMenus();
}

void TPredictPanel::CreateToolBar()
{
    PridictTbr = NewViewToolBar(this, QStringLiteral("PridictTbr"));
    // Eleven commands: captions under the icons keep them all in a window of the default width.
    PridictTbr->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto add = [this](const char* name, const char* caption, QStyle::StandardPixmap icon) {
        return AddToolButton(PridictTbr, QString::fromLatin1(name), ToQ(caption), icon);
    };
    RcmLmBt = add("RcmLmBt", "冷码推荐", QStyle::SP_ArrowDown);
    RcmRmBt = add("RcmRmBt", "热码推荐", QStyle::SP_ArrowUp);
    RcmBcmBt = add("RcmBcmBt", "必出码荐", QStyle::SP_DialogApplyButton);
    RcmDmBt = add("RcmDmBt", "胆码推荐", QStyle::SP_ArrowRight);
    PridictTbr->addSeparator();
    RcmDzBt = add("RcmDzBt", "单注推荐", QStyle::SP_FileIcon);
    RcmFsBt = add("RcmFsBt", "复式预测", QStyle::SP_FileDialogDetailedView);
    PridictTbr->addSeparator();
    TuiWeiNumRcmBt = add("TuiWeiNumRcmBt", "尾数推荐", QStyle::SP_FileDialogListView);
    RcmQiOuBiBt = add("RcmQiOuBiBt", "奇偶比荐", QStyle::SP_FileDialogInfoView);
    AreaSumRcmBt = add("AreaSumRcmBt", "和值推荐", QStyle::SP_MediaSeekForward);
    PridictTbr->addSeparator();
    RcmExportBt = add("RcmExportBt", "导出", QStyle::SP_DialogSaveButton);
    RcmPrintBt = add("RcmPrintBt", "打印", QStyle::SP_FileDialogContentsView);

    ConnectCommand(RcmLmBt, &QAction::triggered, this, [this] { RcmLmBtClick(); });
    ConnectCommand(RcmRmBt, &QAction::triggered, this, [this] { RcmRmBtClick(); });
    ConnectCommand(RcmBcmBt, &QAction::triggered, this, [this] { RcmBcmBtClick(); });
    ConnectCommand(RcmDmBt, &QAction::triggered, this, [this] { RcmDmBtClick(); });
    ConnectCommand(RcmDzBt, &QAction::triggered, this, [this] { RcmDzBtClick(); });
    ConnectCommand(RcmFsBt, &QAction::triggered, this, [this] { RcmFsBtClick(); });
    ConnectCommand(TuiWeiNumRcmBt, &QAction::triggered, this, [this] { TuiWeiNumRcmBtClick(); });
    ConnectCommand(RcmQiOuBiBt, &QAction::triggered, this, [this] { RcmQiOuBiBtClick(); });
    ConnectCommand(AreaSumRcmBt, &QAction::triggered, this, [this] { AreaSumRcmBtClick(); });
    ConnectCommand(RcmExportBt, &QAction::triggered, this, [this] { RcmExportBtClick(); });
    ConnectCommand(RcmPrintBt, &QAction::triggered, this, [this] { RcmPrintBtClick(); });
}

void TPredictPanel::CreatePopupMenus()
{
    RcmFsMenu = new QMenu(this);
    RcmFsMenu->setObjectName(QStringLiteral("RcmFsMenu"));
    RcmFsMenuR2 =
        AddMenuItem(RcmFsMenu, QStringLiteral("RcmFsMenuR2"), CompoundCaption(CompoundKind::Reds22Groups2));
    RcmFsMenuR20 =
        AddMenuItem(RcmFsMenu, QStringLiteral("RcmFsMenuR20"), CompoundCaption(CompoundKind::Reds15Groups20));
    RcmFsMenu30 =
        AddMenuItem(RcmFsMenu, QStringLiteral("RcmFsMenu30"), CompoundCaption(CompoundKind::Reds12Groups30));
    ConnectCommand(RcmFsMenuR2, &QAction::triggered, this, [this] { RcmFsMenuR2Click(); });
    ConnectCommand(RcmFsMenuR20, &QAction::triggered, this, [this] { RcmFsMenuR20Click(); });
    ConnectCommand(RcmFsMenu30, &QAction::triggered, this, [this] { RcmFsMenu30Click(); });

    AreaPopupMenu = new QMenu(this);
    AreaPopupMenu->setObjectName(QStringLiteral("AreaPopupMenu"));
    AreaSumRcmBt1 = AddMenuItem(AreaPopupMenu, QStringLiteral("AreaSumRcmBt1"), ZoneSumCaption(1));
    AreaSumRcmBt2 = AddMenuItem(AreaPopupMenu, QStringLiteral("AreaSumRcmBt2"), ZoneSumCaption(2));
    AreaSumRcmBt3 = AddMenuItem(AreaPopupMenu, QStringLiteral("AreaSumRcmBt3"), ZoneSumCaption(3));
    ConnectCommand(AreaSumRcmBt1, &QAction::triggered, this, [this] { AreaSumRcmBt1Click(); });
    ConnectCommand(AreaSumRcmBt2, &QAction::triggered, this, [this] { AreaSumRcmBt2Click(); });
    ConnectCommand(AreaSumRcmBt3, &QAction::triggered, this, [this] { AreaSumRcmBt3Click(); });
}

std::vector<std::string> TPredictPanel::MemoLines() const
{
    return gui::MemoLines(TuiMemo);
}

void TPredictPanel::ShowRecommendation(const Recommendation& recommend)
{
    // Compute first: a command that throws leaves the memo and the status bar as they were.
    const RecommendResult result = recommend(m_context.History());
    SetMemoLines(TuiMemo, result.Lines);
    if (!result.Status.empty()) {
        m_context.SetStatusText(ToQ(result.Status));
    }
}

void TPredictPanel::ShowRecommendationOrMessage(const Recommendation& recommend)
{
    try {
        ShowRecommendation(recommend);
    } catch (const UserError& e) {
        m_context.Dialogs().ShowMessage(ToQ(e.what()));
    }
}

void TPredictPanel::RcmLmBtClick()
{
    ShowRecommendation(ColdNumberRecommend);
}

void TPredictPanel::RcmRmBtClick()
{
    ShowRecommendation(HotNumberRecommend);
}

void TPredictPanel::RcmBcmBtClick()
{
    ShowRecommendation(MustNumberRecommend);
}

void TPredictPanel::RcmDmBtClick()
{
    ShowRecommendation(BankerNumberRecommend);
}

void TPredictPanel::RcmDzBtClick()
{
    ShowRecommendation(SingleTicketForecast);
}

void TPredictPanel::RcmFsBtClick()
{
    RcmFsMenu->popup(QCursor::pos());
}

void TPredictPanel::RcmFsMenuR2Click()
{
    ShowRecommendation([](const DrawHistory& h) { return CompoundForecast(h, CompoundKind::Reds22Groups2); });
}

void TPredictPanel::RcmFsMenuR20Click()
{
    ShowRecommendation(
        [](const DrawHistory& h) { return CompoundForecast(h, CompoundKind::Reds15Groups20); });
}

void TPredictPanel::RcmFsMenu30Click()
{
    ShowRecommendation(
        [](const DrawHistory& h) { return CompoundForecast(h, CompoundKind::Reds12Groups30); });
}

void TPredictPanel::TuiWeiNumRcmBtClick()
{
    ShowRecommendation(TailRecommend);
}

void TPredictPanel::RcmQiOuBiBtClick()
{
    ShowRecommendationOrMessage(OddEvenRecommend);
}

void TPredictPanel::AreaSumRcmBtClick()
{
    AreaPopupMenu->popup(QCursor::pos());
}

void TPredictPanel::AreaSumRcmBt1Click()
{
    ShowRecommendationOrMessage([](const DrawHistory& h) { return ZoneSumRecommend(h, 1); });
}

void TPredictPanel::AreaSumRcmBt2Click()
{
    ShowRecommendationOrMessage([](const DrawHistory& h) { return ZoneSumRecommend(h, 2); });
}

void TPredictPanel::AreaSumRcmBt3Click()
{
    ShowRecommendationOrMessage([](const DrawHistory& h) { return ZoneSumRecommend(h, 3); });
}

void TPredictPanel::RcmExportBtClick()
{
    const std::optional<QString> name = m_context.Dialogs().SaveFileName(
        {QString(), ToQ(kExportFileFilter), ToQ(kExportFileExtension), m_context.ProgramFolder()});
    if (!name) {
        return;
    }
    SaveTextLines(FromQ(*name), MemoLines());
}

void TPredictPanel::RcmPrintBtClick()
{
    m_context.PrintList(ToQ(MemoLines()));
}

} // namespace quorvane::gui
