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

QWidget* MakeSelectorBoard(QWidget* parent, TConditionBinder& binder, const TBoardSpec& board)
{
    auto* grid = new TDataViewNet(parent);
    grid->setObjectName(ToQ(board.Name));
    const int cols = board.Cols + 2;
    const int rows = board.Rows + 2;
    auto& model = grid->Model();
    model.SetGrid(cols, rows, std::vector<std::int32_t>(static_cast<std::size_t>(cols), board.ColWidth), 0);
    model.FRowHeight = kRowHeight;
    for (int c = 0; c < board.Cols; ++c) {
        model.SetValue(0, c + 1, "第" + std::to_string(c + 1) + "列");
    }
    for (int r = 0; r < board.Rows; ++r) {
        model.SetValue(r + 1, 0, "第" + std::to_string(r + 1) + "行");
        for (int c = 0; c < board.Cols; ++c) {
            model.SetValue(r + 1, c + 1, board.CellText(r, c));
        }
    }
    const int lw = model.FLineWidth;
    grid->setFixedSize(cols * (board.ColWidth + lw) + 6, rows * (kRowHeight + lw) + 10);
    grid->Relayout();
    for (int r = 0; r < board.Rows; ++r) {
        PlaceSelector(grid, r + 1, board.Cols + 1, board.RowSelectors[static_cast<std::size_t>(r)],
                      board.RowKeys[static_cast<std::size_t>(r)], binder);
    }
    for (int c = 0; c < board.Cols; ++c) {
        PlaceSelector(grid, board.Rows + 1, c + 1, board.ColSelectors[static_cast<std::size_t>(c)],
                      board.ColKeys[static_cast<std::size_t>(c)], binder);
    }
    return grid;
}

} // namespace quorvane::gui
