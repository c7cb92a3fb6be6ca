// Opens the main window on a program folder (with its ssq.dxt) and saves pictures of the views and
// the About window, for looking at the program as a user sees it; also reports the time from the
// program's start to a visible main window.
//
//   quorvane-screenshots PROGRAM_FOLDER OUTPUT_FOLDER [--conditions FILE.ini]
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextStream>
#include <QWindow>

#include "ChartShots.h"
#include "DesktopShots.h"
#include "PredictShots.h"
#include "ShrinkShots.h"
#include "app/AboutForm.h"
#include "app/Application.h"
#include "app/MainForm.h"
#include "views/DataView.h"
#include "views/QueryView.h"

using namespace quorvane::gui;

namespace {

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

void Save(QWidget& widget, const QString& folder, const QString& name)
{
    Settle();
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    TApplication app(argc, argv);
    QTextStream out(stdout);
    const bool withConditions = argc == 5 && QString::fromLatin1(argv[3]) == QStringLiteral("--conditions");
    if (argc != 3 && !withConditions) {
        out << "usage: quorvane-screenshots PROGRAM_FOLDER OUTPUT_FOLDER [--conditions FILE.ini]\n";
        return 2;
    }
    const QString conditions = withConditions ? QString::fromLocal8Bit(argv[4]) : QString();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString shots = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(shots);

    TMainForm form(MakeShotDialogs(conditions, out), folder);
    form.showMaximized();
    while (form.windowHandle() == nullptr || !form.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QApplication::processEvents();
    out << "start-up to a visible window: " << clock.elapsed() << " ms, " << form.History().size()
        << " draws\n";
    out.flush();

    Save(form, shots, QStringLiteral("data-view"));
    form.SqlMenuClick();
    const quorvane::DrawHistory& history = form.History();
    if (history.size() > 10) {
        form.SqlPanel->SqlSe1->setValue(history[history.size() - 10].Issue());
    }
    form.SqlPanel->SqlBt->click();
    Save(form, shots, QStringLiteral("query-view"));
    form.ScaleMenuClick();
    Save(form, shots, QStringLiteral("shrink-panel"));
    form.GridXMenuClick();
    Save(form, shots, QStringLiteral("chart-pages"));
    TakeChartShots(
        form, [&](QWidget& widget, const QString& name) { Save(widget, shots, name); }, out);
    TakeShrinkShots(
        form, [&](QWidget& widget, const QString& name) { Save(widget, shots, name); }, shots, withConditions, out);
    TakePredictShots(
        form, [&](QWidget& widget, const QString& name) { Save(widget, shots, name); }, out);

    TakeDesktopShots(form, [&](QWidget& widget, const QString& name) { Save(widget, shots, name); });
    TAboutForm about(form.Dialogs(), &form);
    about.show();
    Save(about, shots, QStringLiteral("about"));
    return 0;
}
