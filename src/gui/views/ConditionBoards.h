#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace quorvane::gui {

class TConditionBinder;

// A board of row and column selectors drawn on a TDataViewNet: row 0 holds the column labels
// ("第1列" ...), column 0 the row labels ("第1行" ...), the inner cells the numbers of the layout,
// and the last column and the last row the drop-down selectors ("N", "0".."3") of each row and
// column, placed over their cells and bound to their keys.
struct TBoardSpec
{
    std::string Name; // object name of the grid
    int Rows = 0;     // layout rows
    int Cols = 0;     // layout columns
    int ColWidth = 48;
    std::function<std::string(int row, int col)> CellText; // layout cell, 0-based
    std::vector<std::string> RowSelectors;                  // object names, one per row
    std::vector<std::string> RowKeys;
    std::vector<std::string> ColSelectors; // one per column
    std::vector<std::string> ColKeys;
};

QWidget* MakeSelectorBoard(QWidget* parent, TConditionBinder& binder, const TBoardSpec& board);

} // namespace quorvane::gui
