#include "app/PrintLines.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "app/Dialogs.h"
#include "app/QtText.h"
#include "controls/InterfaceFont.h"
#include "text/DateTimeText.h"
#include "text/PrintText.h"

namespace quorvane::gui {

void PrintLines(IDialogs& dialogs, const QString& title, const QStringList& lines, int fontSize)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCreator(title);
    if (!dialogs.SetUpPrinter(printer)) {
        return;
    }
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
