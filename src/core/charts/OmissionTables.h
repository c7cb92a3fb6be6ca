#pragma once

#include <vector>

#include "charts/ChartCommon.h"
#include "charts/TitledTableModel.h"
#include "history/DrawHistory.h"

// The omission tables: for every number (or zone-sum value) how long it has been missing, its
// longest absence, its average interval, its longest run and how often it came, over the whole
// history. n only gates the build: a value above the number of draws refuses it and leaves the
// tables as they were; any other n gives the same tables.

namespace quorvane {

inline constexpr TColor kOmissionHeadColor = RGB(202, 206, 186);
inline constexpr TColor kOmissionRedBodyColor = RGB(255, 238, 221);
inline constexpr TColor kOmissionBlueBodyColor = RGB(186, 238, 255);

// "遗漏统计图": tables[0] = "红球分析表" (rows 1-33), tables[1] = "蓝球分析表" (rows 1-16); 9 columns
// of 64 pixels, rows of 32. The red table stands centred at the top, the blue one centred 20
// pixels below it. A number that never came has "-" as its average interval.
BuildResult BuildOmissionTables(std::vector<TTitledTableModel>& tables, const DrawHistory& history, int n);

// "一区和值遗漏图", "二区和值遗漏图", "三区和值遗漏图" (zone 1..3): tables[0] gets one row per zone sum
// 0 .. S - 2 (S from ZoneSumValueCount) under a head row; 10 columns of 64 pixels, rows of 24.
// "-" stands for the average interval of a sum that never came and for a missing follower.
BuildResult BuildZoneSumOmissionTable(std::vector<TTitledTableModel>& tables, const DrawHistory& history,
                                      int n, int zone);

} // namespace quorvane
