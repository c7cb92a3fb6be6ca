#include "ShrinkShots.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>

#include "app/Dialogs.h"
#include "app/MainForm.h"
#include "views/ShrinkPanel.h"

namespace quorvane::gui {

namespace {

class TNoProgress final : public IProgress
{
public:
    void SetProgress(qint64, qint64) override {}
};

class TShotDialogs final : public IDialogs
{
public:
    TShotDialogs(QString conditionsFile, QTextStream& out)
        : m_conditionsFile(std::move(conditionsFile))
        , m_out(out)
    {
    }

    void ShowMessage(const QString& text) override { m_out << "message: " << text << '\n'; }
    void ShowError(const QString& text) override { m_out << "error: " << text << '\n'; }
    TAnswer Ask(const QString& text, bool) override
    {
        m_out << "question (answered Yes): " << text << '\n';
        return TAnswer::Yes;
    }
    std::optional<QString> InputText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> OpenFileName(const TFileDialogSpec&) override
    {
        if (m_conditionsFile.isEmpty()) {
            return std::nullopt;
        }
        return m_conditionsFile;
    }
    std::optional<QString> SaveFileName(const TFileDialogSpec&) override { return std::nullopt; }
    bool SetUpPrinter(QPrinter&) override { return false; }
    int ExecModal(QDialog&) override { return 0; }
    std::unique_ptr<IProgress> OpenProgress(const QString&, std::function<void()>) override
    {
        return std::make_unique<TNoProgress>();
    }
    void OpenUrl(const QUrl&) override {}

private:
    QString m_conditionsFile;
    QTextStream& m_out;
};

// Runs the command and waits until what it changed is painted; the time taken in milliseconds.
double TimeCommand(QAction* command, QWidget& window)
{
    QElapsedTimer clock;
    clock.start();
    command->trigger();
    window.repaint();
    QApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

std::unique_ptr<IDialogs> MakeShotDialogs(const QString& conditionsFile, QTextStream& out)
{
    return std::make_unique<TShotDialogs>(conditionsFile, out);
}

void TakeShrinkShots(TMainForm& form, const std::function<void(QWidget&, const QString&)>& save,
                     const QString& outputFolder, bool withConditions, QTextStream& out)
{
    // The pages are looked at in a window of the smallest screen they must fit, 1280 x 800.
    form.showNormal();
    form.resize(1280, 800);
    form.ScaleMenuClick();
    QApplication::processEvents();
    TShrinkPanel& panel = *form.RcmPanel;
    if (withConditions) {
        out << "condition file load to all controls updated: " << TimeCommand(panel.RcmPanelImportBindsBt, form)
            << " ms\n";
        panel.RcmPctl->setCurrentWidget(panel.RcmPctl->Page(QStringLiteral("RcmSheet4")));
        QApplication::processEvents();
        out << "缩水计算 to result shown: " << TimeCommand(panel.RcmPanelScaleBt, form) << " ms\n";
        QFile result(QDir(outputFolder).filePath(QStringLiteral("result.txt")));
        if (result.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            result.write(panel.RcmMemo->toPlainText().toUtf8());
            result.write("\n");
        }
        out.flush();
    }
    // Every page, the hidden ones with their tabs shown for the picture.
    panel.ShowAllPages(true);
    for (int i = 0; i < panel.RcmPctl->count(); ++i) {
        panel.RcmPctl->setCurrentIndex(i);
        save(form, panel.RcmPctl->widget(i)->objectName());
    }
    panel.ShowAllPages(form.ScaleMenuAllPages != nullptr && form.ScaleMenuAllPages->isChecked());
    form.showMaximized();
}

} // namespace quorvane::gui
