#pragma once

#include <QPixmap>
#include <QWidget>

// The window's client area: white, with the dart-board picture at its natural size in the
// top-left corner, neither stretched nor moved when the window changes size.
class BoardArea : public QWidget {
    Q_OBJECT
public:
    explicit BoardArea(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;  // drawn for the screen's pixel ratio, redrawn when that changes
};
