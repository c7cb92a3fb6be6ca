#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace quorvane::gui {

// The report window of the number health check: on top of the other windows, one read-only memo
// filling it; start caption "查看缩水结果".
class TCodeViewForm final : public QWidget
{
    Q_OBJECT

public:
    explicit TCodeViewForm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo = nullptr;
};

} // namespace quorvane::gui
