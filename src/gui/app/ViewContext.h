#pragma once

#include <QString>
#include <QStringList>

#include "base/Random.h"
#include "history/DrawHistory.h"

class QSettings;

namespace quorvane::gui {

class IDialogs;
class TCodeViewForm;
class TProgressForm;
class TTuForm;

// What the views reach of the main window, which owns the history, the dialog service, the status
// bar and the secondary windows.
class TViewContext
{
public:
    virtual ~TViewContext() = default;

    // The draw history, oldest draw first.
    virtual const DrawHistory& History() const = 0;
    // Replaces the history whole; only the data page's commands call it, after a successful parse.
    virtual void SetHistory(DrawHistory history) = 0;

    virtual IDialogs& Dialogs() = 0;
    // The program's one random generator: every random pick and random reference set draws from
    // it, so the sequence continues across features as the program runs.
    virtual Random& ProgramRandom() = 0;
    // The program's data folder: the data file, the settings and the update download stand there.
    // Beside the program for a copy run from a writable folder, else the user's data folder.
    virtual QString ProgramFolder() const = 0;
    // The program's settings (choices remembered between runs), kept in the file kSettingsFileName
    // beside the data file.
    virtual QSettings& Settings() = 0;
    // Status-bar panel 0.
    virtual void SetStatusText(const QString& text) = 0;

    // Prints a list: PrintLines with the dialog service of the main window.
    virtual void PrintList(const QStringList& lines) = 0;
    // The modal text window TSmForm with the caption, holding the lines.
    virtual void ShowTextWindow(const QString& caption, const QStringList& lines) = 0;
    virtual TProgressForm& ProgressForm() = 0;
    virtual TCodeViewForm& CodeViewForm() = 0;
    // The chart window of a chart button (by the button's object name: tj6TuBt, tj31TbBt, tj32TbBt):
    // created on first use and kept, shown with the button's chart built for its number of draws.
    virtual TTuForm& ChartWindow(const QString& buttonName) = 0;

    // Navigation used by the jump buttons of the shrink pages.
    virtual void ShowGridPage(int pageIndex) = 0;
    virtual void ShowPredictView() = 0;
};

} // namespace quorvane::gui
