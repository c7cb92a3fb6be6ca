#pragma once

#include <string>
#include <vector>

#include <QList>
#include <QString>
#include <QStyle>

class QAction;
class QPlainTextEdit;
class QSpinBox;
class QToolBar;
class QVBoxLayout;
class QWidget;

namespace quorvane::gui {

// Parts that the views and windows are made of.

// A caption whose runs of spaces leave room for controls, such as "统计最近         期的走势情况"
// with a spin edit in its gap: a strip that shows the text pieces as labels with the controls
// standing in the gaps, in order (controls beyond the gaps follow the last piece).
QWidget* NewGapSentence(QWidget* parent, const QString& sentence, const QList<QWidget*>& fills);

// A spin edit with no limits of its own (the full 32-bit range) and the given start value.
QSpinBox* NewSpinEdit(QWidget* parent, const QString& objectName, int value);

// A vertical layout of the widget without margins or spacing, for views made of stacked parts.
QVBoxLayout* NewFlatLayout(QWidget* widget);

// A view's tool bar: buttons with their captions beside their icons.
QToolBar* NewViewToolBar(QWidget* parent, const QString& objectName);

// Adds a command button to a tool bar; the button carries the object name, its action the name
// followed by "Action".
QAction* AddToolButton(QToolBar* bar, const QString& objectName, const QString& caption,
                       QStyle::StandardPixmap icon);

// A memo with a vertical scroll bar.
QPlainTextEdit* NewMemo(QWidget* parent, const QString& objectName);

// A memo's text is its lines joined by line breaks: shown that way, and read back split at every
// line break with empty lines kept (the last one included); an empty memo holds no lines.
void SetMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);
std::vector<std::string> MemoLines(const QPlainTextEdit* memo);

} // namespace quorvane::gui
