#include <QPainter>

#include "artwork.h"
#include "board_drawing.h"
#include "board_geometry.h"

QPixmap board_picture(qreal device_pixel_ratio) {
    // Drawn at the display's own resolution, so the board stays sharp on scaled screens.
    const int side = qRound(board::kPictureSize * device_pixel_ratio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::white);  // the window's background shows in the corners
    QPainter painter(&pixmap);
    paint_board(painter, {});
    return pixmap;
}
