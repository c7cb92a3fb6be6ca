// Writes the program's icon for the desktop: quorvane.svg and quorvane-N.png (N = 48, 128, 256),
// drawn from the same shapes as the window's icon.
//
//   quorvane-icons OUTPUT_FOLDER
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include "app/Icons.h"

using namespace quorvane::gui;

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: quorvane-icons OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        return 1;
    }
    QFile svg(out.filePath(QStringLiteral("quorvane.svg")));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(IconSvg(ProgramIconDrawing()).toUtf8()) < 0) {
        return 1;
    }
    svg.close();
    for (int side : {48, 128, 256}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PaintIcon(painter, ProgramIconDrawing(), side);
        painter.end();
        if (!image.save(out.filePath(QStringLiteral("quorvane-%1.png").arg(side)))) {
            return 1;
        }
    }
    return 0;
}
