#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "artwork.h"
#include "board_drawing.h"
#include "board_geometry.h"

namespace {

constexpr int kIconSizes[] = {32, 16};

// Each image is drawn in a 32 x 32 design space and scaled down for the smaller size.
template <typename Paint>
QIcon icon_from(Paint paint) {
    QIcon icon;
    for (int size : kIconSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        paint(painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// The board of the main window without numbers and wires, its double ring almost at the edge.
void paint_small_board(QPainter& p) {
    const double scale = 15.0 / board::kRadii.double_outer;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 8, 8));
    p.drawEllipse(QRectF(0, 0, 32, 32));
    p.translate(16, 16);
    p.scale(scale, scale);
    p.translate(-board::kCentre, -board::kCentre);
    paint_board(p, {.numbers = false, .wires = false});
}

// A dart lying from bottom left (the point) to top right (the flight).
void paint_dart(QPainter& p) {
    p.translate(16, 16);
    p.rotate(-45);
    // Along the x axis from the point at -20 to the end of the flight at +17.
    p.setPen(QPen(QColor(105, 105, 115), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-20, 0), QPointF(-11, 0));  // steel point

    QPainterPath barrel;
    barrel.addRoundedRect(QRectF(-12, -2.6, 12, 5.2), 2.2, 2.2);
    p.setPen(QPen(QColor(40, 40, 48), 0.8));
    p.setBrush(QColor(196, 160, 60));  // brass
    p.drawPath(barrel);
    p.setPen(QPen(QColor(110, 84, 24), 0.9));
    for (double x : {-8.5, -6.0, -3.5}) p.drawLine(QPointF(x, -2.2), QPointF(x, 2.2));  // grip rings

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(0, -1.1, 8, 2.2));  // shaft

    const QPolygonF flight{{QPointF(5, 0), QPointF(10, -6.5), QPointF(17, -6.5), QPointF(16, 0),
                            QPointF(17, 6.5), QPointF(10, 6.5)}};
    p.setPen(QPen(QColor(90, 10, 14), 0.8));
    p.setBrush(QColor(206, 32, 41));
    p.drawPolygon(flight);
    p.setPen(QPen(QColor(90, 10, 14), 0.8));
    p.drawLine(QPointF(6, 0), QPointF(16, 0));  // the fold between the two fins
}

}  // namespace

QIcon program_icon() { return icon_from(paint_small_board); }

QIcon dart_icon() { return icon_from(paint_dart); }
