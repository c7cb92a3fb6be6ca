#pragma once

#include <QList>
#include <QString>

class QSpinBox;
class QWidget;

namespace quorvane::gui {

// A caption whose runs of spaces leave room for controls, such as "统计最近         期的走势情况"
// with a spin edit in its gap: a strip that shows the text pieces as labels with the controls
// standing in the gaps, in order (controls beyond the gaps follow the last piece).
QWidget* NewGapSentence(QWidget* parent, const QString& sentence, const QList<QWidget*>& fills);

// A spin edit with no limits of its own (the full 32-bit range) and the given start value.
QSpinBox* NewSpinEdit(QWidget* parent, const QString& objectName, int value);

} // namespace quorvane::gui
