#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "app/Dialogs.h"

namespace quorvane::gui::test {

// The dialog service of the GUI tests. Each dialog the program opens must have been expected, in
// order; it gets the queued answer and its text is logged. An unexpected dialog, a dialog of
// another kind or with another text than expected, and an expectation left unused when the
// service is destroyed each fail the running test.
class TScriptedDialogs final : public IDialogs
{
public:
    enum class Kind
    {
        Message,
        Error,
        Ask,
        Input,
        OpenFile,
        SaveFile,
        Print,
        Modal,
        Progress,
        OpenUrl
    };

    struct Entry
    {
        Kind What;
        QString Text;
        TAnswer Default = TAnswer::Yes; // of a question: the button Enter presses
    };

    ~TScriptedDialogs() override;

    // An empty text accepts any text.
    TScriptedDialogs& ExpectMessage(const QString& text = QString());
    TScriptedDialogs& ExpectError(const QString& text = QString());
    TScriptedDialogs& ExpectAsk(TAnswer answer, const QString& text = QString());
    TScriptedDialogs& ExpectInput(std::optional<QString> answer);
    TScriptedDialogs& ExpectOpenFile(std::optional<QString> answer);
    TScriptedDialogs& ExpectSaveFile(std::optional<QString> answer);
    // The print dialog: prints to a PDF file, or is cancelled.
    TScriptedDialogs& ExpectPrintToPdf(const QString& pdfPath);
    TScriptedDialogs& ExpectPrintCancel();
    // A window of the program shown modally: the handler looks at it (it is not shown) and gives
    // the result; without a handler the window is rejected.
    TScriptedDialogs& ExpectModal(std::function<int(QDialog&)> handler = nullptr);
    // A progress window; cancelled by the user after cancelAfterMs when that is not negative.
    TScriptedDialogs& ExpectProgress(int cancelAfterMs = -1);
    // Opening an address; opened says whether the desktop manages to open it.
    TScriptedDialogs& ExpectOpenUrl(const QString& url = QString(), bool opened = true);

    // Everything shown, in order: texts of boxes and questions, titles of windows, addresses.
    const std::vector<Entry>& Log() const { return m_log; }
    QStringList Texts(Kind kind) const;
    bool AllUsed() const { return m_queue.empty(); }

    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;
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
    struct Expectation
    {
        Expectation(Kind what, QString text)
            : What(what)
            , Text(std::move(text))
        {
        }
        Kind What;
        QString Text;
        TAnswer Answer = TAnswer::Cancel;
        std::optional<QString> Value;
        std::function<int(QDialog&)> Handler;
        int Number = -1;
    };

    // The expectation for a dialog of that kind, or nothing when it was not expected.
    std::optional<Expectation> Take(Kind kind, const QString& text, TAnswer defaultAnswer = TAnswer::Yes);
    TScriptedDialogs& Push(Expectation e);

    std::deque<Expectation> m_queue;
    std::vector<Entry> m_log;
};

} // namespace quorvane::gui::test
