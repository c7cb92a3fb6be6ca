#pragma once

#include <QMainWindow>

namespace quorvane::gui {

// The program's contact for support, shown in the window caption.
inline constexpr const char* kSupportContact = "quorvane@example.org";

// "Quorvane  V2010  技术支持: <contact>"
QString MainCaption();

// The main window.
class TMainForm final : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
};

} // namespace quorvane::gui
