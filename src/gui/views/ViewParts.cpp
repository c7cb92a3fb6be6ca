#include "views/ViewParts.h"

#include <limits>

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "text/SplitText.h"

namespace quorvane::gui {

QWidget* NewGapSentence(QWidget* parent, const QString& sentence, const QList<QWidget*>& fills)
{
    auto* strip = new QWidget(parent);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    static const QRegularExpression gap(QStringLiteral(" {2,}"));
    const QStringList pieces = sentence.split(gap);
    qsizetype next = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].isEmpty()) {
            layout->addWidget(new QLabel(pieces[i], strip));
        }
        if (i + 1 < pieces.size() && next < fills.size()) {
            layout->addWidget(fills[next++]);
        }
    }
    for (; next < fills.size(); ++next) {
        layout->addWidget(fills[next]);
    }
    strip->setAccessibleName(sentence);
    return strip;
}

QSpinBox* NewSpinEdit(QWidget* parent, const QString& objectName, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(objectName);
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setValue(value);
    spin->setMinimumWidth(80);
    return spin;
}

QVBoxLayout* NewFlatLayout(QWidget* widget)
{
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QToolBar* NewViewToolBar(QWidget* parent, const QString& objectName)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(objectName);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return bar;
}

QAction* AddToolButton(QToolBar* bar, const QString& objectName, const QString& caption,
                       QStyle::StandardPixmap icon)
{
    QAction* action = bar->addAction(bar->style()->standardIcon(icon), caption);
    action->setObjectName(objectName + QStringLiteral("Action"));
    bar->widgetForAction(action)->setObjectName(objectName);
    return action;
}

QPlainTextEdit* NewMemo(QWidget* parent, const QString& objectName)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(objectName);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

void SetMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines)
{
    memo->setPlainText(ToQ(JoinText(lines, "\n")));
}

std::vector<std::string> MemoLines(const QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    if (text.isEmpty()) {
        return {};
    }
    return FromQ(text.split(QLatin1Char('\n')));
}

} // namespace quorvane::gui
