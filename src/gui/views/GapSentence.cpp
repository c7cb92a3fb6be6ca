#include "views/GapSentence.h"

#include <limits>

#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>

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

} // namespace quorvane::gui
