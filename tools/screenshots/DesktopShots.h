#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace quorvane::gui {

class TMainForm;

// Pictures of the desktop dialogs as the program shows them: the question on closing with unsaved
// edits (quit-question) and before emptying the data file (empty-save-question), Qt's file and print
// dialogs in Chinese (file-dialog, print-dialog), the About window with the data file
// (about-data-file) and the main tool bar's icons (main-toolbar). save(widget, name) writes a
// picture of the widget.
void TakeDesktopShots(TMainForm& form, const std::function<void(QWidget&, const QString&)>& save);

} // namespace quorvane::gui
