#pragma once

#include <functional>

#include <QString>

class QTextStream;
class QWidget;

namespace quorvane::gui {

class TMainForm;

// Pictures of the recommendation view after "单注推荐" (PridictPanel) and after "冷码推荐"
// (PridictPanel-cold) and of its two pop-up menus (RcmFsMenu, AreaPopupMenu), then the time from a command to
// its memo painted, for every command on the program's history. save(widget, name) writes a picture of the
// widget.
void TakePredictShots(TMainForm& form, const std::function<void(QWidget&, const QString&)>& save,
                      QTextStream& out);

} // namespace quorvane::gui
