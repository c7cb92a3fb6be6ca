#pragma once

#include <exception>
#include <string>

#include <QObject>

namespace quorvane::gui {

class IDialogs;

// Errors that reach the top of a command (a file that cannot be read, text that is not a number)
// are shown with their text in the standard error box of the dialog service registered here (the
// main window's); the command is abandoned and the program keeps running.
void SetErrorDialogs(IDialogs* dialogs);
IDialogs* ErrorDialogs();

// Shows the text in the registered error box (on the error output when none is registered).
void ReportError(const std::string& text);

// Shows the text in a plain message box of the registered service (on the error output when none is
// registered): the default hook of the grids' index errors, which are reported and then ignored.
void ReportMessage(const std::string& text);

// Runs a command; an error it raises is reported and goes no further.
template <typename Fn> void RunGuarded(Fn&& fn) noexcept
{
    try {
        fn();
    } catch (const std::exception& e) {
        ReportError(e.what());
    } catch (...) {
        ReportError("Unknown error");
    }
}

// Connects a signal to a command that runs guarded (see RunGuarded); the signal's arguments are
// not passed on.
template <typename Sender, typename Signal, typename Fn>
void ConnectCommand(Sender* sender, Signal signal, QObject* context, Fn fn)
{
    QObject::connect(sender, signal, context, [fn] { RunGuarded(fn); });
}

} // namespace quorvane::gui
