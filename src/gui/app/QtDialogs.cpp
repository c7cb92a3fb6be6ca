#include "app/QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

namespace quorvane::gui {

namespace {

// The program's own names of the standard buttons, so its boxes read Chinese even where Qt's
// translations are not installed.
void NameButtons(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Yes, "是"}, {QMessageBox::No, "否"}, {QMessageBox::Cancel, "取消"}, {QMessageBox::Ok, "确定"}};
    for (const auto& [button, name] : names) {
        if (QAbstractButton* b = box.button(button)) {
            b->setText(QString::fromUtf8(name));
        }
    }
}

QMessageBox::StandardButton ButtonOf(TAnswer answer)
{
    switch (answer) {
    case TAnswer::Yes:
        return QMessageBox::Yes;
    case TAnswer::No:
        return QMessageBox::No;
    case TAnswer::Cancel:
        break;
    }
    return QMessageBox::Cancel;
}

class TQtProgress final : public IProgress
{
public:
    TQtProgress(QWidget* parent, const QString& title, const QString& text, std::function<void()> onCancel)
        : m_dialog(text, QStringLiteral("取消"), 0, 0, parent)
    {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(0);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        QObject::connect(&m_dialog, &QProgressDialog::canceled, std::move(onCancel));
        m_dialog.show();
    }

    void SetProgress(qint64 done, qint64 total) override
    {
        // QProgressDialog counts in int: show kilobytes.
        if (total < 0) {
            m_dialog.setRange(0, 0);
            return;
        }
        m_dialog.setRange(0, static_cast<int>(total / 1024 + 1));
        m_dialog.setValue(static_cast<int>(done / 1024));
    }

private:
    QProgressDialog m_dialog;
};

QFileDialog::Options NoOptions()
{
    return {};
}

QString AddDefaultExt(QString name, const QString& ext)
{
    if (!name.isEmpty() && !ext.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
        name += QLatin1Char('.') + ext;
    }
    return name;
}

} // namespace

QString QtNameFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.push_back(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

std::unique_ptr<QMessageBox> NewMessageBox(QWidget* parent, const QString& title, const QString& text,
                                           bool error)
{
    auto box = std::make_unique<QMessageBox>(error ? QMessageBox::Critical : QMessageBox::Information, title,
                                             text, QMessageBox::Ok, parent);
    NameButtons(*box);
    // An address or a path in a message can be copied.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

std::unique_ptr<QMessageBox> NewQuestionBox(QWidget* parent, const QString& title, const QString& text,
                                            bool withCancel, TAnswer defaultAnswer)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) {
        buttons |= QMessageBox::Cancel;
    }
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, title, text, buttons, parent);
    NameButtons(*box);
    if (!withCancel && defaultAnswer == TAnswer::Cancel) {
        defaultAnswer = TAnswer::No;
    }
    box->setDefaultButton(ButtonOf(defaultAnswer));
    box->setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
    return box;
}

void TQtDialogs::ShowMessage(const QString& text)
{
    NewMessageBox(m_parent, m_title, text, false)->exec();
}

void TQtDialogs::ShowError(const QString& text)
{
    NewMessageBox(m_parent, m_title, text, true)->exec();
}

TAnswer TQtDialogs::Ask(const QString& text, bool withCancel)
{
    return AskWithDefault(text, withCancel, TAnswer::Yes);
}

TAnswer TQtDialogs::AskWithDefault(const QString& text, bool withCancel, TAnswer defaultAnswer)
{
    const auto box = NewQuestionBox(m_parent, m_title, text, withCancel, defaultAnswer);
    box->exec();
    switch (box->standardButton(box->clickedButton())) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    default:
        return withCancel ? TAnswer::Cancel : TAnswer::No;
    }
}

std::optional<QString> TQtDialogs::InputText(const QString& title, const QString& prompt,
                                             const QString& initial)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

std::optional<QString> TQtDialogs::OpenFileName(const TFileDialogSpec& dialog)
{
    const QString name = QFileDialog::getOpenFileName(m_parent, dialog.Title, dialog.Folder,
                                                      QtNameFilter(dialog.Filter), nullptr, NoOptions());
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

std::optional<QString> TQtDialogs::SaveFileName(const TFileDialogSpec& dialog)
{
    const QString name = QFileDialog::getSaveFileName(m_parent, dialog.Title, dialog.Folder,
                                                      QtNameFilter(dialog.Filter), nullptr, NoOptions());
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return AddDefaultExt(name, dialog.DefaultExt);
}

bool TQtDialogs::SetUpPrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

int TQtDialogs::ExecModal(QDialog& dialog)
{
    return dialog.exec();
}

std::unique_ptr<IProgress> TQtDialogs::OpenProgress(const QString& text, std::function<void()> onCancel)
{
    return std::make_unique<TQtProgress>(m_parent, m_title, text, std::move(onCancel));
}

void TQtDialogs::OpenUrl(const QUrl& url)
{
    TryOpenUrl(url);
}

bool TQtDialogs::TryOpenUrl(const QUrl& url)
{
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (launcher.isEmpty()) {
        return QDesktopServices::openUrl(url);
    }
    // xdg-open reports a missing handler only by its exit status, and a handler may keep it running
    // for as long as the page or file is open. It runs detached (closing the program never ends it)
    // and leaves its status in a file; a launcher still busy after a few seconds has found a handler.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        return QDesktopServices::openUrl(url);
    }
    folder.setAutoRemove(false);
    const QString statusFile = folder.filePath(QStringLiteral("status"));
    const QString script = QStringLiteral("\"$1\" \"$2\" >/dev/null 2>&1; echo $? > \"$3\"");
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"),
                                 {QStringLiteral("-c"), script, QStringLiteral("sh"), launcher,
                                  url.isLocalFile() ? url.toLocalFile() : url.toString(), statusFile})) {
        folder.remove();
        return false;
    }
    for (int waited = 0; waited < 4000; waited += 50) {
        QFile status(statusFile);
        if (status.open(QIODevice::ReadOnly)) {
            const QByteArray code = status.readAll().trimmed();
            if (!code.isEmpty()) {
                status.close();
                folder.remove();
                return code == "0";
            }
        }
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        QThread::msleep(50);
    }
    return true;
}

} // namespace quorvane::gui
