#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

namespace quorvane::gui {

class IDialogs;

// Printed text keeps at least this far from every edge of the paper, and never comes nearer than
// the printer's own margins.
inline constexpr double kMinPrintMarginMm = 10.0;

// Widens the printer's page margins to kMinPrintMarginMm where they are narrower.
void KeepPrintMargins(QPrinter& printer);

// The one print routine: asks for a printer (or a file) through the dialog service, then prints as
// plain text with the job title and the font size in points, inside the page margins: the time-stamp line, then every line
// of the list, one printed line each, over as many pages as needed. Cancelling prints nothing.
void PrintLines(IDialogs& dialogs, const QString& title, const QStringList& lines, int fontSize);

} // namespace quorvane::gui
