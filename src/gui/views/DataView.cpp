#include "views/DataView.h"

#include <cstdlib>

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSettings>
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
#include "history/BuiltinHistory.h"
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
    const StartupData start = quorvane::LoadStartupData(FromQ(DataFilePath()));
    if (!start.Lines.empty()) {
        SetEditorLines(start.Lines);
    }
    MarkSaved();
    ParseEditor();
    m_startedFromBuiltin = start.Builtin;
    if (start.Builtin) {
        // The history is in memory either way; a folder that cannot be written is told.
        m_context.SetStatusText(ToQ(BuiltinHistoryStatus(m_context.History())));
        if (!start.WriteError.empty()) {
            m_context.Dialogs().ShowError(ToQ(start.WriteError));
        }
    }
}

std::vector<std::string> TDataView::EditorLines() const
{
    return SplitLines(FromQ(DataMemo->toPlainText()));
}

void TDataView::SetEditorLines(const std::vector<std::string>& lines)
{
    SetMemoLines(DataMemo, lines);
    // The newest draws are at the end, where new ones are added.
    DataMemo->moveCursor(QTextCursor::End);
}

bool TDataView::ParseEditor()
{
    ParseResult result = ParseDrawText(EditorLines());
    if (result.Ok) {
        m_context.SetHistory(std::move(result.History));
    } else {
        m_context.Dialogs().ShowMessage(ToQ(result.Message));
    }
    return result.Ok;
}

void TDataView::MarkSaved()
{
    m_savedText = DataMemo->toPlainText();
}

TDataView::TSaveOutcome TDataView::SaveEditor()
{
    const std::string path = FromQ(DataFilePath());
    const std::vector<std::string> lines = EditorLines();
    if (SaveWouldEmptyDataFile(path, lines) &&
        m_context.Dialogs().AskWithDefault(ToQ(kEmptySaveQuestion), false, TAnswer::No) != TAnswer::Yes) {
        return TSaveOutcome::Declined;
    }
    SaveDataFile(path, lines);
    MarkSaved();
    m_context.SetStatusText(ToQ(kSaveDoneStatus));
    return ParseEditor() ? TSaveOutcome::Saved : TSaveOutcome::SavedWithErrors;
}

void TDataView::Sheet1TbrSaveBtClick()
{
    SaveEditor();
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
    const std::string setting = FromQ(m_context.Settings().value(ToQ(kUpdateServerSetting)).toString());
    const TDownloadSettings settings{QUrl(ToQ(UpdateFileUrl(std::getenv(kUpdateUrlVariable), setting))),
                                     m_updateTimeoutMs, kUpdateMaxBytes};
    const UpdateDownload download = DownloadFile(settings, m_context.Dialogs(), ToQ(kUpdateProgressText));
    UpdateOutcome outcome = FinishOnlineUpdate(FromQ(target), download);
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
    // Enter answers Cancel: the question protects the edits, it must not be a way to lose the file.
    switch (m_context.Dialogs().AskWithDefault(ToQ(kSaveChangesQuestion), true, TAnswer::Cancel)) {
    case TAnswer::No:
        return true;
    case TAnswer::Cancel:
        return false;
    case TAnswer::Yes:
        break;
    }
    // The save of "保存数据"; text with bad lines has been reported and the program stays open for
    // the user to correct it.
    TSaveOutcome outcome = TSaveOutcome::Declined;
    RunGuarded([&] { outcome = SaveEditor(); });
    return outcome == TSaveOutcome::Saved;
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
