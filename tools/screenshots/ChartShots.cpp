#include "ChartShots.h"

#include <algorithm>

#include <QElapsedTimer>
#include <QSpinBox>
#include <QTextStream>

#include "app/MainForm.h"
#include "app/TuForm.h"
#include "charts/ChartPages.h"
#include "views/ChartPageView.h"
#include "views/PageControl.h"

namespace quorvane::gui {

namespace {

TPageControl* ControlOf(TMainForm& form, ChartPageControl control)
{
    switch (control) {
    case ChartPageControl::GridPctl:
        return form.GridPctl;
    case ChartPageControl::ChartPCtr:
        return form.ChartPCtr;
    case ChartPageControl::FxPCtr:
        return form.fxPCtr;
    }
    return nullptr;
}

int ShotsN(int draws)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("QUORVANE_SHOTS_CHART_N", &ok);
    return std::min(ok ? n : kDefaultChartN, draws);
}

} // namespace

void TakeChartShots(TMainForm& form, const std::function<void(QWidget&, const QString&)>& save,
                    QTextStream& out)
{
    const int n = ShotsN(static_cast<int>(form.History().size()));
    out << "chart pages, N = " << n << " on " << form.History().size() << " draws: show to first paint\n";
    for (const ChartPage& page : ChartPages()) {
        TPageControl* control = ControlOf(form, page.Control);
        QWidget* pageWidget = control->Page(QString::fromUtf8(page.ObjectName));
        auto* view = pageWidget->findChild<TChartPageView*>();
        view->Se->setValue(n);
        // Another view in front, so that the page's show is its first show with this N.
        form.SqlMenuClick();
        control->setCurrentWidget(pageWidget);
        QElapsedTimer clock;
        clock.start();
        form.ShowView(control);
        form.repaint();
        const qint64 ms = clock.elapsed();
        out << "  " << page.ObjectName << '\t' << QString::fromUtf8(page.Caption) << '\t' << ms << " ms\n";
        out.flush();
        save(form, QString::fromUtf8(page.ObjectName));
    }
    for (const char* button : {"tj6TuBt", "tj31TbBt", "tj32TbBt"}) {
        TTuForm& window = form.ChartWindow(QString::fromUtf8(button));
        window.resize(1000, 640);
        save(window, window.objectName());
        window.hide();
    }
}

} // namespace quorvane::gui
