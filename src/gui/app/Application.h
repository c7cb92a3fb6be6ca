#pragma once

#include <QApplication>
#include <QFont>

namespace quorvane::gui {

// The program's font: 宋体 at 14 pixels where it exists, otherwise a CJK font of the desktop.
QFont ProgramFont();

// The desktop program's application: sets the program font, and is the top-level handler that
// shows any error escaping an event handler in the standard error box and keeps running.
class TApplication final : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace quorvane::gui
