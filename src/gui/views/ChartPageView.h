#pragma once

#include <string>
#include <vector>

#include <QImage>
#include <QWidget>

#include "charts/ChartPages.h"

class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace quorvane::gui {

class TB0Net;
class TG2Net;
class TTrendGridView;
class TViewContext;
struct TChartSource;

// The content of one chart page: the top strip asking for the number of draws N (the spin edit
// and the "查询" button named after the page; the rotation page's first number; the statistics
// page's "说明") and the surface that shows the page's model: a trend grid filling the page, a bar
// chart, or titled tables laid out in the page's scroll box. Showing the page and "查询" run the
// page's builder for the current N; a refused N shows the builder's message and leaves the chart
// as it was (the board pages, whose builders start by dropping their boards, are left empty).
class TChartPageView final : public QWidget
{
    Q_OBJECT

public:
    TChartPageView(TViewContext& context, const ChartPage& page, QWidget* parent);
    ~TChartPageView() override;

    const ChartPage& Page() const { return m_page; }

    QSpinBox* Se = nullptr;
    QPushButton* GoBt = nullptr;
    QSpinBox* StartSe = nullptr; // the rotation page only
    QPushButton* SmBt = nullptr; // the statistics page only

    // Runs the page's builder for the spin edits' values and shows what it built.
    void Rebuild();
    // How many builds ran (refused ones included).
    int BuildCount() const { return m_buildCount; }

    // The surface; the members of the other kinds are null or empty.
    TTrendGridView* Grid() const { return m_grid; }
    TG2Net* Bars() const { return m_bars; }
    // The widget of each table built; with many tables (the board pages) only those scrolled into
    // view (and a screen around them) are made, the others are null until then.
    const std::vector<TB0Net*>& Tables() const { return m_tables; }
    // The tables as built, whether their widgets are made or not.
    const std::vector<TTitledTableModel>& TableModels() const { return m_models.Tables; }
    QScrollArea* ScrollBox() const { return m_scrollBox; }
    QMenu* ChartMenu() const { return m_menu; }

    // The table file and the whole picture of what the page shows (the context menu saves them).
    std::string CsvText() const;
    QSize PictureSize() const;
    QImage Picture(); // makes every table's widget first

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* NewTopStrip();
    void NewSurface();
    void ShowTables();
    void ShowBars();
    void PlaceTables();
    TB0Net* MakeTable(std::size_t i);
    QRect RequestedRect(std::size_t i) const;
    void MakeTablesInView(bool all = false);
    void UpdateCanvasSize();
    // The part of the canvas that the tables or the bar chart cover.
    QSize ContentSize() const;

    TViewContext& m_context;
    const ChartPage& m_page;
    ChartModels m_models;
    TTrendGridView* m_grid = nullptr;
    TG2Net* m_bars = nullptr;
    QScrollArea* m_scrollBox = nullptr;
    QWidget* m_canvas = nullptr;
    std::vector<TB0Net*> m_tables;
    bool m_tablesInViewOnly = false;
    QMenu* m_menu = nullptr;
    int m_buildCount = 0;
};

// Every chart page view under the widget (a page control, the main window).
std::vector<TChartPageView*> ChartPageViews(const QWidget& root);

// Rebuilds the chart pages that are on the screen; the others rebuild when next shown. For a
// history that has changed.
void RebuildShownCharts(const QWidget& root);

} // namespace quorvane::gui
