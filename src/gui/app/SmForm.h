#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace quorvane::gui {

// The text window: a memo filling the window, shown modally by ShowTextWindow with the caller's
// caption.
class TSmForm final : public QDialog
{
    Q_OBJECT

public:
    explicit TSmForm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo = nullptr;
};

} // namespace quorvane::gui
