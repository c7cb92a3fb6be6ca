#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

class QDialog;
class QPrinter;
class QUrl;

namespace quorvane::gui {

enum class TAnswer
{
    Yes,
    No,
    Cancel
};

// An open or save file dialog. Filter in the form "文本文件|*.txt" (description|patterns, pairs
// joined by "|"); DefaultExt without the dot is appended to a typed name that has none.
struct TFileDialogSpec
{
    QString Title;
    QString Filter;
    QString DefaultExt;
    QString Folder;
};

// A progress window of a long command that the user can cancel.
class IProgress
{
public:
    virtual ~IProgress() = default;
    // done of total units; total < 0 when the total is not known yet.
    virtual void SetProgress(qint64 done, qint64 total) = 0;
};

// Every modal interaction of the program goes through this service, owned by the main window.
// The program uses the Qt dialogs (TQtDialogs); tests install a scripted one.
class IDialogs
{
public:
    virtual ~IDialogs() = default;

    // A plain modal message box.
    virtual void ShowMessage(const QString& text) = 0;
    // The standard error box that shows the text of an error.
    virtual void ShowError(const QString& text) = 0;
    // A question with the buttons Yes and No, or Yes, No and Cancel.
    virtual TAnswer Ask(const QString& text, bool withCancel) = 0;
    // The same with defaultAnswer as the button that Enter presses (a question that guards the
    // user's data defaults to the harmless answer). A service without default buttons asks plainly.
    virtual TAnswer AskWithDefault(const QString& text, bool withCancel, TAnswer defaultAnswer)
    {
        static_cast<void>(defaultAnswer);
        return Ask(text, withCancel);
    }
    // A single-line input box; nothing when cancelled.
    virtual std::optional<QString> InputText(const QString& title, const QString& prompt,
                                             const QString& initial) = 0;
    // File name dialogs; nothing when cancelled.
    virtual std::optional<QString> OpenFileName(const TFileDialogSpec& dialog) = 0;
    virtual std::optional<QString> SaveFileName(const TFileDialogSpec& dialog) = 0;
    // The platform's print dialog: the user picks a printer or a file; false when cancelled.
    virtual bool SetUpPrinter(QPrinter& printer) = 0;
    // One of the program's own windows, shown modally; returns its result code.
    virtual int ExecModal(QDialog& dialog) = 0;
    // Shows a progress window until the returned object is destroyed; onCancel runs when the
    // user cancels.
    virtual std::unique_ptr<IProgress> OpenProgress(const QString& text, std::function<void()> onCancel) = 0;
    // Opens an address (a web page, a local file) with the desktop's default handler.
    virtual void OpenUrl(const QUrl& url) = 0;
    // The same, telling whether the desktop managed to open it (no handler, no launcher: false), so
    // the caller can offer another way. A service that cannot tell says true.
    virtual bool TryOpenUrl(const QUrl& url)
    {
        OpenUrl(url);
        return true;
    }
};

} // namespace quorvane::gui
