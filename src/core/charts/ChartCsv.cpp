#include "charts/ChartCsv.h"

#include <algorithm>

#include "text/AtomicFile.h"

namespace quorvane {

namespace {

// A field: line breaks dropped, quoted when it holds a comma or a quote.
void AppendField(std::string& out, const std::string& text)
{
    std::string field;
    field.reserve(text.size());
    for (const char ch : text) {
        if (ch != '\r' && ch != '\n') {
            field += ch;
        }
    }
    if (field.find_first_of(",\"") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char ch : field) {
        if (ch == '"') {
            out += '"';
        }
        out += ch;
    }
    out += '"';
}

// One line of the fields texts[first] .. texts[first + count - 1] (missing entries are empty).
void AppendRow(std::string& out, const std::vector<std::string>& texts, std::size_t first, std::size_t count)
{
    for (std::size_t c = 0; c < count; ++c) {
        if (c > 0) {
            out += ',';
        }
        if (first + c < texts.size()) {
            AppendField(out, texts[first + c]);
        }
    }
    out += "\r\n";
}

std::size_t Count(std::int32_t n)
{
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void AppendTable(std::string& out, const TTitledTableModel& table)
{
    if (!table.FTitle.empty()) {
        AppendField(out, table.FTitle);
        out += "\r\n";
    }
    const std::size_t cols = Count(table.FColsCount);
    for (std::size_t r = 0; r < Count(table.FRowCount); ++r) {
        AppendRow(out, table.FCellText, r * cols, cols);
    }
}

} // namespace

std::string TrendGridCsv(const TTrendGridModel& grid)
{
    const std::size_t cols = Count(grid.FColsCount);
    const std::size_t fixedRows = std::min(Count(grid.FFixRowCount), Count(grid.RowCount()));
    // The header rows as they look: span texts in their first cells over blanks.
    std::vector<std::string> header(grid.FCellText.begin(),
                                    grid.FCellText.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                 fixedRows * cols, grid.FCellText.size())));
    header.resize(fixedRows * cols);
    for (const THeadCell& span : grid.FHeadCells) {
        if (!span.Visible || span.FirstCol < 0 || span.FirstRow < 0) {
            continue;
        }
        const std::size_t c0 = Count(span.FirstCol);
        const std::size_t r0 = Count(span.FirstRow);
        const std::size_t c1 = std::min(Count(span.LastCol) + 1, cols);
        const std::size_t r1 = std::min(Count(span.LastRow) + 1, fixedRows);
        for (std::size_t r = r0; r < r1; ++r) {
            for (std::size_t c = c0; c < c1; ++c) {
                header[r * cols + c].clear();
            }
        }
        if (r0 < fixedRows && c0 < cols) {
            header[r0 * cols + c0] = span.Text;
        }
    }

    std::string out = kCsvByteOrderMark;
    for (std::size_t r = 0; r < fixedRows; ++r) {
        AppendRow(out, header, r * cols, cols);
    }
    for (std::size_t r = fixedRows; r < Count(grid.RowCount()); ++r) {
        AppendRow(out, grid.FCellText, r * cols, cols);
    }
    return out;
}

std::string TitledTablesCsv(const std::vector<TTitledTableModel>& tables)
{
    std::string out = kCsvByteOrderMark;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (i > 0) {
            out += "\r\n";
        }
        AppendTable(out, tables[i]);
    }
    return out;
}

std::string BarChartCsv(const TBarChartModel& bars)
{
    // FValues holds column 0 too (the label column of the value table); the groups are 1 ...
    const std::size_t stride = Count(bars.FDynColCount) + 1;
    std::string out = kCsvByteOrderMark;
    if (bars.FDynColCount <= 0) {
        return out;
    }
    for (std::size_t r = 0; r <= Count(bars.FDynRowCount); ++r) {
        AppendRow(out, bars.FValues, r * stride + 1, stride - 1);
    }
    return out;
}

std::string ChartPageCsv(const ChartPage& page, const ChartModels& models)
{
    switch (page.Surface) {
    case ChartSurface::TH2Net:
    case ChartSurface::TH3Net:
        return TrendGridCsv(models.Grid);
    case ChartSurface::TB0Net:
        return TitledTablesCsv(models.Tables);
    case ChartSurface::TG2Net:
        return BarChartCsv(models.Bars);
    }
    return kCsvByteOrderMark;
}

void WriteChartCsv(const std::string& path, const std::string& csv)
{
    WriteFileAtomic(path, csv);
}

} // namespace quorvane
