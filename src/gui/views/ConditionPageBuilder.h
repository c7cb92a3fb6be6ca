#pragma once

#include "views/ConditionPageSpec.h"

class QWidget;

namespace quorvane::gui {

class TConditionBinder;

// Makes the widgets of a condition page from its description inside the page widget: the group
// boxes in two columns, each laid out as a grid of its rows, and the footer buttons; every item
// with a key is bound to the binder. The page scrolls when the window is too small for it, so
// nothing is ever cut off. Buttons are left unconnected: the host connects them by object name.
void BuildConditionPage(QWidget* page, const TPageSpecification& pageTable, TConditionBinder& binder);

} // namespace quorvane::gui
