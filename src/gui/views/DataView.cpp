#include "views/DataView.h"

#include <cstdlib>

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/QtText.h"
#include "app/UpdateDownloader.h"
#include "app/ViewContext.h"
#include "history/DataFile.h"
#include "history/DataPage.h"
#include "text/SplitText.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

TDataView::TDataView(TViewContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_updateTimeoutMs(kUpdateTimeoutMs)
{
    setObjectName(QStringLiteral("DataPanel"));
    QVBoxLayout* layout = NewFlatLayout(this);
    Sheet1Tbr = NewViewToolBar(this, QStringLiteral("Sheet1Tbr"));
    Sheet1TbrDownBt = AddToolButton(Sheet1Tbr, QStringLiteral("Sheet1TbrDownBt"), QStringLiteral("在线更新"),
                                    QStyle::SP_ArrowDown);
    Sheet1Tbr->addSeparator();
    Sheet1TbrClearBt = AddToolButton(Sheet1Tbr, QStringLiteral("Sheet1TbrClearBt"),
                                     QStringLiteral("清空数据"), QStyle::SP_DialogResetButton);
    Sheet1TbrOmportBt = AddToolButton(Sheet1Tbr, QStringLiteral("Sheet1TbrOmportBt"),
                                      QStringLiteral("导入数据"), QStyle::SP_DialogOpenButton);
    Sheet1TbrSaveBt = AddToolButton(Sheet1Tbr, QStringLiteral("Sheet1TbrSaveBt"), QStringLiteral("保存数据"),
                                    QStyle::SP_DialogSaveButton);
    layout->addWidget(Sheet1Tbr);

    DataMemo = NewMemo(this, QStringLiteral("DataMemo"));
    DataMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(DataMemo, 1);
    DataMemo->installEventFilter(this);
    DataMemo->viewport()->installEventFilter(this);

    ConnectCommand(Sheet1TbrDownBt, &QAction::triggered, this, [this] { Sheet1TbrDownBtClick(); });
    ConnectCommand(Sheet1TbrClearBt, &QAction::triggered, this, [this] { Sheet1TbrClearBtClick(); });
    ConnectCommand(Sheet1TbrOmportBt, &QAction::triggered, this, [this] { Sheet1TbrOmportBtClick(); });
    ConnectCommand(Sheet1TbrSaveBt, &QAction::triggered, this, [this] { Sheet1TbrSaveBtClick(); });
}

QString TDataView::DataFilePath() const
{
    return QDir(m_context.ProgramFolder()).filePath(ToQ(kDataFileName));
}

void TDataView::LoadStartupData()
{
    if (const auto lines = LoadDataFile(FromQ(DataFilePath()))) {
        SetEditorLines(*lines);
    }
    MarkSaved();
    ParseEditor();
}

std::vector<std::string> TDataView::EditorLines() const
{
    return SplitLines(FromQ(DataMemo->toPlainText()));
}

void TDataView::SetEditorLines(const std::vector<std::string>& lines)
{
    DataMemo->setPlainText(ToQ(JoinText(lines, "\n")));
    // The newest draws are at the end, where new ones are added.
    DataMemo->moveCursor(QTextCursor::End);
}

void TDataView::ParseEditor()
{
    ParseResult result = ParseDrawText(EditorLines());
    if (result.Ok) {
        m_context.SetHistory(std::move(result.History));
    } else {
        m_context.Dialogs().ShowMessage(ToQ(result.Message));
    }
}

void TDataView::MarkSaved()
{
    m_savedText = DataMemo->toPlainText();
}

void TDataView::Sheet1TbrSaveBtClick()
{
    SaveDataFile(FromQ(DataFilePath()), EditorLines());
    MarkSaved();
    m_context.SetStatusText(ToQ(kSaveDoneStatus));
    ParseEditor();
}

void TDataView::Sheet1TbrClearBtClick()
{
    DataMemo->clear();
    ParseEditor();
}

void TDataView::Sheet1TbrOmportBtClick()
{
    const std::optional<QString> name = m_context.Dialogs().OpenFileName(
        {QString(), QStringLiteral("文本文件|*.txt"), QStringLiteral("txt"), m_context.ProgramFolder()});
    if (!name || !QFileInfo::exists(*name)) {
        return;
    }
    // Read first: a file that cannot be read leaves the editor as it was.
    const std::vector<std::string> lines = LoadTextFile(FromQ(*name));
    SetEditorLines(lines);
    ParseEditor();
}

void TDataView::Sheet1TbrDownBtClick()
{
    const QString target = QDir(m_context.ProgramFolder()).filePath(ToQ(kUpdateTargetName));
    QFile::remove(target);
    const TDownloadSettings settings{QUrl(ToQ(UpdateFileUrl(std::getenv(kUpdateUrlVariable)))),
                                     m_updateTimeoutMs, kUpdateMaxBytes};
    const std::optional<QByteArray> bytes =
        DownloadFile(settings, m_context.Dialogs(), ToQ(kUpdateProgressText));
    std::optional<std::string> downloaded;
    if (bytes) {
        downloaded = bytes->toStdString();
    }
    UpdateOutcome outcome = FinishOnlineUpdate(FromQ(target), downloaded);
    if (outcome.Ok) {
        SetEditorLines(outcome.Lines);
        m_context.SetHistory(std::move(outcome.History));
    }
    for (const std::string& message : outcome.Messages) {
        m_context.Dialogs().ShowMessage(ToQ(message));
    }
}

bool TDataView::ConfirmClose()
{
    if (DataMemo->toPlainText() == m_savedText) {
        return true;
    }
    switch (m_context.Dialogs().Ask(ToQ(kSaveChangesQuestion), true)) {
    case TAnswer::No:
        return true;
    case TAnswer::Cancel:
        return false;
    case TAnswer::Yes:
        break;
    }
    bool saved = false;
    RunGuarded([&] {
        SaveDataFile(FromQ(DataFilePath()), EditorLines());
        MarkSaved();
        saved = true;
    });
    return saved;
}

bool TDataView::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == DataMemo && event->type() == QEvent::KeyRelease) ||
        (watched == DataMemo->viewport() && event->type() == QEvent::MouseButtonRelease)) {
        ShowCaretPosition();
    }
    return QWidget::eventFilter(watched, event);
}

void TDataView::ShowCaretPosition()
{
    const QTextCursor cursor = DataMemo->textCursor();
    m_context.SetStatusText(ToQ(CaretPositionText(cursor.blockNumber() + 1, cursor.positionInBlock() + 1)));
}

} // namespace quorvane::gui
