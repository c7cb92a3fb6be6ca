// The shrink run and everything done with its result: export, print, search, prize check and level
// shrink. The pool and flags of the last run stay with the panel for those commands.
#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextCursor>

#include "app/Dialogs.h"
#include "app/ProgressForm.h"
#include "app/QtText.h"
#include "app/ViewContext.h"
#include "shrink/LevelShrink.h"
#include "shrink/PrizeCheck.h"
#include "shrink/ReferenceSets.h"
#include "shrink/ResultExport.h"
#include "shrink/ShrinkRun.h"
#include "text/IntConvert.h"
#include "text/UserError.h"
#include "views/ConditionBinder.h"
#include "views/ShrinkPanel.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

// The progress window is repainted at most this often (about 30 times a second).
constexpr qint64 kRepaintIntervalMs = 33;

// Hides the progress window however the run ends.
class TProgressShown
{
public:
    explicit TProgressShown(TProgressForm& form)
        : m_form(form)
    {
        m_form.TitleLbl->setText(ToQ(kShrinkProgressTitle));
        m_form.ProgressBar->setRange(0, kShrinkProgressMaximum);
        m_form.ProgressBar->setValue(0);
        m_form.ShowCentred();
        m_clock.start();
    }
    ~TProgressShown() { m_form.hide(); }
    TProgressShown(const TProgressShown&) = delete;
    TProgressShown& operator=(const TProgressShown&) = delete;

    void Report(int position)
    {
        if (m_clock.elapsed() >= kRepaintIntervalMs || position >= kShrinkProgressMaximum) {
            m_form.SetPosition(position);
            m_clock.restart();
        }
    }

private:
    TProgressForm& m_form;
    QElapsedTimer m_clock;
};

} // namespace

void TShrinkPanel::ShowResultPage()
{
    RcmPctl->setCurrentWidget(RcmPctl->Page(QStringLiteral("RcmSheet4")));
}

void TShrinkPanel::RcmPanelScaleBtClick()
{
    ShrinkConditions conditions = m_binder->Read();
    if (conditions.tj3AnWeiChk) {
        const ShrinkConditions before = conditions;
        TrimPositionEdits(conditions);
        if (conditions.tj4AnWeiC3EdArr != before.tj4AnWeiC3EdArr ||
            conditions.tj4AnWeiZdEdArr != before.tj4AnWeiZdEdArr) {
            m_binder->Write(conditions);
        }
    }
    if (conditions.ssTb4Gbx1Chk) {
        // The reference lines of the fault-tolerant filter are the user's own text: a line that is
        // not a set of numbers gets its message, and the run does not start. They are checked as
        // the memo shows them, blank lines included, so the message numbers the line the user sees
        // (the conditions hold the non-blank lines only).
        const auto* memo = findChild<QPlainTextEdit*>(QStringLiteral("ssTb4SheetGbx1Memo"));
        try {
            CheckReferenceLines(MemoLines(memo));
        } catch (const UserError& e) {
            m_context.Dialogs().ShowMessage(ToQ(e.what()));
            return;
        }
    }
    std::vector<std::string> lines;
    {
        TProgressShown progress(m_context.ProgressForm());
        ShrinkRunOptions options;
        options.Progress = [&progress](int position) { progress.Report(position); };
        // A condition that does not convert throws before the pool is touched: the old result stays.
        lines = RunShrink(conditions, m_context.History(), m_pool, m_flags, options);
    }
    SetMemoLines(RcmMemo, lines);
}

void TShrinkPanel::RcmPanelExportBtClick()
{
    const std::optional<QString> name = m_context.Dialogs().SaveFileName(
        {QString(), ToQ(kExportFileFilter), ToQ(kExportFileExtension), m_context.ProgramFolder()});
    if (!name) {
        return;
    }
    ExportSurvivors(FromQ(*name), m_pool, m_flags);
}

void TShrinkPanel::RcmPanelPrintBtClick()
{
    m_context.PrintList(ToQ(MemoLines(RcmMemo)));
}

void TShrinkPanel::RcmPanelViewCodeBtClick()
{
    ShowResultPage();
}

void TShrinkPanel::RcmPanelCheckBtClick()
{
    ShowResultPage();
    QTextCursor caret = RcmMemo->textCursor();
    caret.setPosition(0);
    RcmMemo->setTextCursor(caret);
    const std::optional<QString> answer = m_context.Dialogs().InputText(ToQ(kResultSearchTitle), QString(), QString());
    if (!answer || answer->isEmpty()) {
        return;
    }
    const int at = RcmMemo->toPlainText().indexOf(*answer, 0, Qt::CaseSensitive);
    if (at >= 0) {
        caret.setPosition(at);
        caret.setPosition(at + static_cast<int>(answer->size()), QTextCursor::KeepAnchor);
        RcmMemo->setTextCursor(caret);
    }
    m_context.SetStatusText(ToQ(ResultSearchStatus(at >= 0, FromQ(*answer))));
}

void TShrinkPanel::RcmPanelCodeAwardBtClick()
{
    const std::optional<QString> answer =
        m_context.Dialogs().InputText(ToQ(kPrizeDialogTitle), ToQ(kPrizeDialogPrompt), QString());
    if (!answer) {
        return;
    }
    const TCheckCells<16> blues = m_binder->Read().ssTb0BChk;
    try {
        PrizeCheckResult result = CheckPrizes(FromQ(*answer), blues, m_pool, m_flags, false);
        if (result.NeedsConfirmation) {
            if (m_context.Dialogs().Ask(ToQ(result.Question), false) != TAnswer::Yes) {
                return;
            }
            result = CheckPrizes(FromQ(*answer), blues, m_pool, m_flags, true);
        }
        SetMemoLines(RcmMemo, result.Lines);
        ShowResultPage();
    } catch (const UserError& e) {
        // A blue that is not a number is a conversion error (the error box); the rest are the
        // check's own messages.
        if (IsIntegerErrorText(e.what())) {
            throw;
        }
        m_context.Dialogs().ShowMessage(ToQ(e.what()));
    }
}

void TShrinkPanel::RcmPanelCodeScaleBtClick()
{
    ShowResultPage();
    if (PopupMenuCodeScale != nullptr) {
        PopupMenuCodeScale->popup(QCursor::pos());
    }
}

void TShrinkPanel::RcmPanelCodeRcmBtClick()
{
    ShowResultPage();
    CodeRcmMenu->popup(QCursor::pos());
}

void TShrinkPanel::LevelShrink(int level)
{
    std::vector<std::string> lines;
    try {
        lines = LevelShrinkLines(m_pool, m_flags, level);
    } catch (const UserError& e) {
        m_context.Dialogs().ShowMessage(ToQ(e.what()));
        return;
    }
    SetMemoLines(RcmMemo, lines);
    m_context.SetStatusText(ToQ(LevelShrinkStatus(level)));
}

} // namespace quorvane::gui
