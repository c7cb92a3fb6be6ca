#pragma once

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

#include "charts/BarChartModel.h"
#include "charts/TitledTableModel.h"
#include "charts/TrendGridModel.h"
#include "history/DrawHistory.h"

namespace quorvane::test {

// A draw built directly (so that values the parse refuses, such as blue 0, can be tested).
inline TBeenCodesRec MakeDraw(int issue, std::array<int, 6> reds, int blue)
{
    TBeenCodesRec d;
    d.Year = issue / 1000;
    d.Number = issue % 1000;
    std::sort(reds.begin(), reds.end());
    for (std::size_t i = 0; i < 6; ++i) {
        d.Reds[i] = static_cast<std::uint8_t>(reds[i]);
    }
    d.Blue = blue;
    return d;
}

// Draws 2010001, 2010002, ... with the given reds and blue 1, oldest first.
inline DrawHistory HistoryOf(std::initializer_list<std::array<int, 6>> reds)
{
    DrawHistory h;
    int k = 1;
    for (const auto& r : reds) {
        h.push_back(MakeDraw(2010000 + k++, r, 1));
    }
    return h;
}

// A model whose index errors fail the test: a builder must stay inside its grid.
template <typename Model> Model StrictModel()
{
    Model m;
    m.OnIndexError = [](const std::string& message) { ADD_FAILURE() << "index error: " << message; };
    return m;
}

// Cell accessors that do not go through the index check (the tests read what a widget paints).
inline const std::string& Text(const TTrendGridModel& g, int row, int col)
{
    return g.FCellText.at(static_cast<std::size_t>(row * g.FColsCount + col));
}
inline TColor Color(const TTrendGridModel& g, int row, int col)
{
    return g.FCellColor.at(static_cast<std::size_t>(row * g.FColsCount + col));
}
inline const std::string& Text(const TTitledTableModel& t, int col, int row)
{
    return t.FCellText.at(static_cast<std::size_t>(row * t.FColsCount + col));
}
inline TColor Color(const TTitledTableModel& t, int col, int row)
{
    return t.FCellColor.at(static_cast<std::size_t>(row * t.FColsCount + col));
}

// The texts of one grid row from column `first` to `last`.
inline std::vector<std::string> RowTexts(const TTrendGridModel& g, int row, int first, int last)
{
    std::vector<std::string> out;
    for (int c = first; c <= last; ++c) {
        out.push_back(Text(g, row, c));
    }
    return out;
}

// The visible header spans as "c0,r0-c1,r1 text" in index order, all in the header colour.
inline std::vector<std::string> Spans(const TTrendGridModel& g)
{
    std::vector<std::string> out;
    for (const THeadCell& h : g.FHeadCells) {
        EXPECT_TRUE(h.Visible);
        EXPECT_EQ(h.Color, RGB(228, 224, 243)) << h.Text;
        out.push_back(std::to_string(h.FirstCol) + "," + std::to_string(h.FirstRow) + "-" +
                      std::to_string(h.LastCol) + "," + std::to_string(h.LastRow) + " " + h.Text);
    }
    return out;
}

} // namespace quorvane::test
