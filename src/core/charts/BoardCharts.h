#pragma once

#include <vector>

#include "charts/ChartCommon.h"
#include "charts/TitledTableModel.h"
#include "history/DrawHistory.h"

// The board pages: one small titled table per draw of the last n, four boards per line with the
// newest first, each titled with the draw's issue and "期". Every builder first empties the list of
// boards (also when the n check then fails, which leaves the page empty).

namespace quorvane {

// Board colours.
inline constexpr TColor kBoardLineColor = RGB(0, 0, 255);
inline constexpr TColor kBoardDrawnColor = RGB(255, 0, 0);
inline constexpr TColor kBoardEmptyLineColor = RGB(169, 169, 168);
inline constexpr TColor kBoardRowCountColor = RGB(193, 149, 244);
inline constexpr TColor kBoardColCountColor = RGB(85, 209, 239);
inline constexpr TColor kGannBlueColor = RGB(88, 118, 240);

// "空行空列图": the six-by-six layout (7 x 7 cells of 20 pixels: the numbers, the row counts in
// column 6, the column counts in row 6); drawn reds red, rows and columns without a red grey.
BuildResult BuildEmptyRowsBoards(std::vector<TTitledTableModel>& boards, const DrawHistory& history, int n);

// "3D空行空列": the ten last digits in the 3D layout (4 x 5 cells of 34 x 30 pixels).
BuildResult Build3DBoards(std::vector<TTitledTableModel>& boards, const DrawHistory& history, int n);

// "尾数行列空行空列": the tail row-column layout (7 x 7 cells of 20 pixels).
BuildResult BuildTailBoards(std::vector<TTitledTableModel>& boards, const DrawHistory& history, int n);

// "江恩图": 1-33 as a square spiral (6 x 6 cells of 24 x 20 pixels), the reds and the blue marked,
// the rest of every board row and column holding two reds or the blue grey.
BuildResult BuildGannBoards(std::vector<TTitledTableModel>& boards, const DrawHistory& history, int n);

} // namespace quorvane
