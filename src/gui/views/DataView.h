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
    // it. Throws UserError when the file cannot be read; the editor and the history stay empty.
    void LoadStartupData();

    // The editor's lines (an empty editor has none) and their replacement.
    std::vector<std::string> EditorLines() const;
    void SetEditorLines(const std::vector<std::string>& lines);

    // True when the program may close: the editor holds what was last loaded or saved, or the user
    // saved it or chose not to. False when the user cancels or the save fails.
    bool ConfirmClose();

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
    void ParseEditor();
    void MarkSaved();
    void ShowCaretPosition();

    TViewContext& m_context;
    QString m_savedText;
    int m_updateTimeoutMs;
};

} // namespace quorvane::gui
