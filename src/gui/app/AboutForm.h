#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quorvane::gui {

class IDialogs;

// The About window: program name, release, release date, the support web address (a click opens
// it with the desktop's browser), where the data file is (when given), and the button "关闭".
class TAboutForm final : public QDialog
{
    Q_OBJECT

public:
    TAboutForm(IDialogs& dialogs, QWidget* parent = nullptr, const QString& dataFile = QString());

    QLabel* NameLbl = nullptr;
    QLabel* VersionLbl = nullptr;
    QLabel* DateLbl = nullptr;
    QLabel* WebLbl = nullptr;
    QLabel* DataLbl = nullptr;
    QPushButton* CloseBt = nullptr;
};

} // namespace quorvane::gui
