#include "app/TuForm.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "views/ViewParts.h"

namespace quorvane::gui {

TTuForm::TTuForm(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TuForm"));
    setWindowTitle(QStringLiteral("图表"));
    resize(800, 560);
    Panel = new QWidget(this);
    Panel->setObjectName(QStringLiteral("Panel"));
    NewFlatLayout(this)->addWidget(Panel);
    m_panelLayout = NewFlatLayout(Panel);

    TopPanel = new QWidget(Panel);
    TopPanel->setObjectName(QStringLiteral("TopPanel"));
    auto* top = new QHBoxLayout(TopPanel);
    top->setContentsMargins(8, 4, 8, 4);
    QiShuSe = NewSpinEdit(TopPanel, QStringLiteral("QiShuSe"), 30);
    ReViewBt = new QPushButton(QStringLiteral("查询"), TopPanel);
    ReViewBt->setObjectName(QStringLiteral("ReViewBt"));
    top->addWidget(NewGapSentence(TopPanel, QStringLiteral("统计最近         期的走势情况"), {QiShuSe}));
    top->addWidget(ReViewBt);
    top->addStretch(1);
    m_panelLayout->addWidget(TopPanel);
    m_panelLayout->addStretch(1);
    connect(ReViewBt, &QPushButton::clicked, this, &TTuForm::ReviewRequested);
}

void TTuForm::SetGrid(QWidget* grid)
{
    if (m_grid != nullptr) {
        delete m_grid;
    } else {
        delete m_panelLayout->takeAt(1); // the stretch that held the place
    }
    m_grid = grid;
    grid->setParent(Panel);
    m_panelLayout->addWidget(grid, 1);
}

void TTuForm::ShowOver(QWidget* owner, const QString& caption)
{
    setWindowTitle(caption);
    if (owner != nullptr) {
        QRect frame = geometry();
        frame.moveCenter(owner->frameGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

} // namespace quorvane::gui
