#include "views/ChartExport.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "app/Dialogs.h"
#include "app/QtText.h"
#include "charts/ChartCsv.h"
#include "grids/H2Net.h"
#include "text/AtomicFile.h"
#include "text/UserError.h"

namespace quorvane::gui {

namespace {

constexpr const char* kSavePictureCaption = "保存图片…";
constexpr const char* kExportTableCaption = "导出表格…";
constexpr const char* kPictureFilter = "PNG 图片|*.png";
constexpr const char* kTableFilter = "CSV 表格|*.csv";

// The frame of a grid widget (its sunken edge) on each side.
constexpr int kFramePixels = 2;

QString TooLargeText(QSize size)
{
    return QStringLiteral("图表太大（%1 × %2 像素），无法保存为图片。").arg(size.width()).arg(size.height());
}

QString NotPaintedText()
{
    return QStringLiteral("无法生成图表的图片。");
}

// Pops the menu up at the pointer on a context-menu request of the widget.
class TMenuTrigger final : public QObject
{
public:
    TMenuTrigger(QMenu* menu, QObject* parent)
        : QObject(parent)
        , m_menu(menu)
    {
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() != QEvent::ContextMenu) {
            return false;
        }
        m_menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }

private:
    QMenu* m_menu;
};

} // namespace

QMenu* NewChartMenu(QWidget* owner, IDialogs& dialogs, TChartSource source)
{
    auto* menu = new QMenu(owner);
    menu->setObjectName(owner->objectName() + QStringLiteral("ChartMenu"));
    QAction* picture = menu->addAction(ToQ(kSavePictureCaption));
    picture->setObjectName(QStringLiteral("SavePictureAction"));
    QAction* table = menu->addAction(ToQ(kExportTableCaption));
    table->setObjectName(QStringLiteral("ExportTableAction"));
    QObject::connect(picture, &QAction::triggered, menu,
                     [&dialogs, source] { SaveChartPicture(dialogs, source); });
    QObject::connect(table, &QAction::triggered, menu,
                     [&dialogs, source] { ExportChartTable(dialogs, source); });
    return menu;
}

void AttachChartMenu(QMenu* menu, QWidget* widget)
{
    widget->installEventFilter(new TMenuTrigger(menu, widget));
}

void SaveChartPicture(IDialogs& dialogs, const TChartSource& source)
{
    const QSize size = source.PictureSize();
    if (static_cast<qint64>(size.width()) * size.height() > kMaxPicturePixels) {
        dialogs.ShowMessage(TooLargeText(size));
        return;
    }
    const std::optional<QString> path = dialogs.SaveFileName(
        {QStringLiteral("保存图片"), ToQ(kPictureFilter), QStringLiteral("png"), source.Name});
    if (!path) {
        return;
    }
    // Encoded in memory, then written like every other file of the program: atomically, keeping
    // the old file's mode, and with the reason of a failure in the message.
    const QImage image = source.Picture();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        dialogs.ShowMessage(NotPaintedText());
        return;
    }
    try {
        WriteFileAtomic(FromQ(*path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const UserError& e) {
        dialogs.ShowMessage(ToQ(e.what()));
    }
}

void ExportChartTable(IDialogs& dialogs, const TChartSource& source)
{
    const std::optional<QString> path = dialogs.SaveFileName(
        {QStringLiteral("导出表格"), ToQ(kTableFilter), QStringLiteral("csv"), source.Name});
    if (!path) {
        return;
    }
    try {
        WriteChartCsv(FromQ(*path), source.Csv());
    } catch (const UserError& e) {
        dialogs.ShowMessage(ToQ(e.what()));
    }
}

QSize WholeGridSize(const TTrendGridModel& grid)
{
    const qint64 lw = grid.FLineWidth;
    qint64 width = 1;
    for (const std::int32_t w : grid.FColWidthArr) {
        width += w + lw;
    }
    const qint64 height = static_cast<qint64>(grid.RowCount()) * (grid.FRowHeight + lw) + 1;
    // Sizes beyond an int are absurd anyway: cap them so the refusal can name them.
    const auto cap = [](qint64 v) {
        return static_cast<int>(std::min<qint64>(v + 2 * kFramePixels, 1 << 30));
    };
    return {cap(width), cap(height)};
}

QImage WholeGridImage(const TTrendGridModel& grid, const QWidget& look)
{
    // A grid of the picture's size, never shown on the screen, paints every row unscrolled.
    TH2Net whole;
    whole.setAttribute(Qt::WA_DontShowOnScreen);
    whole.setFont(look.font());
    whole.setPalette(look.palette());
    whole.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    whole.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TTrendGridModel copy = grid;
    copy.OnIndexError = nullptr;
    whole.SetModel(std::move(copy));
    whole.resize(WholeGridSize(grid));
    whole.show();
    whole.Relayout();
    return WholeWidgetImage(whole);
}

QImage WholeWidgetImage(QWidget& widget, QSize size)
{
    if (!size.isValid()) {
        size = widget.size();
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.fill(widget.palette().color(QPalette::Window));
    QPainter painter(&image);
    widget.render(&painter, QPoint(), QRegion(0, 0, size.width(), size.height()),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

} // namespace quorvane::gui
