#pragma once

#include <functional>
#include <string>

#include <QImage>
#include <QSize>
#include <QString>

#include "charts/TrendGridModel.h"

class QMenu;
class QWidget;

namespace quorvane::gui {

class IDialogs;

// Saving a chart as a picture or as a table file, from the context menu of every chart surface.

// The largest picture the program writes, in pixels; a larger chart is refused with a message.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;

// What the context menu saves: the picture's size (computed before anything is painted, so an
// absurd size is refused at once), the picture of the whole chart, and the chart's table file.
struct TChartSource
{
    QString Name; // suggested file name without extension, such as the page's caption
    std::function<QSize()> PictureSize;
    std::function<QImage()> Picture;
    std::function<std::string()> Csv;
};

// The context menu "保存图片…" / "导出表格…" (actions SavePictureAction and ExportTableAction),
// owned by owner and popped up at the pointer over every widget given to AttachChartMenu.
QMenu* NewChartMenu(QWidget* owner, IDialogs& dialogs, TChartSource source);
void AttachChartMenu(QMenu* menu, QWidget* widget);

// The two commands of the menu: ask for a file name, then write the file; a refusal or a failure
// is shown in a message box.
void SaveChartPicture(IDialogs& dialogs, const TChartSource& source);
void ExportChartTable(IDialogs& dialogs, const TChartSource& source);

// The size of a trend grid's picture showing every row and column, and the picture itself: the
// grid painted as the widget paints it, unscrolled, with all rows visible. look: the grid widget,
// whose font and palette the picture takes.
QSize WholeGridSize(const TTrendGridModel& grid);
QImage WholeGridImage(const TTrendGridModel& grid, const QWidget& look);

// A widget's picture, also of the parts scrolled out of view: the rectangle of the given size at its
// top left corner (the whole widget when the size is not valid).
QImage WholeWidgetImage(QWidget& widget, QSize size = QSize());

} // namespace quorvane::gui
