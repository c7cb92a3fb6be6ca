#include "views/QueryView.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/ErrorReport.h"
#include "app/QtText.h"
#include "app/ViewContext.h"
#include "history/IssueQuery.h"
#include "text/SplitText.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

TQueryView::TQueryView(TViewContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("SqlPanel"));
    QVBoxLayout* layout = NewFlatLayout(this);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("SqlStrip"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(8, 6, 8, 6);
    SqlSe1 = NewSpinEdit(strip, QStringLiteral("SqlSe1"), 2005013);
    SqlSe2 = NewSpinEdit(strip, QStringLiteral("SqlSe2"), 30);
    QWidget* sentence =
        NewGapSentence(strip, QStringLiteral("查询第           期起总共       期的开奖号"), {SqlSe1, SqlSe2});
    sentence->setObjectName(QStringLiteral("Label2"));
    SqlBt = new QPushButton(QStringLiteral("查询"), strip);
    SqlBt->setObjectName(QStringLiteral("SqlBt"));
    PrintBt = new QPushButton(QStringLiteral("打印"), strip);
    PrintBt->setObjectName(QStringLiteral("PrintBt"));
    stripLayout->addWidget(sentence);
    stripLayout->addSpacing(12);
    stripLayout->addWidget(SqlBt);
    stripLayout->addWidget(PrintBt);
    stripLayout->addStretch(1);
    layout->addWidget(strip);

    SqlMemo = NewMemo(this, QStringLiteral("SqlMemo"));
    layout->addWidget(SqlMemo, 1);

    ConnectCommand(SqlBt, &QPushButton::clicked, this, [this] { SqlBtClick(); });
    ConnectCommand(PrintBt, &QPushButton::clicked, this, [this] { PrintBtClick(); });
}

void TQueryView::SqlBtClick()
{
    const std::vector<std::string> lines = QueryIssues(m_context.History(), SqlSe1->value(), SqlSe2->value());
    SetMemoLines(SqlMemo, lines);
}

void TQueryView::PrintBtClick()
{
    m_context.PrintList(ToQ(SplitLines(FromQ(SqlMemo->toPlainText()))));
}

} // namespace quorvane::gui
