#pragma once

#include <functional>
#include <memory>

#include <QString>

class QTextStream;
class QWidget;

namespace quorvane::gui {

class IDialogs;
class TMainForm;

// The dialog service of the screenshot tool: nothing waits for a user. The open dialog of
// "条件导入" is answered with conditionsFile (when there is one); messages and errors are written
// to out; questions are answered Yes; every other dialog is cancelled.
std::unique_ptr<IDialogs> MakeShotDialogs(const QString& conditionsFile, QTextStream& out);

// Pictures of every shrink page (RcmSheet4.png and the others, named after the page; the pages
// whose tabs are hidden are shown for their pictures). With a conditions file it is first loaded
// through "条件导入" and "缩水计算" is pressed; the result memo goes to result.txt (UTF-8) in the
// output folder, and the times of both are reported.
void TakeShrinkShots(TMainForm& form, const std::function<void(QWidget&, const QString&)>& save,
                     const QString& outputFolder, bool withConditions, QTextStream& out);

} // namespace quorvane::gui
