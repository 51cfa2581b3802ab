#include "main_window/board_area.h"

#include <QPainter>

#include "artwork.h"

BoardArea::BoardArea(QWidget* parent) : QWidget(parent) {
    setObjectName("client_area");
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
}

void BoardArea::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) picture_ = board_picture(ratio);
    QPainter(this).drawPixmap(0, 0, picture_);
}
