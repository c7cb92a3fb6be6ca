#pragma once

#include <QString>
#include <QStringList>

namespace quorvane::gui {

class IDialogs;

// The one print routine: asks for a printer (or a file) through the dialog service, then prints as
// plain text with the job title and the font size in points: the time-stamp line, then every line
// of the list, one printed line each, over as many pages as needed. Cancelling prints nothing.
void PrintLines(IDialogs& dialogs, const QString& title, const QStringList& lines, int fontSize);

} // namespace quorvane::gui
