#pragma once

#include <memory>

#include "app/Dialogs.h"

class QMessageBox;
class QWidget;

namespace quorvane::gui {

// The dialog service of the program: Qt's message boxes, input and file dialogs, print dialog and
// progress dialog, parented to the main window; addresses go to the desktop.
class TQtDialogs final : public IDialogs
{
public:
    void SetParent(QWidget* parent) { m_parent = parent; }
    // The title of the message boxes, questions and progress windows (the program's caption).
    void SetTitle(const QString& title) { m_title = title; }

    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
    // Qt's boxes with the program's Chinese button texts; Ask defaults to 是.
    TAnswer Ask(const QString& text, bool withCancel) override;
    TAnswer AskWithDefault(const QString& text, bool withCancel, TAnswer defaultAnswer) override;
    std::optional<QString> InputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<QString> OpenFileName(const TFileDialogSpec& dialog) override;
    std::optional<QString> SaveFileName(const TFileDialogSpec& dialog) override;
    bool SetUpPrinter(QPrinter& printer) override;
    int ExecModal(QDialog& dialog) override;
    std::unique_ptr<IProgress> OpenProgress(const QString& text, std::function<void()> onCancel) override;
    void OpenUrl(const QUrl& url) override;
    bool TryOpenUrl(const QUrl& url) override;

private:
    QWidget* m_parent = nullptr;
    QString m_title = QStringLiteral("Quorvane");
};

// The boxes the service shows, with Chinese button texts (是, 否, 取消, 确定); a question has the given
// default button and Escape answers Cancel (No without Cancel). For looking at them unshown.
std::unique_ptr<QMessageBox> NewMessageBox(QWidget* parent, const QString& title, const QString& text, bool error);
std::unique_ptr<QMessageBox> NewQuestionBox(QWidget* parent, const QString& title, const QString& text,
                                            bool withCancel, TAnswer defaultAnswer);

// "文本文件|*.txt|所有文件|*.*" as a Qt name filter: "文本文件 (*.txt);;所有文件 (*.*)".
QString QtNameFilter(const QString& filter);

} // namespace quorvane::gui
