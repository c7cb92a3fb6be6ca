#include "views/ConditionPageBuilder.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "controls/ColorChk.h"
#include "controls/MultiChk.h"
#include "controls/MultiRadio.h"
#include "controls/MultiSe.h"
#include "views/ConditionBinder.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

constexpr int kEditWidth = 56;
constexpr int kSpinRowHeight = 24;

int WidestCaption(const QWidget* host, const std::vector<std::string>& captions)
{
    const QFontMetrics metrics(host->font());
    int widest = 0;
    for (const std::string& caption : captions) {
        widest = std::max(widest, metrics.horizontalAdvance(ToQ(caption)));
    }
    return widest;
}

template <typename Grid> void FillCells(Grid* cells, const TItemSpec& item)
{
    for (const std::string& caption : item.Items) {
        cells->AddItem(caption);
    }
    cells->SetRowHeight(18);
    cells->SetCapWidth(WidestCaption(cells, item.Items) + 6);
    cells->SetCols(std::max(1, item.Cols));
}

QWidget* MakeRange(QWidget* parent, const TItemSpec& item)
{
    auto* range = new TMultiSpinEdit(parent);
    range->AddItem(item.Items.at(0));
    range->AddItem(item.Items.at(1));
    range->SetEditWidth(kEditWidth);
    range->SetRowHeight(kSpinRowHeight);
    // With an empty first caption the second stands between the two editors.
    range->SetEditAtCellStart(item.Items[0].empty());
    range->SetCapWidth(WidestCaption(range, item.Items) + 2 * range->Spacing() + 2);
    range->SetCols(2);
    return range;
}

QWidget* MakeItem(QWidget* parent, const TItemSpec& item, TConditionBinder& binder)
{
    QWidget* widget = nullptr;
    switch (item.Kind) {
    case TItemKind::Label:
        widget = new QLabel(ToQ(item.Caption), parent);
        break;
    case TItemKind::Check: {
        auto* check = new QCheckBox(ToQ(item.Caption), parent);
        if (!item.Key.empty()) {
            binder.BindCheck(check, item.Key);
        }
        widget = check;
        break;
    }
    case TItemKind::Cells: {
        auto* cells = new TMultiChk(parent);
        FillCells(cells, item);
        if (item.KeyPerCell) {
            binder.BindCellsByCell(cells, item.Key);
        } else if (!item.Key.empty()) {
            binder.BindCells(cells, item.Key);
        }
        widget = cells;
        break;
    }
    case TItemKind::Colors: {
        auto* colors = new TColorMChk(parent);
        for (const std::string& caption : item.Items) {
            colors->AddItem(caption);
        }
        colors->SetCellWidth(30);
        colors->SetCellHeight(20);
        colors->SetSpacing(6);
        colors->SetCheckColor(QColor::fromRgb(item.Rgb));
        colors->SetCols(std::max(1, item.Cols));
        colors->Relayout();
        colors->setCursor(Qt::PointingHandCursor);
        binder.BindColors(colors, item.Key);
        widget = colors;
        break;
    }
    case TItemKind::Radio: {
        auto* radio = new TMultiRadio(parent);
        FillCells(radio, item);
        widget = radio;
        break;
    }
    case TItemKind::Range: {
        auto* range = static_cast<TMultiSpinEdit*>(MakeRange(parent, item));
        if (item.Keys.size() == 2) {
            binder.BindRangeKeys(range, item.Keys[0], item.Keys[1]);
        } else if (!item.Key.empty()) {
            binder.BindRange(range, item.Key);
        }
        widget = range;
        break;
    }
    case TItemKind::Combo: {
        auto* combo = new QComboBox(parent);
        combo->addItems(ToQ(item.Items));
        if (!item.Key.empty()) {
            binder.BindCombo(combo, item.Key);
        }
        widget = combo;
        break;
    }
    case TItemKind::Edit: {
        auto* edit = new QLineEdit(parent);
        if (item.Width > 0) {
            edit->setFixedWidth(item.Width);
        } else {
            edit->setMinimumWidth(150);
        }
        if (!item.Key.empty()) {
            binder.BindEdit(edit, item.Key);
        }
        widget = edit;
        break;
    }
    case TItemKind::Button:
        widget = new QPushButton(ToQ(item.Caption), parent);
        break;
    case TItemKind::List: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setFixedSize(item.Width > 0 ? item.Width : 200, item.Height > 0 ? item.Height : 120);
        if (!item.Key.empty()) {
            binder.BindList(list, item.Key);
        }
        widget = list;
        break;
    }
    case TItemKind::Memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setFixedSize(item.Width > 0 ? item.Width : 300, item.Height > 0 ? item.Height : 160);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (!item.Key.empty()) {
            binder.BindMemo(memo, item.Key);
        }
        widget = memo;
        break;
    }
    case TItemKind::Spin: {
        auto* spin = new QSpinBox(parent);
        spin->setRange(item.Min, item.Max);
        spin->setValue(item.Start);
        spin->setMinimumWidth(64);
        if (!item.Key.empty()) {
            binder.BindSpin(spin, item.Key);
        }
        widget = spin;
        break;
    }
    case TItemKind::Option: {
        auto* option = new QRadioButton(ToQ(item.Caption), parent);
        option->setChecked(item.Checked);
        widget = option;
        break;
    }
    case TItemKind::Custom:
        widget = item.Make(parent, binder);
        break;
    case TItemKind::Strip: {
        widget = new QWidget(parent);
        auto* strip = new QHBoxLayout(widget);
        strip->setContentsMargins(0, 0, 0, 0);
        strip->setSpacing(6);
        for (const TItemSpec& child : item.Children) {
            strip->addWidget(MakeItem(widget, child, binder), 0, Qt::AlignVCenter);
        }
        strip->addStretch(1);
        break;
    }
    }
    if (!item.Name.empty()) {
        widget->setObjectName(ToQ(item.Name));
    }
    if (!item.Hint.empty()) {
        // A hint of the form "short|long": the tip shows the long part when the short one is empty.
        QString hint = ToQ(item.Hint);
        if (hint.startsWith(QLatin1Char('|'))) {
            hint.remove(0, 1);
        }
        widget->setToolTip(hint);
        widget->setStatusTip(hint);
    }
    if (!item.Visible) {
        widget->setVisible(false);
    }
    return widget;
}

QGroupBox* MakeGroup(QWidget* parent, const TGroupSpec& group, TConditionBinder& binder)
{
    auto* box = new QGroupBox(ToQ(group.Title), parent);
    if (!group.Name.empty()) {
        box->setObjectName(ToQ(group.Name));
    }
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    int lastColumn = 0;
    for (int r = 0; r < static_cast<int>(group.Rows.size()); ++r) {
        int c = 0;
        for (const TItemSpec& item : group.Rows[static_cast<std::size_t>(r)]) {
            QWidget* widget = MakeItem(box, item, binder);
            grid->addWidget(widget, r, c, 1, item.Span, Qt::AlignLeft | Qt::AlignVCenter);
            c += item.Span;
        }
        lastColumn = std::max(lastColumn, c);
    }
    // The columns keep their natural widths; the space left goes to an empty last column.
    grid->setColumnStretch(lastColumn, 1);
    return box;
}

} // namespace

void BuildConditionPage(QWidget* page, const TPageSpecification& pageTable, TConditionBinder& binder)
{
    QVBoxLayout* pageLayout = NewFlatLayout(page);
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(page->objectName() + QStringLiteral("Scroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    pageLayout->addWidget(scroll);

    auto* content = new QWidget(scroll);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(8, 8, 8, 8);
    auto* columns = new QHBoxLayout;
    contentLayout->addLayout(columns);
    constexpr int kColumns = 3;
    QVBoxLayout* column[kColumns] = {nullptr, nullptr, nullptr};
    for (const TGroupSpec& group : pageTable.Groups) {
        const int c = std::clamp(group.Column, 0, kColumns - 1);
        if (column[c] == nullptr) {
            column[c] = new QVBoxLayout;
        }
        column[c]->addWidget(MakeGroup(content, group, binder));
    }
    for (QVBoxLayout* c : column) {
        if (c != nullptr) {
            c->addStretch(1);
            columns->addLayout(c);
        }
    }
    columns->addStretch(1);

    if (!pageTable.Footer.empty()) {
        auto* footer = new QHBoxLayout;
        for (const TItemSpec& item : pageTable.Footer) {
            footer->addWidget(MakeItem(content, item, binder));
        }
        footer->addStretch(1);
        contentLayout->addLayout(footer);
    }
    contentLayout->addStretch(1);
    scroll->setWidget(content);
}

} // namespace quorvane::gui
