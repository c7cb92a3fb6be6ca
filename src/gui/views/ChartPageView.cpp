#include "views/ChartPageView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/QtText.h"
#include "app/ViewContext.h"
#include "charts/ChartCsv.h"
#include "charts/StatisticsTable.h"
#include "charts/ZoneDistributionChart.h"
#include "grids/B0Net.h"
#include "grids/G2Net.h"
#include "grids/GridPaint.h"
#include "grids/H2Net.h"
#include "grids/H3Net.h"
#include "views/ChartExport.h"
#include "views/ViewParts.h"

namespace quorvane::gui {

namespace {

constexpr const char* kStripSentence = "统计最近         期的走势情况";
constexpr const char* kRotationSentence = "统计最近         期的走势情况，起点为";
constexpr const char* kGoCaption = "查询";
constexpr const char* kExplainCaption = "说明";

// Pages with more tables than this (the boards, one per draw) make the widgets of the boards in
// view only, and more as the box scrolls; the few tables of the other pages are made at once.
constexpr std::size_t kTablesMadeAtOnce = 64;

bool IsPage(const ChartPage& page, const char* name)
{
    return std::string_view(page.ObjectName) == name;
}

// The note under the zone distribution chart; its line break is a lone CR.
QString NoteText(const char* text)
{
    QString note = ToQ(text);
    note.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return note;
}

} // namespace

TChartPageView::TChartPageView(TViewContext& context, const ChartPage& page, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_page(page)
{
    setObjectName(ToQ(page.ObjectName) + QStringLiteral("View"));
    QVBoxLayout* layout = NewFlatLayout(this);
    layout->addWidget(NewTopStrip());
    NewSurface();

    TChartSource source;
    source.Name = ToQ(page.Caption);
    source.PictureSize = [this] { return PictureSize(); };
    source.Picture = [this] { return Picture(); };
    source.Csv = [this] { return CsvText(); };
    m_menu = NewChartMenu(this, context.Dialogs(), std::move(source));
    if (m_grid != nullptr) {
        AttachChartMenu(m_menu, m_grid->viewport());
    }
    if (m_scrollBox != nullptr) {
        // The tables and the bar chart pass their right clicks on to the canvas.
        AttachChartMenu(m_menu, m_canvas);
    }

    if (IsPage(page, "ExTabSheet2")) {
        auto* note = new QLabel(NoteText(kZoneDistributionNote), this);
        note->setObjectName(QStringLiteral("ExTabSheet2NoteLbl"));
        note->setWordWrap(true);
        note->setContentsMargins(8, 4, 8, 4);
        layout->addWidget(note);
    }
}

TChartPageView::~TChartPageView() = default;

QWidget* TChartPageView::NewTopStrip()
{
    auto* strip = new QWidget(this);
    strip->setObjectName(ToQ(m_page.ObjectName) + QStringLiteral("TopPanel"));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 4, 8, 4);
    Se = NewSpinEdit(strip, ToQ(m_page.SpinEditName), kDefaultChartN);
    GoBt = new QPushButton(ToQ(kGoCaption), strip);
    GoBt->setObjectName(ToQ(m_page.ButtonName));
    QList<QWidget*> fills{Se};
    const char* sentence = kStripSentence;
    if (IsPage(m_page, "ExTabSheet8")) {
        StartSe = new QSpinBox(strip);
        StartSe->setObjectName(QStringLiteral("ExTabSheet8StartSe"));
        StartSe->setRange(1, 33);
        StartSe->setValue(kDefaultRotationStart);
        StartSe->setMinimumWidth(60);
        fills.push_back(StartSe);
        sentence = kRotationSentence;
    }
    row->addWidget(NewGapSentence(strip, ToQ(sentence), fills));
    row->addWidget(GoBt);
    connect(GoBt, &QPushButton::clicked, this, &TChartPageView::Rebuild);
    if (IsPage(m_page, "ExTabSheet13")) {
        SmBt = new QPushButton(ToQ(kExplainCaption), strip);
        SmBt->setObjectName(QStringLiteral("ExTabSheet13SmBt"));
        row->addWidget(SmBt);
        connect(SmBt, &QPushButton::clicked, this, [this] {
            m_context.ShowTextWindow(ToQ(kStatisticsExplanationTitle), ToQ(StatisticsExplanationLines()));
        });
    }
    row->addStretch(1);
    return strip;
}

void TChartPageView::NewSurface()
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    switch (m_page.Surface) {
    case ChartSurface::TH2Net:
        m_grid = new TH2Net(this);
        break;
    case ChartSurface::TH3Net:
        m_grid = new TH3Net(this);
        break;
    case ChartSurface::TB0Net:
    case ChartSurface::TG2Net:
        m_scrollBox = new QScrollArea(this);
        m_scrollBox->setFrameShape(QFrame::NoFrame);
        if (*m_page.ScrollBoxName != '\0') {
            m_scrollBox->setObjectName(ToQ(m_page.ScrollBoxName));
        } else {
            m_scrollBox->setObjectName(ToQ(m_page.ObjectName) + QStringLiteral("ScrollBox"));
        }
        m_canvas = new QWidget;
        m_canvas->setObjectName(ToQ(m_page.ObjectName) + QStringLiteral("Canvas"));
        m_canvas->setAutoFillBackground(true);
        {
            QPalette palette = m_canvas->palette();
            palette.setColor(QPalette::Window, WindowColor(*m_canvas));
            m_canvas->setPalette(palette);
        }
        m_scrollBox->setWidget(m_canvas);
        m_scrollBox->viewport()->installEventFilter(this);
        connect(m_scrollBox->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
            if (m_tablesInViewOnly) {
                MakeTablesInView();
            }
        });
        if (m_page.Surface == ChartSurface::TG2Net) {
            m_bars = new TG2Net(m_canvas);
        }
        layout->addWidget(m_scrollBox, 1);
        return;
    }
    m_grid->setObjectName(ToQ(m_page.ObjectName) + QStringLiteral("Grid"));
    layout->addWidget(m_grid, 1);
}

void TChartPageView::Rebuild()
{
    ++m_buildCount;
    const int n = Se->value();
    const int start = StartSe != nullptr ? StartSe->value() : kDefaultRotationStart;
    const std::size_t tablesBefore = m_models.Tables.size();
    const BuildResult result = m_page.Build(m_models, m_context.History(), n, start);
    if (m_grid != nullptr && result.Ok()) {
        m_grid->SetModel(std::move(m_models.Grid));
        m_grid->Relayout();
    } else if (m_bars != nullptr && result.Ok()) {
        ShowBars();
    } else if (m_scrollBox != nullptr && m_bars == nullptr &&
               (result.Ok() || m_models.Tables.size() != tablesBefore)) {
        // A refusal that dropped the page's tables (the board pages) leaves the page empty.
        ShowTables();
    }
    if (!result.Ok()) {
        m_context.Dialogs().ShowMessage(ToQ(result.Message));
    }
}

void TChartPageView::ShowBars()
{
    m_bars->SetModel(std::move(m_models.Bars));
    const TPlacement& at = m_bars->Model().FPlacement;
    if (at.FillsPage) {
        m_bars->move(0, 0);
    } else {
        m_bars->setGeometry(at.Left, at.Top, at.Width, at.Height);
    }
    m_bars->Relayout();
    UpdateCanvasSize();
}

void TChartPageView::ShowTables()
{
    // The canvas is hidden while the tables are made, so that they appear with it at once.
    m_canvas->hide();
    for (TB0Net* table : m_tables) {
        delete table;
    }
    m_tables.assign(m_models.Tables.size(), nullptr);
    const bool stacked =
        std::any_of(m_models.Tables.begin(), m_models.Tables.end(),
                    [](const TTitledTableModel& t) { return t.FPlacement.GapBelowPrevious >= 0; });
    m_tablesInViewOnly = !stacked && m_models.Tables.size() > kTablesMadeAtOnce;
    if (!m_tablesInViewOnly) {
        for (std::size_t i = 0; i < m_tables.size(); ++i) {
            MakeTable(i);
        }
    }
    PlaceTables();
    m_canvas->show();
}

TB0Net* TChartPageView::MakeTable(std::size_t i)
{
    auto* table = new TB0Net(m_canvas);
    table->SetModel(m_models.Tables[i]);
    m_tables[i] = table;
    if (m_canvas->isVisible()) {
        table->show();
    }
    return table;
}

QRect TChartPageView::RequestedRect(std::size_t i) const
{
    const TPlacement& at = m_models.Tables[i].FPlacement;
    // A box narrower than the table puts it at the left edge rather than outside the box.
    const int left =
        at.CentreHorizontally ? std::max(0, (m_scrollBox->viewport()->width() - at.Width) / 2) : at.Left;
    return {left, at.Top, at.Width, at.Height};
}

void TChartPageView::PlaceTables()
{
    if (m_tablesInViewOnly) {
        MakeTablesInView();
        UpdateCanvasSize();
        return;
    }
    int previousBottom = 0;
    for (std::size_t i = 0; i < m_tables.size(); ++i) {
        QRect rect = RequestedRect(i);
        if (const int gap = m_models.Tables[i].FPlacement.GapBelowPrevious; gap >= 0) {
            rect.moveTop(previousBottom + gap);
        }
        m_tables[i]->setGeometry(rect);
        m_tables[i]->Relayout();
        previousBottom = m_tables[i]->geometry().bottom() + 1;
    }
    UpdateCanvasSize();
}

void TChartPageView::MakeTablesInView(bool all)
{
    // What the box shows, and a screen above and below it, so that scrolling finds tables ready.
    const QSize box = m_scrollBox->viewport()->size();
    const QRect area(m_scrollBox->horizontalScrollBar()->value(),
                     m_scrollBox->verticalScrollBar()->value() - box.height(), box.width(), 3 * box.height());
    for (std::size_t i = 0; i < m_tables.size(); ++i) {
        const QRect rect = RequestedRect(i);
        if (m_tables[i] == nullptr && (all || rect.intersects(area))) {
            TB0Net* table = MakeTable(i);
            table->setGeometry(rect);
            table->Relayout();
        }
    }
}

QSize TChartPageView::ContentSize() const
{
    QRect extent;
    for (const QWidget* child : m_canvas->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        extent = extent.united(child->geometry());
    }
    for (std::size_t i = 0; i < m_tables.size(); ++i) {
        if (m_tables[i] == nullptr) {
            extent = extent.united(RequestedRect(i));
        }
    }
    return {std::max(extent.right() + 1, 0), std::max(extent.bottom() + 1, 0)};
}

void TChartPageView::UpdateCanvasSize()
{
    // The canvas covers the box at least, so the box shows the window colour all over.
    m_canvas->resize(ContentSize().expandedTo(m_scrollBox->viewport()->size()));
}

bool TChartPageView::eventFilter(QObject* watched, QEvent* event)
{
    if (m_scrollBox != nullptr && watched == m_scrollBox->viewport() && event->type() == QEvent::Resize) {
        // Centred tables follow the box's width, and a larger box may show boards not made yet.
        if (!m_tables.empty()) {
            PlaceTables();
        } else {
            UpdateCanvasSize();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TChartPageView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not the page being shown.
    if (!event->spontaneous()) {
        Rebuild();
    }
}

std::string TChartPageView::CsvText() const
{
    if (m_grid != nullptr) {
        return TrendGridCsv(m_grid->Model());
    }
    if (m_bars != nullptr) {
        return BarChartCsv(m_bars->Model());
    }
    return TitledTablesCsv(m_models.Tables);
}

QSize TChartPageView::PictureSize() const
{
    if (m_grid != nullptr) {
        return WholeGridSize(m_grid->Model());
    }
    return ContentSize();
}

QImage TChartPageView::Picture()
{
    if (m_grid != nullptr) {
        return WholeGridImage(m_grid->Model(), *m_grid);
    }
    if (m_tablesInViewOnly) {
        MakeTablesInView(true);
    }
    return WholeWidgetImage(*m_canvas, ContentSize());
}

std::vector<TChartPageView*> ChartPageViews(const QWidget& root)
{
    const QList<TChartPageView*> views = root.findChildren<TChartPageView*>();
    return {views.begin(), views.end()};
}

void RebuildShownCharts(const QWidget& root)
{
    for (TChartPageView* view : ChartPageViews(root)) {
        if (view->isVisible()) {
            view->Rebuild();
        }
    }
}

} // namespace quorvane::gui
