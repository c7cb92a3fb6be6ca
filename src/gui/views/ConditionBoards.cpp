#include "views/ConditionBoards.h"

#include <QComboBox>

#include "app/QtText.h"
#include "grids/DataNet.h"
#include "shrink/ShrinkCaptions.h"
#include "views/ConditionBinder.h"

namespace quorvane::gui {

namespace {

constexpr int kRowHeight = 42;

QComboBox* PlaceSelector(TDataViewNet* grid, int row, int col, const std::string& name, const std::string& key,
                         TConditionBinder& binder)
{
    auto* combo = new QComboBox(grid);
    combo->setObjectName(ToQ(name));
    combo->addItems(ToQ(RowColSelectorItems()));
    const QRect cell = grid->RectOfCell(row, col, false);
    const int height = combo->sizeHint().height();
    combo->setGeometry(cell.left() + 3, cell.top() + (cell.height() - height) / 2, cell.width() - 6, height);
    binder.BindCombo(combo, key);
    return combo;
}

} // namespace

QWidget* MakeSelectorBoard(QWidget* parent, TConditionBinder& binder, const TBoardSpec& spec)
{
    auto* grid = new TDataViewNet(parent);
    grid->setObjectName(ToQ(spec.Name));
    const int cols = spec.Cols + 2;
    const int rows = spec.Rows + 2;
    auto& model = grid->Model();
    model.SetGrid(cols, rows, std::vector<std::int32_t>(static_cast<std::size_t>(cols), spec.ColWidth), 0);
    model.FRowHeight = kRowHeight;
    for (int c = 0; c < spec.Cols; ++c) {
        model.SetValue(0, c + 1, "第" + std::to_string(c + 1) + "列");
    }
    for (int r = 0; r < spec.Rows; ++r) {
        model.SetValue(r + 1, 0, "第" + std::to_string(r + 1) + "行");
        for (int c = 0; c < spec.Cols; ++c) {
            model.SetValue(r + 1, c + 1, spec.CellText(r, c));
        }
    }
    const int lw = model.FLineWidth;
    grid->setFixedSize(cols * (spec.ColWidth + lw) + 6, rows * (kRowHeight + lw) + 10);
    grid->Relayout();
    for (int r = 0; r < spec.Rows; ++r) {
        PlaceSelector(grid, r + 1, spec.Cols + 1, spec.RowSelectors[static_cast<std::size_t>(r)],
                      spec.RowKeys[static_cast<std::size_t>(r)], binder);
    }
    for (int c = 0; c < spec.Cols; ++c) {
        PlaceSelector(grid, spec.Rows + 1, c + 1, spec.ColSelectors[static_cast<std::size_t>(c)],
                      spec.ColKeys[static_cast<std::size_t>(c)], binder);
    }
    return grid;
}

} // namespace quorvane::gui
