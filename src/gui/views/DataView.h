#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QWidget>

class QAction;
class QPlainTextEdit;
class QToolBar;

namespace quorvane::gui {

class TViewContext;

// The data view (DataPanel): the editor DataMemo holding the data file's text and the tool bar
// Sheet1Tbr with the online update, clear, import and save. Every command that changes the editor,
// and the save, ends with the parse, which replaces the history when the text is valid.
class TDataView final : public QWidget
{
    Q_OBJECT

public:
    explicit TDataView(TViewContext& context, QWidget* parent = nullptr);

    QToolBar* Sheet1Tbr = nullptr;
    QAction* Sheet1TbrDownBt = nullptr;
    QAction* Sheet1TbrClearBt = nullptr;
    QAction* Sheet1TbrOmportBt = nullptr;
    QAction* Sheet1TbrSaveBt = nullptr;
    QPlainTextEdit* DataMemo = nullptr;

    // The data file: ssq.dxt in the program's folder.
    QString DataFilePath() const;

    // Start-up: loads the data file into the editor (an empty file leaves it as it is) and parses
    // it. Without a data file, starts from the carried history, writes it as the data file and says
    // so in the status bar (a failed write is shown, the history is used all the same). Throws
    // UserError when an existing file cannot be read; the editor and the history stay empty.
    void LoadStartupData();
    // True when the start-up found no data file and began from the carried history.
    bool StartedFromBuiltin() const { return m_startedFromBuiltin; }

    // The editor's lines (an empty editor has none) and their replacement.
    std::vector<std::string> EditorLines() const;
    void SetEditorLines(const std::vector<std::string>& lines);

    // True when the program may close: the editor holds what was last loaded or saved, or the user
    // chose not to save, or saved text that parses. False when the user cancels (the default), the
    // save fails, the saved text has bad lines (reported) or the user declines emptying the file.
    bool ConfirmClose();

    enum class TSaveOutcome
    {
        Declined,       // the user did not confirm emptying a data file that holds draws
        Saved,          // written, and the text parses
        SavedWithErrors // written, and the parse reported bad lines
    };
    // The save of "保存数据" and of the question on closing: asks first (default 否) when the editor
    // is blank while the data file holds lines, writes the editor's text, shows "保存文档完毕" and
    // parses. Throws UserError when the file cannot be written (the old file stays, no parse).
    TSaveOutcome SaveEditor();

    // The online update abandons a download that receives nothing for this long.
    void SetUpdateTimeoutMs(int ms) { m_updateTimeoutMs = ms; }

    // The commands.
    void Sheet1TbrDownBtClick();
    void Sheet1TbrClearBtClick();
    void Sheet1TbrOmportBtClick();
    void Sheet1TbrSaveBtClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Parses the editor into the history; shows the parse message and returns false on bad lines.
    bool ParseEditor();
    void MarkSaved();
    void ShowCaretPosition();

    TViewContext& m_context;
    QString m_savedText;
    bool m_startedFromBuiltin = false;
    int m_updateTimeoutMs;
};

} // namespace quorvane::gui
