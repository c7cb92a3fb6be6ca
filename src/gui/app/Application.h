#pragma once

#include <QApplication>

namespace quorvane::gui {

// The desktop program's application: sets the program's name and font (InterfaceFont), speaks Chinese
// in Qt's own dialogs, and is the top-level handler that shows any error escaping an event handler in
// the standard error box and keeps running.
class TApplication final : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Loads Qt's simplified-Chinese texts (file dialogs, print dialog, standard buttons) from Qt's
    // translations folder; false when they are not installed (the program's own boxes name their
    // buttons themselves).
    bool LoadQtTranslations();
};

} // namespace quorvane::gui
