#pragma once

#include "app/Dialogs.h"

class QWidget;

namespace quorvane::gui {

// The dialog service of the program: Qt's message boxes, input and file dialogs, print dialog and
// progress dialog, parented to the main window; addresses go to the desktop.
class TQtDialogs final : public IDialogs
{
public:
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
    TAnswer Ask(const QString& text, bool withCancel) override;
    std::optional<QString> InputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<QString> OpenFileName(const TFileDialogSpec& dialog) override;
    std::optional<QString> SaveFileName(const TFileDialogSpec& dialog) override;
    bool SetUpPrinter(QPrinter& printer) override;
    int ExecModal(QDialog& dialog) override;
    std::unique_ptr<IProgress> OpenProgress(const QString& text, std::function<void()> onCancel) override;
    void OpenUrl(const QUrl& url) override;

private:
    QWidget* m_parent = nullptr;
};

// "文本文件|*.txt|所有文件|*.*" as a Qt name filter: "文本文件 (*.txt);;所有文件 (*.*)".
QString QtNameFilter(const QString& filter);

} // namespace quorvane::gui
