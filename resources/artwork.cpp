#include "artwork.h"

#include <QPainter>

#include "board_geometry.h"

// Placeholder drawing: a plain disc; the real board comes next.
QPixmap board_picture(qreal device_pixel_ratio) {
    const int side = qRound(board::kPictureSize * device_pixel_ratio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(board::kCentre, board::kCentre), board::kRadii.double_outer, board::kRadii.double_outer);
    return pixmap;
}

QIcon program_icon() { return QIcon(); }

QIcon dart_icon() { return QIcon(); }
