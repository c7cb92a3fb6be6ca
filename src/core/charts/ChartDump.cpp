#include "charts/ChartDump.h"

#include <algorithm>
#include <cstdio>

namespace quorvane {

namespace {

void AppendText(std::string& out, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else {
            out += text[i];
        }
    }
}

void AppendField(std::string& out, long long v)
{
    out += '\t';
    out += std::to_string(v);
}

template <typename Widths> void AppendWidthsLine(std::string& out, const Widths& widths)
{
    out += "widths";
    for (const auto w : widths) {
        AppendField(out, w);
    }
    out += '\n';
}

// The last two fields of a line, a colour and a text, and the line end.
void AppendColorAndText(std::string& out, TColor color, const std::string& text)
{
    out += '\t';
    out += ColorText(color);
    out += '\t';
    AppendText(out, text);
    out += '\n';
}

void AppendCell(std::string& out, int row, int col, TColor color, const std::string& text)
{
    out += "cell";
    AppendField(out, row);
    AppendField(out, col);
    AppendColorAndText(out, color, text);
}

// One "cell" line, row-major, for every cell whose text is not empty or whose colour is not
// `plain`.
void AppendCells(std::string& out, std::int32_t cols, const std::vector<std::string>& texts,
                 const std::vector<TColor>& colors, TColor plain)
{
    const std::size_t cells = std::min(texts.size(), colors.size());
    for (std::size_t i = 0; cols > 0 && i < cells; ++i) {
        if (!texts[i].empty() || colors[i] != plain) {
            const auto width = static_cast<std::size_t>(cols);
            AppendCell(out, static_cast<int>(i / width), static_cast<int>(i % width), colors[i], texts[i]);
        }
    }
}

} // namespace

std::string DumpTrendGrid(const TTrendGridModel& grid)
{
    std::string out = "grid";
    AppendField(out, grid.FColsCount);
    AppendField(out, grid.FDynRows);
    AppendField(out, grid.FFixRowCount);
    AppendField(out, grid.FFontSize);
    out += '\n';
    AppendWidthsLine(out, grid.FColWidthArr);
    for (const THeadCell& h : grid.FHeadCells) {
        if (!h.Visible) {
            continue;
        }
        out += "span";
        AppendField(out, h.FirstCol);
        AppendField(out, h.FirstRow);
        AppendField(out, h.LastCol);
        AppendField(out, h.LastRow);
        AppendColorAndText(out, h.Color, h.Text);
    }
    AppendCells(out, grid.FColsCount, grid.FCellText, grid.FCellColor, NoColor);
    return out;
}

std::string DumpTitledTable(const TTitledTableModel& table)
{
    std::string out = "table";
    AppendField(out, table.FColsCount);
    AppendField(out, table.FRowCount);
    AppendField(out, table.FRowHeight);
    AppendColorAndText(out, table.FLineColor, table.FTitle);
    AppendWidthsLine(out, table.FColWidthArr);
    AppendCells(out, table.FColsCount, table.FCellText, table.FCellColor, kWhite);
    return out;
}

std::string DumpBarChart(const TBarChartModel& bars)
{
    std::string out = "bars";
    AppendField(out, bars.FDynColCount);
    AppendField(out, bars.FDynRowCount);
    AppendField(out, bars.FBarWidth);
    AppendField(out, bars.FGap);
    AppendField(out, bars.FGridStep);
    AppendField(out, bars.FGridCount);
    char scale[64];
    std::snprintf(scale, sizeof scale, "\t%.6f\n", static_cast<double>(bars.FScale));
    out += scale;
    const auto width = static_cast<std::size_t>(bars.FDynColCount) + 1;
    for (std::size_t c = 1; c < width; ++c) {
        out += "bar";
        AppendField(out, static_cast<long long>(c));
        for (std::size_t r = 0; r <= static_cast<std::size_t>(bars.FDynRowCount); ++r) {
            out += '\t';
            AppendText(out, bars.FValues[c + r * width]);
        }
        out += '\n';
    }
    return out;
}

std::string DumpChartPage(const ChartPage& page, const ChartModels& models)
{
    switch (page.Surface) {
    case ChartSurface::TH2Net:
    case ChartSurface::TH3Net:
        return DumpTrendGrid(models.Grid);
    case ChartSurface::TB0Net: {
        std::string out;
        for (const TTitledTableModel& t : models.Tables) {
            out += DumpTitledTable(t);
        }
        return out;
    }
    case ChartSurface::TG2Net:
        return DumpBarChart(models.Bars);
    }
    return {};
}

} // namespace quorvane
