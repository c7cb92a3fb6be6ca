#include "app/PrintLines.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "app/Dialogs.h"
#include "app/QtText.h"
#include "controls/InterfaceFont.h"
#include "text/DateTimeText.h"
#include "text/PrintText.h"

namespace quorvane::gui {

void KeepPrintMargins(QPrinter& printer)
{
    const QMarginsF now = printer.pageLayout().margins(QPageLayout::Millimeter);
    const QMarginsF kept(std::max(now.left(), kMinPrintMarginMm), std::max(now.top(), kMinPrintMarginMm),
                         std::max(now.right(), kMinPrintMarginMm), std::max(now.bottom(), kMinPrintMarginMm));
    printer.setPageMargins(kept, QPageLayout::Millimeter);
}

void PrintLines(IDialogs& dialogs, const QString& title, const QStringList& lines, int fontSize)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCreator(title);
    KeepPrintMargins(printer);
    if (!dialogs.SetUpPrinter(printer)) {
        return;
    }
    // The dialog may have chosen another printer or paper: the margins hold there too.
    KeepPrintMargins(printer);
    const QStringList printed = ToQ(PrintTextLines(FromQ(lines), LocalNow()));

    QFont font = InterfaceFont();
    font.setPointSize(fontSize);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return; // the printing system has already reported why
    }
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int lineHeight = metrics.lineSpacing();
    int y = 0;
    for (const QString& line : printed) {
        if (y > 0 && y + lineHeight > page.height()) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(QPoint(0, y + metrics.ascent()), line);
        y += lineHeight;
    }
    painter.end();
}

} // namespace quorvane::gui
