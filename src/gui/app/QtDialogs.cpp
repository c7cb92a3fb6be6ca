#include "app/QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QUrl>

namespace quorvane::gui {

namespace {

QString BoxTitle()
{
    return QApplication::applicationDisplayName();
}

class TQtProgress final : public IProgress
{
public:
    TQtProgress(QWidget* parent, const QString& text, std::function<void()> onCancel)
        : m_dialog(text, QStringLiteral("取消"), 0, 0, parent)
    {
        m_dialog.setWindowTitle(BoxTitle());
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

void TQtDialogs::ShowMessage(const QString& text)
{
    QMessageBox::information(m_parent, BoxTitle(), text);
}

void TQtDialogs::ShowError(const QString& text)
{
    QMessageBox::critical(m_parent, BoxTitle(), text);
}

TAnswer TQtDialogs::Ask(const QString& text, bool withCancel)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) {
        buttons |= QMessageBox::Cancel;
    }
    switch (QMessageBox::question(m_parent, BoxTitle(), text, buttons)) {
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
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
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
    return std::make_unique<TQtProgress>(m_parent, text, std::move(onCancel));
}

void TQtDialogs::OpenUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

} // namespace quorvane::gui
