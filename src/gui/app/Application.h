#pragma once

#include <QApplication>

namespace quorvane::gui {

// The desktop program's application: sets the program font (InterfaceFont), and is the top-level
// handler that shows any error escaping an event handler in the standard error box and keeps running.
class TApplication final : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace quorvane::gui
