#include "PredictShots.h"

#include <algorithm>
#include <exception>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextStream>

#include "app/MainForm.h"
#include "views/PredictPanel.h"

namespace quorvane::gui {

namespace {

using Handler = void (TPredictPanel::*)();

struct TTimedCommand
{
    QAction* TPredictPanel::*Control; // the button or menu item, for its caption
    Handler Run;
};

// The commands that fill the memo; the pop-up items stand for their tool buttons.
const TTimedCommand kTimedCommands[] = {
    {&TPredictPanel::RcmLmBt, &TPredictPanel::RcmLmBtClick},
    {&TPredictPanel::RcmRmBt, &TPredictPanel::RcmRmBtClick},
    {&TPredictPanel::RcmBcmBt, &TPredictPanel::RcmBcmBtClick},
    {&TPredictPanel::RcmDmBt, &TPredictPanel::RcmDmBtClick},
    {&TPredictPanel::RcmDzBt, &TPredictPanel::RcmDzBtClick},
    {&TPredictPanel::RcmFsMenuR2, &TPredictPanel::RcmFsMenuR2Click},
    {&TPredictPanel::RcmFsMenuR20, &TPredictPanel::RcmFsMenuR20Click},
    {&TPredictPanel::RcmFsMenu30, &TPredictPanel::RcmFsMenu30Click},
    {&TPredictPanel::TuiWeiNumRcmBt, &TPredictPanel::TuiWeiNumRcmBtClick},
    {&TPredictPanel::RcmQiOuBiBt, &TPredictPanel::RcmQiOuBiBtClick},
    {&TPredictPanel::AreaSumRcmBt1, &TPredictPanel::AreaSumRcmBt1Click},
    {&TPredictPanel::AreaSumRcmBt2, &TPredictPanel::AreaSumRcmBt2Click},
    {&TPredictPanel::AreaSumRcmBt3, &TPredictPanel::AreaSumRcmBt3Click},
};

constexpr int kTimedRuns = 7;

// Runs a command and paints the memo; false (with the reason on out) when the command refused.
// The command is called directly rather than through its button so that a refusal is written here
// instead of opening a message box that nobody would answer.
bool RunAndPaint(TPredictPanel& panel, Handler run, QTextStream& out)
{
    try {
        (panel.*run)();
    } catch (const std::exception& e) {
        out << "  refused: " << QString::fromUtf8(e.what()) << '\n';
        return false;
    }
    panel.TuiMemo->viewport()->repaint();
    return true;
}

} // namespace

void TakePredictShots(TMainForm& form, const std::function<void(QWidget&, const QString&)>& save,
                      QTextStream& out)
{
    form.RcmMenuClick();
    TPredictPanel& panel = *form.PridictPanel;
    if (RunAndPaint(panel, &TPredictPanel::RcmDzBtClick, out)) {
        save(form, QStringLiteral("PridictPanel"));
    }
    if (RunAndPaint(panel, &TPredictPanel::RcmLmBtClick, out)) {
        save(form, QStringLiteral("PridictPanel-cold"));
    }
    for (QMenu* menu : {panel.RcmFsMenu, panel.AreaPopupMenu}) {
        menu->popup(form.mapToGlobal(QPoint(40, 120)));
        save(*menu, menu->objectName());
        menu->hide();
    }

    out << "recommendation, command to memo painted on " << form.History().size()
        << " draws (median / max of " << kTimedRuns << " runs):\n";
    for (const TTimedCommand& command : kTimedCommands) {
        std::vector<qint64> micros;
        for (int i = 0; i < kTimedRuns; ++i) {
            QApplication::processEvents();
            QElapsedTimer clock;
            clock.start();
            if (!RunAndPaint(panel, command.Run, out)) {
                break;
            }
            micros.push_back(clock.nsecsElapsed() / 1000);
        }
        if (micros.empty()) {
            continue;
        }
        std::sort(micros.begin(), micros.end());
        out << "  " << (panel.*command.Control)->text() << ": " << micros[micros.size() / 2] / 1000.0 << " / "
            << micros.back() / 1000.0 << " ms\n";
    }
    out.flush();
}

} // namespace quorvane::gui
