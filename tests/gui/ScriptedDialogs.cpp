#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrl>

namespace quorvane::gui::test {

namespace {

const char* KindName(TScriptedDialogs::Kind kind)
{
    using Kind = TScriptedDialogs::Kind;
    switch (kind) {
    case Kind::Message:
        return "message";
    case Kind::Error:
        return "error";
    case Kind::Ask:
        return "question";
    case Kind::Input:
        return "input";
    case Kind::OpenFile:
        return "open file";
    case Kind::SaveFile:
        return "save file";
    case Kind::Print:
        return "print";
    case Kind::Modal:
        return "modal window";
    case Kind::Progress:
        return "progress";
    case Kind::OpenUrl:
        return "open address";
    }
    return "?";
}

class TScriptedProgress final : public IProgress
{
public:
    TScriptedProgress(int cancelAfterMs, std::function<void()> onCancel)
    {
        if (cancelAfterMs >= 0) {
            m_timer.setSingleShot(true);
            QObject::connect(&m_timer, &QTimer::timeout, std::move(onCancel));
            m_timer.start(cancelAfterMs);
        }
    }
    void SetProgress(qint64, qint64) override {}

private:
    QTimer m_timer;
};

} // namespace

TScriptedDialogs::~TScriptedDialogs()
{
    for (const Expectation& e : m_queue) {
        ADD_FAILURE() << "expected " << KindName(e.What)
                      << " dialog was never shown: " << e.Text.toStdString();
    }
}

TScriptedDialogs& TScriptedDialogs::Push(Expectation e)
{
    m_queue.push_back(std::move(e));
    return *this;
}

TScriptedDialogs& TScriptedDialogs::ExpectMessage(const QString& text)
{
    return Push({Kind::Message, text});
}

TScriptedDialogs& TScriptedDialogs::ExpectError(const QString& text)
{
    return Push({Kind::Error, text});
}

TScriptedDialogs& TScriptedDialogs::ExpectAsk(TAnswer answer, const QString& text)
{
    Expectation e{Kind::Ask, text};
    e.Answer = answer;
    return Push(std::move(e));
}

TScriptedDialogs& TScriptedDialogs::ExpectInput(std::optional<QString> answer)
{
    Expectation e{Kind::Input, QString()};
    e.Value = std::move(answer);
    return Push(std::move(e));
}

TScriptedDialogs& TScriptedDialogs::ExpectOpenFile(std::optional<QString> answer)
{
    Expectation e{Kind::OpenFile, QString()};
    e.Value = std::move(answer);
    return Push(std::move(e));
}

TScriptedDialogs& TScriptedDialogs::ExpectSaveFile(std::optional<QString> answer)
{
    Expectation e{Kind::SaveFile, QString()};
    e.Value = std::move(answer);
    return Push(std::move(e));
}

TScriptedDialogs& TScriptedDialogs::ExpectPrintToPdf(const QString& pdfPath)
{
    Expectation e{Kind::Print, QString()};
    e.Value = pdfPath;
    return Push(std::move(e));
}

TScriptedDialogs& TScriptedDialogs::ExpectPrintCancel()
{
    return Push({Kind::Print, QString()});
}

TScriptedDialogs& TScriptedDialogs::ExpectModal(std::function<int(QDialog&)> handler)
{
    Expectation e{Kind::Modal, QString()};
    e.Handler = std::move(handler);
    return Push(std::move(e));
}

TScriptedDialogs& TScriptedDialogs::ExpectProgress(int cancelAfterMs)
{
    Expectation e{Kind::Progress, QString()};
    e.Number = cancelAfterMs;
    return Push(std::move(e));
}

TScriptedDialogs& TScriptedDialogs::ExpectOpenUrl(const QString& url, bool opened)
{
    Expectation e{Kind::OpenUrl, url};
    e.Number = opened ? 1 : 0;
    return Push(std::move(e));
}

QStringList TScriptedDialogs::Texts(Kind kind) const
{
    QStringList texts;
    for (const Entry& entry : m_log) {
        if (entry.What == kind) {
            texts.push_back(entry.Text);
        }
    }
    return texts;
}

std::optional<TScriptedDialogs::Expectation> TScriptedDialogs::Take(Kind kind, const QString& text,
                                                                   TAnswer defaultAnswer)
{
    m_log.push_back({kind, text, defaultAnswer});
    if (m_queue.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << " dialog: " << text.toStdString();
        return std::nullopt;
    }
    if (m_queue.front().What != kind) {
        ADD_FAILURE() << "expected a " << KindName(m_queue.front().What) << " dialog, got a "
                      << KindName(kind) << " dialog: " << text.toStdString();
        return std::nullopt;
    }
    Expectation e = std::move(m_queue.front());
    m_queue.pop_front();
    if (!e.Text.isEmpty() && e.Text != text) {
        ADD_FAILURE() << KindName(kind) << " dialog shows \"" << text.toStdString() << "\", expected \""
                      << e.Text.toStdString() << "\"";
    }
    return e;
}

void TScriptedDialogs::ShowMessage(const QString& text)
{
    Take(Kind::Message, text);
}

void TScriptedDialogs::ShowError(const QString& text)
{
    Take(Kind::Error, text);
}

TAnswer TScriptedDialogs::Ask(const QString& text, bool withCancel)
{
    return AskWithDefault(text, withCancel, TAnswer::Yes);
}

TAnswer TScriptedDialogs::AskWithDefault(const QString& text, bool withCancel, TAnswer defaultAnswer)
{
    const auto e = Take(Kind::Ask, text, defaultAnswer);
    if (!e) {
        return withCancel ? TAnswer::Cancel : TAnswer::No;
    }
    EXPECT_TRUE(withCancel || e->Answer != TAnswer::Cancel) << "a Yes/No question cannot be cancelled";
    return e->Answer;
}

std::optional<QString> TScriptedDialogs::InputText(const QString& title, const QString&, const QString&)
{
    const auto e = Take(Kind::Input, title);
    return e ? e->Value : std::nullopt;
}

std::optional<QString> TScriptedDialogs::OpenFileName(const TFileDialogSpec& dialog)
{
    const auto e = Take(Kind::OpenFile, dialog.Filter);
    return e ? e->Value : std::nullopt;
}

std::optional<QString> TScriptedDialogs::SaveFileName(const TFileDialogSpec& dialog)
{
    const auto e = Take(Kind::SaveFile, dialog.Filter);
    return e ? e->Value : std::nullopt;
}

bool TScriptedDialogs::SetUpPrinter(QPrinter& printer)
{
    const auto e = Take(Kind::Print, printer.docName());
    if (!e || !e->Value) {
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*e->Value);
    return true;
}

int TScriptedDialogs::ExecModal(QDialog& dialog)
{
    const auto e = Take(Kind::Modal, dialog.windowTitle());
    if (!e || !e->Handler) {
        return QDialog::Rejected;
    }
    return e->Handler(dialog);
}

std::unique_ptr<IProgress> TScriptedDialogs::OpenProgress(const QString& text, std::function<void()> onCancel)
{
    const auto e = Take(Kind::Progress, text);
    return std::make_unique<TScriptedProgress>(e ? e->Number : -1, std::move(onCancel));
}

void TScriptedDialogs::OpenUrl(const QUrl& url)
{
    TryOpenUrl(url);
}

bool TScriptedDialogs::TryOpenUrl(const QUrl& url)
{
    const auto e = Take(Kind::OpenUrl, url.toString());
    return e && e->Number != 0;
}

} // namespace quorvane::gui::test
