#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace quorvane::gui {

class TViewContext;

// The query view (SqlPanel): lists the draws from an issue onwards and prints the list.
class TQueryView final : public QWidget
{
    Q_OBJECT

public:
    explicit TQueryView(TViewContext& context, QWidget* parent = nullptr);

    QSpinBox* SqlSe1 = nullptr; // the issue to start from, e.g. 2005013
    QSpinBox* SqlSe2 = nullptr; // how many draws to list
    QPushButton* SqlBt = nullptr;
    QPushButton* PrintBt = nullptr;
    QPlainTextEdit* SqlMemo = nullptr;

    void SqlBtClick();
    void PrintBtClick();

private:
    TViewContext& m_context;
};

} // namespace quorvane::gui
