// The shrink panel timed through the window (offscreen): "缩水计算" with the heavy condition set on
// 3,000 draws, from the button to the result painted, and "条件导入" of a condition file, from the
// button to every control updated and painted.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "ShrinkBenchConfigs.h"
#include "app/Dialogs.h"
#include "app/MainForm.h"
#include "history/DemoHistory.h"
#include "shrink/ConditionFile.h"
#include "views/ConditionBinder.h"
#include "views/ShrinkPanel.h"

using namespace quorvane;
using namespace quorvane::gui;

namespace {

// Answers the open dialog with the condition file; nothing else is expected.
class TBenchDialogs final : public IDialogs
{
public:
    explicit TBenchDialogs(QString file)
        : m_file(std::move(file))
    {
    }
    void ShowMessage(const QString& text) override { qWarning("message: %s", qPrintable(text)); }
    void ShowError(const QString& text) override { qWarning("error: %s", qPrintable(text)); }
    TAnswer Ask(const QString&, bool) override { return TAnswer::No; }
    std::optional<QString> InputText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> OpenFileName(const TFileDialogSpec&) override { return m_file; }
    std::optional<QString> SaveFileName(const TFileDialogSpec&) override { return std::nullopt; }
    bool SetUpPrinter(QPrinter&) override { return false; }
    int ExecModal(QDialog&) override { return 0; }
    std::unique_ptr<IProgress> OpenProgress(const QString&, std::function<void()>) override { return nullptr; }
    void OpenUrl(const QUrl&) override {}

private:
    QString m_file;
};

void Settle(TMainForm& form)
{
    form.repaint();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("heavy.ini"));
    const ShrinkConditions heavy = benchconfig::Heavy();
    SaveConditionFile(file.toStdString(), heavy);

    TMainForm form(std::make_unique<TBenchDialogs>(file), dir.path());
    form.SetHistory(ParseDrawText(MakeDemoHistoryLines(3000, 7)).History);
    form.resize(1280, 800);
    form.show();
    form.ScaleMenuClick();
    TShrinkPanel& panel = *form.RcmPanel;
    panel.RcmPctl->setCurrentWidget(panel.RcmPctl->Page(QStringLiteral("RcmSheet4")));
    Settle(form);

    benchmark::RegisterBenchmark("BM_PanelShrinkHeavy3000Draws", [&](benchmark::State& state) {
        panel.Binder().Write(heavy); // the whole heavy set, the settings the file cannot hold too
        for (auto _ : state) {
            panel.RcmPanelScaleBt->trigger();
            Settle(form);
        }
        state.counters["memo_lines"] = panel.RcmMemo->blockCount();
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_PanelLoadConditionFile", [&](benchmark::State& state) {
        for (auto _ : state) {
            panel.RcmPanelImportBindsBt->trigger();
            Settle(form);
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
